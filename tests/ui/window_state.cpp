// Opens one window of the game in a chosen state and keeps it open for a tool that looks at it
// from outside (the accessibility checks): veloria_window_state <state>, or --list.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSocketNotifier>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "core/kingdom_state.h"
#include "core/random.h"
#include "support/chronicle_reign.h"
#include "support/fake_platform.h"
#include "ui/base/message_box.h"
#include "ui/chronicle/chronicle_table.h"
#include "ui/chronicle/chronicle_window.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/help/help.h"
#include "ui/help/help_viewer.h"
#include "ui/i18n/rule_texts.h"
#include "ui/main_window/main_window.h"
#include "ui/shell/application.h"
#include "ui/shell/game_controller.h"

namespace {

template <typename T> T* child(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

// What the states share: a game as the program runs it, with a platform that shows nothing.
struct Game {
    KingdomState state;
    HallOfFame hall;
    ClockRandom random{20261208};
    FakePlatform platform;
    QTemporaryDir noScores;
    GameContext context{state, hall, random, platform,
                        noScores.filePath(QStringLiteral("scores.tab"))};
    GameController controller{context};
    Chronicle reign; // the chronicle states' long reign

    MainWindow* main() {
        controller.start();
        NameDialog* dialog = controller.nameDialog();
        child<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("Всеволод"));
        child<QPushButton>(dialog, "Command1")->click();
        return controller.mainWindow();
    }
    void press(MainWindow* window, const char* button) {
        child<QPushButton>(window, button)->click();
    }
    // A quiet year: the war is put off so that the report shows.
    MainWindow* afterYear() {
        MainWindow* window = main();
        state.lastPeaceYear = 50;
        press(window, "dalshe");
        return window;
    }
    // A war that falls due at the end of year 1, «Дальше» not pressed yet.
    MainWindow* warDue() {
        MainWindow* window = main();
        state.lastPeaceYear = 0;
        state.warCountdown = 1;
        state.enemyArmy = state.soldiers - 3;
        return window;
    }
    MainWindow* battle() {
        MainWindow* window = warDue();
        press(window, "dalshe");
        return window;
    }
    // A window the main window opens over itself, found by its name.
    QWidget* over(void (GameController::*open)(), const char* name) {
        MainWindow* window = main();
        (controller.*open)();
        return window->findChild<QWidget*>(QLatin1String(name));
    }
    // A message as the game shows one at the end of a reign, over the main window.
    QWidget* message() {
        MainWindow* window = main();
        auto* box =
            new MessageBox(window, window->windowTitle(), ruletext::overthrowMessage(), false);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
        return box;
    }
    // The rules at their first topic, as F1 shows them.
    QWidget* help() {
        auto* viewer = new HelpViewer;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->showHelp(nullptr, helpFilePath(), helpcmd::kContext, helpcmd::kRulesTopic);
        return viewer;
    }
    ChronicleWindow* chronicle(int page) {
        playFullReign(reign);
        auto* window = new ChronicleWindow(reign);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->pages()->setCurrentIndex(page);
        window->show();
        window->table()->setCurrentRow(60);
        if (page == 0) {
            window->table()->setFocus();
        }
        return window;
    }
};

using State = std::function<QWidget*(Game&)>;

// Each state as the screenshot tool shows it; the window returned is the one to look at.
const std::map<std::string, State>& states() {
    static const std::map<std::string, State> all = {
        {"name_dialog",
         [](Game& g) -> QWidget* {
             g.controller.start();
             return g.controller.nameDialog();
         }},
        {"main_buy", [](Game& g) -> QWidget* { return g.main(); }},
        {"main_sell",
         [](Game& g) -> QWidget* {
             MainWindow* window = g.main();
             g.press(window, "Sale");
             return window;
         }},
        {"main_mercenaries",
         [](Game& g) -> QWidget* {
             MainWindow* window = g.main();
             g.press(window, "naemniki");
             return window;
         }},
        {"main_report", [](Game& g) -> QWidget* { return g.afterYear(); }},
        {"main_war_due", [](Game& g) -> QWidget* { return g.warDue(); }},
        {"main_battle", [](Game& g) -> QWidget* { return g.battle(); }},
        {"main_after_battle",
         [](Game& g) -> QWidget* {
             MainWindow* window = g.battle();
             g.press(window, "Command3");
             return window;
         }},
        {"save_dialog", [](Game& g) { return g.over(&GameController::openSaveDialog, "Form3"); }},
        {"load_dialog", [](Game& g) { return g.over(&GameController::openLoadDialog, "Form4"); }},
        {"about_box", [](Game& g) { return g.over(&GameController::openAboutBox, "Form2"); }},
        {"hall_of_fame", [](Game& g) { return g.over(&GameController::openTable, "Form7"); }},
        {"message_box", [](Game& g) { return g.message(); }},
        {"help", [](Game& g) { return g.help(); }},
        {"chronicle", [](Game& g) -> QWidget* { return g.chronicle(0); }},
        {"chronicle_chart", [](Game& g) -> QWidget* { return g.chronicle(1); }},
    };
    return all;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string name = argc == 2 ? argv[1] : "";
    if (name == "--list") {
        for (const auto& [state, open] : states()) {
            std::printf("%s\n", state.c_str());
        }
        return 0;
    }
    const auto found = states().find(name);
    if (found == states().end()) {
        std::fprintf(stderr, "usage: veloria_window_state <state> | --list\n");
        return 2;
    }
    QApplication application(argc, argv);
    prepareApplication();
    Game game;
    QWidget* window = found->second(game);
    window->raise();
    window->activateWindow();
    // The tool reads "ready" once the window is on the screen, and closes our input to end us.
    QTimer::singleShot(0, [window] {
        window->activateWindow();
        std::printf("ready %s\n", qPrintable(window->objectName()));
        std::fflush(stdout);
    });
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input] {
        char buffer[64];
        if (std::fread(buffer, 1, 1, stdin) == 0) {
            input.setEnabled(false);
            QApplication::quit();
        }
    });
    return QApplication::exec();
}
