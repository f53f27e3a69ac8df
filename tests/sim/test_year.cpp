// The whole year: the order of its steps and draws, its report, and the ways it can end.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "sim/year.h"

namespace {
std::string reportOf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

const std::string kRule(89, '_');

// Fed, with land and seed to spare, far from any war.
KingdomState steadyKingdom() {
    KingdomState state;
    state.workers = 50;
    state.soldiers = 20;
    state.grain = 300;
    state.land = 100;
    state.money = 10000;
    state.rating = 5;
    state.moodLevel = 2;
    state.year = 1;
    state.lastPeaceYear = 5;
    return state;
}

// Prices at the bottom, no harvest, and no change of the people beyond the 10 % draws.
void pushQuietYear(ScriptedRandom& random) {
    random.push({0, 0, 0, 0, 0.95f, 0, 0});
}
} // namespace

TEST(NextYear, AQuietYearReportsEveryStepInOrder) {
    KingdomState state = steadyKingdom();
    state.report = "last year's leftovers\r\n";
    ScriptedRandom random{0, 0, 0, 0, 0, 0.5f, 0.5f};
    const YearResult result = nextYear(state, random);

    const std::string expected = reportOf(
        {kReportTitle, kRule, "Население удалось прокормить", "Всем досталась земля",
         "В этом году засеяли всю территорию земли",
         "Настроение населения улучшилось, народ болеет за Вас", "Был собран хороший урожай",
         "В этом году родилось  7 детей.", "Из Вашей армии сбежало  3 солдат."});
    ASSERT_TRUE(result.shownReport.has_value());
    EXPECT_EQ(*result.shownReport, expected);
    EXPECT_EQ(state.report, "");
    EXPECT_FALSE(result.battle.has_value());
    EXPECT_FALSE(result.stoppedBeforeHarvest);
    EXPECT_FALSE(result.starved);
    EXPECT_FALSE(result.reignComplete);
    EXPECT_FALSE(result.overthrown);

    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(random.reseeds(), 1);
    EXPECT_EQ(state.year, 2);
    EXPECT_EQ(state.population, 70);
    EXPECT_EQ(state.grainNeeded, 140);
    EXPECT_EQ(state.goldPrice, 1000);
    EXPECT_EQ(state.grainPrice, 30);
    EXPECT_EQ(state.grain, 300 - 140 + 140 * 1.7);
    EXPECT_EQ(state.workers, 57);
    EXPECT_EQ(state.soldiers, 17);
    EXPECT_EQ(state.moodLevel, 3);
    EXPECT_EQ(state.rating, 5 + 3 + 2 + 5 + 2 + 1 - 1);
}

TEST(NextYear, AYearWithoutHarvestLineHasEightLines) {
    KingdomState state = steadyKingdom();
    ScriptedRandom random;
    pushQuietYear(random);
    const YearResult result = nextYear(state, random);
    ASSERT_TRUE(result.shownReport.has_value());
    std::size_t lines = 0;
    for (std::size_t at = result.shownReport->find("\r\n"); at != std::string::npos;
         at = result.shownReport->find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 8u);
}

TEST(NextYear, FirstYearOverthrowStopsBeforeTheHarvest) {
    // Hungry (-2), too little land (-1), nothing sown (-3), mood (+2): 5 - 4 = 1.
    KingdomState state = steadyKingdom();
    state.grain = 100;
    state.land = 50;
    ScriptedRandom random{0, 0, 0, 0};
    const YearResult result = nextYear(state, random);

    EXPECT_TRUE(result.stoppedBeforeHarvest);
    EXPECT_TRUE(result.overthrown);
    EXPECT_FALSE(result.shownReport.has_value());
    EXPECT_FALSE(result.reignComplete);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(random.reseeds(), 0);
    EXPECT_EQ(state.rating, 1);
    EXPECT_EQ(state.year, 1);
    EXPECT_EQ(state.workers, 50);
    EXPECT_EQ(state.report, reportOf({kReportTitle, kRule, "Население не удалось прокормить",
                                      "Земля досталась не всем", "В этом году ничего не засеяли",
                                      "Настроение населения ухудшилось, народ недоволен Вами"}));
}

TEST(NextYear, FiveDiscontentedYearsOverthrowTheKing) {
    KingdomState state = steadyKingdom();
    state.grain = 1e6;
    state.land = 10;
    state.lastPeaceYear = 50;
    ScriptedRandom random;
    for (int year = 1; year <= 4; ++year) {
        pushQuietYear(random);
        const YearResult result = nextYear(state, random);
        ASSERT_FALSE(result.overthrown) << "year " << year;
        EXPECT_EQ(state.discontentYears, year);
    }
    EXPECT_EQ(state.moodLevel, 0);

    random.push({0, 0, 0, 0});
    const YearResult fifth = nextYear(state, random);
    EXPECT_TRUE(fifth.stoppedBeforeHarvest);
    EXPECT_TRUE(fifth.overthrown);
    EXPECT_EQ(state.rating, 1);
    EXPECT_EQ(state.year, 5);
    EXPECT_EQ(random.remaining(), 0u);
}

TEST(NextYear, AGoodFifthYearResetsTheDiscontent) {
    KingdomState state = steadyKingdom();
    state.grain = 1e6;
    state.land = 10;
    state.lastPeaceYear = 50;
    ScriptedRandom random;
    for (int year = 1; year <= 4; ++year) {
        pushQuietYear(random);
        nextYear(state, random);
    }
    state.land = 1000;
    pushQuietYear(random);
    const YearResult result = nextYear(state, random);
    EXPECT_FALSE(result.overthrown);
    EXPECT_EQ(state.discontentYears, 0);
    EXPECT_EQ(state.moodLevel, 1);
    EXPECT_EQ(state.year, 6);
}

