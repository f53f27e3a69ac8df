// A platform for window tests and tools: it records beeps, messages, links and help calls and
// returns at once instead of showing anything.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QString>
#include <QUrl>
#include <QVariant>

#include "ui/base/platform.h"

class FakePlatform final : public Platform {
public:
    struct Message {
        QString title;
        QString text;
        bool informationIcon = false;
        // The window the box would stand over; last so that older {title, text, icon} records
        // still read the same.
        QWidget* parent = nullptr;
        // What the box's OK tells a screen reader after the message: the report it opened over.
        QString spokenReport;
    };

    struct HelpCall {
        QWidget* owner = nullptr;
        QString path;
        unsigned command = 0;
        QVariant data;
    };

    void beep() override { ++beeps; }
    void message(QWidget* parent, const QString& title, const QString& text,
                 bool informationIcon) override {
        messages.push_back({title, text, informationIcon, parent, {}});
        if (onMessage) {
            onMessage();
        }
    }
    void messageOverReport(QWidget* parent, const QString& title, const QString& text,
                           const QString& spokenReport) override {
        messages.push_back({title, text, false, parent, spokenReport});
        if (onMessage) {
            onMessage();
        }
    }
    void openUrl(const QUrl& url) override { urls.push_back(url); }
    void winHelp(QWidget* owner, const QString& path, unsigned command,
                 const QVariant& data) override {
        helpCalls.push_back({path, command});
        helpRequests.push_back({owner, path, command, data});
    }

    int beeps = 0;
    std::vector<Message> messages;
    std::vector<QUrl> urls;
    // Path and command of each help call, for the tests that need no more.
    std::vector<std::pair<QString, unsigned>> helpCalls;
    // The same calls in full, with the owner window and the command's data.
    std::vector<HelpCall> helpRequests;
    // Runs while a message is "on screen", to look at the window behind it.
    std::function<void()> onMessage;
};
