// The chronicle of scripted reigns: every year end's figures, events and report, and its bound.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "sim/chronicle.h"
#include "sim/year.h"

namespace {

// One press of «Дальше» as the controller makes it, the war panel's OK included.
YearResult press(KingdomState& state, RandomSource& random, Chronicle& chronicle) {
    YearResult result = nextYear(state, random);
    recordYearEnd(chronicle, state, result);
    if (result.battle) {
        recordBattleClosed(chronicle, closeBattle(state));
    }
    return result;
}

// year, workers, soldiers, total, land, grain, money, gold, oil, rating
using Figures = std::array<double, 10>;

void expectEntry(const ChronicleEntry& entry, const Figures& figures, const std::string& mood,
                 const std::string& events) {
    const Figures actual = {entry.year,  entry.workers, entry.soldiers, entry.total, entry.land,
                            entry.grain, entry.money,   entry.gold,     entry.oil,   entry.rating};
    EXPECT_EQ(actual, figures);
    EXPECT_EQ(entry.mood, mood);
    EXPECT_EQ(entry.events, events);
}

KingdomState kingdom() {
    KingdomState state;
    state.workers = 100;
    state.soldiers = 50;
    state.grain = 1000;
    state.land = 1000;
    state.money = 10000;
    state.gold = 10;
    state.oil = 10;
    state.year = 1;
    state.lastPeaceYear = 1;
    state.rating = 5;
    state.moodLevel = 2;
    return state;
}

} // namespace

