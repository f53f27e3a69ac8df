// The base of the windows that hold the main window while they are open.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/holding_window.h"

#include <QAction>
#include <QCloseEvent>

#include "ui/a11y/accessibility.h"
#include "ui/base/screen_place.h"

HoldingWindow::HoldingWindow(QWidget* mainWindow, Qt::WindowFlags flags)
    : QWidget(mainWindow, flags), m_mainWindow(mainWindow) {
    installAccessibleRoles();
    setAttribute(Qt::WA_DeleteOnClose);
    if (mainWindow) {
        setWindowModality(Qt::WindowModal);
    }
    auto* escape = new QAction(this);
    escape->setObjectName(QStringLiteral("closeOnEscape"));
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WindowShortcut);
    addAction(escape);
    connect(escape, &QAction::triggered, this, &QWidget::close);
}

void HoldingWindow::placeInScreenCentre(QSize outerSize) {
    centreOnScreen(this, outerSize, m_mainWindow);
}

void HoldingWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    m_closing = event->isAccepted();
}

void HoldingWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Said once the window is out of sight, so that what follows finds it gone.
    if (m_closing && !m_reported) {
        m_reported = true;
        emit closed();
    }
}
