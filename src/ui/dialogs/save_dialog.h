// The save dialog (Form3): writes the running game to a file the player picks.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "core/kingdom_state.h"
#include "storage/saved_game.h"
#include "ui/dialogs/file_dialog.h"

// Keeps its own copy of what it saves: nothing of the game can change while it is open, and the
// copy cannot outlive its source.
class SaveDialog final : public FileDialog {
    Q_OBJECT
public:
    // The chronicle follows the game's record in the file, as much of it as the file may hold;
    // without one the game's record is written alone.
    SaveDialog(QWidget* mainWindow, Platform& platform, const KingdomState& state,
               const HallOfFame& hall, const BarMaxima& bars,
               std::optional<Chronicle> chronicle = std::nullopt);

    // The main button: writes the file and closes the window, or says why not and stays open.
    void saveGame();

protected:
    void acceptFile() override { saveGame(); }

private:
    KingdomState m_state;
    HallOfFame m_hall;
    BarMaxima m_bars{};
    std::optional<Chronicle> m_chronicle;
};
