// The yearly price roll and the goods table.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "market/goods.h"
#include "market/prices.h"

TEST(RollPrices, FourDrawsInTheOrderGoldLandGrainOil) {
    ScriptedRandom random{0.0f, 0.5f, 0.25f, kLargestDraw};
    KingdomState state;
    rollPrices(state, random);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(random.reseeds(), 0);
    EXPECT_EQ(state.goldPrice, 1000);
    EXPECT_EQ(state.landPrice, 100);
    EXPECT_EQ(state.grainPrice, 37);
    EXPECT_EQ(state.oilPrice, 599);
}

TEST(RollPrices, LargestDrawGivesTheTopOfEveryRange) {
    // In single precision each of these sums rounds up to the next whole number.
    EXPECT_EQ(kLargestDraw * 100.0f + 1000.0f, 1100.0f);
    EXPECT_EQ(kLargestDraw * 30.0f + 30.0f, 60.0f);
    ScriptedRandom random{kLargestDraw, kLargestDraw, kLargestDraw, kLargestDraw};
    KingdomState state;
    rollPrices(state, random);
    EXPECT_EQ(state.goldPrice, 1099);
    EXPECT_EQ(state.landPrice, 149);
    EXPECT_EQ(state.grainPrice, 59);
    EXPECT_EQ(state.oilPrice, 599);
}

TEST(RollPrices, SumsAreFormedInSinglePrecision) {
    // Each sum lies just below a whole number that single precision rounds up to; formed in
    // double precision they would give 1019, 66, 33 and 509.
    ScriptedRandom random{0x1.99997p-3f, 0x1.5c28fp-3f, 0x1.111108p-3f, 0x1.99997p-4f};
    KingdomState state;
    rollPrices(state, random);
    EXPECT_EQ(state.goldPrice, 1020);
    EXPECT_EQ(state.landPrice, 67);
    EXPECT_EQ(state.grainPrice, 34);
    EXPECT_EQ(state.oilPrice, 510);
}

TEST(RollPrices, OnlyThePricesChange) {
    KingdomState state;
    state.money = 123;
    state.grain = 7;
    KingdomState expected = state;
    ScriptedRandom random{0, 0, 0, 0};
    rollPrices(state, random);
    expected.goldPrice = 1000;
    expected.landPrice = 50;
    expected.grainPrice = 30;
    expected.oilPrice = 500;
    EXPECT_EQ(state, expected);
}

TEST(Goods, TableBindsEachGoodToItsOwnFields) {
    KingdomState state;
    int value = 1;
    for (Good good : kGoods) {
        stockOf(state, good) = value++;
        priceOf(state, good) = value++;
        purchaseMaxOf(state, good) = value++;
    }
    EXPECT_EQ(state.gold, 1);
    EXPECT_EQ(state.goldPrice, 2);
    EXPECT_EQ(state.goldMax, 3);
    EXPECT_EQ(state.land, 4);
    EXPECT_EQ(state.landPrice, 5);
    EXPECT_EQ(state.landMax, 6);
    EXPECT_EQ(state.grain, 7);
    EXPECT_EQ(state.grainPrice, 8);
    EXPECT_EQ(state.grainMax, 9);
    EXPECT_EQ(state.oil, 10);
    EXPECT_EQ(state.oilPrice, 11);
    EXPECT_EQ(state.oilMax, 12);
    const KingdomState& view = state;
    EXPECT_EQ(stockOf(view, Good::Oil), 10);
    EXPECT_EQ(priceOf(view, Good::Land), 5);
    EXPECT_EQ(purchaseMaxOf(view, Good::Grain), 9);
}

TEST(Goods, CaptionsAndStatusRefresh) {
    EXPECT_EQ(goodCaption(Good::Gold), "Золото: ");
    EXPECT_EQ(goodCaption(Good::Land), "Земля: ");
    EXPECT_EQ(goodCaption(Good::Grain), "Зерно: ");
    EXPECT_EQ(goodCaption(Good::Oil), "Нефть: ");
    EXPECT_FALSE(tradeRefreshesStatus(Good::Gold));
    EXPECT_TRUE(tradeRefreshesStatus(Good::Land));
    EXPECT_TRUE(tradeRefreshesStatus(Good::Grain));
    EXPECT_FALSE(tradeRefreshesStatus(Good::Oil));
}
