// Saves pictures of the name dialog, of the main window in each of its states, of the other
// windows, the rules and the messages, and of the chronicle of a long reign, to look at them as a
// player would: veloria_screenshots [--language <code>] <folder>, in Russian or in a translation.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstring>
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWidget>

#include "core/kingdom_state.h"
#include "core/random.h"
#include "support/chronicle_reign.h"
#include "support/fake_platform.h"
#include "ui/art/art.h"
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

bool save(QWidget* window, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

template <typename T> T* child(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

// The chronicle after a long reign with wars: its table, its chart with all its series and with
// three; and an empty one.
bool chronicleShots(const QDir& folder) {
    Chronicle chronicle;
    playFullReign(chronicle);
    ChronicleWindow window(chronicle);
    window.show();
    window.table()->setCurrentRow(60);
    bool ok = save(&window, folder, QStringLiteral("chronicle_reign"));
    window.pages()->setCurrentIndex(1);
    ok = save(&window, folder, QStringLiteral("chronicle_chart")) && ok;
    for (const char* hidden : {"chronicleSeries_population", "chronicleSeries_workers",
                               "chronicleSeries_land", "chronicleSeries_grain"}) {
        child<QCheckBox>(&window, hidden)->setChecked(false);
    }
    ok = save(&window, folder, QStringLiteral("chronicle_three_series")) && ok;
    const Chronicle empty;
    ChronicleWindow fresh(empty);
    fresh.show();
    return save(&fresh, folder, QStringLiteral("chronicle_empty")) && ok;
}

// The rules at their first topic, as F1 opens them.
bool helpShot(const QDir& folder) {
    HelpViewer viewer;
    viewer.showHelp(nullptr, helpFilePath(), helpcmd::kContext, helpcmd::kRulesTopic);
    return save(&viewer, folder, QStringLiteral("help_viewer"));
}

// The messages that end a reign, over the main window as the game shows them.
bool messageShots(QWidget* window, const QDir& folder) {
    bool ok = true;
    for (const auto& [name, text] : {std::pair{"message_rating", ruletext::ratingMessage(317)},
                                     std::pair{"message_overthrown", ruletext::overthrowMessage()},
                                     std::pair{"message_starved", ruletext::starvationMessage()}}) {
        MessageBox box(window, window->windowTitle(), text, false);
        box.show();
        ok = save(&box, folder, QLatin1String(name)) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool languageGiven = argc == 4 && std::strcmp(argv[1], "--language") == 0;
    if (argc != 2 && !languageGiven) {
        std::fprintf(stderr, "usage: veloria_screenshots [--language <code>] <folder>\n");
        return 2;
    }
    QApplication application(argc, argv);
    prepareApplication(); // the game's own style, as the program starts
    if (languageGiven) {
        const QLocale locale(QString::fromLocal8Bit(argv[2]));
        if (locale.language() != QLocale::Russian && installTranslation(locale).isEmpty()) {
            std::fprintf(stderr, "the game has no translation for %s\n", argv[2]);
            return 2;
        }
    }
    const QDir folder(QString::fromLocal8Bit(argv[argc - 1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[argc - 1]);
        return 1;
    }

    KingdomState state;
    HallOfFame hall;
    ClockRandom random(20261208);
    FakePlatform platform;
    // The table shows its design rows, whatever the player's own table holds.
    const QTemporaryDir noScores;
    GameContext context{state, hall, random, platform,
                        noScores.filePath(QStringLiteral("scores.tab"))};
    GameController controller(context);
    controller.start();

    NameDialog* dialog = controller.nameDialog();
    child<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("Всеволод"));
    bool ok = save(dialog, folder, QStringLiteral("name_dialog"));
    child<QPushButton>(dialog, "Command1")->click();

    MainWindow* window = controller.mainWindow();
    child<QScrollBar>(window, "scroll1_1")->setValue(12);
    child<QLineEdit>(window, "Text3")->setText(QStringLiteral("40"));
    ok = save(window, folder, QStringLiteral("main_window_buy")) && ok;

    child<QPushButton>(window, "Sale")->click();
    child<QScrollBar>(window, "scroll2")->setValue(25);
    ok = save(window, folder, QStringLiteral("main_window_sell")) && ok;

    child<QPushButton>(window, "naemniki")->click();
    child<QScrollBar>(window, "scroll4")->setValue(37);
    ok = save(window, folder, QStringLiteral("main_window_mercenaries")) && ok;

    // A quiet year: the war is put off so that the report shows.
    state.lastPeaceYear = 50;
    child<QPushButton>(window, "dalshe")->click();
    ok = save(window, folder, QStringLiteral("main_window_report")) && ok;

    // A year whose end announces a war: the longest line a report has.
    state.lastPeaceYear = 1;
    state.warCountdown = 0;
    child<QPushButton>(window, "dalshe")->click();
    ok = save(window, folder, QStringLiteral("main_window_war_announced")) && ok;

    // A war that falls due at this year end.
    state.lastPeaceYear = 1;
    state.warCountdown = 1;
    state.enemyArmy = state.soldiers - 3;
    child<QPushButton>(window, "dalshe")->click();
    ok = save(window, folder, QStringLiteral("main_window_battle")) && ok;

    child<QPushButton>(window, "Command3")->click();
    ok = save(window, folder, QStringLiteral("main_window_after_battle")) && ok;

    // The other windows, each opened over the main window as the menu opens it.
    const auto opened = [window](const char* name) {
        return window->findChild<QWidget*>(QLatin1String(name));
    };
    controller.openSaveDialog();
    ok = save(opened("Form3"), folder, QStringLiteral("save_dialog")) && ok;
    opened("Form3")->close();
    controller.openLoadDialog();
    ok = save(opened("Form4"), folder, QStringLiteral("load_dialog")) && ok;
    opened("Form4")->close();
    controller.openAboutBox();
    ok = save(opened("Form2"), folder, QStringLiteral("about_box")) && ok;
    opened("Form2")->close();
    controller.openTable();
    ok = save(opened("Form7"), folder, QStringLiteral("hall_of_fame")) && ok;
    opened("Form7")->close();
    ok = messageShots(window, folder) && ok;
    ok = helpShot(folder) && ok;
    return chronicleShots(folder) && ok ? 0 : 1;
}
