// How labels, report lines and files spell numbers.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Shortest decimal form with at most 15 significant digits, '.' as decimal point whatever the
// locale, a leading blank for 0 or more and '-' for negative values: " 30", "-2", " 20.4".
std::string numberText(double value);

// The same without the leading blank: "30", "-2", "20.4".
std::string plainNumberText(double value);

// The value a number text or plain number text stands for (one leading blank allowed), when the
// text is exactly how the game writes that value: "7" and " 7" but not "07", "+7" or "7.0".
std::optional<double> readNumberText(std::string_view text);
