// The year's report and its label.
#include <gtest/gtest.h>

#include "core/report.h"

TEST(YearLabel, NumberTextThenTwoBlanks) {
    EXPECT_EQ(yearLabelText(1), " 1  год правления .");
    EXPECT_EQ(yearLabelText(2), " 2  год правления .");
    EXPECT_EQ(yearLabelText(100), " 100  год правления .");
}
