// The desktop's front end of a reign: it makes and closes the windows, hands the player's requests
// to the reign's session and shows its values in the windows.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "market/goods.h"
#include "reign/reign_session.h"
#include "storage/scores.h"
#include "ui/base/game_context.h"

struct GameLoad;
class ChronicleWindow;
class HallOfFameWindow;
class LoadDialog;
class MainWindow;
class NameDialog;
class SaveDialog;

// The windows forward what the player asks; the session decides what follows, and this tells the
// windows what to show, in the order that keeps the keyboard where the player expects it.
// Messages go through the context's platform.
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
    ReignPhase phase() const { return m_session.phase(); }
    const ReignSession& session() const { return m_session; }
    // The reign so far, year end by year end.
    const Chronicle& chronicle() const { return m_session.chronicle(); }

    // The transitions, each from what the player asked.
    void beginReign(const QString& kingName);
    void showBuying();
    void showSelling();
    void showMercenaries();
    void nextYear();
    void acknowledgeBattle();
    void tradeByBar(Good good, bool buying, int barValue);
    void tradeTyped(Good good, bool buying, const QString& text);
    void hireByBar(int count);
    void hireTyped(const QString& text);
    void saveTo(SaveDialog* dialog, const QString& path);
    void loadFrom(LoadDialog* dialog, const QString& path);
    // A game read whole (by storage's loadGame) goes on from buy mode.
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
    // A game just loaded into the session: the window goes on from buy mode.
    void presentLoadedGame();
    // The messages of the step just taken, in order, and the table or the next game they lead to.
    void presentNotices();
    // The reign's windows go and the name dialog asks for the next king.
    void closeReign();
    // The table of the best kings over the main window, its closing reported to tableClosed.
    HallOfFameWindow* makeTable();
    void showMessage(const QString& text);
    void chronicleChanged();
    // The reign is over: an open chronicle window keeps it, and the next reign gets its own.
    void letChronicleGo();

    GameContext& m_context;
    ScoresFileStore m_scores;
    ReignSession m_session;
    QPointer<NameDialog> m_nameDialog;
    QPointer<MainWindow> m_mainWindow;
    // The window of the reign now played, for telling it from an older one as it goes.
    const QObject* m_reignWindow = nullptr;
    QPointer<ChronicleWindow> m_chronicleWindow;
};
