// The course of a reign, from the name dialog through the years to its end and the next game.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/game_controller.h"

#include "sim/end_of_reign.h"
#include "sim/new_game.h"
#include "sim/year.h"
#include "storage/problem_text.h"
#include "storage/saved_game.h"
#include "storage/scores.h"
#include "ui/base/platform.h"
#include "ui/chronicle/chronicle_window.h"
#include "ui/dialogs/about_box.h"
#include "ui/dialogs/hall_of_fame_window.h"
#include "ui/dialogs/load_dialog.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/dialogs/save_dialog.h"
#include "ui/i18n/rule_texts.h"
#include "ui/main_window/main_window.h"

QString GameContext::scoresFile() const {
    return scoresPath.isEmpty() ? scoresFilePath() : scoresPath;
}

GameController::GameController(GameContext& context, QObject* parent)
    : QObject(parent), m_context(context) {}

GameController::~GameController() {
    // Windows still open when the program ends must not outlive the state they point into.
    delete m_chronicleWindow.data();
    delete m_mainWindow.data();
    delete m_nameDialog.data();
}

NameDialog* GameController::nameDialog() const {
    return m_nameDialog.data();
}

MainWindow* GameController::mainWindow() const {
    return m_mainWindow.data();
}

ChronicleWindow* GameController::chronicleWindow() const {
    return m_chronicleWindow.data();
}

void GameController::start() {
    showNameDialog();
}

void GameController::showNameDialog() {
    auto* dialog = new NameDialog();
    m_nameDialog = dialog;
    connect(dialog, &NameDialog::nameConfirmed, this, &GameController::beginReign);
    dialog->show();
}

void GameController::beginReign(const QString& kingName) {
    m_context.state.kingName = kingName.toStdString();
    auto* window = new MainWindow(m_context);
    m_mainWindow = window;
    connect(window, &MainWindow::buyRequested, this, &GameController::showBuying);
    connect(window, &MainWindow::sellRequested, this, &GameController::showSelling);
    connect(window, &MainWindow::mercenariesRequested, this, &GameController::showMercenaries);
    connect(window, &MainWindow::nextYearRequested, this, &GameController::nextYear);
    connect(window, &MainWindow::battleAcknowledged, this, &GameController::acknowledgeBattle);
    connect(window, &MainWindow::newGameRequested, this, &GameController::newGame);
    connect(window, &MainWindow::quitRequested, this, &GameController::quit);
    connect(window, &MainWindow::saveRequested, this, &GameController::openSaveDialog);
    connect(window, &MainWindow::loadRequested, this, &GameController::openLoadDialog);
    connect(window, &MainWindow::tableRequested, this, &GameController::openTable);
    connect(window, &MainWindow::aboutRequested, this, &GameController::openAboutBox);
    connect(window, &MainWindow::chronicleRequested, this, &GameController::openChronicle);
    // A window closed by its frame ends the reign; an older one going later ends nothing. Only
    // the address is compared: the window is half destroyed when it says so.
    m_reignWindow = window;
    connect(window, &QObject::destroyed, this, [this](QObject* gone) {
        if (gone == m_reignWindow) {
            m_reignWindow = nullptr;
            m_phase = ReignPhase::NoReign;
        }
    });

    window->startReign();
    initKingdom(m_context.state, m_context.random);
    restartChronicle(m_chronicle);
    chronicleChanged();
    window->refreshStatus();
    window->setCommandButtonsEnabled(true);
    window->showYearLabel();
    showBuying();
    window->show();
}

void GameController::showBuying() {
    m_phase = ReignPhase::Buying;
    m_mainWindow->showBuying();
}

void GameController::showSelling() {
    m_phase = ReignPhase::Selling;
    m_mainWindow->showSelling();
}

void GameController::showMercenaries() {
    m_phase = ReignPhase::Mercenaries;
    m_mainWindow->showMercenaries();
}

void GameController::nextYear() {
    MainWindow* window = m_mainWindow;
    KingdomState& state = m_context.state;
    window->beginYear();
    m_phase = ReignPhase::YearReport;

    const YearResult year = ::nextYear(state, m_context.random);
    recordYearEnd(m_chronicle, state, year);
    chronicleChanged();
    window->showMoodWord();
    if (!year.stoppedBeforeHarvest) {
        if (year.starved) {
            window->showStarvedFigures();
            showMessage(ruletext::starvationMessage());
            newGame();
            return;
        }
        window->refreshStatus();
        if (year.battle) {
            m_phase = ReignPhase::Battle;
            // The war panel first, so that the keyboard can go to its OK before the buttons go.
            window->showBattle(*year.battle);
            window->setCommandButtonsEnabled(false);
        } else if (year.shownReport) {
            window->showReport(QString::fromStdString(*year.shownReport));
        }
        window->showYearLabel();
        window->announceYearEnd();
        if (year.reignComplete) {
            endReign();
        }
    }
    if (year.overthrown) {
        showMessage(ruletext::overthrowMessage());
        newGame();
    }
}

