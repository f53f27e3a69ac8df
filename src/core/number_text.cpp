// Number text: locale-independent through the decimal conversions of core/decimal.h.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"

#include "core/decimal.h"

#include <cmath>

std::string plainNumberText(double value) {
    if (value == 0) {
        value = 0; // -0 reads as 0
    }
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "Inf" : "-Inf";
    }
    char buffer[64];
    // "general" with precision 15 keeps at most 15 significant digits and drops trailing zeros.
    char* end = writeDecimal(buffer, buffer + sizeof buffer, value, 15);
    return std::string(buffer, end);
}

std::string numberText(double value) {
    std::string text = plainNumberText(value);
    if (!(value < 0)) {
        text.insert(text.begin(), ' ');
    }
    return text;
}

std::optional<double> readNumberText(std::string_view text) {
    const bool blank = text.starts_with(' ');
    const std::string_view digits = blank ? text.substr(1) : text;
    double value = 0;
    const auto [end, error] = readDecimal(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    // Only the game's own spelling reads back: anything else would be shown otherwise than written.
    if ((blank ? numberText(value) : plainNumberText(value)) != text) {
        return std::nullopt;
    }
    return value;
}
