// Program-wide set-up of the windows.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <QApplication>
#include <QPixmapCache>

#include "ui/art/art.h"
#include "ui/game_style.h"
#include "ui/key_filters.h"

void prepareApplication() {
    // The player's data folder is named after the program, whatever its file is called.
    QCoreApplication::setApplicationName(QStringLiteral("veloria"));
    QApplication::setStyle(new GameStyle);
    initArtResources();
    QApplication::setWindowIcon(veloriaIcon());
    // Enter on a focused button presses it, in every window of the game.
    QCoreApplication::instance()->installEventFilter(
        new EnterPressesButton(QCoreApplication::instance()));
    // The style caches what it paints under keys that carry each widget's palette, and Qt keeps
    // a key after dropping its picture: every new main window's coloured controls would leave a
    // few kilobytes behind for good. Painting these few controls afresh costs far less.
    QPixmapCache::setCacheLimit(0);
}
