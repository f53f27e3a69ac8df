// The fallback for reals' decimal text where the standard library has no std::to_chars of them.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/decimal.h"

#if !defined(__cpp_lib_to_chars)

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

char* copyOut(char* first, char* last, const char* text, int length) {
    if (length < 0 || length > last - first) {
        return last;
    }
    std::memcpy(first, text, std::size_t(length));
    return first + length;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool startsWithNoCase(const char* first, const char* last, const char* word) {
    for (; *word != '\0'; ++word, ++first) {
        if (first == last || (*first | 0x20) != *word) {
            return false;
        }
    }
    return true;
}

// The end of the longest prefix that std::from_chars takes as a real, or `first` when none.
const char* decimalEnd(const char* first, const char* last) {
    const char* at = first;
    if (at != last && *at == '-') {
        ++at;
    }
    if (startsWithNoCase(at, last, "infinity")) {
        return at + 8;
    }
    if (startsWithNoCase(at, last, "inf")) {
        return at + 3;
    }
    if (startsWithNoCase(at, last, "nan")) {
        at += 3;
        if (at != last && *at == '(') {
            const char* close = at + 1;
            while (close != last && (isDigit(*close) || *close == '_' ||
                                     ((*close | 0x20) >= 'a' && (*close | 0x20) <= 'z'))) {
                ++close;
            }
            if (close != last && *close == ')') {
                return close + 1;
            }
        }
        return at;
    }
    bool digits = false;
    while (at != last && isDigit(*at)) {
        ++at;
        digits = true;
    }
    if (at != last && *at == '.') {
        ++at;
        while (at != last && isDigit(*at)) {
            ++at;
            digits = true;
        }
    }
    if (!digits) {
        return first;
    }
    if (at != last && (*at == 'e' || *at == 'E')) {
        const char* exponent = at + 1;
        if (exponent != last && (*exponent == '+' || *exponent == '-')) {
            ++exponent;
        }
        if (exponent != last && isDigit(*exponent)) {
            while (exponent != last && isDigit(*exponent)) {
                ++exponent;
            }
            at = exponent;
        }
    }
    return at;
}

} // namespace

char* writeDecimal(char* first, char* last, double value, int precision) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.*g", precision, value);
    return copyOut(first, last, text, length);
}

char* writeShortestDecimal(char* first, char* last, double value) {
    if (!std::isfinite(value) || value == 0) {
        return writeDecimal(first, last, value, 1);
    }
    // The fewest significant digits that read back as the value.
    char scientific[64];
    int digits = 1;
    for (; digits < 17; ++digits) {
        std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, value);
        if (std::strtod(scientific, nullptr) == value) {
            break;
        }
    }
    std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, value);
    // Split "-d.ddde+XX" into its digits and decimal exponent.
    const bool negative = value < 0;
    std::string mantissa;
    const char* at = scientific + (negative ? 1 : 0);
    for (; *at != 'e'; ++at) {
        if (*at != '.') {
            mantissa += *at;
        }
    }
    const int exponent = std::atoi(at + 1);
    // Scientific as std::to_chars writes it: no point for one digit, at least two exponent digits.
    std::string science = negative ? "-" : "";
    science += mantissa.substr(0, 1);
    if (mantissa.size() > 1) {
        science += '.';
        science += mantissa.substr(1);
    }
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "e%c%02d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    science += exponentText;
    // Plain: the same digits around a point, padded with zeros.
    std::string plain = negative ? "-" : "";
    const int count = int(mantissa.size());
    if (exponent < 0) {
        plain += "0.";
        plain.append(std::size_t(-exponent - 1), '0');
        plain += mantissa;
    } else if (exponent + 1 >= count) {
        plain += mantissa;
        plain.append(std::size_t(exponent + 1 - count), '0');
    } else {
        plain += mantissa.substr(0, std::size_t(exponent + 1));
        plain += '.';
        plain += mantissa.substr(std::size_t(exponent + 1));
    }
    // The shorter wins; plain on a tie.
    const std::string& chosen = science.size() < plain.size() ? science : plain;
    return copyOut(first, last, chosen.data(), int(chosen.size()));
}

DecimalRead readDecimal(const char* first, const char* last, double& value) {
    const char* end = decimalEnd(first, last);
    if (end == first) {
        return {first, std::errc::invalid_argument};
    }
    const std::string text(first, end);
    errno = 0;
    const double read = std::strtod(text.c_str(), nullptr);
    // Out of range is a result too large for a real or one that vanishes to 0; the value is then
    // left alone, as std::from_chars leaves it.
    if (errno == ERANGE && (std::isinf(read) || read == 0)) {
        return {end, std::errc::result_out_of_range};
    }
    value = read;
    return {end, std::errc()};
}

#endif
