// The four goods and their fields in the kingdom's record.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "core/kingdom_state.h"
#include "core/rule_text.h"

enum class Good { Gold = 0, Land = 1, Grain = 2, Oil = 3 };

inline constexpr std::array<Good, 4> kGoods = {Good::Gold, Good::Land, Good::Grain, Good::Oil};

inline constexpr int goodIndex(Good good) {
    return static_cast<int>(good);
}

double& stockOf(KingdomState& state, Good good);
double stockOf(const KingdomState& state, Good good);
double& priceOf(KingdomState& state, Good good);
double priceOf(const KingdomState& state, Good good);
double& purchaseMaxOf(KingdomState& state, Good good);
double purchaseMaxOf(const KingdomState& state, Good good);

// The panel caption's name text: "Золото: ", "Земля: ", "Зерно: ", "Нефть: ".
// The stock's number text follows it.
RuleText goodCaptionTemplate(Good good);
std::string_view goodCaption(Good good);

// Trades of land and grain change what the status column compares with the people's needs.
inline constexpr bool tradeRefreshesStatus(Good good) {
    return good == Good::Land || good == Good::Grain;
}
