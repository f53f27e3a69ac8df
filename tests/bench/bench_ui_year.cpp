// One press of «Дальше» handled and painted, through the real main window (offscreen).
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "../support/fake_platform.h"
#include "core/kingdom_state.h"
#include "core/random.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/shell/game_controller.h"
#include "window_bench_main.h"

namespace {

struct Game {
    KingdomState state;
    HallOfFame hall;
    ClockRandom random{42};
    FakePlatform platform;
    GameContext context{state, hall, random, platform};
    GameController controller{context};
    MainWindow* window = nullptr;
    QPushButton* next = nullptr;
    KingdomState startOfYear;

    Game() {
        controller.start();
        NameDialog* dialog = controller.nameDialog();
        dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Иван"));
        dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        window = controller.mainWindow();
        next = window->findChild<QPushButton*>(QStringLiteral("dalshe"));
        // Every press replays the same healthy year: no war, no end of the reign.
        state.lastPeaceYear = 1e9;
        state.land = 1e6;
        state.grain = 1e6;
        startOfYear = state;
        QApplication::processEvents();
    }
};

void BM_NextYearPressedAndPainted(benchmark::State& run) {
    Game game;
    for (auto _ : run) {
        game.state = game.startOfYear;
        game.next->click();
        // The window paints what the press changed, as the event loop would right after it.
        QApplication::processEvents();
    }
}
BENCHMARK(BM_NextYearPressedAndPainted)->Unit(benchmark::kMicrosecond);

// The whole window drawn afresh into a picture: the dearest way to show the press.
void BM_NextYearPressedAndGrabbed(benchmark::State& run) {
    Game game;
    for (auto _ : run) {
        game.state = game.startOfYear;
        game.next->click();
        benchmark::DoNotOptimize(game.window->grab());
    }
}
BENCHMARK(BM_NextYearPressedAndGrabbed)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    return runWindowBenchmarks(argc, argv);
}
