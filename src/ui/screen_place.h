// Placing a window in the middle of its screen.
#pragma once

#include <QSize>

class QWidget;

// Centres `window`, whose outer size (frame included) is `outerSize`, on the screen of `near`
// (the window itself when null), or on the primary screen.
void centreOnScreen(QWidget* window, QSize outerSize, const QWidget* near = nullptr);
