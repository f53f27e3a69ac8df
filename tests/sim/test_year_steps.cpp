// The year's single steps: feeding, land, sowing, mood, harvest, births and the army.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "sim/year.h"

namespace {
// Each step appends one line; the tests look at the report a step leaves behind.
KingdomState people(double population, double grain, double land) {
    KingdomState state;
    state.population = population;
    state.grainNeeded = 2 * population;
    state.grain = grain;
    state.land = land;
    state.rating = 5;
    state.moodLevel = 2;
    return state;
}
} // namespace

TEST(FeedPeople, EnoughGrainFeedsEverybody) {
    KingdomState state = people(70, 140, 100);
    feedPeople(state);
    EXPECT_EQ(state.report, "Население удалось прокормить\r\n");
    EXPECT_EQ(state.fedFlag, kYes);
    EXPECT_EQ(state.grain, 0);
    EXPECT_EQ(state.grainNeeded, 140);
    EXPECT_EQ(state.rating, 8);
}

TEST(FeedPeople, TooLittleGrainIsAllEaten) {
    KingdomState state = people(70, 139.5, 100);
    state.fedFlag = kYes;
    feedPeople(state);
    EXPECT_EQ(state.report, "Население не удалось прокормить\r\n");
    EXPECT_EQ(state.fedFlag, kNo);
    EXPECT_EQ(state.grain, 0);
    EXPECT_EQ(state.grainNeeded, 139.5);
    EXPECT_EQ(state.rating, 3);
}

TEST(DistributeLand, StrictlyMoreLandThanPeople) {
    KingdomState state = people(70, 0, 71);
    distributeLand(state);
    EXPECT_EQ(state.report, "Всем досталась земля\r\n");
    EXPECT_EQ(state.landFlag, kYes);
    EXPECT_EQ(state.rating, 7);
    EXPECT_EQ(state.land, 71);
}

TEST(DistributeLand, EqualLandIsNotEnough) {
    KingdomState state = people(70, 0, 70);
    state.landFlag = kYes;
    distributeLand(state);
    EXPECT_EQ(state.report, "Земля досталась не всем\r\n");
    EXPECT_EQ(state.landFlag, kNo);
    EXPECT_EQ(state.rating, 4);
}

TEST(SowFields, GrainForAllTheLand) {
    KingdomState state = people(70, 100, 100);
    sowFields(state);
    EXPECT_EQ(state.report, "В этом году засеяли всю территорию земли\r\n");
    EXPECT_EQ(state.sownFlag, kYes);
    EXPECT_EQ(state.harvestSownFlag, kYes);
    EXPECT_EQ(state.rating, 10);
    EXPECT_EQ(state.grain, 100);
}

TEST(SowFields, NoGrainLeft) {
    KingdomState state = people(70, 0, 100);
    state.sownFlag = kYes;
    state.harvestSownFlag = kYes;
    sowFields(state);
    EXPECT_EQ(state.report, "В этом году ничего не засеяли\r\n");
    EXPECT_EQ(state.sownFlag, kNo);
    EXPECT_EQ(state.harvestSownFlag, kNo);
    EXPECT_EQ(state.rating, 2);
}

TEST(SowFields, NoGrainAndNoLandCountsAsAllSown) {
    KingdomState state = people(70, 0, 0);
    sowFields(state);
    EXPECT_EQ(state.report, "В этом году засеяли всю территорию земли\r\n");
    EXPECT_EQ(state.harvestSownFlag, kYes);
}

TEST(SowFields, SomeGrainForPartOfTheLand) {
    KingdomState state = people(70, 0.5, 100);
    sowFields(state);
    EXPECT_EQ(state.report, "В этом году засеяли часть территории земли\r\n");
    EXPECT_EQ(state.sownFlag, kYes);
    EXPECT_EQ(state.harvestSownFlag, kYes);
    EXPECT_EQ(state.rating, 6);
}

TEST(UpdateMood, AGoodYearLiftsTheMoodAndEndsTheDiscontent) {
    KingdomState state = people(70, 0, 0);
    state.fedFlag = state.landFlag = state.sownFlag = kYes;
    state.discontentYears = 4;
    updateMood(state);
    EXPECT_EQ(state.report, "Настроение населения улучшилось, народ болеет за Вас\r\n");
    EXPECT_EQ(state.moodLevel, 3);
    EXPECT_EQ(state.discontentYears, 0);
    EXPECT_EQ(state.rating, 7);
}

