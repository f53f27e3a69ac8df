// The course of a reign, transition by transition: from which phase to which, and what the player
// is told on the way.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "core/kingdom_state.h"
#include "core/random.h"
#include "formats/chronicle_file.h"
#include "storage/saved_game.h"
#include "support/scripted_reign.h"
#include "support/session_reign.h"
#include "ui/chronicle/chronicle_table.h"
#include "ui/chronicle/chronicle_window.h"
#include "ui/dialogs/hall_of_fame_window.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/dialogs/save_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/shell/game_controller.h"

Q_DECLARE_METATYPE(ReignPhase)

class TestGameController : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aConfirmedNameBeginsTheReignInBuyMode();
    void theTradingModes();
    void aQuietYearShowsTheReport();
    void aBattleWaitsForItsOk();
    void loadingEndsABattleInBuyMode();
    void aFailedLoadChangesNothing_data();
    void aFailedLoadChangesNothing();
    void overthrowAndStarvationStartANewGame_data();
    void overthrowAndStarvationStartANewGame();
    void yearOneHundredEndsInTheTable();
    void yearOneHundredWithRatingOneEndsTheReignThenOverthrows();
    void theMenuTableReturnsToThePhaseItLeft();
    void newGameAndQuit();

    void theChronicleFollowsTheReignAndKeepsAFinishedOne();
    void aSavedGameKeepsItsChronicle();
    void aFileWithoutOrWithADamagedChronicleLoadsTheGame_data();
    void aFileWithoutOrWithADamagedChronicleLoadsTheGame();

    void aScriptedReignThroughTheWindowsIsTheSessionsOwn();

private:
    void startReign() { m_reign->begin(); }
    void quietYear() { m_reign->pushQuietYear(); }
    void battleYear() { m_reign->setUpWonBattle(); }
    void dropWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    HallOfFameWindow* shownTable() const;
    QString messageText(std::size_t index) const {
        return m_reign->platform.messages.at(index).text;
    }

    std::unique_ptr<ScriptedReign> m_reign;
    KingdomState* m_state = nullptr;
    HallOfFame* m_hall = nullptr;
    ScriptedRandom* m_random = nullptr;
    FakePlatform* m_platform = nullptr;
    QTemporaryDir* m_folder = nullptr;
    GameController* m_controller = nullptr;
};

void TestGameController::init() {
    m_reign = std::make_unique<ScriptedReign>();
    m_state = &m_reign->state;
    m_hall = &m_reign->hall;
    m_random = &m_reign->random;
    m_platform = &m_reign->platform;
    m_folder = &m_reign->folder;
    m_controller = &m_reign->controller;
}

void TestGameController::cleanup() {
    m_reign.reset();
    dropWindows();
}

HallOfFameWindow* TestGameController::shownTable() const {
    MainWindow* window = m_controller->mainWindow();
    for (auto* table :
         window ? window->findChildren<HallOfFameWindow*>() : QList<HallOfFameWindow*>()) {
        if (table->isVisible()) {
            return table;
        }
    }
    return nullptr;
}

void TestGameController::aConfirmedNameBeginsTheReignInBuyMode() {
    m_controller->start();
    QCOMPARE(m_controller->phase(), ReignPhase::NoReign);
    QVERIFY(m_controller->nameDialog()->isVisible());
    startReign();
    QCOMPARE(m_controller->phase(), ReignPhase::Buying);
    QVERIFY(m_controller->mainWindow()->isVisible());
    QCOMPARE(m_state->year, 1.0);
    QCOMPARE(m_state->kingName, std::string("Иван"));
}

void TestGameController::theTradingModes() {
    startReign();
    m_controller->mainWindow()->Sale_Click();
    QCOMPARE(m_controller->phase(), ReignPhase::Selling);
    m_controller->mainWindow()->naemniki_Click();
    QCOMPARE(m_controller->phase(), ReignPhase::Mercenaries);
    m_controller->mainWindow()->buy_Click();
    QCOMPARE(m_controller->phase(), ReignPhase::Buying);
}

void TestGameController::aQuietYearShowsTheReport() {
    startReign();
    m_controller->mainWindow()->naemniki_Click();
    quietYear();
    m_controller->mainWindow()->dalshe_Click();
    QCOMPARE(m_controller->phase(), ReignPhase::YearReport);
    QCOMPARE(m_state->year, 2.0);
    QVERIFY(m_controller->mainWindow()->commandButtonsEnabled());
    QVERIFY(m_platform->messages.empty());
}

