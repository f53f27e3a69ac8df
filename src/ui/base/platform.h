// The platform calls the windows make (beep, message boxes, the shell, the help viewer),
// behind one interface so that window tests can watch them instead of blocking on them.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>
#include <QVariant>

class QWidget;

class Platform {
public:
    virtual ~Platform() = default;
    virtual void beep() = 0;
    // A modal message box with the single button OK; returns when it is closed.
    virtual void message(QWidget* parent, const QString& title, const QString& text,
                         bool informationIcon) = 0;
    // The same box over a report just shown: a box that opens takes the screen reader's voice at
    // once and cuts the report short, so its OK tells the report again after the message.
    virtual void messageOverReport(QWidget* parent, const QString& title, const QString& text,
                                   const QString& spokenReport) {
        (void)spokenReport;
        message(parent, title, text, false);
    }
    // The shell's default action for a web or "mailto:" address; returns at once, failures
    // are ignored.
    virtual void openUrl(const QUrl& url) = 0;
    // The help viewer: opens the help file at `path` with a command code (1 context, 15 contents,
    // 257 keyword, 261 partial keyword) and its data (a context number or a text). Returns at
    // once; the viewer reports a missing file or topic itself.
    virtual void winHelp(QWidget* owner, const QString& path, unsigned command,
                         const QVariant& data) = 0;
};
