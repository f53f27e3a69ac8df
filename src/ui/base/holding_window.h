// The base of the small windows that hold the main window while they are open: save, load, the
// table of the best kings and the about box.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>

// Held, the main window takes no input but keeps its look: the window is modal to the main
// window rather than disabling it, which would grey out every figure behind it. It closes on
// Escape, goes with the main window, deletes itself once closed and says so with closed().
class HoldingWindow : public QWidget {
    Q_OBJECT
public:
    QWidget* mainWindow() const { return m_mainWindow; }

signals:
    // Emitted once, when the window is closed by any of its ways (not when it goes with the
    // main window).
    void closed();

protected:
    HoldingWindow(QWidget* mainWindow, Qt::WindowFlags flags);

    // Centres a window of `outerSize` (its frame included) on the main window's screen.
    void placeInScreenCentre(QSize outerSize);

    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPointer<QWidget> m_mainWindow;
    bool m_closing = false;
    bool m_reported = false;
};
