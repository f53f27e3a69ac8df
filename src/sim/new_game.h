// Setting up a new kingdom.
#pragma once

#include "sim/kingdom_state.h"
#include "sim/random.h"

// Reseeds the source, rolls the first prices and draws the people, the stocks and the first
// year of war. Leaves the fields a new game keeps (flags, report, spare values 3..9) as they are.
void initKingdom(KingdomState& state, RandomSource& random);

// Int(x) of a single-precision product, kept inside the range the formula promises: near a draw
// of 1 the single-precision sum can round up to the next whole number.
int truncatedDraw(float value, int highest);
