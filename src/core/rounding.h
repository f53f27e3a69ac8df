// Reals to whole numbers as the game converts them to 16 bits: saved games and scroll bars.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Rounds to the nearest whole number, halves to the even one.
double roundHalfEven(double value);

// A value as a scroll bar can hold it: rounded to the nearest whole number, halves to the even
// one, at most 32767 and at least -32768; NaN holds 0.
std::int16_t barRange(double value);
