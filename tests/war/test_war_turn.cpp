// The war turn: announcement, quiet years, the battle year and the next announcement.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "war/battle.h"

namespace {
KingdomState atWar() {
    KingdomState state;
    state.year = 10;
    state.soldiers = 57;
    state.workers = 40;
    state.rating = 30;
    state.report = "the year so far\r\n";
    return state;
}
} // namespace

TEST(WarTurn, AnnouncementReportsTheScoutedEnemy) {
    KingdomState state = atWar();
    ScriptedRandom random{0.5f};
    const WarTurnResult result = warTurn(state, random);

    EXPECT_TRUE(result.announced);
    EXPECT_FALSE(result.battle.has_value());
    ASSERT_TRUE(result.shownReport.has_value());
    EXPECT_EQ(*result.shownReport, "the year so far\r\n"
                                   "Возможно война! Готовтесь! По разведданным армия врага "
                                   "составляет  68 солдат!\r\n");
    EXPECT_EQ(state.report, "");
    EXPECT_EQ(state.enemyArmy, 68);
    EXPECT_EQ(state.warCountdown, 4);
    EXPECT_EQ(state.year, 11);
    EXPECT_EQ(random.remaining(), 0u);
}

TEST(WarTurn, CountdownRunsFromTwoToFive) {
    const std::pair<float, int> cases[] = {
        {0.0f, 2}, {0.2499f, 2}, {0.25f, 3}, {0.75f, 5}, {kLargestDraw, 5}};
    for (const auto& [draw, countdown] : cases) {
        KingdomState state = atWar();
        ScriptedRandom random{draw};
        warTurn(state, random);
        EXPECT_EQ(state.warCountdown, countdown) << draw;
    }
}

TEST(WarTurn, SmallAndEmptyArmiesAreScoutedAsTheyAre) {
    KingdomState four = atWar();
    four.soldiers = 4;
    ScriptedRandom random{0.0f, 0.0f};
    warTurn(four, random);
    EXPECT_EQ(four.enemyArmy, 4);

    KingdomState none = atWar();
    none.soldiers = 0;
    const WarTurnResult result = warTurn(none, random);
    EXPECT_EQ(none.enemyArmy, 0);
    EXPECT_TRUE(result.shownReport->ends_with("составляет  0 солдат!\r\n"));
}

TEST(WarTurn, NegativeCountdownFromALoadedGameAnnounces) {
    KingdomState state = atWar();
    state.warCountdown = -3;
    ScriptedRandom random{0.0f};
    EXPECT_TRUE(warTurn(state, random).announced);
    EXPECT_EQ(state.warCountdown, 2);
}

TEST(WarTurn, AWholeWarAndTheNextAnnouncement) {
    KingdomState state = atWar();
    ScriptedRandom random{kLargestDraw};
    warTurn(state, random);
    ASSERT_EQ(state.warCountdown, 5);
    const double announcedEnemy = state.enemyArmy;

    // Four quiet year ends: no draw, the report is shown and the year goes on.
    for (int quiet = 4; quiet >= 1; --quiet) {
        state.report = "quiet\r\n";
        const WarTurnResult result = warTurn(state, random);
        EXPECT_FALSE(result.announced);
        EXPECT_FALSE(result.battle.has_value());
        ASSERT_TRUE(result.shownReport.has_value());
        EXPECT_EQ(*result.shownReport, "quiet\r\n");
        EXPECT_EQ(state.report, "");
        EXPECT_EQ(state.warCountdown, quiet);
        EXPECT_EQ(state.enemyArmy, announcedEnemy);
    }
    EXPECT_EQ(state.year, 15);

    // The battle: the report waits for the war panel and the year stays.
    state.report = "battle year\r\n";
    random.push(0.0f);                  // reinforcement: exactly one more enemy
    random.push({0, 0, 0, 0, 0, 0, 0}); // 57 against 69: the losses
    const WarTurnResult battle = warTurn(state, random);
    ASSERT_TRUE(battle.battle.has_value());
    EXPECT_FALSE(battle.shownReport.has_value());
    EXPECT_FALSE(battle.announced);
    EXPECT_EQ(state.report, "battle year\r\n");
    EXPECT_EQ(state.year, 15);
    EXPECT_EQ(state.warCountdown, 0);
    EXPECT_EQ(random.remaining(), 0u);

    // The very next year end announces the next war.
    random.push(0.0f);
    EXPECT_TRUE(warTurn(state, random).announced);
    EXPECT_EQ(state.year, 16);
    EXPECT_EQ(state.warCountdown, 2);
}
