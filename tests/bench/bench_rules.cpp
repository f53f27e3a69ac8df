// How long the rules take: one year with its report, and a whole reign with a simple king.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>

#include "../support/careful_king.h"
#include "market/market.h"
#include "market/trade.h"
#include "sim/new_game.h"
#include "sim/year.h"
#include "war/battle.h"
#include "war/mercenaries.h"

namespace {
// A kingdom in its tenth year, fed and at peace, as a player would press «Дальше» in it.
KingdomState midReign() {
    KingdomState state;
    state.kingName = "Тест";
    state.workers = 120;
    state.soldiers = 60;
    state.grain = 900;
    state.land = 300;
    state.money = 25000;
    state.gold = 20;
    state.oil = 20;
    state.rating = 60;
    state.moodLevel = 3;
    state.year = 10;
    state.lastPeaceYear = 1000;
    state.mercenaryPrice = 100;
    return state;
}

} // namespace

static void oneYear(benchmark::State& bench) {
    ClockRandom random(42);
    const KingdomState start = midReign();
    for (auto _ : bench) {
        KingdomState state = start;
        YearResult result = nextYear(state, random);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(oneYear);

static void wholeReign(benchmark::State& bench) {
    ClockRandom random(42);
    long years = 0;
    long reigns = 0;
    for (auto _ : bench) {
        KingdomState state;
        state.kingName = "Тест";
        initKingdom(state, random);
        // A treasury that pays for the whole reign, so that every game lasts its 100 years.
        state.money = 1e13;
        for (int press = 0; press < 200; ++press) {
            carefulKing(state, 2);
            const YearResult result = nextYear(state, random);
            ++years;
            if (result.battle) {
                benchmark::DoNotOptimize(trophyGoodsText(*result.battle));
                benchmark::DoNotOptimize(closeBattle(state));
            }
            if (result.stoppedBeforeHarvest || result.starved || result.overthrown ||
                result.reignComplete) {
                break;
            }
        }
        ++reigns;
        benchmark::DoNotOptimize(state);
    }
    bench.counters["presses per reign"] =
        benchmark::Counter(static_cast<double>(years) / static_cast<double>(reigns));
}
BENCHMARK(wholeReign)->Unit(benchmark::kMicrosecond);
