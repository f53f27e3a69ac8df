// How labels, report lines and files spell numbers.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Shortest decimal form with at most 15 significant digits, '.' as decimal point whatever the
// locale, a leading blank for 0 or more and '-' for negative values: " 30", "-2", " 20.4".
std::string numberText(double value);

// The same without the leading blank: "30", "-2", "20.4".
std::string plainNumberText(double value);