TEST(NextYear, NoWorkersLeftEndsTheReignByStarvation) {
    // Only a loaded game can start a year without workers.
    KingdomState state = steadyKingdom();
    state.workers = 0;
    ScriptedRandom random{0, 0, 0, 0, 0.95f, 0.5f};
    const YearResult result = nextYear(state, random);

    EXPECT_TRUE(result.starved);
    EXPECT_FALSE(result.overthrown);
    EXPECT_FALSE(result.shownReport.has_value());
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(state.year, 1);
    EXPECT_EQ(state.workers, 0);
    EXPECT_EQ(state.soldiers, 20);
}

TEST(NextYear, TheHundredthYearCompletesTheReign) {
    KingdomState state = steadyKingdom();
    state.year = 99;
    state.lastPeaceYear = 100;
    ScriptedRandom random;
    pushQuietYear(random);
    const YearResult result = nextYear(state, random);
    EXPECT_TRUE(result.reignComplete);
    EXPECT_TRUE(result.shownReport.has_value());
    EXPECT_EQ(state.year, 100);

    // A year loaded beyond 100 never completes.
    state.year = 120;
    state.lastPeaceYear = 200;
    pushQuietYear(random);
    EXPECT_FALSE(nextYear(state, random).reignComplete);
}

TEST(NextYear, RatingLandingOnOneLateInTheYearOverthrows) {
    // +3 +2 +5 +2 leave -1 before the harvest; births and a growing army add 2.
    KingdomState state = steadyKingdom();
    state.rating = -13;
    state.armyGrowthLevel = 3;
    ScriptedRandom random;
    pushQuietYear(random);
    const YearResult result = nextYear(state, random);
    EXPECT_FALSE(result.stoppedBeforeHarvest);
    EXPECT_TRUE(result.overthrown);
    EXPECT_TRUE(result.shownReport.has_value());
    EXPECT_EQ(state.year, 2);
}

TEST(NextYear, TheHundredthYearCanEndInTheOverthrowToo) {
    // As above, the rating lands on 1 only after the harvest, now in the last year.
    KingdomState state = steadyKingdom();
    state.year = 99;
    state.lastPeaceYear = 100;
    state.rating = -13;
    state.armyGrowthLevel = 3;
    ScriptedRandom random;
    pushQuietYear(random);
    const YearResult result = nextYear(state, random);
    EXPECT_TRUE(result.reignComplete);
    EXPECT_TRUE(result.overthrown);
    EXPECT_TRUE(result.shownReport.has_value());
    EXPECT_EQ(state.year, 100);
    EXPECT_EQ(state.rating, 1);
}

TEST(NextYear, WarBeginsTheYearAfterTheLastPeacefulOne) {
    KingdomState state = steadyKingdom();
    state.year = 5;
    state.lastPeaceYear = 5;
    ScriptedRandom random;
    pushQuietYear(random);
    YearResult result = nextYear(state, random);
    EXPECT_EQ(state.warCountdown, 0) << "year equal to the last peaceful one is still peace";
    EXPECT_EQ(state.year, 6);

    // 55 workers and 18 soldiers now; desertion leaves 17, and the scouts see 17 + 3.
    pushQuietYear(random);
    random.push(0.0f);
    result = nextYear(state, random);
    ASSERT_TRUE(result.shownReport.has_value());
    EXPECT_FALSE(result.battle.has_value());
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(state.warCountdown, 2);
    EXPECT_EQ(state.year, 7);
    const std::string_view shown = *result.shownReport;
    EXPECT_TRUE(shown.ends_with("Из Вашей армии сбежало  1 солдат.\r\n"
                                "Возможно война! Готовтесь! По разведданным армия врага "
                                "составляет  20 солдат!\r\n"))
        << shown;
}

TEST(NextYear, ABattleYearKeepsItsReportAndItsNumber) {
    KingdomState state = steadyKingdom();
    state.year = 9;
    state.lastPeaceYear = 5;
    state.warCountdown = 1;
    state.enemyArmy = 100;
    ScriptedRandom random;
    pushQuietYear(random);
    random.push(0.0f);                  // the enemy's reinforcement
    random.push({0, 0, 0, 0, 0, 0, 0}); // the losses of the lost battle
    const YearResult result = nextYear(state, random);

    ASSERT_TRUE(result.battle.has_value());
    EXPECT_EQ(result.battle->outcome, BattleOutcome::Defeat);
    EXPECT_FALSE(result.shownReport.has_value());
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(state.year, 9);
    EXPECT_EQ(state.warCountdown, 0);
    EXPECT_TRUE(state.report.starts_with(kReportTitle));

    const std::string before = state.report;
    EXPECT_EQ(closeBattle(state), before);
    EXPECT_EQ(state.report, "");
}

TEST(NextYear, ALostBattleCanLandTheRatingOnOne) {
    // The quiet year scores +12 and ±0; the defeat takes 15: 4 + 12 - 15 = 1.
    KingdomState state = steadyKingdom();
    state.rating = 4;
    state.year = 9;
    state.lastPeaceYear = 5;
    state.warCountdown = 1;
    state.enemyArmy = 100;
    ScriptedRandom random;
    pushQuietYear(random);
    random.push({0, 0, 0, 0, 0, 0, 0, 0});
    const YearResult result = nextYear(state, random);
    EXPECT_TRUE(result.battle.has_value());
    EXPECT_TRUE(result.overthrown);
    EXPECT_EQ(state.rating, 1);
}
