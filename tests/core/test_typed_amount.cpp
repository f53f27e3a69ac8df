// The amount boxes' text and their key filter.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "core/typed_amount.h"

TEST(ParseAmount, RunsOfDigitsOnly) {
    EXPECT_EQ(parseAmount("0"), 0.0);
    EXPECT_EQ(parseAmount("007"), 7.0);
    EXPECT_EQ(parseAmount("123456789"), 123456789.0);
    EXPECT_EQ(parseAmount(std::string(308, '9')).has_value(), true);
    EXPECT_FALSE(parseAmount("").has_value());
    EXPECT_FALSE(parseAmount("12a").has_value());
    EXPECT_FALSE(parseAmount("-5").has_value());
    EXPECT_FALSE(parseAmount("1.5").has_value());
    EXPECT_FALSE(parseAmount("inf").has_value());
    EXPECT_FALSE(parseAmount("nan").has_value());
    EXPECT_FALSE(parseAmount(std::string(309, '9')).has_value());
    EXPECT_FALSE(parseAmount(std::string(400, '9')).has_value());
}

TEST(AmountKey, BackspaceAndDigitsPass) {
    EXPECT_TRUE(amountKeyAccepted(8));
    for (char32_t digit = U'0'; digit <= U'9'; ++digit) {
        EXPECT_TRUE(amountKeyAccepted(digit));
    }
    for (char32_t other : {U'-', U'.', U',', U' ', U'a', U'Я', U'/', U':', U'\r', U'\t',
                           char32_t{0}, char32_t{127}, U'٣'}) {
        EXPECT_FALSE(amountKeyAccepted(other)) << static_cast<unsigned>(other);
    }
}
