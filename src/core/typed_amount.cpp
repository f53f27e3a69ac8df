// The amount boxes' text: digits only, read as a real.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/typed_amount.h"

#include "core/decimal.h"

#include <cmath>
#include <system_error>

bool isDigitRun(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

std::optional<double> parseAmount(std::string_view text) {
    // The key filter only lets digits in; anything else arrived by pasting.
    if (!isDigitRun(text)) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = readDecimal(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool amountKeyAccepted(char32_t character) {
    return character == 8 || (character >= U'0' && character <= U'9');
}
