// The rules viewer: a window of ours that shows the help file at a topic, beside the game.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;
class QUrl;

// A topic of the help file: a heading that carries an anchor named by its context number, e.g.
// <h2><a name="1010" title="цены; товары"></a>Товары и цены</h2>; the anchor's title lists the
// topic's keywords, separated by ";".
struct HelpTopic {
    qint32 context = 0;
    int level = 1;
    QString title;
    QStringList keywords;
};

// The topics in the order of the file.
QList<HelpTopic> parseHelpTopics(const QString& html);

class HelpViewer : public QWidget {
    Q_OBJECT
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
    const QList<HelpTopic>& topics() const { return m_topics; }

private:
    void setupActions();
    bool load(const QString& path);
    void showTopic(const HelpTopic& topic);
    void showContents();
    void showKeyword(const QString& text, bool partial);
    void report(const QString& text);
    void onContentsClicked(QListWidgetItem* item);
    void onAnchorClicked(const QUrl& url);
    void placeBeside(QWidget* owner);

    QLabel* m_problem = nullptr;
    QListWidget* m_contents = nullptr;
    QTextBrowser* m_browser = nullptr;
    QList<HelpTopic> m_topics;
    qint32 m_current = -1;
    bool m_placed = false;
};
