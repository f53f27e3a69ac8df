// Battles: the reinforced enemy, the three outcomes, spoils and losses, and the panel's texts.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "war/battle.h"

namespace {
KingdomState beforeBattle(double soldiers, double enemy) {
    KingdomState state;
    state.soldiers = soldiers;
    state.enemyArmy = enemy;
    state.workers = 40;
    state.gold = 30;
    state.land = 100;
    state.grain = 200;
    state.oil = 1;
    state.money = 5000;
    state.rating = 20;
    return state;
}
} // namespace

TEST(FightBattle, VictoryTakesSpoilsFromTheSurvivors) {
    // 68 announced, 100 soldiers: reinforcement floor(0.5 × 20 × 100 / 100) = 10, plus one.
    KingdomState state = beforeBattle(100, 68);
    ScriptedRandom random{0.5f, 0.6f, 0.5f, 0.25f, 0.9f, 0.5f, 0.5f, 0.1f};
    const BattleReport battle = fightBattle(state, random);

    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(battle.outcome, BattleOutcome::Victory);
    EXPECT_EQ(battle.kingArmy, 100);
    EXPECT_EQ(battle.enemyArmy, 79);
    EXPECT_EQ(state.enemyArmy, 79);
    // Gold 30 × 0.6 = 18; survivors 21 × 0.5 = 10.5.
    EXPECT_EQ(battle.amounts, (std::array<double, 7>{18, 50, 50, 0, 10, 20, 500}));
    EXPECT_EQ(state.gold, 48);
    EXPECT_EQ(state.land, 150);
    EXPECT_EQ(state.grain, 250);
    EXPECT_EQ(state.oil, 1);
    EXPECT_EQ(state.soldiers, 31);
    EXPECT_EQ(state.workers, 60);
    EXPECT_EQ(state.money, 5500);
    EXPECT_EQ(state.rating, 30);
}

TEST(FightBattle, DefeatLosesAShareOfEverything) {
    KingdomState state = beforeBattle(50, 68);
    ScriptedRandom random{0.0f, 0.6f, 0.5f, 0.25f, kLargestDraw, 0.5f, kLargestDraw, 0.1f};
    const BattleReport battle = fightBattle(state, random);

    EXPECT_EQ(battle.outcome, BattleOutcome::Defeat);
    EXPECT_EQ(battle.kingArmy, 50);
    EXPECT_EQ(battle.enemyArmy, 69);
    EXPECT_EQ(battle.amounts, (std::array<double, 7>{18, 50, 50, 0, 0, 39, 500}));
    EXPECT_EQ(state.gold, 12);
    EXPECT_EQ(state.land, 50);
    EXPECT_EQ(state.grain, 150);
    EXPECT_EQ(state.oil, 1) << "a holding of one never changes";
    EXPECT_EQ(state.soldiers, 0);
    EXPECT_EQ(state.workers, 1) << "a defeat never takes the last worker";
    EXPECT_EQ(state.money, 4500);
    EXPECT_EQ(state.rating, 5);
}

TEST(FightBattle, ADrawDestroysBothArmiesAndTakesNothing) {
    KingdomState state = beforeBattle(70, 69);
    const KingdomState before = state;
    ScriptedRandom random{0.0f};
    const BattleReport battle = fightBattle(state, random);

    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(battle.outcome, BattleOutcome::Draw);
    EXPECT_EQ(battle.kingArmy, 70);
    EXPECT_EQ(battle.enemyArmy, 70);
    EXPECT_EQ(battle.amounts, (std::array<double, 7>{}));
    EXPECT_EQ(state.soldiers, 0);
    EXPECT_EQ(state.rating, 25);
    EXPECT_EQ(state.gold, before.gold);
    EXPECT_EQ(state.money, before.money);
}

TEST(FightBattle, NoArmyAlwaysLoses) {
    KingdomState state = beforeBattle(0, 0);
    ScriptedRandom random{kLargestDraw, 0, 0, 0, 0, 0, 0, 0};
    const BattleReport battle = fightBattle(state, random);
    EXPECT_EQ(battle.enemyArmy, 1);
    EXPECT_EQ(battle.outcome, BattleOutcome::Defeat);
}

TEST(FightBattle, ReinforcementStaysBelowAFifthOfTheArmy) {
    KingdomState state = beforeBattle(100, 68);
    ScriptedRandom random{kLargestDraw, 0, 0, 0, 0, 0, 0, 0};
    fightBattle(state, random);
    EXPECT_EQ(state.enemyArmy, 68 + 19 + 1);
}

TEST(FightBattle, ReinforcementIsFormedInSinglePrecision) {
    // 0x1.ccccccp-2 × 20 is 8.99999976 in double precision, 9 in single.
    KingdomState state = beforeBattle(100, 68);
    ScriptedRandom random{0x1.ccccccp-2f, 0, 0, 0, 0, 0, 0, 0};
    fightBattle(state, random);
    EXPECT_EQ(state.enemyArmy, 68 + 9 + 1);
}

TEST(FightBattle, ADefeatFromSixteenLandsOnOne) {
    KingdomState state = beforeBattle(10, 68);
    state.rating = 16;
    ScriptedRandom random{0, 0, 0, 0, 0, 0, 0, 0};
    fightBattle(state, random);
    EXPECT_EQ(state.rating, 1);
}

TEST(BattleTexts, OutcomesAndHeadings) {
    EXPECT_EQ(battleOutcomeText(BattleOutcome::Victory), "Слава Королю! Вы победили!");
    EXPECT_EQ(battleOutcomeText(BattleOutcome::Draw), "Битва не выявила победителей!");
    EXPECT_EQ(battleOutcomeText(BattleOutcome::Defeat), "              Вы проиграли битву!");
    EXPECT_EQ(battleHeading(BattleOutcome::Victory), "Захвачено:");
    EXPECT_EQ(battleHeading(BattleOutcome::Draw), "");
    EXPECT_EQ(battleHeading(BattleOutcome::Defeat), "Потеряно:");
}

TEST(BattleTexts, TrophyListsKeepTheirBlanks) {
    BattleReport battle;
    battle.amounts = {18, 0, 35, 22, 0, 25, 3506};
    EXPECT_EQ(trophyGoodsText(battle), " Золота:   18\r\n"
                                       "  Земли:    0\r\n"
                                       "  Зерна:    35\r\n"
                                       "  Нефти:   22\r\n");
    EXPECT_EQ(trophyPeopleText(battle), " Солдат:    0\r\n"
                                        "  Рабочих:  25\r\n"
                                        "  Денег:     3506\r\n");
}

TEST(Spoils, EachHoldingTakesItsOwnDrawInOrder) {
    KingdomState state = beforeBattle(0, 0);
    state.soldiers = 10;
    BattleReport battle;
    ScriptedRandom random{0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f};
    takeSpoils(state, random, battle);
    EXPECT_EQ(random.remaining(), 0u);
    // The share is formed in double precision: 0.7f × 5000 is 3499.99994, not 3500.
    EXPECT_EQ(battle.amounts, (std::array<double, 7>{3, 20, 60, 0, 5, 24, 3499}));
}

TEST(Losses, FractionalGrainLosesWholeUnitsOnly) {
    KingdomState state = beforeBattle(0, 0);
    state.grain = 20.4;
    BattleReport battle;
    ScriptedRandom random{0, 0, 0.5f, 0, 0, 0, 0};
    sufferLosses(state, random, battle);
    EXPECT_EQ(battle.amounts[2], 10);
    EXPECT_DOUBLE_EQ(state.grain, 10.4);
}
