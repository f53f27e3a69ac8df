// Reals' decimal text both ways: the same texts and the same reading on every standard library,
// the browser build's fallback included (these run natively and under node).
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <string_view>

#include "core/decimal.h"

namespace {
std::string fifteen(double value) {
    char buffer[64];
    return std::string(buffer, writeDecimal(buffer, buffer + sizeof buffer, value, 15));
}
std::string shortest(double value) {
    char buffer[64];
    return std::string(buffer, writeShortestDecimal(buffer, buffer + sizeof buffer, value));
}
struct Read {
    long used;
    std::errc ec;
    double value;
};
Read read(std::string_view text) {
    double value = 7;
    const DecimalRead result = readDecimal(text.data(), text.data() + text.size(), value);
    return {long(result.ptr - text.data()), result.ec, value};
}
} // namespace

TEST(Decimal, FifteenDigitsKeepTheShortFormsAndSwitchToExponentsAsPrintfDoes) {
    EXPECT_EQ(fifteen(0), "0");
    EXPECT_EQ(fifteen(100.7), "100.7");
    EXPECT_EQ(fifteen(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(fifteen(123456789012345678.0), "1.23456789012346e+17");
    EXPECT_EQ(fifteen(1e15), "1e+15");
    EXPECT_EQ(fifteen(0.000123), "0.000123");
    EXPECT_EQ(fifteen(1e-5), "1e-05");
    EXPECT_EQ(fifteen(5e-324), "4.94065645841247e-324");
    EXPECT_EQ(fifteen(-2.5e-10), "-2.5e-10");
}

TEST(Decimal, ShortestTextReadsBackAndPrefersPlainDigitsOnATie) {
    EXPECT_EQ(shortest(0), "0");
    EXPECT_EQ(shortest(-0.0), "-0");
    EXPECT_EQ(shortest(1.0 / 3), "0.3333333333333333");
    EXPECT_EQ(shortest(123456789012345678.0), "123456789012345680");
    EXPECT_EQ(shortest(1e15), "1e+15");
    EXPECT_EQ(shortest(1e21), "1e+21");
    EXPECT_EQ(shortest(12345.678), "12345.678");
    EXPECT_EQ(shortest(0.000123), "0.000123");
    EXPECT_EQ(shortest(1e-7), "1e-07");
    EXPECT_EQ(shortest(5e-324), "5e-324");
    EXPECT_EQ(shortest(DBL_MAX), "1.7976931348623157e+308");
    EXPECT_EQ(shortest(-2.5e-10), "-2.5e-10");
}

TEST(Decimal, ReadingTakesTheLongestRealAndNothingElse) {
    EXPECT_EQ(read("1.5e+3").value, 1500);
    EXPECT_EQ(read(".5").value, 0.5);
    EXPECT_EQ(read("5.").used, 2);
    // An exponent without digits is not part of the number; neither is a hexadecimal tail.
    EXPECT_EQ(read("1e").used, 1);
    EXPECT_EQ(read("1e+").used, 1);
    EXPECT_EQ(read("0x10").used, 1);
    EXPECT_EQ(read("0x10").value, 0);
    EXPECT_TRUE(std::isinf(read("INFINITY").value));
    EXPECT_EQ(read("infinit").used, 3);
    EXPECT_TRUE(std::isnan(read("nan(abc)").value));
    EXPECT_EQ(read("nan(abc)").used, 8);
}

TEST(Decimal, ReadingRefusesSignsAndBlanksInFrontAndLeavesTheValueOutOfRange) {
    for (std::string_view text : {"+1", " 1", "-", "", "e5", "."}) {
        const Read result = read(text);
        EXPECT_EQ(result.ec, std::errc::invalid_argument) << text;
        EXPECT_EQ(result.used, 0) << text;
        EXPECT_EQ(result.value, 7) << text;
    }
    for (std::string_view text : {"1e400", "-1e400", "1e-400"}) {
        const Read result = read(text);
        EXPECT_EQ(result.ec, std::errc::result_out_of_range) << text;
        EXPECT_EQ(result.used, long(text.size())) << text;
        EXPECT_EQ(result.value, 7) << text;
    }
    // A subnormal real is in range.
    EXPECT_EQ(read("4e-320").ec, std::errc());
    EXPECT_GT(read("4e-320").value, 0);
}
