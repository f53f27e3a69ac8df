// The amount boxes: which keys they take, which texts are amounts, and what a typed trade did.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

// What a trade or a hire by typed amount (or by bar) did.
enum class TradeResult {
    Ignored, // nothing happens, silently; the box keeps its text
    Refused, // the box is emptied and the beep sounds; nothing changes but typedAmount, which
             // holds the refused number when the text was one
    Done,    // the trade ran (also for an amount of 0): empty the box, refresh the panels
};

// A non-empty run of the digits 0-9 and nothing else: the only text the key filter lets in.
bool isDigitRun(std::string_view text);

// The amount a box holds, or nothing when the text is not a finite run of digits.
std::optional<double> parseAmount(std::string_view text);

// Backspace and the digits pass; every other character is refused with a beep.
bool amountKeyAccepted(char32_t character);
