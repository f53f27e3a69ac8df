// The program's entry: it owns the kingdom, the table of the best kings, the random source and the
// platform, and hands them to the game controller.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QLocale>

#include "core/kingdom_state.h"
#include "core/random.h"
#include "ui/shell/application.h"
#include "ui/shell/game_controller.h"
#include "ui/shell/qt_platform.h"

namespace {

bool environmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Without a display Qt aborts with a long message; one clear line serves the player better.
bool displayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD) || defined(Q_OS_OPENBSD) || defined(Q_OS_NETBSD)
    return environmentSet("DISPLAY") || environmentSet("WAYLAND_DISPLAY") ||
           environmentSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs("veloria: нет графического дисплея для окон игры / no graphical display found "
                   "(DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are all unset)\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    prepareApplication();
    // The desktop's language, when the game has a translation for it; Russian otherwise.
    installTranslation(QLocale::system());

    KingdomState state;
    HallOfFame hall;
    ClockRandom random;
    QtPlatform platform;
    GameContext context{state, hall, random, platform};
    GameController controller(context);
    controller.start();
    return QApplication::exec();
}
