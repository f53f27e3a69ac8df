// Setting up a new kingdom.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/kingdom_state.h"
#include "core/random.h"

// Reseeds the source, rolls the first prices and draws the people, the stocks and the first
// year of war. Leaves the fields a new game keeps (flags, report, spare values 3..9) as they are.
void initKingdom(KingdomState& state, RandomSource& random);
