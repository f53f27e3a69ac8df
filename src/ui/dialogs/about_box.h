// The about box (Form2): the king's portrait, the version, the credits and the game's links.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/base/holding_window.h"

class Platform;
class QGroupBox;
class QLabel;
class QPushButton;

// The first line of the box: its leading blanks centre it roughly in the label.
inline constexpr char kVersionLine[] =
    //: The game's name and version: the blanks in front centre it roughly in the box.
    QT_TRANSLATE_NOOP("AboutBox", "                          Король Велории  v1.21");
inline constexpr char kCreditsLine[] =
    //: "Code and drawings: the masters of Veloria".
    QT_TRANSLATE_NOOP("AboutBox", "Код и рисунки: мастера Велории");

// Holds the main window while it is open; OK, Escape and the close box close it.
class AboutBox final : public HoldingWindow {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "Dialog")
public:
    AboutBox(Platform& platform, QWidget* mainWindow);

    // Creates, centres and shows a box that deletes itself when closed.
    static AboutBox* open(Platform& platform, QWidget* mainWindow);

private:
    static constexpr qreal kTextPoints = 9.75;
    // The links are smaller, so that the whole web address fits its label.
    static constexpr qreal kLinkPoints = 8.25;

    Platform& m_platform;
    // Control names: m_frame Frame1, m_portrait Image1, m_credits Label1, m_ok Command1,
    // m_webLink Label2, m_mailLink Label3.
    QGroupBox* m_frame = nullptr;
    QLabel* m_portrait = nullptr;
    QLabel* m_credits = nullptr;
    QPushButton* m_ok = nullptr;
    QLabel* m_webLink = nullptr;
    QLabel* m_mailLink = nullptr;
};
