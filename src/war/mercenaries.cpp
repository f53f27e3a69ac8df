// Hiring mercenaries with the treasury's money.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "war/mercenaries.h"

#include <algorithm>
#include <cmath>

#include "core/rounding.h"

MercenaryLimits mercenaryLimits(const KingdomState& state) {
    MercenaryLimits limits;
    limits.payable = std::floor(state.money / state.mercenaryPrice);
    // A battle changes the treasury without recounting mercenariesAffordable: the lesser counts.
    limits.barMax = barRange(std::min(state.mercenariesAffordable, limits.payable));
    return limits;
}

void hireByBar(KingdomState& state, int count) {
    state.money -= count * state.mercenaryPrice;
    state.soldiers += count;
    state.mercenariesAffordable = std::floor(state.money / state.mercenaryPrice);
}

TradeResult hireTyped(KingdomState& state, std::string_view text) {
    if (text.empty()) {
        return TradeResult::Ignored;
    }
    const std::optional<double> amount = parseAmount(text);
    if (!amount) {
        return TradeResult::Refused;
    }
    state.typedAmount = *amount;
    const double cost = std::floor(state.mercenaryPrice * state.typedAmount);
    if (cost > state.money) {
        return TradeResult::Refused;
    }
    state.money -= cost;
    state.soldiers += state.typedAmount;
    state.mercenariesAffordable = std::floor(state.money / state.mercenaryPrice);
    return TradeResult::Done;
}
