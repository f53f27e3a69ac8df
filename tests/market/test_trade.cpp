// Trades by bar and by typed amount.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "market/market.h"
#include "market/trade.h"
#include "support/kingdoms.h"

namespace {
KingdomState market() {
    return marketKingdom(41);
}
} // namespace

TEST(BuyByBar, PaysForTheBarsAmount) {
    KingdomState state = market();
    EXPECT_EQ(buyByBar(state, Good::Land, 30), TradeResult::Done);
    EXPECT_EQ(state.land, 112);
    EXPECT_EQ(state.tradeSum, 1500);
    EXPECT_EQ(state.money, 8500);
}

TEST(BuyByBar, AtZeroStillCountsAsATrade) {
    KingdomState state = market();
    state.tradeSum = 77;
    EXPECT_EQ(buyByBar(state, Good::Gold, 0), TradeResult::Done);
    EXPECT_EQ(state.gold, 38);
    EXPECT_EQ(state.money, 10000);
    EXPECT_EQ(state.tradeSum, 0);
}

TEST(BuyByBar, MoneyEqualToThePriceBuys) {
    KingdomState state = market();
    state.money = 1000;
    EXPECT_EQ(buyByBar(state, Good::Gold, 1), TradeResult::Done);
    EXPECT_EQ(state.gold, 39);
    EXPECT_EQ(state.money, 0);
}

TEST(BuyByBar, NotEvenOneUnitIsIgnored) {
    KingdomState state = market();
    state.money = 999;
    const KingdomState before = state;
    EXPECT_EQ(buyByBar(state, Good::Gold, 0), TradeResult::Ignored);
    EXPECT_EQ(state, before);
}

TEST(BuyByBar, TheWholeBarEmptiesTheTreasuryAtMost) {
    KingdomState state = market();
    state.money = 10999;
    const MarketLimits limits = refreshMarket(state);
    EXPECT_EQ(buyByBar(state, Good::Gold, limits.buyBarMax[0]), TradeResult::Done);
    EXPECT_EQ(state.gold, 48);
    EXPECT_EQ(state.money, 999);
}

TEST(SellByBar, SellsWithoutAnyCheck) {
    KingdomState state = market();
    EXPECT_EQ(sellByBar(state, Good::Grain, 5), TradeResult::Done);
    EXPECT_EQ(state.money, 10205);
    EXPECT_EQ(state.grain, 142);
    EXPECT_EQ(state.tradeSum, 205);
}

TEST(SellByBar, TheFullBarOfAFractionalStockLeavesTheFraction) {
    KingdomState state = market();
    state.grain = 100.7;
    const MarketLimits limits = refreshMarket(state);
    EXPECT_EQ(sellByBar(state, Good::Grain, limits.sellBarMax[2]), TradeResult::Done);
    EXPECT_NEAR(state.grain, 0.7, 1e-12);
    EXPECT_GE(state.grain, 0);
    EXPECT_EQ(state.money, 10000 + 100 * 41);
}

TEST(SellByBar, AHugeStockSells32767AtMost) {
    KingdomState state = market();
    state.oil = 40000;
    const MarketLimits limits = refreshMarket(state);
    sellByBar(state, Good::Oil, limits.sellBarMax[3]);
    EXPECT_EQ(state.oil, 40000 - 32767);
}

TEST(BuyTyped, ExactlyTheMaximumSucceeds) {
    KingdomState state = market();
    state.money = 10040;
    EXPECT_EQ(buyTyped(state, Good::Grain, "244"), TradeResult::Done);
    EXPECT_EQ(state.typedAmount, 244);
    EXPECT_EQ(state.grain, 147 + 244);
    EXPECT_EQ(state.money, 10040 - 244 * 41);
    EXPECT_GE(state.money, 0);
}

TEST(BuyTyped, OneMoreIsRefused) {
    KingdomState state = market();
    state.money = 10040;
    KingdomState before = state;
    EXPECT_EQ(buyTyped(state, Good::Grain, "245"), TradeResult::Refused);
    before.typedAmount = 245;
    EXPECT_EQ(state, before);
}

TEST(BuyTyped, ZeroChangesNothingButIsDone) {
    KingdomState state = market();
    KingdomState before = state;
    EXPECT_EQ(buyTyped(state, Good::Oil, "0"), TradeResult::Done);
    before.typedAmount = 0;
    EXPECT_EQ(state, before);
}

