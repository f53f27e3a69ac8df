// Thousands of whole reigns with a random player: the promises every year must keep.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "market/market.h"
#include "market/trade.h"
#include "sim/new_game.h"
#include "sim/year.h"
#include "war/mercenaries.h"

namespace {
// The player's own dice, apart from the game's.
int pick(ClockRandom& dice, int highest) {
    if (highest <= 0) {
        return 0;
    }
    return static_cast<int>(dice.draw() * static_cast<float>(highest + 1)) % (highest + 1);
}

void playBetweenYears(KingdomState& state, ClockRandom& dice) {
    for (Good good : kGoods) {
        const MarketLimits limits = refreshMarket(state);
        const int i = goodIndex(good);
        switch (pick(dice, 4)) {
        case 0:
            buyByBar(state, good, pick(dice, limits.buyBarMax[i]));
            break;
        case 1:
            sellByBar(state, good, pick(dice, limits.sellBarMax[i]));
            break;
        case 2:
            buyTyped(state, good, std::to_string(pick(dice, 300)));
            break;
        case 3:
            sellTyped(state, good, std::to_string(pick(dice, 300)));
            break;
        default:
            break;
        }
    }
    // Mostly a careful king, so that reigns last and wars come: sell gold and oil for money,
    // then buy land and grain for everybody, with seed to spare.
    if (pick(dice, 9) != 0) {
        sellTyped(state, Good::Gold, std::to_string(static_cast<long long>(state.gold / 2)));
        sellTyped(state, Good::Oil, std::to_string(static_cast<long long>(state.oil / 2)));
        const double people = state.workers + state.soldiers;
        const double landShort = people * 1.3 + 2 - state.land;
        if (landShort > 0) {
            buyTyped(state, Good::Land, std::to_string(static_cast<long long>(landShort)));
        }
        const double grainShort = people * 2.6 + state.land - state.grain;
        if (grainShort > 0) {
            buyTyped(state, Good::Grain, std::to_string(static_cast<long long>(grainShort)));
        }
    }
    if (pick(dice, 2) == 0) {
        hireByBar(state, pick(dice, mercenaryLimits(state).barMax / 4));
    }
}

void expectSound(const KingdomState& state, const std::string& where) {
    const double numbers[] = {state.workers,   state.soldiers,  state.population, state.grainNeeded,
                              state.year,      state.rating,    state.moodLevel,  state.money,
                              state.gold,      state.land,      state.grain,      state.oil,
                              state.enemyArmy, state.goldPrice, state.harvestRoll};
    for (double number : numbers) {
        ASSERT_TRUE(std::isfinite(number)) << where;
    }
    ASSERT_GE(state.goldPrice, 1000) << where;
    ASSERT_LE(state.goldPrice, 1099) << where;
    ASSERT_GE(state.landPrice, 50) << where;
    ASSERT_LE(state.landPrice, 149) << where;
    ASSERT_GE(state.grainPrice, 30) << where;
    ASSERT_LE(state.grainPrice, 59) << where;
    ASSERT_GE(state.oilPrice, 500) << where;
    ASSERT_LE(state.oilPrice, 599) << where;
    ASSERT_TRUE(state.moodLevel == 0 || state.moodLevel == 1 || state.moodLevel == 2 ||
                state.moodLevel == 3 || state.moodLevel == 4)
        << where << " mood " << state.moodLevel;
    ASSERT_GE(state.workers, 0) << where;
    ASSERT_GE(state.soldiers, 0) << where;
    ASSERT_GE(state.money, 0) << where;
    ASSERT_GE(state.grain, 0) << where;
    ASSERT_GE(state.land, 0) << where;
    ASSERT_GE(state.gold, 0) << where;
    ASSERT_GE(state.oil, 0) << where;
    ASSERT_GE(state.warCountdown, 0) << where;
    ASSERT_LE(state.warCountdown, 5) << where;
    ASSERT_LT(state.harvestRoll, 10) << where;
}
} // namespace

TEST(Soak, RandomReignsKeepEveryPromise) {
    ClockRandom random(7);
    ClockRandom dice(11);
    int years = 0;
    int battles = 0;
    int completed = 0;
    int overthrown = 0;
    for (int game = 0; game < 1500; ++game) {
        KingdomState state;
        initKingdom(state, random);
        for (int press = 0; press < 150; ++press) {
            const std::string where =
                "game " + std::to_string(game) + " press " + std::to_string(press);
            playBetweenYears(state, dice);
            expectSound(state, where + " after trading");
            const double year = state.year;
            const YearResult result = nextYear(state, random);
            ++years;
            expectSound(state, where);
            overthrown += result.stoppedBeforeHarvest ? 1 : 0;
            if (result.stoppedBeforeHarvest || result.starved) {
                ASSERT_EQ(state.year, year) << where;
                break;
            }
            if (result.battle) {
                ++battles;
                ASSERT_FALSE(result.shownReport.has_value()) << where;
                ASSERT_EQ(state.year, year) << where;
                ASSERT_FALSE(closeBattle(state).empty()) << where;
            } else {
                ASSERT_TRUE(result.shownReport.has_value()) << where;
                ASSERT_EQ(state.year, year + 1) << where;
            }
            ASSERT_EQ(state.report, "") << where;
            if (result.overthrown) {
                ++overthrown;
                break;
            }
            if (result.reignComplete) {
                ++completed;
                break;
            }
        }
    }
    // The run must actually reach the parts of the game it is meant to check.
    RecordProperty("years", years);
    RecordProperty("battles", battles);
    RecordProperty("completed", completed);
    RecordProperty("overthrown", overthrown);
    EXPECT_GT(years, 30000);
    EXPECT_GT(battles, 1000);
    EXPECT_GT(completed, 0);
}
