// The game's page in chromium: a reign by the keyboard, saves that are the desktop's bytes, loads
// that refuse a damaged file, the table across a reload, English, the rules as the desktop reads
// them, the chronicle's series, the live region, axe-core and screenshots in both languages.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import path from "node:path";
import { after, before, test } from "node:test";

import { axeViolations, begin, fixture, focusedName, launch, listen, loadGame, named, openGame, serve, shots, tabTo, text } from "./helpers.mjs";

let server;
let browser;
before(async () => {
  server = await serve();
  browser = await launch();
});
after(async () => {
  await browser?.close();
  server?.stop();
});

const messageText = (page) => page.textContent("#message .message-text");
async function closeMessage(page) {
  await page.waitForSelector("#message[open]");
  assert.equal(await focusedName(page), "messageOk");
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => !document.querySelector("#message[open]"));
}

test("a reign by the keyboard: the name, buying, selling, hiring, years, a battle and its OK", async () => {
  const page = await openGame(browser, server.url);
  // An empty name does nothing.
  await page.keyboard.press("Enter");
  assert.equal(await page.isVisible("#Form5"), true);
  await begin(page, "Пётр");
  assert.equal(await page.title(), "Король Велории - Пётр");
  assert.equal(await text(page, "Label14"), " 1  год правления .");
  assert.equal(await text(page, "Label15"), "Покупайте!");
  assert.equal(await text(page, "money1"), " 10000");

  // Buy grain by its bar: three steps of the arrow key.
  const grainBefore = await page.textContent(named("zer-caption"));
  await tabTo(page, "scroll2_1");
  for (let i = 0; i < 3; ++i) await page.keyboard.press("ArrowRight");
  assert.equal(await text(page, "Label6"), " 3");
  await tabTo(page, "buy3");
  await page.keyboard.press("Enter");
  assert.notEqual(await page.textContent(named("zer-caption")), grainBefore);
  assert.notEqual(await text(page, "money1"), " 10000");
  assert.equal(await text(page, "Label6"), "0", "the bars stand at 0 after a trade");

  // Sell one gold by its typed amount.
  await tabTo(page, "Sale");
  await page.keyboard.press("Enter");
  assert.equal(await text(page, "Label15"), "Продавайте!");
  await tabTo(page, "Text1");
  await page.keyboard.type("1x"); // the box takes digits alone
  assert.equal(await page.inputValue("#Form1 " + named("Text1")), "1");
  const goldBefore = await page.textContent(named("zol-caption"));
  await tabTo(page, "sale1_1");
  await page.keyboard.press("Enter");
  assert.notEqual(await page.textContent(named("zol-caption")), goldBefore);

  // Hire five mercenaries by the typed amount.
  const soldiers = Number(await text(page, "soldaty1"));
  await tabTo(page, "naemniki");
  await page.keyboard.press("Enter");
  assert.equal(await page.isVisible(named("naemniki1")), true);
  assert.equal(await page.isVisible(named("zol")), false, "the goods panels are covered, never a Tab stop");
  await tabTo(page, "Text5");
  await page.keyboard.type("5");
  await tabTo(page, "buy5_1");
  await page.keyboard.press("Enter");
  assert.equal(Number(await text(page, "soldaty1")), soldiers + 5);

  // Two years of a kingdom at peace (a fresh one can be overthrown as early as its second year).
  await loadGame(page, fixture("peace.txt"));
  assert.equal(await text(page, "Label14"), " 3  год правления .");
  for (let year = 4; year <= 5; ++year) {
    await tabTo(page, "dalshe");
    await page.keyboard.press("Enter");
    assert.equal(await page.isVisible(named("informacia")), true);
    assert.match(await text(page, "info"), /Господин президент!/);
    assert.equal(await text(page, "Label14"), " " + year + "  год правления .");
  }

  // A saved game with a war due: the next press fights it; OK closes it and tells the report.
  await loadGame(page, fixture("war_due.txt"));
  assert.equal(await text(page, "Label15"), "Покупайте!");
  await tabTo(page, "dalshe");
  await page.keyboard.press("Enter");
  assert.equal(await page.isVisible(named("boy")), true);
  assert.equal(await text(page, "pobeda"), "Слава Королю! Вы победили!");
  assert.equal(await focusedName(page), "Command3", "the keyboard goes to the war panel's OK");
  assert.equal(await page.isDisabled(named("dalshe")), true);
  await page.keyboard.press("Enter");
  assert.equal(await page.isVisible(named("boy")), false);
  assert.equal(await page.isDisabled(named("dalshe")), false);
  assert.equal(await focusedName(page), "dalshe");
  assert.deepEqual(page.errors, []);
});

