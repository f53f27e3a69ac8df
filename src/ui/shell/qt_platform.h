// The real platform of the desktop: the beep, the game's message boxes, the shell and the one help
// viewer of the run.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "ui/base/platform.h"

class HelpViewer;

// The real platform: QApplication::beep, the game's MessageBox, QDesktopServices.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    void beep() override;
    void message(QWidget* parent, const QString& title, const QString& text,
                 bool informationIcon) override;
    void messageOverReport(QWidget* parent, const QString& title, const QString& text,
                           const QString& spokenReport) override;
    void openUrl(const QUrl& url) override;
    void winHelp(QWidget* owner, const QString& path, unsigned command,
                 const QVariant& data) override;

private:
    // One viewer for the whole run, created on first use; it outlives the main windows.
    std::unique_ptr<HelpViewer> m_helpViewer;
};
