// How long saving and loading one game takes: the record in memory, and the file on disk.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "market/market.h"
#include "market/trade.h"
#include "reign/bar_maxima.h"
#include "sim/new_game.h"
#include "sim/year.h"
#include "storage/saved_game.h"

namespace {
// A game in its thirtieth year with a full report and a hall of fame, as a player saves it.
struct SavedGameFixture {
    KingdomState state;
    HallOfFame hall;
    BarMaxima bars{};

    SavedGameFixture() {
        ClockRandom random(42);
        state.kingName = "Ярослав Мудрый";
        initKingdom(state, random);
        state.money = 1e7;
        while (state.year < 30) {
            refreshMarket(state);
            const double people = state.workers + state.soldiers;
            buyTyped(state, Good::Land, std::to_string(static_cast<long long>(people + 2)));
            buyTyped(state, Good::Grain, std::to_string(static_cast<long long>(people * 3 + 2)));
            const YearResult result = nextYear(state, random);
            if (result.battle) {
                closeBattle(state);
            }
            if (result.overthrown || result.starved || result.stoppedBeforeHarvest) {
                break;
            }
            if (result.shownReport) {
                state.report = *result.shownReport; // saved with last year's report in it
            }
        }
        for (int i = 0; i < 10; ++i) {
            hall.bestNames[std::size_t(i)] = "Король номер " + std::to_string(i + 1);
            hall.bestScores[std::size_t(i)] = 100 - 10 * i;
        }
        bars = currentBarMaxima(state);
    }
};
} // namespace

static void writeRecord(benchmark::State& bench) {
    const SavedGameFixture game;
    for (auto _ : bench) {
        std::string bytes = writeSavedGame(game.state, game.hall, game.bars);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(writeRecord)->Unit(benchmark::kMicrosecond);

static void readRecord(benchmark::State& bench) {
    const SavedGameFixture game;
    const std::string bytes = writeSavedGame(game.state, game.hall, game.bars);
    for (auto _ : bench) {
        SavedGameRecordRead loaded = readSavedGame(bytes, game.state);
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(readRecord)->Unit(benchmark::kMicrosecond);

// The save button: the record, a temporary file and its rename over the old one.
static void saveGameFile(benchmark::State& bench) {
    const SavedGameFixture game;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("game.txt"));
    for (auto _ : bench) {
        std::optional<QString> failure = saveGame(path, game.state, game.hall, game.bars);
        benchmark::DoNotOptimize(failure);
    }
}
BENCHMARK(saveGameFile)->Unit(benchmark::kMicrosecond);

// The load button: the file read whole and its record read over the running game.
static void loadGameFile(benchmark::State& bench) {
    const SavedGameFixture game;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("game.txt"));
    saveGame(path, game.state, game.hall, game.bars);
    for (auto _ : bench) {
        GameLoad loaded = loadGame(path, game.state);
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(loadGameFile)->Unit(benchmark::kMicrosecond);
