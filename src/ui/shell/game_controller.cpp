// The desktop's front end of a reign, from the name dialog through the years to its end and the
// next game.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/game_controller.h"

#include "storage/file_access.h"
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
    : QObject(parent), m_context(context), m_scores(context.scoresFile()),
      m_session(context.state, context.hall, context.random, m_scores) {}

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
    auto* window = new MainWindow(m_context);
    m_mainWindow = window;
    connect(window, &MainWindow::buyRequested, this, &GameController::showBuying);
    connect(window, &MainWindow::sellRequested, this, &GameController::showSelling);
    connect(window, &MainWindow::mercenariesRequested, this, &GameController::showMercenaries);
    connect(window, &MainWindow::nextYearRequested, this, &GameController::nextYear);
    connect(window, &MainWindow::battleAcknowledged, this, &GameController::acknowledgeBattle);
    connect(window, &MainWindow::tradeByBarRequested, this, &GameController::tradeByBar);
    connect(window, &MainWindow::tradeTypedRequested, this, &GameController::tradeTyped);
    connect(window, &MainWindow::hireByBarRequested, this, &GameController::hireByBar);
    connect(window, &MainWindow::hireTypedRequested, this, &GameController::hireTyped);
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
            m_session.newGame();
        }
    });

    window->startReign(kingName);
    m_session.beginReign(kingName.toStdString());
    chronicleChanged();
    const ReignScreen& screen = m_session.screen();
    window->refreshStatus(screen.status);
    window->setCommandButtonsEnabled(true);
    window->showYearLabel(screen.year);
    window->showBuying(screen);
    window->show();
}

void GameController::showBuying() {
    m_session.showBuying();
    m_mainWindow->showBuying(m_session.screen());
}

void GameController::showSelling() {
    m_session.showSelling();
    m_mainWindow->showSelling(m_session.screen());
}

void GameController::showMercenaries() {
    m_session.showMercenaries();
    m_mainWindow->showMercenaries(m_session.screen());
}

void GameController::tradeByBar(Good good, bool buying, int barValue) {
    const TradeResult result =
        buying ? m_session.buyByBar(good, barValue) : m_session.sellByBar(good, barValue);
    if (result == TradeResult::Done) {
        m_mainWindow->showTrade(m_session.screen(), good, buying);
    }
}

void GameController::tradeTyped(Good good, bool buying, const QString& text) {
    const std::string typed = text.toStdString();
    const TradeResult result =
        buying ? m_session.buyTyped(good, typed) : m_session.sellTyped(good, typed);
    // A typed amount leaves its box once the trade is done or refused, with a beep when refused.
    if (result == TradeResult::Ignored) {
        return;
    }
    m_mainWindow->clearTypedAmount(good);
    if (result == TradeResult::Refused) {
        m_context.platform.beep();
        return;
    }
    m_mainWindow->showTrade(m_session.screen(), good, buying);
}

void GameController::hireByBar(int count) {
    if (m_session.hireByBar(count) == TradeResult::Done) {
        m_mainWindow->showHire(m_session.screen(), true);
    }
}

void GameController::hireTyped(const QString& text) {
    const TradeResult result = m_session.hireTyped(text.toStdString());
    if (result == TradeResult::Ignored) {
        return;
    }
    m_mainWindow->clearTypedHire();
    if (result == TradeResult::Refused) {
        m_context.platform.beep();
        return;
    }
    m_mainWindow->showHire(m_session.screen(), false);
}

void GameController::nextYear() {
    MainWindow* window = m_mainWindow;
    window->beginYear();
    m_session.nextYear();
    chronicleChanged();
    const ReignScreen& screen = m_session.screen();
    window->refreshStatus(screen.status);
    if (screen.told == Told::BattleFought || screen.told == Told::YearEnded) {
        if (screen.told == Told::BattleFought) {
            // The war panel first, so that the keyboard can go to its OK before the buttons go.
            window->showBattle(*screen.battle);
            window->setCommandButtonsEnabled(false);
        } else {
            window->showReport(QString::fromStdString(screen.report));
        }
        window->showYearLabel(screen.year);
        window->announceYearEnd();
    }
    presentNotices();
}

void GameController::acknowledgeBattle() {
    if (m_session.phase() != ReignPhase::Battle) {
        return;
    }
    m_session.acknowledgeBattle();
    chronicleChanged();
    // The buttons first, so that the keyboard can go back to «Дальше» as the war panel goes.
    m_mainWindow->setCommandButtonsEnabled(true);
    m_mainWindow->showReport(QString::fromStdString(m_session.screen().report));
    m_mainWindow->announceYearEnd();
}