TEST(UpdateMood, AnyMissingAnswerIsABadYear) {
    for (int missing = 0; missing < 3; ++missing) {
        KingdomState state = people(70, 0, 0);
        state.fedFlag = missing == 0 ? kNo : kYes;
        state.landFlag = missing == 1 ? kNo : kYes;
        state.sownFlag = missing == 2 ? kNo : kYes;
        state.discontentYears = 2;
        updateMood(state);
        EXPECT_EQ(state.report, "Настроение населения ухудшилось, народ недоволен Вами\r\n");
        EXPECT_EQ(state.moodLevel, 1);
        EXPECT_EQ(state.discontentYears, 3);
        EXPECT_EQ(state.rating, 7) << "the mood step scores +2 either way";
    }
}

TEST(UpdateMood, StaysBetweenZeroAndFour) {
    KingdomState happy = people(70, 0, 0);
    happy.fedFlag = happy.landFlag = happy.sownFlag = kYes;
    happy.moodLevel = 4;
    updateMood(happy);
    EXPECT_EQ(happy.moodLevel, 4);

    KingdomState sad = people(70, 0, 0);
    sad.moodLevel = 0;
    updateMood(sad);
    EXPECT_EQ(sad.moodLevel, 0);

    KingdomState loaded = people(70, 0, 0);
    loaded.moodLevel = 9;
    updateMood(loaded);
    EXPECT_EQ(loaded.moodLevel, 4);
}

TEST(CheckDiscontent, OnlyTheFifthYearSetsTheMarker) {
    KingdomState state = people(70, 0, 0);
    state.rating = 40;
    state.discontentYears = 4;
    checkDiscontent(state);
    EXPECT_EQ(state.rating, 40);
    state.discontentYears = 6;
    checkDiscontent(state);
    EXPECT_EQ(state.rating, 40);
    state.discontentYears = 5;
    checkDiscontent(state);
    EXPECT_EQ(state.rating, 1);
    EXPECT_TRUE(state.report.empty());
}

TEST(MoodWord, WordsForEveryLevel) {
    EXPECT_EQ(moodWord(-1), "Плохое");
    EXPECT_EQ(moodWord(0), "Плохое");
    EXPECT_EQ(moodWord(1), "Неплохое");
    EXPECT_EQ(moodWord(2), "Хорошее");
    EXPECT_EQ(moodWord(3), "Отличное");
    EXPECT_EQ(moodWord(4), "Вас Боготворят");
    EXPECT_EQ(moodWord(12), "Вас Боготворят");
}

TEST(MoodWord, AFractionLeavesTheWordAsItIs) {
    EXPECT_FALSE(moodWord(1.5).has_value());
    EXPECT_FALSE(moodWord(3.999).has_value());
    EXPECT_FALSE(moodWord(std::nan("")).has_value());
}

// The harvest of a fed year with 10 tons eaten and no grain left over.
struct HarvestCase {
    float harvestDraw;
    float disasterDraw; // negative: no disaster draw is taken
    double grainAfter;
    const char* line; // empty: no line
};

class FedHarvest : public testing::TestWithParam<HarvestCase> {};