void TestGameController::aBattleWaitsForItsOk() {
    startReign();
    battleYear();
    m_controller->nextYear();
    QCOMPARE(m_controller->phase(), ReignPhase::Battle);
    MainWindow* window = m_controller->mainWindow();
    QVERIFY(window->battleShown());
    QVERIFY(!window->commandButtonsEnabled());
    QVERIFY(!m_state->report.empty());

    window->Command3_Click();
    QCOMPARE(m_controller->phase(), ReignPhase::YearReport);
    QVERIFY(!window->battleShown());
    QVERIFY(window->commandButtonsEnabled());
    QVERIFY(m_state->report.empty());
}

void TestGameController::loadingEndsABattleInBuyMode() {
    startReign();
    GameLoad saved;
    saved.game = LoadedGame{*m_state, *m_hall};
    saved.game->state.money = 4321;
    battleYear();
    m_controller->nextYear();
    QCOMPARE(m_controller->phase(), ReignPhase::Battle);

    m_controller->installLoadedGame(saved);
    QCOMPARE(m_controller->phase(), ReignPhase::Buying);
    QVERIFY(!m_controller->mainWindow()->battleShown());
    QVERIFY(m_controller->mainWindow()->commandButtonsEnabled());
    QCOMPARE(m_state->money, 4321.0);
    // The war panel's OK is gone with the battle: it cannot close a year a second time.
    m_controller->acknowledgeBattle();
    QCOMPARE(m_controller->phase(), ReignPhase::Buying);
}

void TestGameController::aFailedLoadChangesNothing_data() {
    QTest::addColumn<bool>("inBattle");
    QTest::newRow("after a year") << false;
    QTest::newRow("during a battle") << true;
}

void TestGameController::aFailedLoadChangesNothing() {
    QFETCH(bool, inBattle);
    startReign();
    m_controller->mainWindow()->naemniki_Click();
    if (inBattle) {
        battleYear();
    } else {
        quietYear();
    }
    m_controller->nextYear();

    // What the session keeps is its own test's (aRefusedLoadChangesNothing); here the windows.
    m_controller->loadFailed();
    QCOMPARE(m_controller->phase(), inBattle ? ReignPhase::Battle : ReignPhase::Buying);
    QCOMPARE(m_controller->mainWindow()->battleShown(), inBattle);
}

void TestGameController::overthrowAndStarvationStartANewGame_data() {
    QTest::addColumn<bool>("starve");
    QTest::newRow("overthrow") << false;
    QTest::newRow("starvation") << true;
}

void TestGameController::overthrowAndStarvationStartANewGame() {
    QFETCH(bool, starve);
    startReign();
    if (starve) {
        m_state->workers = 0;
        m_random->push({0.f, 0.f, 0.f, 0.f, 0.1f, 0.9f});
    } else {
        m_state->discontentYears = 4;
        m_state->land = 80;
        m_random->push({0.f, 0.f, 0.f, 0.f});
    }
    m_controller->nextYear();
    QCOMPARE(m_random->remaining(), std::size_t(0));
    QCOMPARE(m_platform->messages.size(), std::size_t(1));
    QVERIFY(messageText(0).startsWith(starve ? QStringLiteral("Вы уморили голодом")
                                             : QStringLiteral("Ну, что же")));
    QCOMPARE(m_controller->phase(), ReignPhase::NoReign);
    dropWindows();
    QCOMPARE(m_controller->mainWindow(), nullptr);
    QVERIFY(m_controller->nameDialog()->isVisible());
}

void TestGameController::yearOneHundredEndsInTheTable() {
    startReign();
    m_reign->setUpLastYear(200);
    m_controller->nextYear();
    QCOMPARE(m_controller->phase(), ReignPhase::EndOfReign);
    QCOMPARE(m_platform->messages.size(), std::size_t(1));
    QVERIFY(messageText(0).contains(QStringLiteral("рейтинг -  200")));
    // The box opens over the last year's report: its OK tells a screen reader the report again.
    const QString told = m_platform->messages[0].spokenReport;
    QVERIFY2(told.startsWith(QStringLiteral("Господин президент!")), qPrintable(told));
    QVERIFY2(told.endsWith(QStringLiteral("100 год правления.")), qPrintable(told));
    HallOfFameWindow* table = shownTable();
    QVERIFY(table);
    QCOMPARE(QApplication::activeModalWidget(), table);
    QCOMPARE(m_hall->bestNames[0], std::string("Иван"));

    table->close();
    QCOMPARE(m_controller->phase(), ReignPhase::NoReign);
    dropWindows();
    QCOMPARE(m_controller->mainWindow(), nullptr);
    QVERIFY(m_controller->nameDialog()->isVisible());
}

