// How numbers are spelled on labels and in reports.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "core/number_text.h"

TEST(NumberText, NonNegativeValuesGetOneLeadingBlank) {
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(30), " 30");
    EXPECT_EQ(numberText(10000), " 10000");
    EXPECT_EQ(numberText(20.4), " 20.4");
    EXPECT_EQ(numberText(0.5), " 0.5");
}

TEST(NumberText, NegativeZeroReadsAsZero) {
    EXPECT_EQ(numberText(-0.0), " 0");
    EXPECT_EQ(plainNumberText(-0.0), "0");
}

TEST(NumberText, NegativeValuesGetTheMinusSignOnly) {
    EXPECT_EQ(numberText(-2), "-2");
    EXPECT_EQ(numberText(-0.3), "-0.3");
    EXPECT_EQ(plainNumberText(-32768), "-32768");
}

TEST(NumberText, PlainFormHasNoBlank) {
    EXPECT_EQ(plainNumberText(0), "0");
    EXPECT_EQ(plainNumberText(40000), "40000");
    EXPECT_EQ(plainNumberText(20.4), "20.4");
}

TEST(NumberText, AtMostFifteenSignificantDigits) {
    EXPECT_EQ(plainNumberText(123456789012345), "123456789012345");
    EXPECT_EQ(plainNumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(plainNumberText(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(plainNumberText(1.0 / 3.0), "0.333333333333333");
}

TEST(NumberText, HugeValuesUseTheExponent) {
    EXPECT_EQ(numberText(1e20), " 1e+20");
    EXPECT_EQ(numberText(-1e20), "-1e+20");
}

TEST(NumberText, DecimalPointIgnoresTheLocale) {
    // A Russian locale writes a comma; the texts must not change with it.
    if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr) {
        GTEST_SKIP() << "no Russian locale on this machine";
    }
    const std::string text = numberText(20.4);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(text, " 20.4");
}

TEST(NumberText, ReadsBackOnlyTheGameOwnSpelling) {
    for (const double value : {0.0, 30.0, -2.0, 20.4, 1e20, -1.5e-7, 123456789012345.0}) {
        EXPECT_EQ(readNumberText(numberText(value)), value);
        EXPECT_EQ(readNumberText(plainNumberText(value)), value);
    }
    // The text holds 15 digits: what reads back is the value the text shows.
    EXPECT_EQ(readNumberText(numberText(0.1 + 0.2)), 0.3);
    EXPECT_TRUE(std::isnan(readNumberText(" NaN").value()));
    EXPECT_EQ(readNumberText("-Inf"), -HUGE_VAL);
    EXPECT_EQ(readNumberText(" Inf"), HUGE_VAL);
    // Spellings the game never writes: the text would not be shown as it stands.
    for (const char* text :
         {"", " ", "  7", " -7", "07", "+7", "7.0", "7 ", "1e20", "0x10", "nan", "7,5", "٧"}) {
        EXPECT_FALSE(readNumberText(text).has_value()) << '"' << text << '"';
    }
}