void GameController::presentNotices() {
    const std::vector<Notice> notices = m_session.takeNotices();
    // The table that ends a reign is there before its messages, which belong to the game.
    HallOfFameWindow* table = nullptr;
    bool reignOver = false;
    for (const Notice& notice : notices) {
        if (notice.kind == Notice::Kind::Rating && !table) {
            table = makeTable();
        }
    }
    for (const Notice& notice : notices) {
        switch (notice.kind) {
        case Notice::Kind::Rating:
            // The box opens over the last year's report as it is being told: its OK tells it
            // again.
            m_context.platform.messageOverReport(m_mainWindow, m_mainWindow->windowTitle(),
                                                 ruletext::ratingMessage(notice.rating),
                                                 m_mainWindow->lastAnnouncement());
            break;
        case Notice::Kind::TableProblem:
            m_context.platform.message(m_mainWindow, m_mainWindow->windowTitle(),
                                       QString::fromStdString(notice.detail), true);
            break;
        case Notice::Kind::ChronicleDamaged:
            // The game itself loaded; only its history is lost, and the player hears so.
            //: The title of the message, as the load dialog's messages have it: "Load".
            m_context.platform.message(m_mainWindow, tr("Загрузить"),
                                       chronicleDamagedMessage(notice.problem), true);
            break;
        case Notice::Kind::Overthrown:
            showMessage(ruletext::overthrowMessage());
            reignOver = true;
            break;
        case Notice::Kind::Starved:
            showMessage(ruletext::starvationMessage());
            reignOver = true;
            break;
        }
        if (table && notice.kind == Notice::Kind::Rating) {
            table->showScores(m_session.table());
        }
    }
    if (table) {
        table->show();
    }
    if (reignOver) {
        closeReign();
    }
}

HallOfFameWindow* GameController::makeTable() {
    auto* table = new HallOfFameWindow(m_mainWindow);
    connect(table, &HoldingWindow::closed, this, &GameController::tableClosed);
    return table;
}

void GameController::tableClosed() {
    // The table that ends a reign is followed by a new game; one opened during a game just goes.
    if (m_mainWindow && m_session.closeTable()) {
        closeReign();
    }
}

void GameController::openSaveDialog() {
    auto* dialog = new SaveDialog(m_mainWindow, m_context.platform);
    connect(dialog, &SaveDialog::saveRequested, this,
            [this, dialog](const QString& path) { saveTo(dialog, path); });
    dialog->show();
}

void GameController::saveTo(SaveDialog* dialog, const QString& path) {
    const SavedGameFileWrite file = m_session.saveGame();
    std::optional<QString> error;
    if (file.problem) {
        error = savedGameProblemText(*file.problem);
    } else {
        error = writeSavedGameBytes(path, file.bytes);
    }
    if (error) {
        dialog->tellProblem(*error);
        return;
    }
    dialog->close();
}

void GameController::openLoadDialog() {
    auto* dialog = new LoadDialog(m_mainWindow, m_context.platform);
    connect(dialog, &LoadDialog::loadRequested, this,
            [this, dialog](const QString& path) { loadFrom(dialog, path); });
    connect(dialog, &LoadDialog::loadFailed, this, &GameController::loadFailed);
    dialog->show();
}

void GameController::loadFrom(LoadDialog* dialog, const QString& path) {
    // All or nothing: the session takes the game only when the whole file could be read.
    const FileBytes file = readWholeFile(path);
    QString error = file.error;
    if (error.isEmpty()) {
        const std::optional<SavedGameProblem> problem = m_session.loadGame(
            std::string_view(file.bytes.constData(), std::size_t(file.bytes.size())));
        if (problem) {
            error = savedGameProblemText(*problem, path);
        }
    }
    if (!error.isEmpty()) {
        dialog->tellProblem(error);
    }
    dialog->close();
    if (error.isEmpty()) {
        presentLoadedGame();
    } else {
        loadFailed();
    }
}

void GameController::installLoadedGame(const GameLoad& game) {
    m_session.installLoadedGame(game.game->state, game.game->hall, game.chronicle);
    presentLoadedGame();
}

void GameController::presentLoadedGame() {
    chronicleChanged();
    // Whatever the window was showing, a loaded game is played on from buy mode: a battle on
    // screen is over, and its OK with it.
    const ReignScreen& screen = m_session.screen();
    m_mainWindow->restoreMercenaryBar(screen.mercenaries.barMax);
    m_mainWindow->hideBattle();
    m_mainWindow->setCommandButtonsEnabled(true);
    m_mainWindow->showBuying(screen);
    presentNotices();
}

void GameController::loadFailed() {
    // The game is unchanged; only a battle keeps its panel, whose OK alone goes on from there.
    m_session.loadRefused();
    if (m_session.phase() == ReignPhase::Buying) {
        m_mainWindow->showBuying(m_session.screen());
    }
}

void GameController::openTable() {
    HallOfFameWindow* table = makeTable();
    table->show();
    m_session.openTable();
    table->showScores(m_session.table());
    presentNotices();
}

void GameController::openAboutBox() {
    AboutBox::open(m_context.platform, m_mainWindow);
}

void GameController::openChronicle() {
    if (!m_chronicleWindow) {
        auto* window = new ChronicleWindow(m_session.chronicle());
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
    if (m_session.phase() == ReignPhase::NoReign) {
        return;
    }
    m_session.newGame();
    closeReign();
}

void GameController::closeReign() {
    letChronicleGo();
    // The name dialog is shown before the main window goes, so the program never finds itself
    // without a window and quits.
    showNameDialog();
    if (m_mainWindow) {
        m_mainWindow->close();
    }
}

void GameController::quit() {
    m_session.newGame();
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
