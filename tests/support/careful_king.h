// A simple king who plays whole reigns for the rules benchmark and the fuzzers' seed files.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "market/market.h"
#include "market/trade.h"
#include "war/mercenaries.h"

// Hires 1/hireDivisor of the mercenaries bar the year before a battle, then buys land for
// everybody and grain to feed everybody and sow the land.
inline void carefulKing(KingdomState& state, int hireDivisor) {
    if (state.warCountdown == 1) {
        hireByBar(state, mercenaryLimits(state).barMax / hireDivisor);
    }
    refreshMarket(state);
    const double people = state.workers + state.soldiers;
    const double landShort = people + 1 - state.land;
    if (landShort > 0) {
        buyTyped(state, Good::Land, std::to_string(static_cast<long long>(landShort)));
    }
    const double grainShort = 2 * people + state.land - state.grain;
    if (grainShort > 0) {
        buyTyped(state, Good::Grain, std::to_string(static_cast<long long>(grainShort) + 1));
    }
}
