// Placing a window in the middle of its screen.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

// Centres `window`, whose outer size (frame included) is `outerSize`, on the screen of `near`
// (the window itself when null), or on the primary screen.
void centreOnScreen(QWidget* window, QSize outerSize, const QWidget* near = nullptr);
