// Kingdoms several rule tests start from.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/kingdom_state.h"

// A new game's treasury and stocks at the year's cheapest gold, land and oil: 10000 in money,
// 38 gold, 82 land, 147 grain, 44 oil; prices 1000, 50, grainPrice, 500; mercenaries at 100.
KingdomState marketKingdom(double grainPrice);
