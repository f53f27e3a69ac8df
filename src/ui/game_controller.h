// The course of a reign: which window is open, which phase the main window is in, and what comes
// after each thing the player asks.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "ui/game_context.h"

struct LoadedGame;
class MainWindow;
class NameDialog;

// Program-wide set-up the windows rely on: the program's name (which names the player's data
// folder), the pictures, the window icon, the style and its pixmap cache, and Enter on a focused
// button in every window. Called once after the QApplication exists.
void prepareApplication();

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
    ReignPhase phase() const { return m_phase; }

    // The transitions, each from what the player asked.
    void beginReign(const QString& kingName);
    void showBuying();
    void showSelling();
    void showMercenaries();
    void nextYear();
    void acknowledgeBattle();
    void installLoadedGame(const LoadedGame& game);
    void loadFailed();
    void tableClosed();
    void newGame();
    void quit();

    // The windows that hold the main window while they are open.
    void openSaveDialog();
    void openLoadDialog();
    void openTable();
    void openAboutBox();

private:
    void showNameDialog();
    void endReign();
    void showMessage(const QString& text);

    GameContext& m_context;
    ReignPhase m_phase = ReignPhase::NoReign;
    QPointer<NameDialog> m_nameDialog;
    QPointer<MainWindow> m_mainWindow;
};
