// A whole scripted reign of eight presses of «Дальше», with trades, hires, a war and a battle,
// compared line by line with the reports the player reads.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "market/trade.h"
#include "sim/new_game.h"
#include "sim/year.h"
#include "war/battle.h"
#include "war/mercenaries.h"

namespace {
const std::string kHeader =
    "Господин президент! Прибыл Ваш помощник с докладом!\r\n" + std::string(89, '_') + "\r\n";

// One press and everything it shows, the battle panel included, as the player reads it.
void press(KingdomState& state, RandomSource& random, std::string& transcript) {
    transcript.append("=").append(yearLabelText(state.year)).append("\r\n");
    const YearResult result = nextYear(state, random);
    if (result.shownReport) {
        transcript += *result.shownReport;
    }
    if (result.battle) {
        transcript.append("[").append(battleOutcomeText(result.battle->outcome)).append("]\r\n");
        transcript += std::string(battleHeading(result.battle->outcome)) + "\r\n";
        transcript += trophyGoodsText(*result.battle);
        transcript += trophyPeopleText(*result.battle);
        transcript += closeBattle(state);
    }
}
} // namespace

TEST(GoldenGame, EightPressesWithAWar) {
    ScriptedRandom random;
    random.push({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.25f, 0.75f, 0.5f, 0.125f, 0.875f, 0.0f});
    KingdomState state;
    state.kingName = "Пётр";
    initKingdom(state, random);
    ASSERT_EQ(state.workers, 45);
    ASSERT_EQ(state.soldiers, 22);
    ASSERT_EQ(state.grain, 147);
    ASSERT_EQ(state.land, 82);
    ASSERT_EQ(state.lastPeaceYear, 4);

    std::string transcript;
    ASSERT_EQ(buyTyped(state, Good::Grain, "50"), TradeResult::Done);
    random.push({0, 0, 0, 0, 0.5f, 0.25f, 0.5f, 0.5f});
    press(state, random, transcript);

    ASSERT_EQ(buyByBar(state, Good::Land, 30), TradeResult::Done);
    random.push({0, 0, 0, 0, 0.1f, 0, 0});
    press(state, random, transcript);

    ASSERT_EQ(hireTyped(state, "40"), TradeResult::Done);
    random.push({0, 0, 0, 0, 0.8f, 0.5f, 0.5f});
    press(state, random, transcript);

    ASSERT_EQ(sellByBar(state, Good::Grain, 300), TradeResult::Done);
    ASSERT_EQ(buyTyped(state, Good::Land, "100"), TradeResult::Done);
    random.push({0, 0, 0, 0, 0.95f, 0, 0});
    press(state, random, transcript);

    ASSERT_EQ(buyTyped(state, Good::Grain, "200"), TradeResult::Done);
    random.push({0, 0, 0, 0, 0, 0.5f, 0.5f, 0});
    press(state, random, transcript);

    ASSERT_EQ(mercenaryLimits(state).barMax, 2);
    hireByBar(state, 2);
    random.push({0, 0, 0, 0, 0.5f, 0.5f, 0, 0});
    press(state, random, transcript);

    ASSERT_EQ(sellTyped(state, Good::Gold, "38"), TradeResult::Done);
    ASSERT_EQ(hireTyped(state, "100"), TradeResult::Done);
    random.push({0, 0, 0, 0, 0.95f, 0.5f, 0.5f, 0.5f});
    random.push({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.25f, 0.125f});
    press(state, random, transcript);

    random.push({0, 0, 0, 0, 0.5f, 0.5f, kLargestDraw});
    press(state, random, transcript);

    const std::string fedAll = "Население удалось прокормить\r\n";
    const std::string landAll = "Всем досталась земля\r\n";
    const std::string landShort = "Земля досталась не всем\r\n";
    const std::string sownPart = "В этом году засеяли часть территории земли\r\n";
    const std::string moodUp = "Настроение населения улучшилось, народ болеет за Вас\r\n";
    const std::string moodDown = "Настроение населения ухудшилось, народ недоволен Вами\r\n";
    const std::string expected =
        "= 1  год правления .\r\n" + kHeader + fedAll + landAll + sownPart + moodUp +
        "Крысы сожрали чась урожая\r\n"
        "В этом году родилось  6 детей.\r\n"
        "Из Вашей армии сбежало  3 солдат.\r\n"
        "= 2  год правления .\r\n" +
        kHeader + fedAll + landAll + sownPart + moodUp +
        "Был собран хороший урожай\r\n"
        "В этом году родилось  5 детей.\r\n"
        "Из Вашей армии сбежало  1 солдат.\r\n"
        "= 3  год правления .\r\n" +
        kHeader + fedAll + landShort + sownPart + moodDown +
        "Был собран отличный урожай\r\n"
        "В этом году родилось  8 детей.\r\n"
        "Из Вашей армии сбежало  8 солдат.\r\n"
        "= 4  год правления .\r\n" +
        kHeader + fedAll + landAll + sownPart + moodUp +
        "В этом году родилось  6 детей.\r\n"
        "Из Вашей армии сбежало  5 солдат.\r\n"
        "= 5  год правления .\r\n" +
        kHeader + fedAll + landAll + sownPart + moodUp +
        "Был собран хороший урожай\r\n"
        "В этом году родилось  10 детей.\r\n"
        "Из Вашей армии сбежало  6 солдат.\r\n"
        "Возможно война! Готовтесь! По разведданным армия врага составляет  46 солдат!\r\n"
        "= 6  год правления .\r\n" +
        kHeader + fedAll + landAll + sownPart + moodUp +
        "Наводнение уничтожило чась урожая\r\n"
        "В этом году родилось  8 детей.\r\n"
        "Из Вашей армии сбежало  4 солдат.\r\n"
        "= 7  год правления .\r\n"
        "[Слава Королю! Вы победили!]\r\n"
        "Захвачено:\r\n"
        " Золота:   0\r\n"
        "  Земли:    106\r\n"
        "  Зерна:    35\r\n"
        "  Нефти:   22\r\n"
        " Солдат:    29\r\n"
        "  Рабочих:  25\r\n"
        "  Денег:     3506\r\n" +
        kHeader + fedAll + landShort + sownPart + moodDown +
        "В этом году родилось  13 детей.\r\n"
        "Из Вашей армии сбежало  20 солдат.\r\n"
        "= 7  год правления .\r\n" +
        kHeader + "Население не удалось прокормить\r\n" + landAll +
        "В этом году ничего не засеяли\r\n" + moodDown +
        "В этом году умерло  18 человек.\r\n"
        "Из Вашей армии сбежало  13 солдат.\r\n"
        "Возможно война! Готовтесь! По разведданным армия врага составляет  90 солдат!\r\n";
    EXPECT_EQ(transcript, expected);

    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(random.reseeds(), 1 + 7); // the new game, then every fed year
    EXPECT_EQ(state.year, 8);
    EXPECT_EQ(state.rating, 62);
    EXPECT_EQ(state.moodLevel, 2);
    EXPECT_EQ(state.discontentYears, 2);
    EXPECT_EQ(state.workers, 108);
    EXPECT_EQ(state.soldiers, 75);
    EXPECT_EQ(state.gold, 0);
    EXPECT_EQ(state.land, 318);
    EXPECT_EQ(state.grain, 0);
    EXPECT_EQ(state.oil, 66);
    EXPECT_EQ(state.money, 31556);
    EXPECT_EQ(state.warCountdown, 5);
    EXPECT_EQ(state.enemyArmy, 90);
    EXPECT_EQ(state.report, "");
}
