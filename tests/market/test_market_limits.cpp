// The bars' ranges and the purchase maxima.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "market/market.h"
#include "support/kingdoms.h"

namespace {
KingdomState market() {
    return marketKingdom(30);
}
} // namespace

TEST(RefreshMarket, PurchaseMaximaAndBars) {
    KingdomState state = market();
    const MarketLimits limits = refreshMarket(state);
    EXPECT_EQ(state.goldMax, 10);
    EXPECT_EQ(state.landMax, 200);
    EXPECT_EQ(state.grainMax, 333);
    EXPECT_EQ(state.oilMax, 20);
    EXPECT_EQ(state.mercenariesAffordable, 100);
    EXPECT_EQ(limits.buyBarMax, (std::array<std::int16_t, 4>{10, 200, 333, 20}));
    EXPECT_EQ(limits.sellBarMax, (std::array<std::int16_t, 4>{38, 82, 147, 44}));
}

TEST(RefreshMarket, TooLittleMoneyForOneUnit) {
    KingdomState state = market();
    state.money = 499;
    const MarketLimits limits = refreshMarket(state);
    EXPECT_EQ(state.goldMax, 0);
    EXPECT_EQ(state.oilMax, 0);
    EXPECT_EQ(limits.buyBarMax[0], 0);
    EXPECT_EQ(limits.buyBarMax[2], 16);
    EXPECT_EQ(state.mercenariesAffordable, 4);
}

TEST(RefreshMarket, LargeTreasuryKeepsTheFullMaximumButCapsTheBar) {
    KingdomState state = market();
    state.money = 40'000'000;
    const MarketLimits limits = refreshMarket(state);
    EXPECT_EQ(state.goldMax, 40000);
    EXPECT_EQ(limits.buyBarMax[0], 32767);
    EXPECT_EQ(state.mercenariesAffordable, 400000);
}

TEST(RefreshMarket, LargeStocksStopTheSellBarAt32767) {
    KingdomState state = market();
    state.gold = 32767;
    state.oil = 40000;
    const MarketLimits limits = refreshMarket(state);
    EXPECT_EQ(limits.sellBarMax[0], 32767);
    EXPECT_EQ(limits.sellBarMax[3], 32767);
}

TEST(RefreshMarket, AFractionalStockSellsOnlyItsWholeUnits) {
    KingdomState state = market();
    state.grain = 100.7;
    EXPECT_EQ(refreshMarket(state).sellBarMax[2], 100);
    state.grain = 101.5;
    EXPECT_EQ(refreshMarket(state).sellBarMax[2], 101);
    state.grain = 100.5;
    EXPECT_EQ(refreshMarket(state).sellBarMax[2], 100);
    state.grain = 100.2;
    EXPECT_EQ(refreshMarket(state).sellBarMax[2], 100);
    state.grain = 0.6;
    EXPECT_EQ(refreshMarket(state).sellBarMax[2], 0);
    state.grain = 32767.9;
    EXPECT_EQ(refreshMarket(state).sellBarMax[2], 32767);
}

TEST(RefreshMarket, NegativeTreasuryGivesNegativeMaxima) {
    KingdomState state = market();
    state.money = -100;
    const MarketLimits limits = refreshMarket(state);
    EXPECT_EQ(state.goldMax, -1);
    EXPECT_EQ(state.grainMax, -4);
    EXPECT_EQ(limits.buyBarMax[0], -1);
    EXPECT_EQ(limits.buyBarMax[2], -4);
    EXPECT_EQ(state.mercenariesAffordable, -1);

    state.money = -1e9;
    EXPECT_EQ(refreshMarket(state).buyBarMax[2], -32768);
}

TEST(RefreshMarket, ANegativeStockKeepsItsRoundedRange) {
    KingdomState state = market();
    state.grain = -0.3;
    EXPECT_EQ(refreshMarket(state).sellBarMax[2], 0);
    state.grain = -7;
    EXPECT_EQ(refreshMarket(state).sellBarMax[2], -7);
}
