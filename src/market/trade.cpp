// Buying and selling the four goods against money, by bar and by typed amount.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "market/trade.h"

#include <cmath>

TradeResult buyByBar(KingdomState& state, Good good, int barValue) {
    const double price = priceOf(state, good);
    if (state.money < price) {
        return TradeResult::Ignored;
    }
    // The bar stops at what the treasury pays for, so there is nothing more to check.
    stockOf(state, good) += barValue;
    state.tradeSum = barValue * price;
    state.money -= state.tradeSum;
    return TradeResult::Done;
}

TradeResult sellByBar(KingdomState& state, Good good, int barValue) {
    state.tradeSum = priceOf(state, good) * barValue;
    state.money += state.tradeSum;
    stockOf(state, good) -= barValue;
    return TradeResult::Done;
}

TradeResult buyTyped(KingdomState& state, Good good, std::string_view text) {
    if (text.empty()) {
        return TradeResult::Ignored;
    }
    const double price = priceOf(state, good);
    if (state.money < price) {
        return TradeResult::Ignored;
    }
    const std::optional<double> amount = parseAmount(text);
    if (!amount) {
        return TradeResult::Refused;
    }
    state.typedAmount = *amount;
    const double cost = std::floor(state.typedAmount * price);
    // Past the whole numbers a real holds exactly, money / price can round up to the next unit
    // and the last unit would overdraw the treasury: the cost itself has the last word.
    if (std::floor(state.money / price) < state.typedAmount || cost > state.money) {
        return TradeResult::Refused;
    }
    state.money -= cost;
    stockOf(state, good) += state.typedAmount;
    return TradeResult::Done;
}

TradeResult sellTyped(KingdomState& state, Good good, std::string_view text) {
    if (text.empty()) {
        return TradeResult::Ignored;
    }
    const std::optional<double> amount = parseAmount(text);
    if (!amount) {
        return TradeResult::Refused;
    }
    state.typedAmount = *amount;
    double& stock = stockOf(state, good);
    if (state.typedAmount > stock) {
        return TradeResult::Refused;
    }
    state.money += std::floor(state.typedAmount * priceOf(state, good));
    stock -= state.typedAmount;
    return TradeResult::Done;
}
