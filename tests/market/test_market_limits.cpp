// The bars' ranges and the purchase maxima.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "market/market.h"

TEST(BarRange, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(barRange(0), 0);
    EXPECT_EQ(barRange(100.4), 100);
    EXPECT_EQ(barRange(100.5), 100);
    EXPECT_EQ(barRange(100.7), 101);
    EXPECT_EQ(barRange(101.5), 102);
    EXPECT_EQ(barRange(2.5), 2);
    EXPECT_EQ(barRange(-2.5), -2);
    EXPECT_EQ(barRange(-3.5), -4);
    EXPECT_EQ(barRange(-0.3), 0);
}

TEST(BarRange, HeldBetweenTheLimitsOfABar) {
    EXPECT_EQ(barRange(32767), 32767);
    EXPECT_EQ(barRange(32767.4), 32767);
    EXPECT_EQ(barRange(32768), 32767);
    EXPECT_EQ(barRange(40000), 32767);
    EXPECT_EQ(barRange(1e300), 32767);
    EXPECT_EQ(barRange(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(barRange(-32768), -32768);
    EXPECT_EQ(barRange(-40000), -32768);
    EXPECT_EQ(barRange(-std::numeric_limits<double>::infinity()), -32768);
    EXPECT_EQ(barRange(std::nan("")), 0);
}

namespace {
KingdomState market() {
    KingdomState state;
    state.money = 10000;
    state.goldPrice = 1000;
    state.landPrice = 50;
    state.grainPrice = 30;
    state.oilPrice = 500;
    state.mercenaryPrice = 100;
    state.gold = 38;
    state.land = 82;
    state.grain = 147;
    state.oil = 44;
    return state;
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