void TestGameController::yearOneHundredWithRatingOneEndsTheReignThenOverthrows() {
    startReign();
    // The year's first steps score 8 and leave -1; births and a growing army bring it to 1.
    m_reign->setUpLastYear(-1);
    m_state->armyGrowthLevel = 3;
    m_controller->nextYear();
    QCOMPARE(m_platform->messages.size(), std::size_t(2));
    QVERIFY(messageText(0).contains(QStringLiteral("рейтинг -  1\r\n")));
    QVERIFY(messageText(1).startsWith(QStringLiteral("Ну, что же")));
    QCOMPARE(m_controller->phase(), ReignPhase::NoReign);
    dropWindows();
    QCOMPARE(m_controller->mainWindow(), nullptr);
    QVERIFY(m_controller->nameDialog()->isVisible());
}

void TestGameController::theMenuTableReturnsToThePhaseItLeft() {
    startReign();
    m_controller->mainWindow()->Sale_Click();
    m_controller->openTable();
    HallOfFameWindow* table = shownTable();
    QVERIFY(table);
    table->close();
    dropWindows();
    QCOMPARE(m_controller->phase(), ReignPhase::Selling);
    QVERIFY(m_controller->mainWindow()->isVisible());
}

void TestGameController::newGameAndQuit() {
    startReign();
    m_controller->newGame();
    QCOMPARE(m_controller->phase(), ReignPhase::NoReign);
    dropWindows();
    QCOMPARE(m_controller->mainWindow(), nullptr);
    QVERIFY(m_controller->nameDialog()->isVisible());

    // The old window going after the next reign began ends nothing of the new one.
    startReign();
    m_controller->newGame();
    startReign();
    dropWindows();
    QCOMPARE(m_controller->phase(), ReignPhase::Buying);
    m_controller->newGame();
    dropWindows();

    startReign();
    QCOMPARE(m_controller->phase(), ReignPhase::Buying);
    m_controller->quit();
    QCOMPARE(m_controller->phase(), ReignPhase::NoReign);
    dropWindows();
    QCOMPARE(m_controller->mainWindow(), nullptr);
}

void TestGameController::theChronicleFollowsTheReignAndKeepsAFinishedOne() {
    startReign();
    quietYear();
    m_controller->nextYear();
    m_controller->mainWindow()->findChild<QAction*>(QStringLiteral("chronicle"))->trigger();
    QPointer<ChronicleWindow> window = m_controller->chronicleWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(
        m_controller->mainWindow()->findChild<QAction*>(QStringLiteral("chronicle"))->shortcut(),
        QKeySequence(Qt::Key_F5));
    // It holds nothing back: the game goes on while it is open, and it follows.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(window->table()->rowCount(), 1);
    battleYear();
    m_controller->nextYear();
    m_controller->acknowledgeBattle();
    QCOMPARE(m_controller->chronicle().entries.size(), std::size_t(2));
    QCOMPARE(window->table()->rowCount(), 2);

    // An overthrow ends the reign: the window keeps it whole; the next reign starts its own.
    m_state->discontentYears = 4;
    m_state->land = 80;
    m_random->push({0.f, 0.f, 0.f, 0.f});
    m_controller->nextYear();
    QCOMPARE(m_controller->phase(), ReignPhase::NoReign);
    dropWindows();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->table()->rowCount(), 3);
    startReign();
    QVERIFY(m_controller->chronicle().entries.empty());
    QCOMPARE(m_controller->chronicleWindow(), nullptr);
    quietYear();
    m_controller->nextYear();
    QCOMPARE(window->table()->rowCount(), 3);
    delete window.data();
}

void TestGameController::aSavedGameKeepsItsChronicle() {
    startReign();
    for (int year = 0; year < 3; ++year) {
        quietYear();
        m_controller->nextYear();
    }
    const std::vector<ChronicleEntry> played = m_controller->chronicle().entries;
    QCOMPARE(played.size(), std::size_t(3));
    m_controller->openSaveDialog();
    auto* save = m_controller->mainWindow()->findChild<SaveDialog*>();
    save->setFolder(m_folder->path());
    save->findChild<QLineEdit*>(QStringLiteral("txtFileName"))->setText(QStringLiteral("game"));
    save->saveGame();
    QVERIFY(m_platform->messages.empty());
    const QString path = m_folder->filePath(QStringLiteral("game.txt"));
    // The game's own record comes first, byte for byte as ever.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith(QByteArray::fromStdString(
        writeSavedGame(*m_state, *m_hall, m_controller->session().barMaxima()))));

    quietYear();
    m_controller->nextYear();
    GameLoad loaded = loadGame(path, *m_state);
    QVERIFY(loaded.game);
    m_controller->installLoadedGame(loaded);
    QCOMPARE(m_controller->chronicle().entries, played);
    QVERIFY(m_platform->messages.empty());
}

