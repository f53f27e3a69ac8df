// The year's report and its label.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/report.h"

TEST(YearLabel, NumberTextThenTwoBlanks) {
    EXPECT_EQ(yearLabelText(1), " 1  год правления .");
    EXPECT_EQ(yearLabelText(2), " 2  год правления .");
    EXPECT_EQ(yearLabelText(100), " 100  год правления .");
}
