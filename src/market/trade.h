// Buying and selling the four goods, by bar and by typed amount; the amount boxes' key rule.
#pragma once

#include <optional>
#include <string_view>

#include "market/goods.h"
#include "sim/kingdom_state.h"

enum class TradeResult {
    Ignored, // nothing happens, silently; the box keeps its text
    Refused, // the box is emptied and the beep sounds; nothing changes but typedAmount, which
             // holds the refused number when the text was one
    Done,    // the trade ran (also for an amount of 0): empty the box, refresh the panels
};

// The bar trades take the value the bar stands at.
TradeResult buyByBar(KingdomState& state, Good good, int barValue);
TradeResult sellByBar(KingdomState& state, Good good, int barValue);

// The typed trades take the box's text. Text that is not a run of digits (it can only be
// pasted) or a number too large for a real is refused like an unaffordable amount.
TradeResult buyTyped(KingdomState& state, Good good, std::string_view text);
TradeResult sellTyped(KingdomState& state, Good good, std::string_view text);

// The amount a box holds, or nothing when the text is not a finite run of digits.
std::optional<double> parseAmount(std::string_view text);

// Backspace and the digits pass; every other character is refused with a beep.
bool amountKeyAccepted(char32_t character);
