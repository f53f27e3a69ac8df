// Placing a window in the middle of its screen.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/screen_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget* window, QSize outerSize, const QWidget* near) {
    const QScreen* screen = (near ? near : window)->screen();
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return;
    }
    const QRect area = screen->geometry();
    window->move(area.left() + (area.width() - outerSize.width()) / 2,
                 area.top() + (area.height() - outerSize.height()) / 2);
}
