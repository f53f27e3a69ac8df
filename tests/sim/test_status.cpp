// The status column: figures, warnings and the mood word.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "sim/status.h"

namespace {
KingdomState kingdom(double grain, double land) {
    KingdomState state;
    state.money = 10000;
    state.workers = 50;
    state.soldiers = 20;
    state.grain = grain;
    state.land = land;
    state.moodLevel = 2;
    return state;
}
} // namespace

TEST(StatusView, FiguresAreNumberTexts) {
    const StatusView view = statusView(kingdom(140, 70));
    EXPECT_EQ(view.money, " 10000");
    EXPECT_EQ(view.workers, " 50");
    EXPECT_EQ(view.soldiers, " 20");
    EXPECT_EQ(view.total, " 70");
    EXPECT_EQ(view.landNeeded, " 70");
    EXPECT_EQ(view.grainNeeded, " 210");
    EXPECT_EQ(view.moodWord, "Хорошее");
}

TEST(StatusView, EqualityDoesNotWarn) {
    const StatusView view = statusView(kingdom(140, 70));
    EXPECT_FALSE(view.grainWarning);
    EXPECT_FALSE(view.landWarning);
}

TEST(StatusView, ShortagesWarn) {
    EXPECT_TRUE(statusView(kingdom(139, 70)).grainWarning);
    EXPECT_FALSE(statusView(kingdom(139, 70)).landWarning);
    EXPECT_TRUE(statusView(kingdom(140, 69)).landWarning);
    EXPECT_FALSE(statusView(kingdom(140, 69)).grainWarning);
}

TEST(StatusView, UsesTodaysPeopleNotTheYearsPopulation) {
    KingdomState state = kingdom(140, 70);
    state.population = 10; // stale between two years
    state.soldiers = 21;   // a mercenary was hired
    const StatusView view = statusView(state);
    EXPECT_EQ(view.total, " 71");
    EXPECT_TRUE(view.grainWarning);
    EXPECT_TRUE(view.landWarning);
}

TEST(StatusView, AFractionalMoodLeavesTheWord) {
    KingdomState state = kingdom(140, 70);
    state.moodLevel = 2.5;
    EXPECT_FALSE(statusView(state).moodWord.has_value());
}
