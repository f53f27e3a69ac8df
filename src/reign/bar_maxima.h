// The nine bar maxima a saved game carries, worked out in one place for the session and the tools.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/kingdom_state.h"
#include "formats/saved_game.h"
#include "market/market.h"

// Where the mercenaries bar sits among the nine: the four sell bars come before it, the four buy
// bars after it.
inline constexpr std::size_t kMercenaryBarSlot = 4;

// The bars in the file's order, from the goods bars' limits and the mercenaries bar's range.
BarMaxima barMaximaOf(const MarketLimits& goods, std::int16_t mercenaryBar);

// The bars as the market and the mercenaries panel give them now; refreshes the market as the
// game does before it shows the goods.
BarMaxima currentBarMaxima(KingdomState& state);

// The bars a loaded game carries: its nine saved maxima, each as a bar holds it.
BarMaxima carriedBarMaxima(const KingdomState& state);