test("a save downloads exactly the desktop's bytes for the same game", async () => {
  const page = await openGame(browser, server.url);
  await begin(page, "Гость");
  await loadGame(page, fixture("war_due.txt"));
  await page.keyboard.press("F3");
  await page.waitForSelector("#Form3[open]");
  // An empty name: the desktop's message, and nothing is written.
  await tabTo(page, "Command1");
  await page.keyboard.press("Enter");
  assert.equal(await messageText(page), "Не указано имя файла");
  assert.equal(await page.textContent("#message .caption"), "Сохранение");
  await closeMessage(page);
  await page.focus("#Form3 " + named("txtFileName"));
  await page.keyboard.type("игра");
  const [download] = await Promise.all([page.waitForEvent("download"), page.keyboard.press("Enter")]);
  assert.equal(download.suggestedFilename(), "игра.txt");
  const saved = readFileSync(await download.path());
  assert.deepEqual(saved, readFileSync(fixture("war_due_resaved.txt")));
});

test("a damaged file is refused with the desktop's message and nothing changes", async () => {
  const page = await openGame(browser, server.url);
  await begin(page, "Пётр");
  const before = await page.evaluate(() => JSON.stringify(window.veloriaPage.screen()));
  const money = await text(page, "money1");
  await loadGame(page, fixture("damaged.txt"));
  await page.waitForSelector("#message[open]");
  assert.equal(await page.textContent("#message .caption"), "Загрузить");
  assert.match(await messageText(page), /^Файл «damaged\.txt» обрывается/);
  await closeMessage(page);
  assert.equal(await text(page, "money1"), money);
  assert.equal(await text(page, "Label14"), " 1  год правления .");
  const after = JSON.parse(await page.evaluate(() => JSON.stringify(window.veloriaPage.screen())));
  assert.deepEqual(after.status, JSON.parse(before).status);
  assert.deepEqual(after.goods, JSON.parse(before).goods);
});

test("year 100 puts the king into the table, which is still there after a reload", async () => {
  const page = await openGame(browser, server.url);
  await page.evaluate(() => localStorage.clear());
  await begin(page, "Гость");
  await loadGame(page, fixture("year99.txt"));
  await tabTo(page, "dalshe");
  await page.keyboard.press("Enter");
  await page.waitForSelector("#message[open]");
  assert.match(await messageText(page), /^Поздравляю Вас Ваше Величество, Ваш рейтинг -  5\d\d/);
  await closeMessage(page);
  await page.waitForSelector("#Form7[open]");
  assert.equal(await page.textContent("#Form7 " + named("Label2_0")), "Всеслав");
  assert.equal(await page.textContent("#Form7 " + named("Label2_1")), "Велимир I");
  await page.keyboard.press("Enter"); // its OK has the keyboard; a new game follows
  await page.waitForSelector("#Form5:not([hidden])");
  const stored = await page.evaluate(() => localStorage.getItem("veloria.scores.tab"));
  assert.ok(stored);

  await page.reload();
  await page.waitForSelector("html[data-ready=true]");
  await begin(page, "Пётр");
  await tabTo(page, "tablica");
  await page.keyboard.press("Enter");
  await page.waitForSelector("#Form7[open]");
  assert.equal(await page.textContent("#Form7 " + named("Label2_0")), "Всеслав");
  await page.keyboard.press("Enter");
  assert.equal(await page.isVisible("#Form1"), true, "the table opened from the menu just closes");
});

