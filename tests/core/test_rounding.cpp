// Rounding halves to the even neighbour, and the range a scroll bar can hold.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/rounding.h"

TEST(BarRange, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(barRange(0), 0);
    EXPECT_EQ(barRange(100.4), 100);
    EXPECT_EQ(barRange(100.5), 100);
    EXPECT_EQ(barRange(100.7), 101);
    EXPECT_EQ(barRange(101.5), 102);
    EXPECT_EQ(barRange(2.5), 2);
    EXPECT_EQ(barRange(-2.5), -2);
    EXPECT_EQ(barRange(-3.5), -4);
    EXPECT_EQ(barRange(-0.3), 0);
}

TEST(BarRange, HeldBetweenTheLimitsOfABar) {
    EXPECT_EQ(barRange(32767), 32767);
    EXPECT_EQ(barRange(32767.4), 32767);
    EXPECT_EQ(barRange(32768), 32767);
    EXPECT_EQ(barRange(40000), 32767);
    EXPECT_EQ(barRange(1e300), 32767);
    EXPECT_EQ(barRange(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(barRange(-32768), -32768);
    EXPECT_EQ(barRange(-40000), -32768);
    EXPECT_EQ(barRange(-std::numeric_limits<double>::infinity()), -32768);
    EXPECT_EQ(barRange(std::nan("")), 0);
}
