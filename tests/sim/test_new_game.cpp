// Setting up a new kingdom: the order of its draws, its ranges and what it leaves alone.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "sim/new_game.h"

namespace {
// Four price draws, then workers, soldiers, gold, land, grain, oil and the last year of peace.
constexpr int kInitDraws = 11;

ScriptedRandom sameDraws(float draw) {
    ScriptedRandom random;
    for (int i = 0; i < kInitDraws; ++i) {
        random.push(draw);
    }
    return random;
}
} // namespace

TEST(InitKingdom, DrawsInTheFixedOrder) {
    ScriptedRandom random{0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.25f, 0.75f, 0.5f, 0.125f, 0.875f, 0.5f};
    KingdomState state;
    initKingdom(state, random);

    EXPECT_EQ(random.reseeds(), 1);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(state.goldPrice, 1050);
    EXPECT_EQ(state.landPrice, 100);
    EXPECT_EQ(state.grainPrice, 45);
    EXPECT_EQ(state.oilPrice, 550);
    EXPECT_EQ(state.workers, 45);
    EXPECT_EQ(state.soldiers, 22);
    EXPECT_EQ(state.gold, 38);
    EXPECT_EQ(state.land, 15 + 67);
    EXPECT_EQ(state.grain, 13 + 2 * 67);
    EXPECT_EQ(state.oil, 44);
    EXPECT_EQ(state.lastPeaceYear, 6);
}

TEST(InitKingdom, DrawsAreSummedInSinglePrecision) {
    // Each sum lies just below a whole number that single precision rounds up to; in double
    // precision every figure would be one less.
    ScriptedRandom random{0,
                          0,
                          0,
                          0,
                          0x1.33333p-2f,
                          0x1.eb851cp-2f,
                          0x1.0a3d7p-2f,
                          0x1.222222p-1f,
                          0x1.0a3d7p-3f,
                          0x1.0a3d7p-2f,
                          0x1.fffff8p-3f};
    KingdomState state;
    initKingdom(state, random);
    EXPECT_EQ(state.workers, 35);
    EXPECT_EQ(state.soldiers, 34);
    EXPECT_EQ(state.gold, 14);
    EXPECT_EQ(state.land, 17 + 69);
    EXPECT_EQ(state.grain, 14 + 2 * 69);
    EXPECT_EQ(state.oil, 14);
    EXPECT_EQ(state.lastPeaceYear, 5);
}

TEST(InitKingdom, FixedStartingValues) {
    ScriptedRandom random = sameDraws(0.5f);
    KingdomState state;
    initKingdom(state, random);

    EXPECT_EQ(state.money, 10000);
    EXPECT_EQ(state.armyGrowthLevel, 0);
    EXPECT_EQ(state.moodLevel, 2);
    EXPECT_EQ(state.spareValue1, 2);
    EXPECT_EQ(state.spareValue2, 0);
    EXPECT_EQ(state.discontentYears, 0);
    EXPECT_EQ(state.mercenaryPrice, 100);
    EXPECT_EQ(state.mercenariesAffordable, 100);
    EXPECT_EQ(state.year, 1);
    EXPECT_EQ(state.rating, 5);
    EXPECT_EQ(state.warCountdown, 0);
}

TEST(InitKingdom, ZeroDrawsGiveTheBottomOfEveryRange) {
    ScriptedRandom random = sameDraws(0.0f);
    KingdomState state;
    initKingdom(state, random);

    EXPECT_EQ(state.goldPrice, 1000);
    EXPECT_EQ(state.landPrice, 50);
    EXPECT_EQ(state.grainPrice, 30);
    EXPECT_EQ(state.oilPrice, 500);
    EXPECT_EQ(state.workers, 20);
    EXPECT_EQ(state.soldiers, 10);
    EXPECT_EQ(state.gold, 1);
    EXPECT_EQ(state.land, 30);
    EXPECT_EQ(state.grain, 61);
    EXPECT_EQ(state.oil, 1);
    EXPECT_EQ(state.lastPeaceYear, 4);
}