void GameController::acknowledgeBattle() {
    if (m_phase != ReignPhase::Battle) {
        return;
    }
    m_phase = ReignPhase::YearReport;
    const std::string report = closeBattle(m_context.state);
    recordBattleClosed(m_chronicle, report);
    chronicleChanged();
    // The buttons first, so that the keyboard can go back to «Дальше» as the war panel goes.
    m_mainWindow->setCommandButtonsEnabled(true);
    m_mainWindow->showReport(QString::fromStdString(report));
    m_mainWindow->announceYearEnd();
}

void GameController::endReign() {
    m_phase = ReignPhase::EndOfReign;
    KingdomState& state = m_context.state;
    HallOfFameWindow* table = makeTable();
    table->loadScores();
    // The box opens over the last year's report as it is being told: its OK tells it again.
    m_context.platform.messageOverReport(m_mainWindow, m_mainWindow->windowTitle(),
                                         ruletext::ratingMessage(state.rating),
                                         m_mainWindow->lastAnnouncement());
    placeKing(m_context.hall, state.rating, state.kingName);
    table->showScores();
    table->saveScores();
    table->show();
}

HallOfFameWindow* GameController::makeTable() {
    auto* table = new HallOfFameWindow(m_mainWindow, m_context.platform, m_context.hall,
                                       m_context.scoresFile());
    connect(table, &HoldingWindow::closed, this, &GameController::tableClosed);
    return table;
}

void GameController::tableClosed() {
    // The table that ends a reign is followed by a new game; one opened during a game just goes.
    if (m_mainWindow && m_context.state.year == 100) {
        newGame();
    }
}

void GameController::openSaveDialog() {
    (new SaveDialog(m_mainWindow, m_context.platform, m_context.state, m_context.hall,
                    m_mainWindow->barMaxima(), m_chronicle))
        ->show();
}

void GameController::openLoadDialog() {
    auto* dialog = new LoadDialog(m_mainWindow, m_context.platform, m_context.state);
    connect(dialog, &LoadDialog::loaded, this, &GameController::installLoadedGame);
    connect(dialog, &LoadDialog::loadFailed, this, &GameController::loadFailed);
    dialog->show();
}

void GameController::installLoadedGame(const GameLoad& game) {
    m_context.state = game.game->state;
    m_context.hall = game.game->hall;
    ChronicleRead chronicle = game.chronicle;
    if (chronicle.status == ChronicleRead::Status::Read) {
        restoreChronicle(m_chronicle, std::move(chronicle.entries));
    } else {
        restartChronicle(m_chronicle);
    }
    chronicleChanged();
    // Whatever the window was showing, a loaded game is played on from buy mode: a battle on
    // screen is over, and its OK with it.
    m_mainWindow->restoreBarMaxima();
    m_mainWindow->hideBattle();
    m_mainWindow->setCommandButtonsEnabled(true);
    showBuying();
    // The game itself loaded; only its history is lost, and the player hears so.
    if (chronicle.status == ChronicleRead::Status::Damaged) {
        //: The title of the message, as the load dialog's messages have it: "Load".
        m_context.platform.message(m_mainWindow, tr("Загрузить"),
                                   chronicleDamagedMessage(chronicle.problem), true);
    }
}

void GameController::loadFailed() {
    // The game is unchanged; only a battle keeps its panel, whose OK alone goes on from there.
    if (m_phase != ReignPhase::Battle) {
        showBuying();
    }
}

void GameController::openTable() {
    HallOfFameWindow* table = makeTable();
    table->show();
    table->loadScores();
}

void GameController::openAboutBox() {
    AboutBox::open(m_context.platform, m_mainWindow);
}

void GameController::openChronicle() {
    if (!m_chronicleWindow) {
        auto* window = new ChronicleWindow(m_chronicle);
        window->setAttribute(Qt::WA_DeleteOnClose);
        // A window beside the game: leaving the game closes it rather than waiting for it.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        m_chronicleWindow = window;
    }
    m_chronicleWindow->show();
    m_chronicleWindow->raise();
    m_chronicleWindow->activateWindow();
}

void GameController::chronicleChanged() {
    if (m_chronicleWindow) {
        m_chronicleWindow->chronicleChanged();
    }
}

void GameController::letChronicleGo() {
    if (m_chronicleWindow) {
        m_chronicleWindow->keepFinishedReign();
        m_chronicleWindow = nullptr;
    }
}

void GameController::newGame() {
    if (m_phase == ReignPhase::NoReign) {
        return;
    }
    m_phase = ReignPhase::NoReign;
    letChronicleGo();
    // The name dialog is shown before the main window goes, so the program never finds itself
    // without a window and quits.
    showNameDialog();
    if (m_mainWindow) {
        m_mainWindow->close();
    }
}

void GameController::quit() {
    m_phase = ReignPhase::NoReign;
    if (m_chronicleWindow) {
        m_chronicleWindow->close();
    }
    if (m_mainWindow) {
        m_mainWindow->close();
    }
}

void GameController::showMessage(const QString& text) {
    m_context.platform.message(m_mainWindow, m_mainWindow->windowTitle(), text, false);
}
