// The game's generator: its range, its repeatability with a fixed seed, its reseeding, and whole
// numbers from draws.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "core/random.h"

TEST(ClockRandom, DrawsStayInsideZeroToOne) {
    ClockRandom random(1);
    double sum = 0;
    constexpr int kDraws = 1'000'000;
    for (int i = 0; i < kDraws; ++i) {
        const float draw = random.draw();
        ASSERT_GE(draw, 0.0f);
        ASSERT_LT(draw, 1.0f);
        sum += draw;
    }
    EXPECT_NEAR(sum / kDraws, 0.5, 0.002);
}

TEST(ClockRandom, AFixedSeedRepeatsTheWholeRunReseedsIncluded) {
    ClockRandom first(99);
    ClockRandom second(99);
    for (int i = 0; i < 1000; ++i) {
        if (i % 7 == 0) {
            first.reseed();
            second.reseed();
        }
        ASSERT_EQ(first.draw(), second.draw()) << i;
    }
}

TEST(ClockRandom, ReseedingStartsAnotherSequence) {
    ClockRandom random(5);
    std::vector<float> before;
    for (int i = 0; i < 8; ++i) {
        before.push_back(random.draw());
    }
    ClockRandom again(5);
    again.reseed();
    std::vector<float> after;
    for (int i = 0; i < 8; ++i) {
        after.push_back(again.draw());
    }
    EXPECT_NE(before, after);
}

TEST(ScriptedRandom, HandsOutItsDrawsAndThrowsWhenEmpty) {
    ScriptedRandom random{0.25f};
    random.push({0.5f, 0.75f});
    random.reseed();
    EXPECT_EQ(random.draw(), 0.25f);
    EXPECT_EQ(random.draw(), 0.5f);
    EXPECT_EQ(random.draw(), 0.75f);
    EXPECT_EQ(random.drawsTaken(), 3);
    EXPECT_EQ(random.reseeds(), 1);
    EXPECT_THROW(random.draw(), std::logic_error);
}

TEST(TruncatedDraw, SingleSumReachesTheNextWholeNumber) {
    // The reason for the helper: in single precision the largest draw rounds up.
    EXPECT_EQ(kLargestDraw * 50.0f + 20.0f, 70.0f);
    EXPECT_EQ(truncatedDraw(kLargestDraw * 50.0f + 20.0f, 69), 69);
}

TEST(TruncatedDraw, TakesTheIntegerPartBelowTheTop) {
    EXPECT_EQ(truncatedDraw(20.0f, 69), 20);
    EXPECT_EQ(truncatedDraw(68.999f, 69), 68);
    EXPECT_EQ(truncatedDraw(69.5f, 69), 69);
    EXPECT_EQ(truncatedDraw(0.0f, 3), 0);
}
