// The goods table: each good's stock, price and purchase maximum in the kingdom's record.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "market/goods.h"

namespace {
struct GoodFields {
    double KingdomState::*stock;
    double KingdomState::*price;
    double KingdomState::*purchaseMax;
};

constexpr std::array<GoodFields, 4> kGoodFields = {{
    {&KingdomState::gold, &KingdomState::goldPrice, &KingdomState::goldMax},
    {&KingdomState::land, &KingdomState::landPrice, &KingdomState::landMax},
    {&KingdomState::grain, &KingdomState::grainPrice, &KingdomState::grainMax},
    {&KingdomState::oil, &KingdomState::oilPrice, &KingdomState::oilMax},
}};

constexpr const GoodFields& fieldsOf(Good good) {
    return kGoodFields[goodIndex(good)];
}
} // namespace

double& stockOf(KingdomState& state, Good good) {
    return state.*fieldsOf(good).stock;
}
double stockOf(const KingdomState& state, Good good) {
    return state.*fieldsOf(good).stock;
}
double& priceOf(KingdomState& state, Good good) {
    return state.*fieldsOf(good).price;
}
double priceOf(const KingdomState& state, Good good) {
    return state.*fieldsOf(good).price;
}
double& purchaseMaxOf(KingdomState& state, Good good) {
    return state.*fieldsOf(good).purchaseMax;
}
double purchaseMaxOf(const KingdomState& state, Good good) {
    return state.*fieldsOf(good).purchaseMax;
}

RuleText goodCaptionTemplate(Good good) {
    constexpr std::array<RuleText, 4> kCaptions = {
        RULE_TEXT("RuleTexts", "Золото: "), RULE_TEXT("RuleTexts", "Земля: "),
        RULE_TEXT("RuleTexts", "Зерно: "), RULE_TEXT("RuleTexts", "Нефть: ")};
    return kCaptions[goodIndex(good)];
}

std::string_view goodCaption(Good good) {
    return goodCaptionTemplate(good).source;
}
