// Buying and selling the four goods, by bar and by typed amount.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/kingdom_state.h"
#include "core/typed_amount.h"
#include "market/goods.h"

// The bar trades take the value the bar stands at.
TradeResult buyByBar(KingdomState& state, Good good, int barValue);
TradeResult sellByBar(KingdomState& state, Good good, int barValue);

// The typed trades take the box's text. Text that is not a run of digits (it can only be
// pasted) or a number too large for a real is refused like an unaffordable amount.
TradeResult buyTyped(KingdomState& state, Good good, std::string_view text);
TradeResult sellTyped(KingdomState& state, Good good, std::string_view text);
