// The chronicle window over a whole reign: opened and painted, and one year end added to it.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>

#include "../support/chronicle_reign.h"
#include "ui/chronicle/chronicle_window.h"
#include "window_bench_main.h"

namespace {

// A 100-year reign with 26 battles: 125 rows.
const Chronicle& fullReign() {
    static const Chronicle reign = [] {
        Chronicle chronicle;
        playFullReign(chronicle);
        return chronicle;
    }();
    return reign;
}

// The window opened on its table and report, then its chart shown, as the event loop paints them.
void BM_ChronicleOpenedAndPainted(benchmark::State& run) {
    const Chronicle& reign = fullReign();
    for (auto _ : run) {
        ChronicleWindow window(reign);
        window.show();
        QApplication::processEvents();
        window.pages()->setCurrentIndex(1);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ChronicleOpenedAndPainted)->Unit(benchmark::kMillisecond);

// The part a press of «Дальше» adds: one year end recorded, the window told and repainted, with
// the table (0) or the chart (1) shown. The reign is set back every 30 years, so each press adds
// a row as in a reign, none dropping off.
void BM_ChronicleYearAddedAndPainted(benchmark::State& run) {
    Chronicle chronicle = fullReign();
    ChronicleWindow window(chronicle);
    window.pages()->setCurrentIndex(int(run.range(0)));
    window.show();
    QApplication::processEvents();
    KingdomState state;
    state.year = 100;
    state.workers = 250;
    state.soldiers = 40;
    state.report = chronicle.entries.back().report;
    YearResult year;
    year.shownReport = state.report;
    const std::size_t start = chronicle.entries.size();
    for (auto _ : run) {
        if (chronicle.entries.size() >= start + 30) {
            run.PauseTiming();
            chronicle.entries.resize(start);
            ++chronicle.generation;
            window.chronicleChanged();
            QApplication::processEvents();
            run.ResumeTiming();
        }
        recordYearEnd(chronicle, state, year);
        window.chronicleChanged();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ChronicleYearAddedAndPainted)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    return runWindowBenchmarks(argc, argv);
}
