// The rules viewer: a window of ours that shows the help file at a topic, beside the game.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QString>
#include <QVariant>
#include <QWidget>

#include "formats/rules_file.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;
class QUrl;

class HelpViewer : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "Window")
public:
    // Larger files are refused: the rules fit in a few dozen kilobytes.
    static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

    explicit HelpViewer(QWidget* parent = nullptr);

    // Reads the file afresh and shows what the command asks for (see ui/help/help.h for the codes),
    // beside `owner` the first time. Never fails: a problem is reported inside the window.
    void showHelp(QWidget* owner, const QString& path, unsigned command, const QVariant& data);

    // The context number of the topic on show, -1 when none.
    qint32 currentTopic() const { return m_current; }
    // The message about the last request, empty when it was served.
    QString problem() const;
    // The file's topics, as the rules file's reader gives them.
    const std::vector<RulesTopic>& topics() const { return m_topics; }

private:
    void setupActions();
    bool load(const QString& path);
    void showTopic(const RulesTopic& topic);
    void showContents();
    void showKeyword(const QString& text, bool partial);
    void report(const QString& text);
    void onContentsClicked(QListWidgetItem* item);
    void onAnchorClicked(const QUrl& url);
    void placeBeside(QWidget* owner);

    QLabel* m_problem = nullptr;
    QListWidget* m_contents = nullptr;
    QTextBrowser* m_browser = nullptr;
    std::vector<RulesTopic> m_topics;
    qint32 m_current = -1;
    bool m_placed = false;
};
