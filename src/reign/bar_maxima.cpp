// The nine bar maxima a saved game carries.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reign/bar_maxima.h"

#include "core/rounding.h"
#include "war/mercenaries.h"

BarMaxima barMaximaOf(const MarketLimits& goods, std::int16_t mercenaryBar) {
    return {goods.sellBarMax[0], goods.sellBarMax[1], goods.sellBarMax[2],
            goods.sellBarMax[3], mercenaryBar,        goods.buyBarMax[0],
            goods.buyBarMax[1],  goods.buyBarMax[2],  goods.buyBarMax[3]};
}

BarMaxima currentBarMaxima(KingdomState& state) {
    const MarketLimits goods = refreshMarket(state);
    return barMaximaOf(goods, mercenaryLimits(state).barMax);
}

BarMaxima carriedBarMaxima(const KingdomState& state) {
    const double saved[] = {state.sliderMax1, state.sliderMax2, state.sliderMax3,
                            state.sliderMax4, state.sliderMax5, state.sliderMax6,
                            state.sliderMax7, state.sliderMax8, state.sliderMax9};
    BarMaxima bars{};
    for (std::size_t i = 0; i < bars.size(); ++i) {
        bars[i] = barRange(saved[i]);
    }
    return bars;
}
