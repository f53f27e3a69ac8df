// The table of the ten best kings (Form7).
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QString>

#include "core/kingdom_state.h"
#include "ui/base/holding_window.h"

class QLabel;
class QPushButton;

// The labels show the table the session keeps, the design rows until it is given one. The window
// holds the main window while it is open; OK, the close box and Escape all close it, and what
// follows is the game controller's business. Create it with `new`; it deletes itself once closed.
class HallOfFameWindow final : public HoldingWindow {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "Window")
public:
    explicit HallOfFameWindow(QWidget* mainWindow);

    void showScores(const HallOfFame& table);

    // A score as the table shows it: the plain number text in the player's own locale.
    static QString scoreText(double score);

private:
    // Control names: m_names Label2(0..9), m_scores Label3(0..9), m_ok Command1.
    std::array<QLabel*, 10> m_names{};
    std::array<QLabel*, 10> m_scores{};
    QPushButton* m_ok = nullptr;
};
