// A whole reign played by the careful king, its chronicle recorded as the game records it.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "careful_king.h"
#include "sim/chronicle.h"
#include "sim/new_game.h"
#include "sim/year.h"

// Plays from a new kingdom until the reign ends; true when it lasted to year 100.
inline bool playChronicledReign(Chronicle& chronicle, std::uint64_t seed) {
    ClockRandom random(seed);
    KingdomState state;
    state.kingName = "Летописец";
    initKingdom(state, random);
    restartChronicle(chronicle);
    for (;;) {
        carefulKing(state, 2);
        const YearResult year = nextYear(state, random);
        recordYearEnd(chronicle, state, year);
        if (year.battle) {
            recordBattleClosed(chronicle, closeBattle(state));
        }
        if (year.reignComplete || year.overthrown || year.starved) {
            return year.reignComplete;
        }
    }
}

// A reign of a hundred years with 26 battles: the first seed this king lasts to year 100 with
// (the careful king is often overthrown; searching for it takes most of a minute).
inline void playFullReign(Chronicle& chronicle) {
    playChronicledReign(chronicle, 125871);
}
