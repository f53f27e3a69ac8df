// The course of a reign: which window is open, which phase the main window is in, and what comes
// after each thing the player asks.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "sim/chronicle.h"
#include "ui/base/game_context.h"

struct GameLoad;
class ChronicleWindow;
class HallOfFameWindow;
class MainWindow;
class NameDialog;

enum class ReignPhase {
    NoReign,     // the name dialog asks for a king, or no window is left
    Buying,      // the goods panels in buy mode
    Selling,     // the goods panels in sell mode
    Mercenaries, // the mercenaries panel
    YearReport,  // the report of the year just ended
    Battle,      // the war panel: only its OK goes on
    EndOfReign,  // year 100: the rating and the table, then a new game
};

// The windows forward what the player asks; this decides what follows and tells them what to
// show. Messages go through the context's platform.
class GameController : public QObject {
    Q_OBJECT
public:
    // The context belongs to the program's main and outlives the controller.
    explicit GameController(GameContext& context, QObject* parent = nullptr);
    ~GameController() override;

    // Program start: the name dialog, nothing else.
    void start();

    // The windows now open, or null.
    NameDialog* nameDialog() const;
    MainWindow* mainWindow() const;
    ChronicleWindow* chronicleWindow() const;
    ReignPhase phase() const { return m_phase; }
    // The reign so far, year end by year end.
    const Chronicle& chronicle() const { return m_chronicle; }

    // The transitions, each from what the player asked.
    void beginReign(const QString& kingName);
    void showBuying();
    void showSelling();
    void showMercenaries();
    void nextYear();
    void acknowledgeBattle();
    void installLoadedGame(const GameLoad& game);
    void loadFailed();
    void tableClosed();
    void newGame();
    void quit();

    // The windows that hold the main window while they are open.
    void openSaveDialog();
    void openLoadDialog();
    void openTable();
    void openAboutBox();
    // The chronicle beside the game (F5): opened, or raised when it is open already.
    void openChronicle();

private:
    void showNameDialog();
    void endReign();
    // The table of the best kings over the main window, its closing reported to tableClosed.
    HallOfFameWindow* makeTable();
    void showMessage(const QString& text);
    void chronicleChanged();
    // The reign is over: an open chronicle window keeps it, and the next reign gets its own.
    void letChronicleGo();

    GameContext& m_context;
    ReignPhase m_phase = ReignPhase::NoReign;
    QPointer<NameDialog> m_nameDialog;
    QPointer<MainWindow> m_mainWindow;
    // The window of the reign now played, for telling it from an older one as it goes.
    const QObject* m_reignWindow = nullptr;
    Chronicle m_chronicle;
    QPointer<ChronicleWindow> m_chronicleWindow;
};
