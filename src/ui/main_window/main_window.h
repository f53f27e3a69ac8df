// The main window (Form1): the panels, the status column and the menu of a running game. It shows
// the values the game controller hands it and forwards what the player asks, trades and hires
// included.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QMainWindow>
#include <QString>

#include "market/goods.h"
#include "reign/reign_session.h"
#include "ui/base/game_context.h"
#include "ui/help/help.h"

struct BattleReport;
class AmountBoxFilter;
class Announcer;
class GoodsPanel;
class MercenaryPanel;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class ReportPanel;
class SpokenSummary;
class StatusColumn;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The context belongs to the program and outlives the window.
    explicit MainWindow(GameContext& context, QWidget* parent = nullptr);

    // A new reign: the window centres itself and takes the king's name into its caption.
    void startReign(const QString& kingName);

    // The three trading modes, with the market as the session refreshed it.
    void showBuying(const ReignScreen& screen);
    void showSelling(const ReignScreen& screen);
    void showMercenaries(const ReignScreen& screen);
    // A trade done: the market refreshed, the status column, and what a screen reader is told.
    void showTrade(const ReignScreen& screen, Good good, bool buying);
    // A hire done; one by the bar puts the bar back to 0.
    void showHire(const ReignScreen& screen, bool byBar);
    void clearTypedAmount(Good good);
    void clearTypedHire();
    // The mercenaries bar's range as a loaded game carries it, until the panel opens again.
    void restoreMercenaryBar(std::int16_t maximum);

    // The start of a year: the trading title empties, the report panel opens.
    void beginYear();
    void showYearLabel(double year);
    void refreshStatus(const StatusFigures& status);
    void showReport(const QString& report);
    // The war panel over the report; the keyboard goes from the buttons the battle disables to
    // the war panel's OK, which gives a screen reader the battle to speak.
    void showBattle(const BattleReport& battle);
    void hideBattle();
    // The year is over and shown: a screen reader is told its report and the new year (or the
    // battle, where the war panel's OK has not taken the keyboard).
    void announceYearEnd();
    // What the screen reader was told last (the year's report, a trade), empty before anything.
    QString lastAnnouncement() const;
    void setCommandButtonsEnabled(bool enabled);
    bool commandButtonsEnabled() const;
    bool battleShown() const;

    // Help operations; the path of the rules file comes from SetHelpStrings.
    QString SetHelpStrings(qint16 intSelHelpFile);
    void ShowHelpContents(qint16 intHelpFile);
    void ShowHelpIndex(qint16 intHelpFile);
    void ShowHelpTopic(qint16 intHelpFile, QString& strTopic);
    void ShowHelpContextID(qint16 intHelpFile, qint32& lngContextID);
    void ShowHelpKeyword(qint16 intHelpFile, QString& strKeyword);
    void ShowHelpPartialKey(qint16 intHelpFile, QString& strPartKey);

signals:
    void buyRequested();
    void sellRequested();
    void mercenariesRequested();
    void nextYearRequested();
    void battleAcknowledged();
    // A trade button: by the bar's value, or by the text typed into the good's box.
    void tradeByBarRequested(Good good, bool buying, int barValue);
    void tradeTypedRequested(Good good, bool buying, const QString& text);
    void hireByBarRequested(int count);
    void hireTypedRequested(const QString& text);
    void newGameRequested();
    void quitRequested();
    void saveRequested();
    void loadRequested();
    void tableRequested();
    void aboutRequested();
    void chronicleRequested();

public slots:
    void buy_Click();
    void Sale_Click();
    void naemniki_Click();
    void dalshe_Click();
    void Command3_Click();
    void buy5_Click();
    void buy5_1_Click();

    void newgame_Click();
    void quitgame_Click();
    void savegame_Click();
    void loadgame_Click();
    void tablica_Click();
    void pravila_Click();
    void aboutgame_Click();
    void chronicle_Click();
    void Label20_Click();

private:
    void buildWindow();
    void setupActions();
    void showTradingMode(bool buying);
    void refreshMarket(const ReignScreen& screen);
    void showBuyLimits(const ReignScreen& screen);
    void showSellLimits(const ReignScreen& screen);
    void tradeByBar(Good good, bool buying);
    void tradeTyped(Good good, bool buying);
    void announceHire();
    // Keeps what a screen reader says of the figures up to date with what the labels show.
    void describeFigures();
    // What the report or the mercenaries cover leaves the Tab order while it is covered.
    void keepKeyboardOnShownPanels();

    GameContext& m_context;
    HelpSystem m_help;

    AmountBoxFilter* m_amountFilter = nullptr;
    std::array<GoodsPanel*, 4> m_goods{};
    MercenaryPanel* m_mercenaries = nullptr;
    ReportPanel* m_report = nullptr;
    StatusColumn* m_status = nullptr;
    // The status column's figures as one Tab stop, and what tells a screen reader what happens.
    SpokenSummary* m_summary = nullptr;
    Announcer* m_announcer = nullptr;

    // Control names: m_buy buy, m_sell Sale, m_hire naemniki, m_next dalshe, m_reignYear Label14,
    // m_tradingTitle Label15, m_mailLink Label20.
    QPushButton* m_buy = nullptr;
    QPushButton* m_sell = nullptr;
    QPushButton* m_hire = nullptr;
    QPushButton* m_next = nullptr;
    QLabel* m_reignYear = nullptr;
    QLabel* m_tradingTitle = nullptr;
    QLabel* m_mailLink = nullptr;

    // Action names: as the menu's controls (files, newgame, savegame, loadgame, quitgame,
    // tablica, pravila, aboutgame).
    QMenu* m_gameMenu = nullptr;
    QAction* m_newGame = nullptr;
    QAction* m_saveGame = nullptr;
    QAction* m_loadGame = nullptr;
    QAction* m_quit = nullptr;
    QAction* m_table = nullptr;
    QAction* m_chronicle = nullptr;
    QAction* m_rules = nullptr;
    QAction* m_about = nullptr;
};
