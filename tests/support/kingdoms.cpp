// Kingdoms several rule tests start from.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/kingdoms.h"

KingdomState marketKingdom(double grainPrice) {
    KingdomState state;
    state.money = 10000;
    state.goldPrice = 1000;
    state.landPrice = 50;
    state.grainPrice = grainPrice;
    state.oilPrice = 500;
    state.mercenaryPrice = 100;
    state.gold = 38;
    state.land = 82;
    state.grain = 147;
    state.oil = 44;
    return state;
}
