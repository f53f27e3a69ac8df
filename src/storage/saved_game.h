// Saved games on the desktop's disk: written atomically, read whole, their problems worded.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include <QString>

#include "formats/saved_game.h"

// Writes a saved game's bytes (writeSavedGameFile) atomically: on failure an existing file is
// left as it was and the message says why.
std::optional<QString> writeSavedGameBytes(const QString& path, std::string_view bytes);

// The game, then as much of its chronicle as fits, written atomically. A game with a value the
// reader would refuse is not written. Returns nothing on success, the player's message otherwise.
std::optional<QString> saveGame(const QString& path, const KingdomState& state,
                                const HallOfFame& hall, const BarMaxima& bars,
                                const Chronicle& chronicle);
// The game alone, without a chronicle.
std::optional<QString> saveGame(const QString& path, const KingdomState& state,
                                const HallOfFame& hall, const BarMaxima& bars);

struct GameLoad {
    std::optional<LoadedGame> game; // set only when the game's record was read whole
    ChronicleRead chronicle;        // what became of the chronicle after it
    QString error;                  // the player's message when there is no game
};

// Reads the whole file; a missing, unreadable, short or unusable file gives an error.
GameLoad loadGame(const QString& path, const KingdomState& current);
