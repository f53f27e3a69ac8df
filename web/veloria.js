// The game's page: draws the screen the reign's session hands over and forwards what the player
// asks. It computes no rule: every figure, limit and text of the game comes from the module.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
"use strict";

(function () {
  // ---------------------------------------------------------------------------------------------
  // Languages: Russian is the source; English where the browser puts it before Russian.

  let catalogue = null; // context -> source (with "\u0004" + disambiguation) -> translation

  function pageLanguage() {
    for (const tag of navigator.languages || [navigator.language || "ru"]) {
      const language = String(tag).toLowerCase().split("-")[0];
      if (language === "ru") return "ru";
      if (language === "en") return "en";
    }
    return "ru";
  }

  // The words of a text in the page's language, named as lupdate names them.
  const missing = new Set(); // texts asked for that the catalogue lacks: a test finds them
  function qsTranslate(context, source, disambiguation, count) {
    if (!catalogue) return source;
    const key = disambiguation ? source + "\u0004" + disambiguation : source;
    const words = (catalogue[context] || {})[key];
    if (words === undefined) {
      missing.add(context + ": " + key);
      return source;
    }
    if (Array.isArray(words)) return count === 1 ? words[0] : words[1];
    return words;
  }

  // QString::arg: the lowest-numbered placeholder takes the value.
  function arg(text, value) {
    const numbers = (text.match(/%[1-9]/g) || []).map((p) => p[1]).sort();
    if (!numbers.length) return text;
    return text.split("%" + numbers[0]).join(value);
  }

  // "&Игра": the caption without its marker, and the access key.
  function accessText(text) {
    const at = text.indexOf("&");
    if (at < 0 || at + 1 >= text.length) return { text: text, key: "" };
    return { text: text.slice(0, at) + text.slice(at + 1), key: text[at + 1] };
  }

  // ---------------------------------------------------------------------------------------------
  // The module

  let face = null;
  let screen = null;

  function call(name, ...args) {
    const types = args.map((a) => (typeof a === "number" ? "number" : "string"));
    return face.ccall(name, "string", types, args);
  }
  function act(name, ...args) {
    const before = screen;
    screen = JSON.parse(call(name, ...args));
    draw(before);
    return screen;
  }
  function numberText(value) {
    return call("vel_number_text", value);
  }

  // The table of the best kings lives in the browser as the bytes of scores.tab.
  const scoresKey = "veloria.scores.tab";
  const scoresStore = {
    read() {
      const text = localStorage.getItem(scoresKey);
      if (text === null) return null;
      const raw = atob(text);
      const bytes = new Uint8Array(raw.length);
      for (let i = 0; i < raw.length; ++i) bytes[i] = raw.charCodeAt(i);
      return bytes;
    },
    size() {
      try {
        const bytes = this.read();
        return bytes ? bytes.length : -1;
      } catch (e) {
        return 0; // not base64: an unusable table
      }
    },
    bytes() {
      try {
        return this.read() || new Uint8Array(0);
      } catch (e) {
        return new Uint8Array(0);
      }
    },
    write(bytes) {
      let raw = "";
      for (const b of bytes) raw += String.fromCharCode(b);
      try {
        localStorage.setItem(scoresKey, btoa(raw));
        return true;
      } catch (e) {
        return false;
      }
    },
    keepAside() {
      const text = localStorage.getItem(scoresKey);
      if (text !== null) localStorage.setItem(scoresKey + ".unusable", text);
      localStorage.removeItem(scoresKey);
    },
  };

  // ---------------------------------------------------------------------------------------------
  // Building the windows

  const $ = (root, name) => root.querySelector('[data-name="' + name + '"]');
  function element(tag, attributes, ...children) {
    const node = document.createElement(tag);
    for (const [key, value] of Object.entries(attributes || {})) {
      if (value === undefined || value === null || value === false) continue;
      if (key === "className") node.className = value;
      else if (key === "text") node.textContent = value;
      else node.setAttribute(key, value === true ? "" : value);
    }
    for (const child of children) if (child) node.append(child);
    return node;
  }
  function button(name, caption, tip, extra) {
    const access = accessText(caption);
    const node = element("button", Object.assign({ type: "button", "data-name": name, title: tip }, extra || {}));
    if (access.key) {
      const at = caption.indexOf("&");
      node.append(access.text.slice(0, at), element("u", { text: access.key }), access.text.slice(at + 1));
    } else {
      node.textContent = access.text;
    }
    return node;
  }
  function label(name, text, className) {
    return element("span", { "data-name": name, className: ("label " + (className || "")).trim(), text: text || "" });
  }

  const tr = {
    main: (s, d) => qsTranslate("MainWindow", s, d),
    goods: (s) => qsTranslate("GoodsPanel", s),
    merc: (s) => qsTranslate("MercenaryPanel", s),
    report: (s) => qsTranslate("ReportPanel", s),
    status: (s) => qsTranslate("StatusColumn", s),
  };

  // The goods table: the controls of each panel by good (gold, land, grain, oil).
  const goodsNames = [
    { frame: "zol", price: "Label1", picture: "Picture4", amount: "Label2", sellBar: "scroll", buyBar: "scroll_1", buy: "buy1", sell: "sale1", limit: "Label9", buyTyped: "buy1_1", sellTyped: "sale1_1", box: "Text1", maxCaption: "Label26", lower: "max1", art: "gold", title: "Золото" },
    { frame: "zem", price: "Label3", picture: "Picture5", amount: "Label4", sellBar: "scroll1", buyBar: "scroll1_1", buy: "buy2", sell: "sale2", limit: "Label10", buyTyped: "buy2_1", sellTyped: "sale2_1", box: "Text2", maxCaption: "Label28", lower: "max2", art: "land", title: "Земля" },
    { frame: "zer", price: "Label5", picture: "Picture6", amount: "Label6", sellBar: "scroll2", buyBar: "scroll2_1", buy: "buy3", sell: "sale3", limit: "Label11", buyTyped: "buy3_1", sellTyped: "sale3_1", box: "Text3", maxCaption: "Label27", lower: "max3", art: "grain", title: "Зерно" },
    { frame: "nef", price: "Label7", picture: "Picture7", amount: "Label8", sellBar: "scroll3", buyBar: "scroll3_1", buy: "buy4", sell: "sale4", limit: "Label12", buyTyped: "buy4_1", sellTyped: "sale4_1", box: "Text4", maxCaption: "Label29", lower: "max4", art: "oil", title: "Нефть" },
  ];
  const spokenNames = [
    ["Полоса покупки золота", "Полоса продажи золота", "Купить золото по полосе", "Продать золото по полосе", "Купить золото: введённое количество", "Продать золото: введённое количество", "Количество золота"],
    ["Полоса покупки земли", "Полоса продажи земли", "Купить землю по полосе", "Продать землю по полосе", "Купить землю: введённое количество", "Продать землю: введённое количество", "Количество земли"],
    ["Полоса покупки зерна", "Полоса продажи зерна", "Купить зерно по полосе", "Продать зерно по полосе", "Купить зерно: введённое количество", "Продать зерно: введённое количество", "Количество зерна"],
    ["Полоса покупки нефти", "Полоса продажи нефти", "Купить нефть по полосе", "Продать нефть по полосе", "Купить нефть: введённое количество", "Продать нефть: введённое количество", "Количество нефти"],
  ];

  function amountBox(name, spoken) {
    const box = element("input", { type: "text", inputmode: "numeric", autocomplete: "off", "data-name": name, "aria-label": spoken, className: "amount-box" });
    // The amount boxes take digits alone, as on the desktop.
    box.addEventListener("beforeinput", (event) => {
      if (event.data && /[^0-9]/.test(event.data)) event.preventDefault();
    });
    return box;
  }

  function goodsPanel(index) {
    const n = goodsNames[index];
    const s = spokenNames[index].map(tr.goods);
    const frame = element("fieldset", { "data-name": n.frame, className: "frame goods goods-" + n.art });
    frame.append(
      element("legend", { "data-name": n.frame + "-caption", text: tr.goods(n.title) }),
      element("div", { className: "goods-head" },
        label(n.price, ""),
        element("img", { "data-name": n.picture, src: "art/" + n.art + ".svg", alt: "", width: 33, height: 32 }),
        label(n.amount, "0", "right amount")),
      element("input", { type: "range", min: 0, max: 0, step: 1, value: 0, "data-name": n.buyBar, "aria-label": s[0], className: "bar buying" }),
      element("input", { type: "range", min: 0, max: 0, step: 1, value: 0, "data-name": n.sellBar, "aria-label": s[1], className: "bar selling" }),
      element("div", { className: "row" },
        button(n.buy, qsTranslate("GoodsPanel", "купить"), null, { "aria-label": s[2], className: "buying" }),
        button(n.sell, qsTranslate("GoodsPanel", "продать"), null, { "aria-label": s[3], className: "selling" }),
        label(n.limit, "", "right")),
      element("div", { className: "row" },
        button(n.buyTyped, qsTranslate("GoodsPanel", "купить"), null, { "aria-label": s[4], className: "buying" }),
        button(n.sellTyped, qsTranslate("GoodsPanel", "продать"), null, { "aria-label": s[5], className: "selling" }),
        amountBox(n.box, s[6])),
      element("div", { className: "row" }, label(n.maxCaption, qsTranslate("GoodsPanel", "max:"), "right"), label(n.lower, "", "right")));
    for (const bar of frame.querySelectorAll("input[type=range]")) {
      bar.addEventListener("input", () => {
        $(frame, n.amount).textContent = numberText(Number(bar.value));
      });
    }
    const buying = () => screen.goodsForBuying;
    $(frame, n.buy).addEventListener("click", () => tradeByBar(index, true));
    $(frame, n.sell).addEventListener("click", () => tradeByBar(index, false));
    $(frame, n.buyTyped).addEventListener("click", () => tradeTyped(index, true));
    $(frame, n.sellTyped).addEventListener("click", () => tradeTyped(index, false));
    $(frame, n.box).addEventListener("keydown", (event) => {
      if (event.key === "Enter") tradeTyped(index, buying());
    });
    return frame;
  }

  function mercenaryPanel() {
    const frame = element("fieldset", { "data-name": "naemniki1", className: "frame cover mercenaries" });
    frame.append(
      element("legend", { "data-name": "naemniki1-caption", text: tr.merc("Наёмники") }),
      element("img", { "data-name": "Picture3", src: "art/mercenary.svg", alt: "", width: 72, height: 104, className: "portrait" }),
      element("div", { className: "row" }, label("Label16", ""), label("Label17", "", "right")),
      element("input", { type: "range", min: 0, max: 32767, step: 1, value: 0, "data-name": "scroll4", "aria-label": tr.merc("Полоса найма наёмников"), className: "bar" }),
      element("div", { className: "row" },
        button("buy5", tr.merc("нанять"), null, { "aria-label": tr.merc("Нанять наёмников по полосе") }),
        label("Label18", tr.merc("max:"), "right")),
      element("div", { className: "row" },
        button("buy5_1", tr.merc("нанять"), null, { "aria-label": tr.merc("Нанять наёмников: введённое количество") }),
        amountBox("Text5", tr.merc("Количество наёмников"))),
      element("div", { className: "row" }, label("Label30", tr.merc("max:"), "right"), label("max5", "", "right")));
    const bar = $(frame, "scroll4");
    bar.addEventListener("input", () => {
      $(frame, "Label17").textContent = numberText(Number(bar.value));
    });
    $(frame, "buy5").addEventListener("click", () => {
      act("vel_hire_by_bar", Number(bar.value));
    });
    const hireTyped = () => {
      const box = $(frame, "Text5");
      if (box.value === "") return;
      const text = box.value;
      box.value = "";
      act("vel_hire_typed", text);
    };
    $(frame, "buy5_1").addEventListener("click", hireTyped);
    $(frame, "Text5").addEventListener("keydown", (event) => {
      if (event.key === "Enter") hireTyped();
    });
    return frame;
  }

  function reportPanel() {
    const frame = element("fieldset", { "data-name": "informacia", className: "frame cover report" });
    const war = element("fieldset", { "data-name": "boy", className: "frame war" });
    war.append(
      element("legend", { text: tr.report("Война") }),
      element("div", { className: "armies" },
        element("img", { "data-name": "Picture1", src: "art/king.svg", alt: tr.report("Вы"), title: tr.report("Вы"), width: 72, height: 104, className: "portrait" }),
        element("div", { className: "army" },
          element("div", { "data-name": "Command1", className: "heading ours", text: tr.report("Ваша армия") }),
          label("boy1", "", "army-figure")),
        element("div", { className: "army" },
          element("div", { "data-name": "Command2", className: "heading theirs", text: tr.report("Враги") }),
          label("boy2", "", "army-figure")),
        element("img", { "data-name": "Picture2", src: "art/enemy.svg", alt: tr.report("Вражеский военачальник"), title: tr.report("Вражеский военачальник"), width: 72, height: 104, className: "portrait" })),
      label("pobeda", "", "boxed outcome"),
      label("Label13", tr.report("Захвачено:"), "spoils-heading"),
      element("div", { className: "spoils" }, label("trofey", "", "boxed pre"), label("trofey1", "", "boxed pre")),
      button("Command3", tr.report("OK"), tr.report("Навоевался")));
    frame.append(element("legend", { text: tr.report("Прошёл год") }), element("div", { "data-name": "info", className: "info boxed pre" }), war);
    $(war, "Command3").addEventListener("click", () => act("vel_acknowledge_battle"));
    return frame;
  }

  function statusColumn() {
    const row = (caption, captionName, valueName, className) =>
      element("div", { className: "status-row" }, label(captionName, tr.status(caption)), label(valueName, "", "boxed right " + (className || "")));
    return element("div", { className: "status", "data-name": "statusColumn" },
      row("Деньги: $", "dengi", "money1"),
      row("Рабочие :", "rabochie", "rabochie1"),
      row("Солдаты:", "soldaty", "soldaty1"),
      row("Всего:", "wsego", "wsego1", "total"),
      label("Label21", tr.status("Требуется :"), "big needed"),
      row("Земли ", "Label24", "Label22", "need"),
      row("Зерна", "Label25", "Label23", "need"),
      label("nastroenie", tr.status("Настроение :"), "big"),
      label("nasnas", "", "boxed mood"));
  }

  // The menu: «Игра» drops down; the other commands stand on the bar. F2 to F4 as on the desktop
  // where the browser leaves them, and the page's own keys beside them.
  const menuKeys = { newgame: ["F2", "n"], savegame: ["F3", "s"], loadgame: ["F4", "l"], chronicle: ["F5", "c"] };
  function keyHint(name) {
    const keys = menuKeys[name];
    return keys ? arg(arg(qsTranslate("WebPage", "%1 или %2"), keys[0]), "Alt+Shift+" + keys[1].toUpperCase()) : "";
  }
  function menuBar() {
    const item = (name, caption) => {
      const node = button(name, caption, null, { role: "menuitem" });
      const hint = keyHint(name);
      if (hint) node.append(element("span", { className: "key", text: hint }));
      return node;
    };
    const files = button("files", tr.main("&Игра"), null, { "aria-haspopup": "menu", "aria-expanded": "false", "aria-controls": "files-menu" });
    const drop = element("div", { id: "files-menu", role: "menu", className: "drop", hidden: true, "aria-label": accessText(tr.main("&Игра")).text },
      item("newgame", tr.main("Новая игра")), item("savegame", tr.main("Сохранить")), item("loadgame", tr.main("Загрузить")));
    files.addEventListener("click", () => openMenu(drop.hidden));
    drop.addEventListener("keydown", (event) => {
      const items = [...drop.querySelectorAll("button")];
      const at = items.indexOf(document.activeElement);
      if (event.key === "ArrowDown") items[(at + 1) % items.length].focus();
      else if (event.key === "ArrowUp") items[(at + items.length - 1) % items.length].focus();
      else if (event.key === "Escape") { openMenu(false); files.focus(); }
      else return;
      event.preventDefault();
    });
    const bar = element("nav", { className: "menubar", "aria-label": accessText(tr.main("&Игра")).text + " · " + accessText(tr.main("&Таблица")).text },
      element("div", { className: "menu" }, files, drop),
      button("tablica", tr.main("&Таблица")),
      button("chronicle", tr.main("&Летопись")),
      button("pravila", tr.main("&Правила")),
      button("aboutgame", tr.main("&О программе")));
    const chronicleButton = $(bar, "chronicle");
    chronicleButton.append(element("span", { className: "key", text: keyHint("chronicle") }));
    return bar;
  }
  function openMenu(open) {
    const drop = document.getElementById("files-menu");
    const files = $(document, "files");
    drop.hidden = !open;
    files.setAttribute("aria-expanded", open ? "true" : "false");
    if (open) drop.querySelector("button").focus();
  }

  function mainWindow() {
    const win = element("section", { id: "Form1", className: "window main-window", "aria-labelledby": "Form1-title", hidden: true });
    const commands = element("div", { className: "commands" },
      button("buy", tr.main("Покупка"), tr.main("Купить что-нибуть")),
      button("Sale", tr.main("Продажа"), tr.main("Продать что-нибудь")),
      button("naemniki", tr.main("Наёмники"), tr.main("Нанять наёмников")),
      button("dalshe", tr.main("Дальше"), tr.main("Дальше", "tool tip")));
    const area = element("div", { className: "area" },
      goodsPanel(0), goodsPanel(2), goodsPanel(1), goodsPanel(3), mercenaryPanel(), reportPanel());
    win.append(
      element("h1", { id: "Form1-title", className: "caption", text: tr.main('Король "Велории"') }),
      menuBar(),
      element("div", { className: "top" }, commands,
        label("Label14", "", "year"),
        element("div", { "data-name": "Label15", className: "label prompt" })),
      element("div", { className: "body" }, area, statusColumn()),
      element("footer", { className: "credits" },
        label("Label19", tr.main("Король Велории, 2026: наша игра")),
        element("a", { "data-name": "Label20", href: "mailto:court@example.net", text: "court@example.net" })));
    $(win, "buy").addEventListener("click", () => act("vel_buying"));
    $(win, "Sale").addEventListener("click", () => act("vel_selling"));
    $(win, "naemniki").addEventListener("click", () => act("vel_mercenaries"));
    $(win, "dalshe").addEventListener("click", () => act("vel_next_year"));
    $(win, "newgame").addEventListener("click", () => { openMenu(false); newGame(); });
    $(win, "savegame").addEventListener("click", () => { openMenu(false); openSave(); });
    $(win, "loadgame").addEventListener("click", () => { openMenu(false); openLoad(); });
    $(win, "tablica").addEventListener("click", () => openTable());
    $(win, "chronicle").addEventListener("click", () => openChronicle());
    $(win, "pravila").addEventListener("click", () => openRules());
    $(win, "aboutgame").addEventListener("click", () => openAbout());
    return win;
  }

  function tradeByBar(index, buying) {
    const n = goodsNames[index];
    const bar = $(document.getElementById("Form1"), buying ? n.buyBar : n.sellBar);
    act("vel_trade_by_bar", buying ? 1 : 0, index, Number(bar.value));
  }
  function tradeTyped(index, buying) {
    const box = $(document.getElementById("Form1"), goodsNames[index].box);
    if (box.value === "") return;
    act("vel_trade_typed", buying ? 1 : 0, index, box.value);
  }

  // ---------------------------------------------------------------------------------------------
  // Secondary windows: each a modal dialog, as the desktop disables the main window under them.

  function dialog(id, title, ...content) {
    const node = element("dialog", { id: id, className: "window", "aria-labelledby": id + "-title" },
      element("h2", { id: id + "-title", className: "caption", text: title }), ...content);
    document.body.append(node);
    return node;
  }

  let messageQueue = [];
  function showMessages(messages) {
    messageQueue = messageQueue.concat(messages);
    nextMessage();
  }
  function nextMessage() {
    let box = document.getElementById("message");
    if (box && box.open) return;
    const message = messageQueue.shift();
    if (!message) return;
    if (!box) {
      box = dialog("message", "", element("p", { className: "message-text pre" }), button("messageOk", qsTranslate("WebPage", "OK")));
      $(box, "messageOk").addEventListener("click", () => box.close());
      box.addEventListener("close", () => {
        const after = box.afterClose;
        box.afterClose = null;
        if (after) after();
        nextMessage();
      });
    }
    box.querySelector(".caption").textContent = message.title;
    box.querySelector(".message-text").textContent = message.text;
    box.afterClose = message.after || null;
    box.showModal();
    $(box, "messageOk").focus();
  }

  function openTable() {
    act("vel_open_table");
    let win = document.getElementById("Form7");
    if (!win) {
      const hof = (s) => qsTranslate("HallOfFameWindow", s);
      const rows = element("ol", { "data-name": "Frame2", className: "table-rows", title: hof("Таблица результатов") });
      for (let place = 0; place < 10; ++place) {
        rows.append(element("li", { className: "place place-" + place },
          label("Label2_" + place, "", "name"), label("Label3_" + place, "", "right score")));
      }
      win = dialog("Form7", hof("Таблица"),
        element("div", { "data-name": "Frame1", className: "table-head", text: hof("         Лучшие из лучших") }),
        rows, button("Command1", hof("&OK")));
      $(win, "Command1").addEventListener("click", () => win.close());
      win.addEventListener("close", () => {
        if (face.ccall("vel_close_table", "number", [], []) === 1) act("vel_screen");
        else focusMain();
      });
    }
    const table = JSON.parse(call("vel_table"));
    table.forEach((row, place) => {
      $(win, "Label2_" + place).textContent = row.name;
      $(win, "Label3_" + place).textContent = row.score;
    });
    const show = () => {
      win.showModal();
      $(win, "Command1").focus();
    };
    // A message about the table (it could not be read) comes first, then the table.
    const box = document.getElementById("message");
    if (box && box.open) {
      const previous = box.afterClose;
      box.afterClose = () => {
        if (previous) previous();
        show();
      };
    } else show();
  }

  function openAbout() {
    let win = document.getElementById("Form2");
    if (!win) {
      const about = (s) => qsTranslate("AboutBox", s);
      win = dialog("Form2", about("О программе"),
        element("img", { "data-name": "Image1", src: "art/king.svg", alt: "", width: 72, height: 104, className: "portrait" }),
        element("p", { "data-name": "Label1", className: "pre about-text", text: about("                          Король Велории  v1.21") + "\n" + about("Код и рисунки: мастера Велории") }),
        button("Command1", about("&Ok"), about("Насмотрелся")),
        element("a", { "data-name": "Label2", href: "https://veloria.example.org/", title: about("Сайт игры"), target: "_blank", rel: "noopener", text: "https://veloria.example.org/" }),
        element("a", { "data-name": "Label3", href: "mailto:king@example.org", title: about("Написать письмо"), text: "king@example.org" }));
      $(win, "Command1").addEventListener("click", () => win.close());
      win.addEventListener("close", focusMain);
    }
    win.showModal();
    $(win, "Command1").focus();
  }

  function openSave() {
    let win = document.getElementById("Form3");
    if (!win) {
      const save = (s) => qsTranslate("SaveDialog", s);
      win = dialog("Form3", save("Сохранить игру"),
        element("form", { method: "dialog", className: "file-form" },
          element("label", { for: "Form3-name", text: qsTranslate("FileDialog", "Имя файла") }),
          element("input", { id: "Form3-name", type: "text", "data-name": "txtFileName", autocomplete: "off" }),
          element("div", { className: "row" }, button("Command1", save("Сохранить"), save("Сохранить игру")), button("Command2", save("Отмена"), save("Отменить сохранение")))));
      win.querySelector("form").addEventListener("submit", (event) => {
        event.preventDefault();
        $(win, "Command1").click();
      });
      $(win, "Command1").addEventListener("click", () => {
        const name = $(win, "txtFileName").value;
        if (name === "") {
          showMessages([{ title: save("Сохранение"), text: save("Не указано имя файла") }]);
          return;
        }
        const problem = call("vel_save");
        if (problem) {
          showMessages([{ title: save("Сохранение"), text: problem }]);
          return;
        }
        const pointer = face.ccall("vel_saved_bytes", "number", [], []);
        const size = face.ccall("vel_saved_size", "number", [], []);
        const bytes = face.HEAPU8.slice(pointer, pointer + size);
        const link = element("a", { href: URL.createObjectURL(new Blob([bytes], { type: "text/plain" })), download: name + ".txt" });
        document.body.append(link);
        link.click();
        link.remove();
        win.close();
      });
      $(win, "Command2").addEventListener("click", () => win.close());
      win.addEventListener("close", focusMain);
    }
    $(win, "txtFileName").value = "";
    win.showModal();
    $(win, "txtFileName").focus();
  }

  function openLoad() {
    let win = document.getElementById("Form4");
    if (!win) {
      const load = (s) => qsTranslate("LoadDialog", s);
      win = dialog("Form4", load("Загрузить отложеную игру"),
        element("form", { method: "dialog", className: "file-form" },
          element("label", { for: "Form4-file", text: qsTranslate("FileDialog", "Файлы игр") }),
          element("input", { id: "Form4-file", type: "file", accept: ".txt", "data-name": "txtFileName" }),
          element("div", { className: "row" }, button("Command1", load("&Загрузить"), load("Загрузить игру")), button("Command2", load("&Отмена"), load("Отменить загрузку")))));
      win.querySelector("form").addEventListener("submit", (event) => {
        event.preventDefault();
        $(win, "Command1").click();
      });
      $(win, "Command1").addEventListener("click", async () => {
        const file = $(win, "txtFileName").files[0];
        win.close();
        if (!file) {
          showMessages([{ title: load("Загрузить"), text: load("Не указано имя файла") }]);
          act("vel_load_refused");
          return;
        }
        const bytes = new Uint8Array(await file.arrayBuffer());
        const pointer = face._malloc(bytes.length || 1);
        face.HEAPU8.set(bytes, pointer);
        try {
          screen = JSON.parse(face.ccall("vel_load", "string", ["number", "number", "string"], [pointer, bytes.length, file.name]));
        } finally {
          face._free(pointer);
        }
        draw(null);
        // Tests wait for this: the file is read after the dialog has gone.
        document.documentElement.dataset.loads = String(Number(document.documentElement.dataset.loads || 0) + 1);
      });
      $(win, "Command2").addEventListener("click", () => win.close());
      win.addEventListener("close", focusMain);
    }
    $(win, "txtFileName").value = "";
    win.showModal();
    $(win, "txtFileName").focus();
  }

  // The rules: the help file's topics as the desktop's reader finds them, the contents beside the
  // text. The file is fetched the first time the rules are opened, and topic 1000 is shown first.
  const rulesTopic = 1000;
  async function openRules() {
    const help = (s) => qsTranslate("HelpViewer", s);
    let win = document.getElementById("rules");
    if (!win) {
      win = dialog("rules", accessText(tr.main("&Правила")).text,
        element("p", { className: "rules-problem", "data-name": "problem", role: "alert", hidden: true }),
        element("div", { className: "rules-body" },
          element("nav", { className: "rules-contents", "aria-label": help("Содержание") }, element("ol", { "data-name": "contents" })),
          element("div", { className: "rules-text", tabindex: "0", role: "region", "aria-label": help("Текст правил"), "data-name": "rulesText" })),
        button("rulesClose", qsTranslate("WebPage", "OK")));
      $(win, "rulesClose").addEventListener("click", () => win.close());
      win.addEventListener("close", focusMain);
      // Jumps inside the file go to the topic the reader knows by that number.
      $(win, "rulesText").addEventListener("click", (event) => {
        const link = event.target.closest("a[href^='#']");
        if (!link) return;
        event.preventDefault();
        showRulesTopic(win, link.getAttribute("href").slice(1));
      });
    }
    // Until the file has been read, each opening asks for it again, as the desktop's viewer does.
    if (!win.dataset.loaded) {
      const problem = $(win, "problem");
      const file = language === "en" ? "throne_en.hlp" : "throne.hlp";
      let bytes = null;
      try {
        const response = await fetch(file);
        if (response.ok) bytes = new Uint8Array(await response.arrayBuffer());
      } catch {
        bytes = null;
      }
      problem.hidden = bytes !== null;
      if (bytes === null) {
        problem.textContent = arg(help("Не удалось открыть файл справки «%1». Возможно, игра установлена не полностью."), file);
      } else {
        fillRules(win, bytes);
        win.dataset.loaded = "true";
      }
    }
    if (!win.open) win.showModal();
    showRulesTopic(win, rulesTopic);
    $(win, "rulesText").focus();
  }

  function fillRules(win, bytes) {
    const pointer = face._malloc(bytes.length || 1);
    face.HEAPU8.set(bytes, pointer);
    let rules;
    try {
      rules = JSON.parse(face.ccall("vel_rules", "string", ["number", "number"], [pointer, bytes.length]));
    } finally {
      face._free(pointer);
    }
    if (rules.title) document.getElementById("rules-title").textContent = rules.title;
    const contents = $(win, "contents");
    const text = $(win, "rulesText");
    for (const topic of rules.topics) {
      const link = element("a", { href: "#topic-" + topic.context, "data-context": String(topic.context), className: "level-" + topic.level, text: topic.title });
      link.addEventListener("click", (event) => {
        event.preventDefault();
        showRulesTopic(win, topic.context);
      });
      contents.append(element("li", {}, link));
      // The file's own markup, drawn by the browser as the desktop's text browser draws it.
      const body = document.createElement("template");
      body.innerHTML = topic.body;
      const heading = element("h" + Math.min(6, topic.level + 2), { text: topic.title });
      text.append(element("section", { id: "topic-" + topic.context, "data-context": String(topic.context) }, heading, body.content));
    }
  }

  function showRulesTopic(win, context) {
    const section = document.getElementById("topic-" + context);
    if (!section) return;
    for (const link of $(win, "contents").querySelectorAll("a")) {
      if (link.dataset.context === String(context)) link.setAttribute("aria-current", "true");
      else link.removeAttribute("aria-current");
    }
    $(win, "rulesText").scrollTop = section.offsetTop;
  }

  // The chronicle: the table of the years and a chart of the figures.
  function openChronicle() {
    let win = document.getElementById("chronicle");
    const tt = (s) => qsTranslate("ChronicleTable", s);
    const columns = ["Год", "Рабочие", "Солдаты", "Всего", "Земля", "Зерно", "Деньги", "Золото", "Нефть", "Настроение", "Рейтинг", "События"];
    const keys = ["year", "workers", "soldiers", "total", "land", "grain", "money", "gold", "oil", "mood", "rating", "events"];
    if (!win) {
      const cw = (s) => qsTranslate("ChronicleWindow", s);
      win = dialog("chronicle", cw("Летопись"),
        element("div", { className: "chronicle-bar" },
          element("div", { className: "chronicle-tabs", role: "tablist", "aria-label": cw("Страницы летописи") },
            button("chronicleTableTab", cw("&Таблица"), null, { role: "tab", "aria-selected": "true", "aria-controls": "chronicleTablePage", id: "chronicleTableTab" }),
            button("chronicleChartTab", cw("&График"), null, { role: "tab", "aria-selected": "false", "aria-controls": "chronicleChartPage", id: "chronicleChartTab" })),
          button("chronicleCopy", cw("Копировать"), cw("Скопировать таблицу для электронной таблицы (Ctrl+C)"))),
        element("div", { id: "chronicleTablePage", role: "tabpanel", "aria-labelledby": "chronicleTableTab", className: "chronicle-page" },
          element("div", { className: "table-scroll", tabindex: "0", role: "region", "aria-label": cw("Летопись") },
            element("table", { "data-name": "chronicleTable" }, element("thead", {}, element("tr", {}, ...columns.map((c) => element("th", { scope: "col", text: tt(c) })))), element("tbody"))),
          element("pre", { "data-name": "chronicleReport", className: "chronicle-report", tabindex: "0", "aria-label": qsTranslate("ChronicleSpeech", "Доклад выбранного года") })),
        element("div", { id: "chronicleChartPage", role: "tabpanel", "aria-labelledby": "chronicleChartTab", className: "chronicle-page", hidden: true },
          element("div", { "data-name": "chronicleChart", className: "chart" })),
        button("chronicleClose", qsTranslate("WebPage", "OK")));
      const tabs = [$(win, "chronicleTableTab"), $(win, "chronicleChartTab")];
      tabs.forEach((tab, i) => tab.addEventListener("click", () => {
        tabs.forEach((t, j) => t.setAttribute("aria-selected", i === j ? "true" : "false"));
        document.getElementById("chronicleTablePage").hidden = i !== 0;
        document.getElementById("chronicleChartPage").hidden = i !== 1;
      }));
      $(win, "chronicleClose").addEventListener("click", () => win.close());
      $(win, "chronicleCopy").addEventListener("click", () => copyChronicle(win));
      // Ctrl+C copies the table, as on the desktop, unless the player has chosen some text to copy.
      win.addEventListener("keydown", (event) => {
        const chosen = String(window.getSelection() || "");
        if ((event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === "c" && !chosen) {
          event.preventDefault();
          copyChronicle(win);
        }
      });
      win.addEventListener("close", focusMain);
    }
    const entries = JSON.parse(call("vel_chronicle"));
    const body = win.querySelector("tbody");
    body.replaceChildren();
    const report = $(win, "chronicleReport");
    report.textContent = entries.length ? "" : qsTranslate("ChronicleTable", "Выберите год, чтобы прочитать его доклад.");
    entries.forEach((entry, row) => {
      const tr = element("tr", { tabindex: "0" }, ...keys.map((k) => element("td", { text: typeof entry[k] === "number" ? String(entry[k]) : entry[k] })));
      const choose = () => {
        for (const other of body.querySelectorAll("tr[aria-selected]")) other.removeAttribute("aria-selected");
        tr.setAttribute("aria-selected", "true");
        report.textContent = entry.report;
      };
      tr.addEventListener("click", choose);
      tr.addEventListener("focus", choose);
      body.append(tr);
      if (row === entries.length - 1) choose();
    });
    drawChart($(win, "chronicleChart"), entries);
    win.showModal();
    $(win, "chronicleTableTab").focus();
  }

  // The table as a spreadsheet takes it: a line a row, the column titles first, cells apart by tabs.
  function copyChronicle(win) {
    const rows = [win.querySelectorAll("thead th"), ...Array.from(win.querySelectorAll("tbody tr"), (tr) => tr.cells)];
    const text = rows.map((cells) => Array.from(cells, (cell) => cell.textContent).join("\t")).join("\n") + "\n";
    // The clipboard's own call needs a secure page (https, or this computer's own server); elsewhere
    // the older copy command of a text the player does not see.
    if (navigator.clipboard && window.isSecureContext) return navigator.clipboard.writeText(text);
    const holder = element("textarea", { className: "offscreen", "aria-hidden": "true", tabindex: "-1" });
    holder.value = text;
    win.append(holder);
    holder.select();
    document.execCommand("copy");
    holder.remove();
    $(win, "chronicleCopy").focus();
    return Promise.resolve();
  }

  const hiddenSeries = new Set();
  function drawChart(holder, entries) {
    const ns = "http://www.w3.org/2000/svg";
    const series = [["total", "population", "Население", "#0000c0"], ["workers", "workers", "Рабочие", "#008000"], ["soldiers", "soldiers", "Солдаты", "#800000"], ["land", "land", "Земля", "#804000"], ["grain", "grain", "Зерно", "#a08000"], ["money", "money", "Деньги", "#000000"], ["rating", "rating", "Рейтинг", "#c000c0"]];
    holder.replaceChildren();
    if (!entries.length) {
      holder.append(element("p", { text: qsTranslate("ChronicleChart", "Летопись пуста: первая запись появится, когда пройдёт год.") }));
      return;
    }
    const legend = element("ul", { className: "chart-legend" });
    for (const [key, seriesKey, name, colour] of series) {
      const values = entries.map((e) => e[key]);
      const low = Math.min(...values), high = Math.max(...values);
      const width = 600, height = 120;
      const svg = document.createElementNS(ns, "svg");
      svg.setAttribute("viewBox", "0 0 " + width + " " + height);
      svg.setAttribute("role", "img");
      const title = qsTranslate("ChronicleChart", name);
      svg.setAttribute("aria-label", title + ": " + values[0] + " … " + values[values.length - 1]);
      const line = document.createElementNS(ns, "polyline");
      const points = values.map((v, i) => {
        const x = entries.length === 1 ? width / 2 : (i * width) / (entries.length - 1);
        const y = high === low ? height / 2 : height - ((v - low) * (height - 10)) / (high - low) - 5;
        return x.toFixed(1) + "," + y.toFixed(1);
      });
      line.setAttribute("points", points.join(" "));
      line.setAttribute("fill", "none");
      line.setAttribute("stroke", colour);
      line.setAttribute("stroke-width", "2");
      svg.append(line);
      if (entries.length === 1) {
        // One year is a point, which a line of one point does not draw.
        const [x, y] = points[0].split(",");
        const dot = document.createElementNS(ns, "circle");
        dot.setAttribute("cx", x);
        dot.setAttribute("cy", y);
        dot.setAttribute("r", "4");
        dot.setAttribute("fill", colour);
        svg.append(dot);
      }
      // The desktop's check box for the series: its line shown or hidden, remembered while the page lives.
      const box = element("input", { type: "checkbox", id: "chronicleSeries_" + seriesKey, "data-name": "chronicleSeries_" + seriesKey });
      box.checked = !hiddenSeries.has(seriesKey);
      // An SVG element has no `hidden` property: the attribute is set itself.
      svg.toggleAttribute("hidden", !box.checked);
      box.addEventListener("change", () => {
        if (box.checked) hiddenSeries.delete(seriesKey);
        else hiddenSeries.add(seriesKey);
        svg.toggleAttribute("hidden", !box.checked);
      });
      // The box's words a little darker than the line, as on the desktop, to read on white.
      const dark = "rgb(" + [1, 3, 5].map((at) => Math.round(parseInt(colour.slice(at, at + 2), 16) / 1.15)).join(",") + ")";
      legend.append(element("li", {}, element("label", { className: "series-name", style: "color:" + dark, for: box.id }, box, " " + title), svg));
    }
    holder.append(legend);
  }

  // ---------------------------------------------------------------------------------------------
  // Drawing the screen

  const announcer = () => document.getElementById("announcer");
  function announce(text) {
    // One text, once: a live region speaks what is written into it.
    announcer().textContent = text.replace(/_{5,}/g, "").replace(/[ \t]+/g, " ").replace(/\r?\n/g, " ").trim();
  }

  function setText(name, text) {
    const node = $(document.getElementById("Form1"), name);
    if (node.textContent !== text) node.textContent = text;
  }

  function draw(before) {
    const s = screen;
    const win = document.getElementById("Form1");
    const nameWindow = document.getElementById("Form5");
    if (s.phase === "NoReign") {
      win.hidden = true;
      nameWindow.hidden = false;
      const box = $(nameWindow, "Text1");
      box.value = "";
      box.focus();
    } else {
      nameWindow.hidden = true;
      win.hidden = false;
    }
    if (s.phase !== "NoReign") {
      const caption = document.getElementById("Form1-title");
      caption.textContent = captionPrefix + s.king;
      document.title = caption.textContent;
      setText("Label14", s.yearLabel);
      const trading = s.phase === "Buying" || s.phase === "Selling";
      setText("Label15", s.phase === "Buying" ? tr.main("Покупайте!") : s.phase === "Selling" ? tr.main("Продавайте!") : "");
      for (const name of ["buy", "Sale", "naemniki", "dalshe"]) $(win, name).disabled = !s.commandsEnabled;
      win.classList.toggle("buying", s.goodsForBuying);
      win.classList.toggle("selling", !s.goodsForBuying);
      // The status column.
      const st = s.status;
      setText("money1", st.money);
      setText("rabochie1", st.workers);
      setText("soldaty1", st.soldiers);
      setText("wsego1", st.total);
      setText("Label22", st.landNeeded);
      setText("Label23", st.grainNeeded);
      $(win, "Label22").classList.toggle("short", st.landShort);
      $(win, "Label23").classList.toggle("short", st.grainShort);
      if (st.mood !== undefined) setText("nasnas", st.mood);
      // The goods panels, as the market's last refresh left them.
      const refreshed = !before || before.marketRefreshes !== s.marketRefreshes;
      s.goods.forEach((row, i) => {
        const n = goodsNames[i];
        setText(n.frame + "-caption", row.caption + row.stock);
        setText(n.price, arg(tr.main("Цена: %1"), row.price));
        const buyBar = $(win, n.buyBar), sellBar = $(win, n.sellBar);
        buyBar.max = String(Math.max(0, row.buyBarMax));
        sellBar.max = String(Math.max(0, row.sellBarMax));
        if (refreshed) {
          buyBar.value = "0";
          sellBar.value = "0";
          setText(n.amount, "0");
          $(win, n.box).value = "";
        }
        setText(n.limit, arg(tr.main("max: %1"), s.goodsForBuying ? row.buyBarMaxText : row.sellBarMaxText));
        setText(n.lower, s.goodsForBuying ? row.purchaseMax : arg(tr.main("max: %1"), row.sellBarMaxText));
        for (const bar of [buyBar, sellBar]) {
          bar.setAttribute("aria-valuetext", $(win, n.amount).textContent.trim());
          bar.setAttribute("aria-description", row.caption + row.stock + ", " + arg(tr.main("Цена: %1"), row.price));
        }
      });
      // The mercenaries panel.
      const m = s.mercenaries;
      setText("Label16", arg(tr.merc("Цена : %1"), m.price));
      const mercBar = $(win, "scroll4");
      mercBar.max = String(Math.max(0, m.barMax));
      if (!before || before.mercenaryBarResets !== s.mercenaryBarResets) mercBar.value = "0";
      if (Number(mercBar.value) > m.barMax) mercBar.value = String(Math.max(0, m.barMax));
      setText("Label17", numberText(Number(mercBar.value)));
      setText("Label18", arg(tr.merc("max :%1"), m.barMaxText));
      setText("max5", m.payable);
      // Which panel covers the centre.
      const panel = trading ? "goods" : s.phase === "Mercenaries" ? "mercenaries" : s.phase === "YearReport" || s.phase === "Battle" || s.phase === "EndOfReign" ? "report" : "goods";
      win.dataset.panel = panel;
      for (const frame of win.querySelectorAll(".goods")) frame.hidden = panel !== "goods";
      $(win, "naemniki1").hidden = panel !== "mercenaries";
      $(win, "informacia").hidden = panel !== "report";
      $(win, "info").textContent = s.report;
      const war = $(win, "boy");
      war.hidden = !s.battle;
      if (s.battle) {
        setText("boy1", s.battle.king);
        setText("boy2", s.battle.enemy);
        setText("pobeda", s.battle.outcome);
        if (s.battle.heading) setText("Label13", s.battle.heading);
        setText("trofey", s.battle.goods);
        setText("trofey1", s.battle.people);
      }
    }
    tell(before);
    if (s.messages.length) {
      const after = s.phase === "NoReign" ? () => $(nameWindow, "Text1").focus() : null;
      const messages = s.messages.map((m) => ({ title: m.title, text: m.text.replace(/\r\n/g, "\n") }));
      if (after) messages[messages.length - 1].after = after;
      showMessages(messages);
    }
    // Year 100: the rating's message, then the table of the best kings.
    if (s.phase === "EndOfReign" && before && before.phase !== "EndOfReign") showTableAfterMessages();
  }

  function showTableAfterMessages() {
    const box = document.getElementById("message");
    if (box && box.open) {
      const previous = box.afterClose;
      box.afterClose = () => { if (previous) previous(); openTable(); };
    } else if (messageQueue.length) {
      messageQueue[messageQueue.length - 1].after = openTable;
    } else openTable();
  }

  // What the last step did, told once through the live region; the keyboard goes where the
  // desktop sends it.
  function tell(before) {
    const s = screen;
    const win = document.getElementById("Form1");
    switch (s.told) {
      case "YearEnded":
      case "BattleAcknowledged":
        announce(s.report + " " + s.yearLabel);
        $(win, "dalshe").focus();
        break;
      case "BattleFought": {
        const b = s.battle;
        announce([tr.report("Война"), tr.report("Ваша армия") + b.king, tr.report("Враги") + b.enemy, b.outcome, b.heading, b.goods, b.people].join(" "));
        $(win, "Command3").focus();
        break;
      }
      case "Traded": {
        const row = s.goods[s.toldGood];
        announce(row.caption + row.stock + ". " + tr.status("Деньги: $") + s.status.money);
        break;
      }
      case "Hired":
        announce(tr.status("Солдаты:") + s.status.soldiers + ". " + tr.status("Деньги: $") + s.status.money);
        break;
      case "TradeRefused":
        for (const box of win.querySelectorAll(".amount-box")) if (box === document.activeElement) box.value = "";
        break;
      default:
        break;
    }
    if (before && before.phase === "Battle" && s.phase !== "Battle" && document.activeElement === document.body) $(win, "dalshe").focus();
  }

  function focusMain() {
    const win = document.getElementById("Form1");
    if (!win.hidden && screen && screen.commandsEnabled) $(win, "dalshe").focus();
  }

  function newGame() {
    for (const d of document.querySelectorAll("dialog[open]")) if (d.id !== "message") d.close();
    act("vel_new_game");
  }

  // ---------------------------------------------------------------------------------------------
  // Start

  let language = "ru";
  let captionPrefix = "Король Велории - ";

  function translateNameWindow() {
    const win = document.getElementById("Form5");
    const nd = (s) => qsTranslate("NameDialog", s);
    document.getElementById("Form5-title").textContent = nd(" Король Велории");
    $(win, "Label1").textContent = nd("Ваше имя?");
    const ok = accessText(nd("&OK"));
    const okButton = $(win, "Command1");
    const at = nd("&OK").indexOf("&");
    okButton.replaceChildren(ok.text.slice(0, at), element("u", { text: ok.key }), ok.text.slice(at + 1));
  }

  function keys(event) {
    const win = document.getElementById("Form1");
    if (win.hidden || document.querySelector("dialog[open]")) return;
    // The desktop's function keys, and the page's own where the browser keeps those.
    let name = null;
    for (const [command, [functionKey, letter]] of Object.entries(menuKeys)) {
      if (event.key === functionKey && !event.altKey && !event.ctrlKey && !event.shiftKey) name = command;
      if (event.altKey && event.shiftKey && !event.ctrlKey && event.code === "Key" + letter.toUpperCase()) name = command;
    }
    if (name) {
      event.preventDefault();
      $(win, name).click();
    }
  }

  async function start() {
    language = pageLanguage();
    if (language === "en") {
      document.documentElement.lang = "en";
      try {
        catalogue = await (await fetch("veloria_en.json")).json();
      } catch (e) {
        catalogue = null;
      }
      translateNameWindow();
    }
    const nameForm = $(document, "nameForm");
    const nameBox = $(document, "Text1");
    const moduleReady = createVeloria({ velScores: scoresStore, locateFile: (path) => path });
    face = await moduleReady;
    face.velScores = scoresStore;
    // The rules' and the files' texts in the page's language.
    if (catalogue) {
      for (const context of ["RuleTexts", "SavedGame", "ChronicleFile", "Scores", "FileAccess", "GameController", "WebPage"]) {
        for (const [key, words] of Object.entries(catalogue[context] || {})) {
          const forms = Array.isArray(words) ? words : [words, ""];
          face.ccall("vel_translation", null, ["string", "string", "string", "string"], [context, key.split("\u0004")[0], forms[0], forms[1]]);
        }
      }
      captionPrefix = qsTranslate("RuleTexts", captionPrefix);
    }
    document.getElementById("game").append(mainWindow());
    document.addEventListener("keydown", keys);
    // The drop-down closes when the mouse or the keyboard goes elsewhere.
    const closeMenuOutside = (event) => {
      const drop = document.getElementById("files-menu");
      if (drop && !drop.hidden && !event.target.closest(".menu")) openMenu(false);
    };
    document.addEventListener("click", closeMenuOutside);
    document.addEventListener("focusin", closeMenuOutside);
    nameForm.addEventListener("submit", (event) => {
      event.preventDefault();
      if (nameBox.value === "") return; // an empty name does nothing
      act("vel_begin", nameBox.value);
      $(document.getElementById("Form1"), "dalshe").focus();
    });
    $(nameForm, "Command1").disabled = false;
    screen = JSON.parse(call("vel_screen"));
    document.documentElement.dataset.ready = "true";
    // How long the name prompt took to become usable, for the benchmark.
    document.documentElement.dataset.readyAt = String(performance.now());
  }

  window.veloriaPage = { screen: () => screen, missing: () => [...missing] };
  const script = document.createElement("script");
  script.src = "veloria_module.js";
  script.onload = () => start();
  document.head.append(script);
})();