test("a table the browser kept that cannot be read is put aside with the desktop's words", async () => {
  const page = await openGame(browser, server.url);
  await page.evaluate(() => {
    localStorage.clear();
    localStorage.setItem("veloria.scores.tab", btoa('"Ivan",'));
  });
  await begin(page, "Пётр");
  await tabTo(page, "tablica");
  await page.keyboard.press("Enter");
  await page.waitForSelector("#message[open]");
  assert.match(await messageText(page), /^Таблицу лучших королей из файла «scores\.tab» прочитать нельзя: /);
  await closeMessage(page);
  await page.waitForSelector("#Form7[open]");
  assert.equal(await page.textContent("#Form7 " + named("Label2_0")), "Велимир I", "the table starts anew");
  const kept = await page.evaluate(() => [localStorage.getItem("veloria.scores.tab"), localStorage.getItem("veloria.scores.tab.unusable")]);
  assert.deepEqual(kept, [null, btoa('"Ivan",')]);
});

test("the live region tells each year's report once", async () => {
  const page = await openGame(browser, server.url);
  await begin(page, "Пётр");
  await loadGame(page, fixture("peace.txt"));
  await listen(page);
  for (let i = 0; i < 3; ++i) {
    await tabTo(page, "dalshe");
    await page.keyboard.press("Enter");
  }
  const told = await page.evaluate(() => window.told.filter((t) => t !== ""));
  const reports = told.filter((t) => t.startsWith("Господин президент!"));
  assert.equal(reports.length, 3, told.join("\n"));
  assert.equal(new Set(reports).size, 3, "every year told once");
  assert.match(reports[2], / 6 год правления \.$/, "blanks run together for a reader");
});

test("English where the browser prefers it: every text translated, the rules' too", async () => {
  const page = await openGame(browser, server.url, { locale: "en-GB" });
  assert.equal(await page.textContent("#Form5 " + named("Label1")), "Your name?");
  await begin(page, "Peter");
  await tabTo(page, "dalshe");
  await page.keyboard.press("Enter");
  await page.keyboard.press("Alt+Shift+C"); // the page's own key beside F5
  await page.waitForSelector("#chronicle[open]");
  await page.keyboard.press("Escape");
  for (const name of ["aboutgame", "tablica", "pravila"]) {
    await page.click(named(name));
    await page.waitForSelector("dialog[open]");
    await page.keyboard.press("Escape");
  }
  await page.click(named("naemniki"));
  await page.click(named("Sale"));
  const shown = await page.evaluate(() => document.getElementById("Form1").innerText);
  assert.doesNotMatch(shown, /[А-Яа-яЁё]/, shown);
  assert.deepEqual(await page.evaluate(() => window.veloriaPage.missing()), []);
});

test("the rules are the desktop reader's topics, fetched when opened, topic 1000 first, in both languages", async () => {
  for (const [locale, file] of [["ru-RU", "rules_ru.tsv"], ["en-US", "rules_en.tsv"]]) {
    const page = await openGame(browser, server.url, { locale });
    const fetched = [];
    page.on("request", (request) => fetched.push(path.basename(new URL(request.url()).pathname)));
    await begin(page, "Пётр");
    assert.deepEqual(fetched.filter((name) => name.endsWith(".hlp")), [], "nothing of the rules before they are opened");
    await page.click(named("pravila"));
    await page.waitForSelector("#rules[open]");
    const expected = readFileSync(fixture(file), "utf8").trimEnd().split("\n").map((line) => line.split("\t"));
    const shown = await page.$$eval("#rules " + named("contents") + " a", (links) => links.map((a) => [a.dataset.context, a.className.replace("level-", ""), a.textContent]));
    assert.deepEqual(shown, expected);
    const sections = await page.$$eval("#rules " + named("rulesText") + " section", (all) => all.map((s) => [s.dataset.context, s.firstElementChild.textContent]));
    assert.deepEqual(sections, expected.map(([context, , title]) => [context, title]));
    const current = () => page.$$eval("#rules [aria-current]", (all) => all.map((a) => a.dataset.context));
    assert.deepEqual(await current(), ["1000"]);
    assert.equal(await focusedName(page), "rulesText");
    // A link of the file's own text jumps to the topic the reader knows by its number.
    await page.click("#rules section[data-context='1000'] a[href='#1100']");
    assert.deepEqual(await current(), ["1100"]);
    assert.ok(await page.$eval("#rules " + named("rulesText"), (box) => box.scrollTop > 0));
    await page.keyboard.press("Escape");
    await page.click(named("pravila"));
    await page.waitForSelector("#rules[open]");
    assert.deepEqual(await current(), ["1000"], "opened again at its first topic");
    assert.equal(fetched.filter((name) => name.endsWith(".hlp")).length, 1, "fetched once");
    assert.deepEqual(page.errors, []);
    await page.context().close();
  }
});

