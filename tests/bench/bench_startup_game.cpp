// Start-up benchmark, the game's side: the program's own start in the desktop's language, ended
// once the name dialog has been painted. With --report-memory it prints its peak memory in kB
// instead of staying silent.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QLocale>

#include "core/kingdom_state.h"
#include "core/random.h"
#include "first_paint.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/shell/application.h"
#include "ui/shell/game_controller.h"
#include "ui/shell/qt_platform.h"

int main(int argc, char* argv[]) {
    const bool reportMemory = argc > 1 && std::strcmp(argv[1], "--report-memory") == 0;
    QApplication application(argc, argv);
    prepareApplication();
    // The desktop's language, as the program takes it: LANG and LANGUAGE choose what is measured.
    installTranslation(QLocale::system());

    KingdomState state;
    HallOfFame hall;
    ClockRandom random;
    QtPlatform platform;
    GameContext context{state, hall, random, platform};
    GameController controller(context);
    controller.start();
    new QuitAfterFirstPaint(controller.nameDialog());
    const int code = QApplication::exec();
    if (reportMemory) {
        std::printf("%ld\n", peakMemoryKb());
    }
    return code;
}