TEST(BuyTyped, EmptyOrUnaffordableBoxIsIgnored) {
    KingdomState state = market();
    const KingdomState before = state;
    EXPECT_EQ(buyTyped(state, Good::Gold, ""), TradeResult::Ignored);
    state.money = 999;
    EXPECT_EQ(buyTyped(state, Good::Gold, "1"), TradeResult::Ignored);
    EXPECT_EQ(buyTyped(state, Good::Gold, "12a"), TradeResult::Ignored)
        << "the treasury is checked before the text is read";
    state.money = before.money;
    EXPECT_EQ(state, before);
}

TEST(BuyTyped, PastedTextIsRefused) {
    for (const char* text : {"12a", "-5", "1.5", " 5", "5 ", "+5", "1e3", "٣"}) {
        KingdomState state = market();
        const KingdomState before = state;
        EXPECT_EQ(buyTyped(state, Good::Land, text), TradeResult::Refused) << text;
        EXPECT_EQ(state, before) << text;
    }
}

TEST(BuyTyped, DigitsBeyondAnyRealAreRefused) {
    KingdomState state = market();
    const KingdomState before = state;
    EXPECT_EQ(buyTyped(state, Good::Land, std::string(400, '9')), TradeResult::Refused);
    EXPECT_EQ(state, before);
}

TEST(BuyTyped, AHugeButFiniteNumberIsUnaffordable) {
    KingdomState state = market();
    EXPECT_EQ(buyTyped(state, Good::Land, "1" + std::string(300, '0')), TradeResult::Refused);
    EXPECT_EQ(state.land, 82);
    EXPECT_EQ(state.money, 10000);
}

// A treasury past 2^53 (only a hand-edited saved game brings one): money / price rounds up to
// 206158468729061 units, whose cost is 2 more than the treasury holds.
TEST(BuyTyped, AQuotientRoundedUpNeverOverdrawsTheTreasury) {
    KingdomState state = market();
    state.money = 17111152904512062.0;
    state.landPrice = 83;
    const KingdomState before = state;
    EXPECT_EQ(buyTyped(state, Good::Land, "206158468729061"), TradeResult::Refused);
    EXPECT_EQ(state.money, before.money);
    EXPECT_EQ(state.land, before.land);
    EXPECT_EQ(buyTyped(state, Good::Land, "206158468729060"), TradeResult::Done);
    EXPECT_GE(state.money, 0);
}

TEST(SellTyped, ExactlyTheStockSucceeds) {
    KingdomState state = market();
    EXPECT_EQ(sellTyped(state, Good::Gold, "38"), TradeResult::Done);
    EXPECT_EQ(state.gold, 0);
    EXPECT_EQ(state.money, 48000);
    EXPECT_EQ(state.typedAmount, 38);
}

TEST(SellTyped, OneMoreThanTheStockIsRefused) {
    KingdomState state = market();
    KingdomState before = state;
    EXPECT_EQ(sellTyped(state, Good::Gold, "39"), TradeResult::Refused);
    before.typedAmount = 39;
    EXPECT_EQ(state, before);
}

TEST(SellTyped, AFractionalStockSellsItsWholeUnits) {
    KingdomState state = market();
    state.grain = 100.7;
    EXPECT_EQ(sellTyped(state, Good::Grain, "101"), TradeResult::Refused);
    EXPECT_EQ(sellTyped(state, Good::Grain, "100"), TradeResult::Done);
    EXPECT_NEAR(state.grain, 0.7, 1e-12);
    EXPECT_EQ(state.money, 14100);
}

TEST(SellTyped, NeedsNoMoney) {
    KingdomState state = market();
    state.money = 0;
    EXPECT_EQ(sellTyped(state, Good::Oil, "0"), TradeResult::Done);
    EXPECT_EQ(sellTyped(state, Good::Oil, "4"), TradeResult::Done);
    EXPECT_EQ(state.money, 2000);
    EXPECT_EQ(state.oil, 40);
}

TEST(SellTyped, EmptyIsIgnoredAndPastedTextRefused) {
    KingdomState state = market();
    const KingdomState before = state;
    EXPECT_EQ(sellTyped(state, Good::Oil, ""), TradeResult::Ignored);
    EXPECT_EQ(sellTyped(state, Good::Oil, "-5"), TradeResult::Refused);
    EXPECT_EQ(sellTyped(state, Good::Oil, "1.5"), TradeResult::Refused);
    EXPECT_EQ(sellTyped(state, Good::Oil, std::string(400, '1')), TradeResult::Refused);
    EXPECT_EQ(state, before);
}