TEST(InitKingdom, LargestDrawsStayInsideEveryRange) {
    ScriptedRandom random = sameDraws(kLargestDraw);
    KingdomState state;
    initKingdom(state, random);

    EXPECT_EQ(state.goldPrice, 1099);
    EXPECT_EQ(state.landPrice, 149);
    EXPECT_EQ(state.grainPrice, 59);
    EXPECT_EQ(state.oilPrice, 599);
    EXPECT_EQ(state.workers, 69);
    EXPECT_EQ(state.soldiers, 59);
    EXPECT_EQ(state.gold, 50);
    EXPECT_EQ(state.land, 128 + 29);
    EXPECT_EQ(state.grain, 2 * 128 + 100);
    EXPECT_EQ(state.oil, 50);
    EXPECT_EQ(state.lastPeaceYear, 7);
}

TEST(InitKingdom, ANewReignForgetsTheOldOne) {
    KingdomState state;
    state.rating = 1;
    state.moodLevel = 0;
    state.discontentYears = 5;
    state.year = 37;
    state.warCountdown = 3;
    state.money = -12;
    state.armyGrowthLevel = 7;
    ScriptedRandom random = sameDraws(0.5f);
    initKingdom(state, random);

    EXPECT_EQ(state.rating, 5);
    EXPECT_EQ(state.moodLevel, 2);
    EXPECT_EQ(state.discontentYears, 0);
    EXPECT_EQ(state.year, 1);
    EXPECT_EQ(state.warCountdown, 0);
    EXPECT_EQ(state.money, 10000);
    EXPECT_EQ(state.armyGrowthLevel, 0);
}

TEST(InitKingdom, KeepsWhatTheYearRecomputes) {
    KingdomState state;
    state.fedFlag = kYes;
    state.landFlag = kYes;
    state.sownFlag = kYes;
    state.harvestSownFlag = kYes;
    state.harvestRoll = 4.5;
    state.population = 77;
    state.grainNeeded = 154;
    state.enemyArmy = 68;
    state.report = "old\r\n";
    state.kingName = "Иван";
    state.spareValue3 = 3;
    state.spareValue9 = 9;
    KingdomState before = state;
    ScriptedRandom random = sameDraws(0.5f);
    initKingdom(state, random);

    EXPECT_EQ(state.fedFlag, before.fedFlag);
    EXPECT_EQ(state.landFlag, before.landFlag);
    EXPECT_EQ(state.sownFlag, before.sownFlag);
    EXPECT_EQ(state.harvestSownFlag, before.harvestSownFlag);
    EXPECT_EQ(state.harvestRoll, before.harvestRoll);
    EXPECT_EQ(state.population, before.population);
    EXPECT_EQ(state.grainNeeded, before.grainNeeded);
    EXPECT_EQ(state.enemyArmy, before.enemyArmy);
    EXPECT_EQ(state.report, before.report);
    EXPECT_EQ(state.kingName, before.kingName);
    EXPECT_EQ(state.spareValue3, 3);
    EXPECT_EQ(state.spareValue9, 9);
}

TEST(InitKingdom, ClockGamesKeepTheirPromises) {
    ClockRandom random(20261208);
    for (int game = 0; game < 5000; ++game) {
        KingdomState state;
        initKingdom(state, random);
        const double people = state.workers + state.soldiers;
        ASSERT_GE(state.workers, 20);
        ASSERT_LE(state.workers, 69);
        ASSERT_GE(state.soldiers, 10);
        ASSERT_LE(state.soldiers, 59);
        ASSERT_GE(state.land, people);
        ASSERT_LE(state.land, people + 29);
        ASSERT_GE(state.grain, 2 * people + 1);
        ASSERT_LE(state.grain, 2 * people + 100);
        ASSERT_GE(state.lastPeaceYear, 4);
        ASSERT_LE(state.lastPeaceYear, 7);
    }
}
