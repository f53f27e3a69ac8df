// Hiring mercenaries by bar and by typed number.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "war/mercenaries.h"

namespace {
KingdomState treasury(double money) {
    KingdomState state;
    state.money = money;
    state.mercenaryPrice = 100;
    state.mercenariesAffordable = std::floor(money / 100);
    state.soldiers = 22;
    return state;
}
} // namespace

TEST(MercenaryLimits, ANewGame) {
    const MercenaryLimits limits = mercenaryLimits(treasury(10000));
    EXPECT_EQ(limits.barMax, 100);
    EXPECT_EQ(limits.payable, 100);
}

TEST(MercenaryLimits, TheBarStopsAt32767) {
    const MercenaryLimits limits = mercenaryLimits(treasury(5'000'000));
    EXPECT_EQ(limits.barMax, 32767);
    EXPECT_EQ(limits.payable, 50000);
}

TEST(MercenaryLimits, TheTreasuryWinsOverALaggingCount) {
    // A lost battle lowers the treasury without recounting the affordable mercenaries.
    KingdomState state = treasury(10000);
    state.money = 2550;
    EXPECT_EQ(mercenaryLimits(state).barMax, 25);
    state.mercenariesAffordable = 3;
    EXPECT_EQ(mercenaryLimits(state).barMax, 3);
}

TEST(MercenaryLimits, LessThanOneMercenary) {
    const MercenaryLimits limits = mercenaryLimits(treasury(99));
    EXPECT_EQ(limits.barMax, 0);
    EXPECT_EQ(limits.payable, 0);
}

TEST(HireByBar, PaysAndRecountsWhatIsLeft) {
    KingdomState state = treasury(10000);
    hireByBar(state, 37);
    EXPECT_EQ(state.money, 6300);
    EXPECT_EQ(state.soldiers, 59);
    EXPECT_EQ(state.mercenariesAffordable, 63);
    EXPECT_EQ(mercenaryLimits(state).barMax, 63);
}

TEST(HireByBar, ZeroChangesNothing) {
    KingdomState state = treasury(99);
    const KingdomState before = state;
    hireByBar(state, 0);
    EXPECT_EQ(state, before);
}

TEST(HireTyped, ExactlyWhatTheTreasuryPaysFor) {
    KingdomState state = treasury(10050);
    EXPECT_EQ(hireTyped(state, "100"), TradeResult::Done);
    EXPECT_EQ(state.money, 50);
    EXPECT_EQ(state.soldiers, 122);
    EXPECT_EQ(state.mercenariesAffordable, 0);
    EXPECT_EQ(state.typedAmount, 100);
}

TEST(HireTyped, OneMoreIsRefused) {
    KingdomState state = treasury(10050);
    KingdomState before = state;
    EXPECT_EQ(hireTyped(state, "101"), TradeResult::Refused);
    before.typedAmount = 101;
    EXPECT_EQ(state, before);
}

TEST(HireTyped, ZeroIsDoneAndHiresNobody) {
    KingdomState state = treasury(50);
    EXPECT_EQ(hireTyped(state, "0"), TradeResult::Done);
    EXPECT_EQ(state.soldiers, 22);
    EXPECT_EQ(state.money, 50);
}

TEST(HireTyped, NotLimitedBy32767) {
    KingdomState state = treasury(5'000'000);
    EXPECT_EQ(hireTyped(state, "50000"), TradeResult::Done);
    EXPECT_EQ(state.soldiers, 50022);
    EXPECT_EQ(state.money, 0);
}

TEST(HireTyped, EmptyIsIgnoredAndPastedTextRefused) {
    KingdomState state = treasury(10000);
    const KingdomState before = state;
    EXPECT_EQ(hireTyped(state, ""), TradeResult::Ignored);
    for (const char* text : {"12a", "-5", "1.5", "1e3"}) {
        EXPECT_EQ(hireTyped(state, text), TradeResult::Refused) << text;
    }
    EXPECT_EQ(hireTyped(state, std::string(400, '9')), TradeResult::Refused);
    EXPECT_EQ(state, before);
}
