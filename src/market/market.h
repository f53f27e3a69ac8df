// The market's arithmetic: purchase maxima and the ranges of the trading bars.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "core/kingdom_state.h"
#include "core/rounding.h"

// The ranges of the eight trading bars, indexed by good.
struct MarketLimits {
    std::array<std::int16_t, 4> sellBarMax{};
    std::array<std::int16_t, 4> buyBarMax{};
};

// Recomputes the purchase maxima and mercenariesAffordable and returns the bar ranges. A sell
// bar never reaches beyond the whole units in stock, so a bar sale cannot sell grain the
// kingdom does not have.
MarketLimits refreshMarket(KingdomState& state);
