// Pasted text in the amount boxes: whatever reaches a trade or a hire, the treasury, the stocks
// and the army never go below zero and never stop being numbers.
//
// Input: the first byte picks a kingdom ("0" to "8", the others wrap around); then one line per
// action, its first byte the action modulo 12 and the rest of the line the box's text. In digits:
// "0" to "3" buy gold, land, grain, oil by typed amount, "4" to "7" sell them, "8" hires by typed
// number, "9" buys and ":" sells by bar (the good taken in turn), ";" hires by bar; a bar's
// position is drawn from the line's text.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/random.h"
#include "fuzz_check.h"
#include "market/market.h"
#include "market/trade.h"
#include "sim/new_game.h"
#include "war/mercenaries.h"

namespace {

KingdomState kingdom(std::uint8_t choice) {
    KingdomState s;
    ClockRandom random(choice);
    initKingdom(s, random);
    switch (choice % 9) {
    case 0: // as a new game leaves it
        break;
    case 1: // a treasury below every price
        s.money = 29;
        break;
    case 2: // a grain stock with a fraction, as a good harvest leaves it
        s.grain = 100.7;
        s.money = 123456;
        break;
    case 3: // more than a bar can reach
        s.money = 5e6;
        s.gold = s.land = s.grain = s.oil = 40000;
        break;
    case 4: // the largest whole numbers a real holds exactly
        s.money = 9007199254740991.0;
        s.gold = s.land = s.grain = s.oil = 9007199254740991.0;
        break;
    case 5: // beyond them: a loaded game can carry such numbers
        s.money = 1e18;
        s.gold = s.land = s.grain = s.oil = 3.3e17;
        break;
    case 6: // empty stocks and an empty treasury
        s.money = 0;
        s.gold = s.land = s.grain = s.oil = 0;
        break;
    case 7: // near the top of what a real holds
        s.money = 1e300;
        s.gold = s.land = s.grain = s.oil = 1e304;
        break;
    default: // a treasury beyond the whole numbers a real holds exactly: quotients round
        s.money = 17111152904512062.0;
        s.landPrice = 83;
        break;
    }
    return s;
}

bool allFinite(const KingdomState& s) {
    for (double v : {s.money, s.gold, s.land, s.grain, s.oil, s.soldiers, s.typedAmount, s.tradeSum,
                     s.mercenariesAffordable}) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

bool noneNegative(const KingdomState& s) {
    return s.money >= 0 && s.gold >= 0 && s.land >= 0 && s.grain >= 0 && s.oil >= 0 &&
           s.soldiers >= 0;
}

// A refusal or an ignored press changes nothing the player owns.
bool sameHoldings(const KingdomState& a, const KingdomState& b) {
    return a.money == b.money && a.gold == b.gold && a.land == b.land && a.grain == b.grain &&
           a.oil == b.oil && a.soldiers == b.soldiers;
}

// The bar position an action's text stands for, inside the bar's range.
int barPosition(std::string_view text, int maximum) {
    if (maximum <= 0) {
        return 0;
    }
    unsigned value = 0;
    for (char c : text) {
        value = value * 31 + static_cast<unsigned char>(c);
    }
    return static_cast<int>(value % (static_cast<unsigned>(maximum) + 1));
}

void checkParse(std::string_view text) {
    const std::optional<double> amount = parseAmount(text);
    if (!amount) {
        return;
    }
    FUZZ_CHECK(isDigitRun(text), "only a run of digits is an amount");
    FUZZ_CHECK(std::isfinite(*amount) && *amount >= 0, "an amount is a finite whole number >= 0");
    FUZZ_CHECK(std::floor(*amount) == *amount, "an amount is a whole number");
}

void typedTrade(KingdomState& state, int action, std::string_view text) {
    const KingdomState before = state;
    TradeResult result = TradeResult::Ignored;
    double* stock = nullptr;
    double price = 0;
    if (action < 8) {
        const Good good = kGoods[std::size_t(action % 4)];
        stock = &stockOf(state, good);
        price = priceOf(state, good);
        result = action < 4 ? buyTyped(state, good, text) : sellTyped(state, good, text);
    } else {
        price = state.mercenaryPrice;
        stock = &state.soldiers;
        result = hireTyped(state, text);
    }
    if (result != TradeResult::Done) {
        FUZZ_CHECK(sameHoldings(before, state), "a refused or ignored trade changes nothing");
        return;
    }
    const std::optional<double> amount = parseAmount(text);
    FUZZ_CHECK(amount.has_value(), "a trade that ran had an amount");
    FUZZ_CHECK(state.typedAmount == *amount, "typedAmount holds the amount traded");
    const double value = std::floor(*amount * price);
    const bool selling = action >= 4 && action < 8;
    FUZZ_CHECK(state.money == (selling ? before.money + value : before.money - value),
               "the treasury moves by the whole value of the amount");
    const double stockBefore =
        action < 8 ? stockOf(before, kGoods[std::size_t(action % 4)]) : before.soldiers;
    FUZZ_CHECK(*stock == (selling ? stockBefore - *amount : stockBefore + *amount),
               "the stock moves by the amount");
}

void barTrade(KingdomState& state, int action, int step, std::string_view text) {
    const MarketLimits limits = refreshMarket(state);
    if (action == 11) {
        hireByBar(state, barPosition(text, mercenaryLimits(state).barMax));
        return;
    }
    // The good of a bar trade is picked by the step, so every good meets both kinds of bar.
    const Good good = kGoods[std::size_t(step % 4)];
    const std::size_t i = std::size_t(goodIndex(good));
    if (action == 9) {
        buyByBar(state, good, barPosition(text, limits.buyBarMax[i]));
    } else {
        sellByBar(state, good, barPosition(text, limits.sellBarMax[i]));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // "0" picks the first kingdom, "8" the last.
    KingdomState state = kingdom(static_cast<std::uint8_t>(data[0] - '0'));
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    FUZZ_CHECK(allFinite(state) && noneNegative(state), "the kingdom starts sound");

    std::size_t pos = 0;
    int step = 0;
    while (pos < input.size()) {
        std::size_t end = input.find('\n', pos);
        if (end == std::string_view::npos) {
            end = input.size();
        }
        const std::string_view line = input.substr(pos, end - pos);
        pos = end + 1;
        if (line.empty()) {
            continue;
        }
        const int action = static_cast<unsigned char>(line[0]) % 12;
        const std::string_view text = line.substr(1);
        checkParse(text);
        if (action < 9) {
            typedTrade(state, action, text);
        } else {
            barTrade(state, action, step, text);
        }
        FUZZ_CHECK(allFinite(state), "every holding stays a finite number");
        FUZZ_CHECK(noneNegative(state), "no holding goes below zero");
        ++step;
    }
    return 0;
}
