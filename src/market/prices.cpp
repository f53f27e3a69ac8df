// The yearly price roll.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "market/prices.h"

#include "core/random.h"

void rollPrices(KingdomState& state, RandomSource& random) {
    state.goldPrice = truncatedDraw(random.draw() * 100.0f + 1000.0f, 1099);
    state.landPrice = truncatedDraw(random.draw() * 100.0f + 50.0f, 149);
    state.grainPrice = truncatedDraw(random.draw() * 30.0f + 30.0f, 59);
    state.oilPrice = truncatedDraw(random.draw() * 100.0f + 500.0f, 599);
}