TEST_P(FedHarvest, AddsItsShareAndWritesItsLine) {
    const HarvestCase& c = GetParam();
    KingdomState state;
    state.fedFlag = kYes;
    state.grainNeeded = 10;
    ScriptedRandom random{c.harvestDraw};
    if (c.disasterDraw >= 0) {
        random.push(c.disasterDraw);
    }
    gatherHarvest(state, random);

    EXPECT_EQ(random.reseeds(), 1);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(state.harvestRoll, c.harvestDraw * 10.0f);
    EXPECT_EQ(state.grain, c.grainAfter);
    EXPECT_EQ(state.report, std::string(c.line).empty() ? "" : std::string(c.line) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, FedHarvest,
    testing::Values(HarvestCase{0.0f, -1, 17, "Был собран хороший урожай"},
                    // Each boundary belongs to the lower outcome.
                    HarvestCase{0.2f, -1, 17, "Был собран хороший урожай"},
                    HarvestCase{0.20000002f, 0.0f, 13, "Крысы сожрали чась урожая"},
                    HarvestCase{0.7f, 0.3f, 13, "Крысы сожрали чась урожая"},
                    HarvestCase{0.7f, 0.30000004f, 15, "Наводнение уничтожило чась урожая"},
                    HarvestCase{0.5f, 0.8f, 15, "Наводнение уничтожило чась урожая"},
                    HarvestCase{0.5f, 0.8000001f, 0, "Из-за сильного пожара, весь урожай сгорел"},
                    HarvestCase{0.5f, 0.9f, 0, "Из-за сильного пожара, весь урожай сгорел"},
                    HarvestCase{0.5f, 0.9000001f, 0, ""}, HarvestCase{0.5f, kLargestDraw, 0, ""},
                    HarvestCase{0.70000005f, -1, 20, "Был собран отличный урожай"},
                    HarvestCase{0.9f, -1, 20, "Был собран отличный урожай"},
                    HarvestCase{0.9000001f, -1, 0, ""}, HarvestCase{kLargestDraw, -1, 0, ""}));

TEST(Harvest, BoundaryDrawsAreExact) {
    // The table above relies on these products being exactly the boundaries.
    EXPECT_EQ(0.2f * 10.0f, 2.0f);
    EXPECT_EQ(0.7f * 10.0f, 7.0f);
    EXPECT_EQ(0.9f * 10.0f, 9.0f);
    EXPECT_EQ(0.3f * 10.0f, 3.0f);
    EXPECT_EQ(0.8f * 10.0f, 8.0f);
    EXPECT_GT(0.9000001f * 10.0f, 9.0f);
    EXPECT_LT(kLargestDraw * 10.0f, 10.0f);
}

TEST(Harvest, AGoodHarvestLeavesAFraction) {
    KingdomState state;
    state.fedFlag = kYes;
    state.grainNeeded = 12;
    state.grain = 3;
    ScriptedRandom random{0.1f};
    gatherHarvest(state, random);
    EXPECT_DOUBLE_EQ(state.grain, 23.4);
}

TEST(Harvest, TwelveTonsEatenGiveTwentyPointFour) {
    KingdomState state;
    state.fedFlag = kYes;
    state.grainNeeded = 12;
    ScriptedRandom random{0.0f};
    gatherHarvest(state, random);
    EXPECT_EQ(state.grain, 20.4);
}

TEST(HungryHarvest, LandWithoutGrainBringsNothing) {
    KingdomState state;
    state.fedFlag = kNo;
    state.harvestSownFlag = kNo;
    state.grainNeeded = 30;
    state.harvestRoll = 4;
    ScriptedRandom random;
    gatherHarvest(state, random);
    EXPECT_EQ(state.grain, 0);
    EXPECT_EQ(state.report, "");
    EXPECT_EQ(state.harvestRoll, 4) << "the draw is kept until the next fed year";
    EXPECT_EQ(random.reseeds(), 0);
}

TEST(HungryHarvest, AKingdomWithoutLandReapsHalfAgainWhatWasEaten) {
    KingdomState state;
    state.fedFlag = kNo;
    state.harvestSownFlag = kYes;
    state.grainNeeded = 30;
    ScriptedRandom random;
    gatherHarvest(state, random);
    EXPECT_EQ(state.grain, 45);
    EXPECT_EQ(state.report, "Собран урожай\r\n");
    EXPECT_EQ(random.reseeds(), 0);
}

TEST(GrowPopulation, AFedYearBringsChildrenAndTheArmyDeserts) {
    KingdomState state;
    state.fedFlag = kYes;
    state.workers = 100;
    state.soldiers = 57;
    state.rating = 20;
    ScriptedRandom random{0.5f, 0.25f};
    EXPECT_FALSE(growPopulation(state, random));
    // 15 % of 100, then 12.5 % of 57 = 7.125.
    EXPECT_EQ(state.workers, 115);
    EXPECT_EQ(state.soldiers, 50);
    EXPECT_EQ(state.rating, 20);
    EXPECT_EQ(state.report, "В этом году родилось  15 детей.\r\n"
                            "Из Вашей армии сбежало  7 солдат.\r\n");
}

TEST(GrowPopulation, AHungryYearTakesWorkers) {
    KingdomState state;
    state.fedFlag = kNo;
    state.workers = 100;
    state.soldiers = 20;
    state.rating = 20;
    ScriptedRandom random{0.0f, 0.0f};
    EXPECT_FALSE(growPopulation(state, random));
    EXPECT_EQ(state.workers, 90);
    EXPECT_EQ(state.soldiers, 18);
    EXPECT_EQ(state.rating, 18);
    EXPECT_EQ(state.report, "В этом году умерло  10 человек.\r\n"
                            "Из Вашей армии сбежало  2 солдат.\r\n");
}

TEST(GrowPopulation, AGrowingArmyWhenTheLevelIsAboveTwo) {
    KingdomState state;
    state.fedFlag = kYes;
    state.workers = 10;
    state.soldiers = 40;
    state.armyGrowthLevel = 2.5;
    ScriptedRandom random{0.0f, 0.5f};
    EXPECT_FALSE(growPopulation(state, random));
    EXPECT_EQ(state.soldiers, 46);
    EXPECT_EQ(state.rating, 2);
    EXPECT_EQ(state.report, "В этом году родилось  1 детей.\r\n"
                            "Ваша армия пополнинилась  6 солдатами.\r\n");
}

TEST(GrowPopulation, ALevelOfExactlyTwoStillDeserts) {
    KingdomState state;
    state.fedFlag = kYes;
    state.workers = 10;
    state.soldiers = 40;
    state.armyGrowthLevel = 2;
    ScriptedRandom random{0.0f, 0.5f};
    EXPECT_FALSE(growPopulation(state, random));
    EXPECT_EQ(state.soldiers, 34);
    EXPECT_EQ(state.report, "В этом году родилось  1 детей.\r\n"
                            "Из Вашей армии сбежало  6 солдат.\r\n");
}

TEST(GrowPopulation, TheShareIsFormedInSinglePrecision) {
    // 0x1.fffffcp-2 × 10 + 10 is 14.99999976 in double precision, 15 in single.
    KingdomState state;
    state.fedFlag = kYes;
    state.workers = 100;
    state.soldiers = 100;
    ScriptedRandom random{0x1.fffffcp-2f, 0x1.fffffcp-2f};
    EXPECT_FALSE(growPopulation(state, random));
    EXPECT_EQ(state.workers, 115);
    EXPECT_EQ(state.soldiers, 85);
}

TEST(GrowPopulation, LargestDrawStaysBelowTwentyPercent) {
    EXPECT_EQ(kLargestDraw * 10.0f + 10.0f, 20.0f) << "the single-precision sum rounds up";
    KingdomState state;
    state.fedFlag = kYes;
    state.workers = 100;
    state.soldiers = 100;
    ScriptedRandom random{kLargestDraw, kLargestDraw};
    EXPECT_FALSE(growPopulation(state, random));
    EXPECT_EQ(state.workers, 119);
    EXPECT_EQ(state.soldiers, 81);
}

TEST(GrowPopulation, SmallGroupsNeverChange) {
    KingdomState state;
    state.fedFlag = kNo;
    state.workers = 5;
    state.soldiers = 5;
    ScriptedRandom random{kLargestDraw, kLargestDraw};
    EXPECT_FALSE(growPopulation(state, random));
    EXPECT_EQ(state.workers, 5);
    EXPECT_EQ(state.soldiers, 5);
    EXPECT_EQ(state.report, "В этом году умерло  0 человек.\r\n"
                            "Из Вашей армии сбежало  0 солдат.\r\n");
}

TEST(GrowPopulation, NoWorkersEndsTheReignBeforeTheArmyStep) {
    KingdomState state;
    state.fedFlag = kYes;
    state.workers = 0;
    state.soldiers = 40;
    state.rating = 9;
    ScriptedRandom random{0.5f};
    EXPECT_TRUE(growPopulation(state, random));
    EXPECT_EQ(random.remaining(), 0u) << "the army's draw is not taken";
    EXPECT_EQ(state.workers, 0);
    EXPECT_EQ(state.soldiers, 40);
    EXPECT_EQ(state.rating, 10);
    EXPECT_EQ(state.report, "В этом году родилось  0 детей.\r\n");
}

TEST(GrowPopulation, NegativeArmyIsRaisedToZero) {
    KingdomState state;
    state.fedFlag = kYes;
    state.workers = 10;
    state.soldiers = -40;
    ScriptedRandom random{0.0f, 0.0f};
    EXPECT_FALSE(growPopulation(state, random));
    EXPECT_EQ(state.soldiers, 0);
}
