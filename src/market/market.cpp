// The market's arithmetic: what the treasury can buy and how far each trading bar reaches.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "market/market.h"

#include <cmath>

#include "market/goods.h"

MarketLimits refreshMarket(KingdomState& state) {
    MarketLimits limits;
    for (Good good : kGoods) {
        const double stock = stockOf(state, good);
        std::int16_t sellMax = barRange(stock);
        // A stock of 100.7 would round to 101: the bar must stop at the units actually held.
        if (stock >= 0) {
            const std::int16_t whole = barRange(std::floor(stock));
            if (whole < sellMax) {
                sellMax = whole;
            }
        }
        limits.sellBarMax[goodIndex(good)] = sellMax;
    }
    for (Good good : kGoods) {
        purchaseMaxOf(state, good) = std::floor(state.money / priceOf(state, good));
    }
    for (Good good : kGoods) {
        limits.buyBarMax[goodIndex(good)] = barRange(purchaseMaxOf(state, good));
    }
    state.mercenariesAffordable = std::floor(state.money / state.mercenaryPrice);
    return limits;
}
