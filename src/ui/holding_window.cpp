// The base of the windows that hold the main window while they are open.
#include "ui/holding_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

HoldingWindow::HoldingWindow(QWidget* mainWindow, Qt::WindowFlags flags)
    : QWidget(mainWindow, flags), m_mainWindow(mainWindow) {
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
    const QScreen* screen = m_mainWindow ? m_mainWindow->screen() : nullptr;
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return;
    }
    const QRect area = screen->geometry();
    const QPoint topLeft(area.left() + (area.width() - outerSize.width()) / 2,
                         area.top() + (area.height() - outerSize.height()) / 2);
    move(topLeft);
}

void HoldingWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && !m_reported) {
        m_reported = true;
        emit closed();
    }
}
