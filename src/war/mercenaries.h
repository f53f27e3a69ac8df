// Hiring mercenaries.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "core/kingdom_state.h"
#include "core/typed_amount.h"

struct MercenaryLimits {
    std::int16_t barMax = 0; // least of mercenariesAffordable, floor(money / price) and 32767
    double payable = 0;      // floor(money / price), not capped
};

MercenaryLimits mercenaryLimits(const KingdomState& state);

// Hires the number the bar stands at; the bar's range is the only limit.
void hireByBar(KingdomState& state, int count);

// Hires the typed number: Ignored for an empty box, Refused when the treasury cannot pay (or the
// text is not a run of digits), Done otherwise.
TradeResult hireTyped(KingdomState& state, std::string_view text);
