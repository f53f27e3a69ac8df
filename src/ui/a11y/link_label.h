// A label that acts as a link, for the mouse, the keyboard and a screen reader.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QObject>

class QLabel;

// A label that runs an action when it is clicked with the left button (released over it), or
// when Enter or the space bar is pressed while it has the keyboard: Tab reaches it, and it is
// underlined while it has the keyboard. A screen reader meets it as a link.
class LinkLabel final : public QObject {
    Q_OBJECT
public:
    LinkLabel(QLabel* label, std::function<void()> action);

    void activate() { m_action(); }
    // The link of a label, or null.
    static LinkLabel* of(const QObject* label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_label;
    std::function<void()> m_action;
};
