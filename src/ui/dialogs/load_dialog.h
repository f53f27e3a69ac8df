// The load dialog (Form4): reads a saved game from a file the player picks.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/kingdom_state.h"
#include "storage/saved_game.h"
#include "ui/dialogs/file_dialog.h"

// Changes nothing itself: it reads the file over a copy of `current` and hands a complete game to
// whoever listens, or says why it could not. `current` must outlive the window.
class LoadDialog final : public FileDialog {
    Q_OBJECT
public:
    LoadDialog(QWidget* mainWindow, Platform& platform, const KingdomState& current);

    // The main button: reads the file if it can, then closes the window in every case.
    void loadgame();

signals:
    // After the window closed: the whole game was read.
    void loaded(const GameLoad& game);
    // After the window closed: no name, or a file that could not be read (the player was told).
    void loadFailed();

protected:
    void acceptFile() override { loadgame(); }

private:
    const KingdomState& m_current;
};
