// The table of the ten best kings (Form7), and the reading and writing of its file.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QString>

#include "core/kingdom_state.h"
#include "ui/base/holding_window.h"

class Platform;
class QLabel;
class QPushButton;

// The hall of fame (`hall`) is the table's one source of truth: the labels only show it. The
// window holds the main window while it is open; OK, the close box and Escape all close it, and
// what follows is the game controller's business. Create it with `new`; it deletes itself once
// closed. `hall` must outlive it.
class HallOfFameWindow final : public HoldingWindow {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "Window")
public:
    HallOfFameWindow(QWidget* mainWindow, Platform& platform, HallOfFame& hall, QString scoresPath);

    // The file into the hall of fame and the labels. A missing or unusable file leaves the design
    // rows in the labels and makes them the hall of fame, so that what is shown is what a later
    // save writes. Returns whether the file was read.
    bool loadScores();
    // The hall of fame into the file; on failure the player is told why. Returns whether it was
    // written.
    bool saveScores();
    // The hall of fame into the labels.
    void showScores();

    // The rows the window shows before any file is read.
    static HallOfFame designRows();
    // A score as the table shows it: the plain number text in the player's own locale.
    static QString scoreText(double score);

private:
    void showRows(const HallOfFame& rows);
    void tellPlayer(const QString& text);

    Platform& m_platform;
    HallOfFame& m_hall;
    QString m_scoresPath;

    // Control names: m_names Label2(0..9), m_scores Label3(0..9), m_ok Command1.
    std::array<QLabel*, 10> m_names{};
    std::array<QLabel*, 10> m_scores{};
    QPushButton* m_ok = nullptr;
};
