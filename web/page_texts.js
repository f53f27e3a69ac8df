// The texts the page has of its own, beside those it shares with the desktop's windows: marked
// for lupdate, which gathers them into the translations with the rest.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
"use strict";

function QT_TRANSLATE_NOOP(context, source) {
  return source;
}

var veloriaPageTexts = {
  //: The button that closes a message, the rules and the chronicle.
  ok: QT_TRANSLATE_NOOP("WebPage", "OK"),
  //: The browser refused to keep the table of the best kings (its storage is full or off).
  scoresNotStored: QT_TRANSLATE_NOOP("WebPage", "Таблицу не удалось сохранить в браузере."),
  //: The keys of a menu command: the desktop's function key, then the page's own.
  keys: QT_TRANSLATE_NOOP("WebPage", "%1 или %2"),
};
