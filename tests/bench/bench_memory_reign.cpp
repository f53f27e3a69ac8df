// Peak memory of the game after a whole reign of 100 years played through the main window
// (offscreen): prints VmHWM in kB. With --stages it also reports, on standard error, the peak and
// resident memory and the heap at each stage of the run, to show where the memory goes; with
// --chronicle the chronicle window is open beside the game from the first year, on its table
// until year 50 and on its chart after it.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdio>
#include <cstring>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "../support/fake_platform.h"
#include "core/kingdom_state.h"
#include "core/random.h"
#include "first_paint.h"
#include "storage/scores.h"
#include "ui/chronicle/chronicle_window.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/shell/application.h"
#include "ui/shell/game_controller.h"

namespace {

bool g_stages = false;
bool g_chronicle = false;

void stage(const char* name) {
    if (!g_stages) {
        return;
    }
    long heapInUse = -1;
    long heapFree = -1;
#if defined(__GLIBC__)
    const struct mallinfo2 heap = mallinfo2();
    heapInUse = static_cast<long>((heap.uordblks + heap.hblkhd) / 1024);
    heapFree = static_cast<long>(heap.fordblks / 1024);
#endif
    std::fprintf(stderr, "%-28s VmHWM %6ld  VmRSS %6ld  heap in use %6ld  heap free %6ld kB\n",
                 name, peakMemoryKb(), procStatusKb("VmRSS"), heapInUse, heapFree);
}

} // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        g_stages = g_stages || std::strcmp(argv[i], "--stages") == 0;
        g_chronicle = g_chronicle || std::strcmp(argv[i], "--chronicle") == 0;
    }
    QApplication application(argc, argv);
    prepareApplication();
    // The desktop's language, as the program takes it: LANG and LANGUAGE choose what is measured.
    installTranslation(QLocale::system());
    stage("application");

    KingdomState state;
    HallOfFame hall;
    ClockRandom random(7);
    FakePlatform platform;
    // The king who completes the reign joins a copy of the table, not the one beside the program.
    QTemporaryDir scratch;
    const QString scores = scratch.filePath(QStringLiteral("scores.tab"));
    QFile::copy(scoresFilePath(), scores);
    GameContext context{state, hall, random, platform, scores};
    GameController controller(context);
    controller.start();
    QApplication::processEvents();
    stage("name dialog shown");
    NameDialog* dialog = controller.nameDialog();
    dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Иван"));
    dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    MainWindow* window = controller.mainWindow();
    window->show();
    QApplication::processEvents();
    stage("main window shown");
    if (g_chronicle) {
        // The chronicle open beside the game from the first year, following every year end.
        controller.openChronicle();
        QApplication::processEvents();
        stage("chronicle shown");
    }

    auto* next = window->findChild<QPushButton*>(QStringLiteral("dalshe"));
    auto* peace = window->findChild<QPushButton*>(QStringLiteral("Command3"));
    int presses = 0;
    bool reportedYear99 = false;
    // A careful king: enough land and grain every year, so that the reign lasts.
    while (platform.messages.empty() && presses < 1000) {
        const double people = state.workers + state.soldiers;
        state.land = std::max(state.land, people + 10);
        state.grain = std::max(state.grain, 3 * people);
        if (peace->isVisible()) {
            peace->click();
        } else {
            if (g_chronicle && state.year == 50) {
                controller.chronicleWindow()->pages()->setCurrentIndex(1);
            }
            if (state.year == 99 && !reportedYear99) {
                reportedYear99 = true;
                stage("year 99");
            }
            next->click();
            ++presses;
        }
        QApplication::processEvents();
    }
    QApplication::processEvents();
    stage("year 100, table shown");
    if (state.year != 100) {
        std::fprintf(stderr, "the reign ended in year %g\n", state.year);
        return 1;
    }
    std::printf("%ld\n", peakMemoryKb());
    return 0;
}
