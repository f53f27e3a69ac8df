// The yearly price roll.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/kingdom_state.h"
#include "core/random.h"

// Four draws, in the order gold, land, grain, oil: 1000..1099, 50..149, 30..59, 500..599.
void rollPrices(KingdomState& state, RandomSource& random);
