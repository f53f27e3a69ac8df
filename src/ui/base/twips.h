// Window geometry in twips and the game's fonts, shared by the windows.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QtMath>

// 15 twips make one pixel at the 96 dots per inch the layouts were drawn for.
inline int twips(int value) {
    return qRound(value / 15.0);
}

// Edges are rounded rather than sizes, so neighbouring controls keep touching.
inline QRect twipRect(int left, int top, int width, int height) {
    const int x = twips(left);
    const int y = twips(top);
    return QRect(x, y, twips(left + width) - x, twips(top + height) - y);
}

// "Times New Roman" by name; fontconfig maps it to a metric-compatible face where it is missing.
inline QFont gameFont(qreal pointSize, bool bold = true) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
