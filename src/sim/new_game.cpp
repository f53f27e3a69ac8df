// Setting up a new kingdom: the first draws of the people, the stocks and the peace years.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/new_game.h"

#include <cmath>

#include "market/prices.h"

void initKingdom(KingdomState& state, RandomSource& random) {
    random.reseed();

    state.money = 10000;
    state.armyGrowthLevel = 0;
    state.moodLevel = 2;
    state.spareValue1 = 2;
    state.spareValue2 = 0;
    state.discontentYears = 0;

    rollPrices(state, random);
    state.mercenaryPrice = 100;

    state.workers = truncatedDraw(random.draw() * 50.0f + 20.0f, 69);
    state.soldiers = truncatedDraw(random.draw() * 50.0f + 10.0f, 59);
    state.gold = truncatedDraw(random.draw() * 50.0f + 1.0f, 50);
    state.land = truncatedDraw(random.draw() * 30.0f, 29) + (state.soldiers + state.workers);
    state.grain =
        truncatedDraw(random.draw() * 100.0f + 1.0f, 100) + 2 * (state.soldiers + state.workers);
    state.oil = truncatedDraw(random.draw() * 50.0f + 1.0f, 50);

    state.mercenariesAffordable = std::floor(state.money / state.mercenaryPrice);
    state.year = 1;
    state.rating = 5;
    state.lastPeaceYear = truncatedDraw(random.draw() * 4.0f + 4.0f, 7);
    state.warCountdown = 0;
}