void TestGameController::aFileWithoutOrWithADamagedChronicleLoadsTheGame_data() {
    QTest::addColumn<QByteArray>("following");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("before the chronicle") << QByteArray() << false;
    QTest::newRow("an old editor's Ctrl-Z") << QByteArray("\x1A") << false;
    QTest::newRow("cut short") << QByteArray("\"\xCB\xE5\xF2\xEE\xEF\xE8\xF1\xFC\",1,3\r\n1,2")
                               << true;
    QTest::newRow("junk") << QByteArray("junk,junk\r\n") << true;
}

void TestGameController::aFileWithoutOrWithADamagedChronicleLoadsTheGame() {
    QFETCH(QByteArray, following);
    QFETCH(bool, damaged);
    startReign();
    quietYear();
    m_controller->nextYear();
    GameLoad game;
    game.game = LoadedGame{*m_state, *m_hall};
    game.chronicle = readChronicle(following.toStdString());
    game.game->state.year = 42;
    game.game->state.lastPeaceYear = 1000;
    m_controller->installLoadedGame(game);
    QCOMPARE(m_controller->phase(), ReignPhase::Buying);
    QCOMPARE(m_state->year, 42.0);
    QVERIFY(m_controller->chronicle().entries.empty());
    QCOMPARE(m_platform->messages.size(), std::size_t(damaged ? 1 : 0));
    if (damaged) {
        QVERIFY(m_platform->messages[0].text.contains(QStringLiteral("летопись")));
        QVERIFY(m_platform->messages[0].informationIcon);
    }
    // The chronicle goes on from the loaded year.
    quietYear();
    m_controller->nextYear();
    QCOMPARE(m_controller->chronicle().entries.size(), std::size_t(1));
    QCOMPARE(m_controller->chronicle().entries[0].year, 42.0);
}

void TestGameController::aScriptedReignThroughTheWindowsIsTheSessionsOwn() {
    constexpr std::uint64_t kSeed = 125871;
    constexpr int kPresses = 40;

    // The careful king through the session alone.
    ClockRandom aloneRandom(kSeed);
    MemoryScoresStore aloneScores;
    ReignSession alone(aloneRandom, aloneScores);
    alone.beginReign("Летописец");
    QCOMPARE(playCarefulReign(alone, 2, kPresses), PlayedEnd::OutOfPresses);

    // The same king at the windows: the buttons, the bars and the amount boxes.
    KingdomState state;
    HallOfFame hall;
    ClockRandom random(kSeed);
    FakePlatform platform;
    GameContext context{state, hall, random, platform, m_folder->filePath("scores.tab")};
    GameController controller(context);
    controller.start();
    controller.nameDialog()->findChild<QLineEdit*>("Text1")->setText(QStringLiteral("Летописец"));
    controller.nameDialog()->findChild<QPushButton*>("Command1")->click();
    MainWindow* window = controller.mainWindow();
    QVERIFY(window);
    const auto press = [window](const char* name) {
        window->findChild<QPushButton*>(QLatin1String(name))->click();
    };
    const auto type = [window, &press](const char* box, const char* button, double amount) {
        window->findChild<QLineEdit*>(QLatin1String(box))
            ->setText(QString::number(static_cast<long long>(amount)));
        press(button);
    };
    for (int year = 0; year < kPresses; ++year) {
        if (state.warCountdown == 1) {
            press("naemniki");
            auto* bar = window->findChild<QScrollBar*>("scroll4");
            bar->setValue(bar->maximum() / 2);
            press("buy5");
        }
        press("buy");
        const double people = state.workers + state.soldiers;
        if (people + 1 - state.land > 0) {
            type("Text2", "buy2_1", people + 1 - state.land);
        }
        const double grainShort = 2 * people + state.land - state.grain;
        if (grainShort > 0) {
            type("Text3", "buy3_1", static_cast<long long>(grainShort) + 1);
        }
        press("dalshe");
        if (window->battleShown()) {
            press("Command3");
        }
    }
    QVERIFY(platform.messages.empty());
    QCOMPARE(controller.chronicle().entries, alone.chronicle().entries);

    // Saved through the menu and the save dialog, the file is the session's own bytes.
    window->findChild<QAction*>("savegame")->trigger();
    auto* save = window->findChild<SaveDialog*>();
    QVERIFY(save);
    save->setFolder(m_folder->path());
    save->findChild<QLineEdit*>("txtFileName")->setText(QStringLiteral("reign"));
    save->saveGame();
    QFile file(m_folder->filePath("reign.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const SavedGameFileWrite expected = alone.saveGame();
    QVERIFY(!expected.problem);
    QCOMPARE(file.readAll(), QByteArray::fromStdString(expected.bytes));
    controller.quit();
    dropWindows();
}

QTEST_MAIN(TestGameController)
#include "test_game_controller.moc"
