// A thousand reigns of 100 years in one process through the windows, offscreen: prints the peak
// and the resident memory after every hundred reigns, so that growth shows between the first and
// the last hundred. Usage: bench_window_soak [reigns]
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>

#include <malloc.h>

#include <QApplication>
#include <QPixmapCache>

#include "../soak/window_driver.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    prepareApplication();
    const int reigns = argc > 1 ? std::atoi(argv[1]) : 1000;
    // The style keeps what it painted in the pixmap cache, keyed by each widget's palette, and
    // Qt 6.4 never forgets the key of an entry it has dropped: every new window with coloured
    // controls leaves a few kB behind. A second argument sets the cache's limit in kB; 0 turns
    // it off, which leaves only the memory the game itself holds.
    if (argc > 2) {
        QPixmapCache::setCacheLimit(std::atoi(argv[2]));
    }

    WindowDriver driver(1);
    driver.start();
    int completed = 0;
    long presses = 0;
    long firstHundredRss = -1;
    std::printf("%8s %10s %10s %10s %10s %8s\n", "reigns", "VmHWM kB", "VmRSS kB", "heap kB",
                "presses", "widgets");
    for (int reign = 1; reign <= reigns; ++reign) {
        const ReignRecord record = driver.playReign(QStringLiteral("Король %1").arg(reign));
        if (!record.problem.empty()) {
            std::fprintf(stderr, "reign %d, year %g: %s\n", reign, record.lastYear,
                         record.problem.c_str());
            return 1;
        }
        completed += record.reachedHundred ? 1 : 0;
        presses += record.presses;
        if (reign % 100 == 0 || reign == reigns) {
            const long rss = procStatusKb("VmRSS");
            if (firstHundredRss < 0) {
                firstHundredRss = rss;
            }
            // The bytes malloc has handed out and not had back: growth here is memory held, not
            // the allocator's fragmentation.
            const long heap = static_cast<long>(mallinfo2().uordblks / 1024);
            std::printf("%8d %10ld %10ld %10ld %10ld %8lld\n", reign, procStatusKb("VmHWM"), rss,
                        heap, presses, static_cast<long long>(QApplication::allWidgets().size()));
            std::fflush(stdout);
        }
    }
    const long lastRss = procStatusKb("VmRSS");
    std::printf("%d of %d reigns reached year 100; resident memory after the last hundred is "
                "%.3f of that after the first\n",
                completed, reigns, double(lastRss) / double(firstHundredRss));
    return 0;
}