TEST(Chronicle, ScriptedReignWithAVictoryAndADefeat) {
    KingdomState state = kingdom();
    Chronicle chronicle;
    restartChronicle(chronicle);
    ScriptedRandom random;

    random.push({0, 0, 0, 0, 0.1f, 0, 0}); // good harvest
    const YearResult first = press(state, random, chronicle);
    random.push({0, 0, 0, 0, 0.85f, 0, 0, 0}); // excellent harvest, a war announced
    press(state, random, chronicle);
    state.grain = 100; // sold: the people go hungry
    random.push({0, 0, 0, 0, 0, 0});
    press(state, random, chronicle);
    state.grain = 1000;
    state.soldiers = 100; // hired
    random.push({0, 0, 0, 0, 0.95f, 0, 0, 0, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    press(state, random, chronicle);                 // no harvest, the battle won
    random.push({0, 0, 0, 0, 0.25f, 0.2f, 0, 0, 0}); // rats, the next war announced
    press(state, random, chronicle);
    random.push({0, 0, 0, 0, 0.5f, 0.5f, 0, 0}); // flood
    press(state, random, chronicle);
    random.push({0, 0, 0, 0, 0.5f, 0.85f, 0, 0, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    press(state, random, chronicle); // fire, the battle lost
    ASSERT_EQ(random.remaining(), 0u);

    ASSERT_EQ(chronicle.entries.size(), 7u);
    const auto& e = chronicle.entries;
    expectEntry(e[0], {1, 110, 45, 155, 1000, 1210, 10000, 10, 10, 13}, "Отличное",
                "хороший урожай; родилось детей: 10; сбежало из армии: 5");
    EXPECT_EQ(e[0].report, *first.shownReport);
    expectEntry(e[1], {2, 121, 41, 162, 1000, 1520, 10000, 10, 10, 21}, "Вас Боготворят",
                "отличный урожай; родилось детей: 11; сбежало из армии: 4; "
                "объявлена война, армия врага: 49");
    expectEntry(e[2], {3, 109, 37, 146, 1000, 0, 10000, 10, 10, 18}, "Отличное",
                "народ голодал; поля не засеяны; умерло людей: 12; сбежало из армии: 4");
    // The battle does not advance the year: the next year end is year 4 again.
    expectEntry(e[3], {4, 178, 60, 238, 1500, 873, 15000, 15, 15, 36}, "Вас Боготворят",
                "урожая нет; родилось детей: 10; сбежало из армии: 10; битва, 90 против 50: "
                "победа, захвачено золото 5, земля 500, зерно 291, нефть 5, солдаты 20, "
                "рабочие 59, деньги 5000");
    EXPECT_NE(e[3].report.find("Из Вашей армии сбежало  10 солдат.\r\n"), std::string::npos);
    expectEntry(e[4], {4, 195, 54, 249, 1500, 1031, 15000, 15, 15, 44}, "Вас Боготворят",
                "крысы съели часть урожая; родилось детей: 17; сбежало из армии: 6; "
                "объявлена война, армия врага: 64");
    expectEntry(e[5], {5, 214, 49, 263, 1500, 1280, 15000, 15, 15, 52}, "Вас Боготворят",
                "наводнение погубило часть урожая; родилось детей: 19; сбежало из армии: 5");
    expectEntry(e[6], {6, 118, 0, 118, 750, 377, 7500, 8, 8, 45}, "Вас Боготворят",
                "пожар: весь урожай сгорел; родилось детей: 21; сбежало из армии: 4; битва, 45 "
                "против 69: поражение, потеряно золото 7, земля 750, зерно 377, нефть 7, "
                "рабочие 117, деньги 7500");
    EXPECT_TRUE(e[6].report.starts_with(std::string(kReportTitle)));
    EXPECT_FALSE(chronicle.battlePending);

    // A loaded game without workers: the country dies out in the population step.
    state.workers = 0;
    state.grain = 1000;
    random.push({0, 0, 0, 0, 0.95f, 0});
    ASSERT_TRUE(press(state, random, chronicle).starved);
    expectEntry(chronicle.entries.back(), {6, 0, 0, 0, 750, 1000, 7500, 8, 8, 58}, "Вас Боготворят",
                "урожая нет; родилось детей: 0; не осталось ни одного рабочего: страна вымерла");
    EXPECT_TRUE(chronicle.entries.back().report.ends_with("В этом году родилось  0 детей.\r\n"));
}

TEST(Chronicle, OverthrowsAndTheEndOfTheReign) {
    Chronicle chronicle;
    ScriptedRandom random;

    // The fifth discontented year: the people rise before the harvest, nothing more is drawn.
    KingdomState state = kingdom();
    state.grain = 0;
    state.discontentYears = 4;
    random.push({0, 0, 0, 0});
    ASSERT_TRUE(press(state, random, chronicle).stoppedBeforeHarvest);
    expectEntry(chronicle.entries.back(), {1, 100, 50, 150, 1000, 0, 10000, 10, 10, 1}, "Неплохое",
                "народ голодал; поля не засеяны; пятый год недовольства: народ сверг короля");

    // Year 100 reached with a rating of exactly 1: both ends in one year end, of year 99.
    state = kingdom();
    state.year = 99;
    state.lastPeaceYear = 200;
    state.rating = -9; // -1 after the mood step, 1 after the army grew
    state.armyGrowthLevel = 3;
    random.push({0, 0, 0, 0, 0.1f, 0, 0});
    const YearResult last = press(state, random, chronicle);
    ASSERT_TRUE(last.reignComplete);
    ASSERT_TRUE(last.overthrown);
    expectEntry(chronicle.entries.back(), {99, 110, 55, 165, 1000, 1210, 10000, 10, 10, 1},
                "Отличное",
                "хороший урожай; родилось детей: 10; пришло в армию: 5; конец правления, "
                "рейтинг 1; рейтинг упал до 1: народ сверг короля");
    EXPECT_EQ(chronicle.entries.size(), 2u);

    // A draw destroys both armies and changes nothing else hands.
    state = kingdom();
    state.lastPeaceYear = 0;
    state.warCountdown = 1;
    state.enemyArmy = 44;
    random.push({0, 0, 0, 0, 0.95f, 0, 0, 0});
    press(state, random, chronicle);
    EXPECT_TRUE(chronicle.entries.back().events.ends_with("битва, 45 против 45: ничья, обе армии "
                                                          "погибли"));
}

TEST(Chronicle, KeepsTheLatestEntriesAndCountsWhatItDropped) {
    Chronicle chronicle;
    restartChronicle(chronicle);
    const auto generation = chronicle.generation;
    KingdomState state = kingdom();
    state.lastPeaceYear = 1e9;
    state.land = 1e12; // nobody short of land: no discontent ever
    ScriptedRandom random;
    for (std::size_t i = 0; i < kChronicleLimit + 3; ++i) {
        random.push({0, 0, 0, 0, 0.1f, 0, 0});
        press(state, random, chronicle);
    }
    ASSERT_EQ(chronicle.entries.size(), kChronicleLimit);
    EXPECT_EQ(chronicle.dropped, 3u);
    EXPECT_EQ(chronicle.entries.front().year, 4);
    EXPECT_EQ(chronicle.entries.back().year, double(kChronicleLimit + 3));
    EXPECT_EQ(chronicle.generation, generation);

    // A loaded chronicle replaces everything, longer ones keep their latest entries.
    std::vector<ChronicleEntry> loaded(kChronicleLimit + 5);
    loaded.back().year = 500;
    restoreChronicle(chronicle, loaded);
    EXPECT_EQ(chronicle.entries.size(), kChronicleLimit);
    EXPECT_EQ(chronicle.entries.back().year, 500);
    EXPECT_EQ(chronicle.dropped, 0u);
    EXPECT_GT(chronicle.generation, generation);

    // A loaded game can carry a report of any length; the chronicle keeps a bounded part.
    state.report = std::string(kChronicleReportLimit, 'x') + "ы";
    state.warCountdown = 1;
    state.lastPeaceYear = 0;
    recordBattleClosed(chronicle, state.report); // no battle open: nothing changes
    EXPECT_EQ(chronicle.entries.back().report, "");
    YearResult battle;
    battle.battle = BattleReport{};
    recordYearEnd(chronicle, state, battle);
    EXPECT_EQ(chronicle.entries.back().report, std::string(kChronicleReportLimit, 'x'));
}
