// A platform for window tests and tools: it records beeps, messages, links and help calls and
// returns at once instead of showing anything.
#pragma once

#include <functional>
#include <vector>

#include <QString>
#include <QUrl>
#include <QVariant>

#include "ui/platform.h"

class FakePlatform final : public Platform {
public:
    struct Message {
        QString title;
        QString text;
        bool informationIcon = false;
    };

    void beep() override { ++beeps; }
    void message(QWidget*, const QString& title, const QString& text,
                 bool informationIcon) override {
        messages.push_back({title, text, informationIcon});
        if (onMessage) {
            onMessage();
        }
    }
    void openUrl(const QUrl& url) override { urls.push_back(url); }
    void winHelp(QWidget*, const QString& path, unsigned command, const QVariant&) override {
        helpCalls.push_back({path, command});
    }

    int beeps = 0;
    std::vector<Message> messages;
    std::vector<QUrl> urls;
    std::vector<std::pair<QString, unsigned>> helpCalls;
    // Runs while a message is "on screen", to look at the window behind it.
    std::function<void()> onMessage;
};
