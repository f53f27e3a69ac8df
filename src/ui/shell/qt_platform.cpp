// The real platform calls of the desktop.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QPushButton>

#include "ui/base/message_box.h"
#include "ui/help/help_viewer.h"

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
    // A widget may only be destroyed while the application object lives.
    if (QApplication::instance() == nullptr) {
        (void)m_helpViewer.release();
    }
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::message(QWidget* parent, const QString& title, const QString& text,
                         bool informationIcon) {
    MessageBox box(parent, title, text, informationIcon);
    box.exec();
}

void QtPlatform::messageOverReport(QWidget* parent, const QString& title, const QString& text,
                                   const QString& spokenReport) {
    MessageBox box(parent, title, text, false);
    box.okButton()->setAccessibleDescription(spokenReport);
    box.exec();
}

void QtPlatform::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

void QtPlatform::winHelp(QWidget* owner, const QString& path, unsigned command,
                         const QVariant& data) {
    if (!m_helpViewer) {
        m_helpViewer = std::make_unique<HelpViewer>();
    }
    m_helpViewer->showHelp(owner, path, command, data);
}
