// Program-wide set-up of the windows.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// What the windows rely on: the program's name (which names the player's data folder), the
// pictures, the window icon, the style and its pixmap cache. Called once after the QApplication
// exists, by the program and by whatever runs the game's windows as the program does.
void prepareApplication();

// The game's texts are Russian; another language is a translation built into the program
// (":/i18n/veloria_<language>.qm"). The language the game speaks for `uiLanguages` (as
// QLocale::uiLanguages() lists them, "en-GB" first): the first of them that is Russian or that
// has a translation. Returns that translation's language ("en"), or empty for Russian and when
// none of them has one.
QString translationLanguage(const QStringList& uiLanguages);

// Makes the game speak the language `locale` asks for (see translationLanguage), Qt's own texts
// (the line edit's menu, the message box's button) too when `qtTranslations` holds Qt's
// translation for it. What an earlier call installed is removed first; windows that exist keep
// their texts. Returns the language installed, or empty when the game speaks Russian: then no
// translator is installed at all, and Qt's own texts stay as they always were. The program calls
// it with the desktop's locale; tests call it with the language they want.
QString installTranslation(const QLocale& locale, const QString& qtTranslations);
// The same, with Qt's translations from where Qt keeps them.
QString installTranslation(const QLocale& locale);
