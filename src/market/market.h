// The market's arithmetic: purchase maxima and the ranges of the trading bars.
#pragma once

#include <array>
#include <cstdint>

#include "sim/kingdom_state.h"

// A value as a scroll bar can hold it: rounded to the nearest whole number, halves to the even
// one, at most 32767 and at least -32768.
std::int16_t barRange(double value);

// The ranges of the eight trading bars, indexed by good.
struct MarketLimits {
    std::array<std::int16_t, 4> sellBarMax{};
    std::array<std::int16_t, 4> buyBarMax{};
};

// Recomputes the purchase maxima and mercenariesAffordable and returns the bar ranges. A sell
// bar never reaches beyond the whole units in stock, so a bar sale cannot sell grain the
// kingdom does not have.
MarketLimits refreshMarket(KingdomState& state);