test("rules the server cannot give are said in the desktop's words, and asked for again at the next opening", async () => {
  const page = await openGame(browser, server.url);
  await begin(page, "Пётр");
  await page.route("**/throne.hlp", (route) => route.fulfill({ status: 404, body: "" }));
  await page.click(named("pravila"));
  await page.waitForSelector("#rules[open]");
  assert.equal(await page.textContent("#rules " + named("problem")), "Не удалось открыть файл справки «throne.hlp». Возможно, игра установлена не полностью.");
  assert.equal(await page.$$eval("#rules " + named("contents") + " a", (links) => links.length), 0);
  assert.deepEqual(await axeViolations(page), []);
  await page.keyboard.press("Escape");
  await page.unroute("**/throne.hlp");
  await page.click(named("pravila"));
  await page.waitForSelector("#rules[open] [aria-current]");
  assert.equal(await page.isHidden("#rules " + named("problem")), true);
  assert.equal(await page.$$eval("#rules section", (all) => all.length), readFileSync(fixture("rules_ru.tsv"), "utf8").trimEnd().split("\n").length);
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test("the chronicle's chart shows and hides each series by its check box, kept while the page lives", async () => {
  const page = await openGame(browser, server.url);
  await begin(page, "Пётр");
  await loadGame(page, fixture("peace.txt"));
  await page.click(named("dalshe"));
  await page.click(named("dalshe"));
  await page.click(named("chronicle"));
  await page.waitForSelector("#chronicle[open]");
  await page.click("#chronicle " + named("chronicleChartTab"));
  const boxes = () => page.$$eval("#chronicle input[type=checkbox]", (all) => all.map((box) => [box.dataset.name, box.labels[0].textContent.trim(), box.checked, getComputedStyle(box.closest("li").querySelector("svg")).display === "none"]));
  const names = ["population", "workers", "soldiers", "land", "grain", "money", "rating"];
  const titles = ["Население", "Рабочие", "Солдаты", "Земля", "Зерно", "Деньги", "Рейтинг"];
  assert.deepEqual(await boxes(), names.map((name, i) => ["chronicleSeries_" + name, titles[i], true, false]));
  // By the keyboard: the box has the focus, the space bar turns it.
  await page.focus("#chronicle " + named("chronicleSeries_workers"));
  await page.keyboard.press("Space");
  await page.click("#chronicle " + named("chronicleSeries_rating"));
  const after = names.map((name, i) => ["chronicleSeries_" + name, titles[i], i !== 1 && i !== 6, i === 1 || i === 6]);
  assert.deepEqual(await boxes(), after);
  assert.deepEqual(await axeViolations(page), []);
  await page.keyboard.press("Escape");
  await page.click(named("dalshe"));
  await page.click(named("chronicle"));
  await page.waitForSelector("#chronicle[open]");
  assert.deepEqual(await boxes(), after, "the chart drawn again keeps the player's choice");
  await page.context().close();
});

test("the chronicle's table is copied for a spreadsheet, by its button and by Ctrl+C", async () => {
  const page = await openGame(browser, server.url);
  await page.context().grantPermissions(["clipboard-read", "clipboard-write"], { origin: server.url });
  await begin(page, "Пётр");
  await loadGame(page, fixture("peace.txt"));
  await page.click(named("dalshe"));
  await page.click(named("chronicle"));
  await page.waitForSelector("#chronicle[open]");
  const shown = await page.$$eval("#chronicle tr", (rows) => rows.map((tr) => Array.from(tr.cells, (cell) => cell.textContent).join("\t")).join("\n") + "\n");
  const lines = shown.trimEnd().split("\n");
  assert.equal(lines[0], "Год\tРабочие\tСолдаты\tВсего\tЗемля\tЗерно\tДеньги\tЗолото\tНефть\tНастроение\tРейтинг\tСобытия");
  assert.ok(lines.length >= 2, shown);
  const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
  const empty = () => page.evaluate(() => navigator.clipboard.writeText(""));
  await empty();
  await page.click("#chronicle " + named("chronicleCopy"));
  assert.equal(await clipboard(), shown);
  // Ctrl+C with nothing chosen copies the table as well; with a text chosen, that text.
  await empty();
  await page.keyboard.press("Control+c");
  assert.equal(await clipboard(), shown);
  await page.evaluate(() => window.getSelection().selectAllChildren(document.querySelector('#chronicle [data-name="chronicleReport"]')));
  await page.keyboard.press("Control+c");
  assert.notEqual(await clipboard(), shown);
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test("axe-core finds no violation in any state", async () => {
  const page = await openGame(browser, server.url);
  const states = {};
  states.name = await axeViolations(page);
  await begin(page, "Пётр");
  states.buying = await axeViolations(page);
  await page.click(named("Sale"));
  states.selling = await axeViolations(page);
  await page.click(named("naemniki"));
  states.mercenaries = await axeViolations(page);
  await loadGame(page, fixture("peace.txt"));
  await page.click(named("dalshe"));
  states.report = await axeViolations(page);
  await loadGame(page, fixture("war_due.txt"));
  await page.click(named("dalshe"));
  await page.waitForSelector(named("boy") + ":not([hidden])");
  states.battle = await axeViolations(page);
  await page.click(named("Command3"));
  for (const [state, name] of [["table", "tablica"], ["about", "aboutgame"], ["rules", "pravila"], ["chronicle", "chronicle"]]) {
    await page.click(named(name));
    await page.waitForSelector("dialog[open]");
    states[state] = await axeViolations(page);
    await page.keyboard.press("Escape");
  }
  await page.keyboard.press("F3");
  await page.waitForSelector("#Form3[open]");
  states.save = await axeViolations(page);
  await page.click("#Form3 " + named("Command1"));
  await page.waitForSelector("#message[open]");
  states.message = await axeViolations(page);
  await page.keyboard.press("Enter");
  await page.keyboard.press("Escape");
  await page.waitForFunction(() => !document.querySelector("dialog[open]"));
  await page.keyboard.press("F4");
  await page.waitForSelector("#Form4[open]");
  states.load = await axeViolations(page);
  for (const [state, violations] of Object.entries(states)) assert.deepEqual(violations, [], state);
});

test("screenshots at 360 and 1280 pixels in both languages", { skip: !shots }, async () => {
  for (const locale of ["ru-RU", "en-US"]) {
    for (const width of [360, 1280]) {
      const page = await openGame(browser, server.url, { locale, viewport: { width, height: 800 } });
      const name = (state) => path.join(shots, locale.slice(0, 2) + "-" + width + "-" + state + ".png");
      await page.screenshot({ path: name("name") });
      await begin(page, locale === "ru-RU" ? "Пётр" : "Peter");
      await page.screenshot({ path: name("buying"), fullPage: true });
      await loadGame(page, fixture("war_due.txt"));
      await page.click(named("dalshe"));
      await page.screenshot({ path: name("battle"), fullPage: true });
      await page.click(named("Command3"));
      await page.screenshot({ path: name("report"), fullPage: true });
      await page.click(named("tablica"));
      await page.screenshot({ path: name("table") });
      await page.keyboard.press("Escape");
      await page.click(named("pravila"));
      await page.waitForSelector("#rules[open]");
      await page.screenshot({ path: name("rules") });
      await page.keyboard.press("Escape");
      await page.click(named("chronicle"));
      await page.waitForSelector("#chronicle[open]");
      await page.click("#chronicle " + named("chronicleChartTab"));
      await page.click("#chronicle " + named("chronicleSeries_money"));
      await page.screenshot({ path: name("chronicle") });
      await page.context().close();
    }
  }
});
