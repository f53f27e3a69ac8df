// What every window of a game works on: the kingdom, the table of the best kings, the random
// source, the platform and where the table's file lives. main() owns it.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/kingdom_state.h"

class Platform;
class RandomSource;

struct GameContext {
    KingdomState& state;
    HallOfFame& hall;
    RandomSource& random;
    Platform& platform;
    // Where the table of the best kings is kept; empty means the usual place (scoresFilePath()).
    QString scoresPath = {};

    QString scoresFile() const;
};
