// Event filters the windows share: the amount boxes' key filter, the bars' arrow keys and the
// labels that act as links.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QObject>

class Platform;
class QLabel;
class QLineEdit;
class QScrollBar;

// Lets only what an amount may hold into a box (digits and editing keys); anything else, typed
// or committed by an input method, beeps and is dropped.
class AmountBoxFilter final : public QObject {
public:
    AmountBoxFilter(Platform& platform, QObject* parent);
    void watch(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Platform& m_platform;
};

// The toolkit's bars ignore the arrow keys; a player without a mouse needs them.
class BarKeysFilter final : public QObject {
public:
    using QObject::QObject;
    void watch(QScrollBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Enter presses the focused button, as the space bar does, in every window: outside dialogs Qt
// leaves Enter to the window, which has nothing to do with it. Installed on the application.
class EnterPressesButton final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

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
