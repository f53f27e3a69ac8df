// Event filters the windows share: the amount boxes' key filter, the bars' arrow keys and Enter
// on a button.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class Platform;
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
