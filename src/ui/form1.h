// The main window: the whole game as the player sees it, with its panels, status column and menu.
#pragma once

#include <array>
#include <cstdint>

#include <QMainWindow>
#include <QString>

#include "market/goods.h"
#include "market/market.h"
#include "core/kingdom_state.h"
#include "storage/saved_game.h"
#include "ui/help.h"

struct BattleReport;
class Platform;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class RandomSource;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Loads the window for the name already in state.kingName: places it, sets up a new kingdom
    // and opens the buying panel. The references belong to the program and outlive the window.
    Form1(KingdomState& state, HallOfFame& hall, RandomSource& random, Platform& platform,
          QWidget* parent = nullptr);

    // The display refreshes the other windows run after they changed the kingdom.
    void refreshStatus();
    void refreshMarket();
    void showBuyLimits();
    void showSellLimits();

    // The nine bars' maxima as the window last applied them (saved-game order). A maximum below
    // zero is kept here although the bar itself cannot go below its minimum of 0.
    BarMaxima barMaxima() const;
    // Gives the bars the maxima a loaded game carries in sliderMax1..9.
    void restoreBarMaxima();

    // Help operations; the path of the rules file comes from SetHelpStrings.
    QString SetHelpStrings(qint16 intSelHelpFile);
    void ShowHelpContents(qint16 intHelpFile);
    void ShowHelpIndex(qint16 intHelpFile);
    void ShowHelpTopic(qint16 intHelpFile, QString& strTopic);
    void ShowHelpContextID(qint16 intHelpFile, qint32& lngContextID);
    void ShowHelpKeyword(qint16 intHelpFile, QString& strKeyword);
    void ShowHelpPartialKey(qint16 intHelpFile, QString& strPartKey);

    // The table of the best kings lives in scoresFilePath() unless a path is set here.
    void setScoresPath(const QString& path) { m_scoresPath = path; }
    QString scoresPath() const;

    KingdomState& state() { return m_state; }
    HallOfFame& hall() { return m_hall; }
    Platform& platform() { return m_platform; }

signals:
    // The game is over or the player asked for a new one: the name dialog must come back. The
    // window closes itself right after the receivers ran.
    void newGameRequested();

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
    void Label20_Click();

    // The reign reached its hundredth year.
    void endReign();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of one goods panel, in the order of the goods.
    struct GoodsPanel {
        QGroupBox* frame = nullptr;
        QLabel* price = nullptr;
        QLabel* picture = nullptr;
        QLabel* amount = nullptr;
        QScrollBar* sellBar = nullptr;
        QScrollBar* buyBar = nullptr;
        QPushButton* buyBarButton = nullptr;
        QPushButton* sellBarButton = nullptr;
        QLabel* barLimit = nullptr;
        QPushButton* buyTypedButton = nullptr;
        QPushButton* sellTypedButton = nullptr;
        QLineEdit* box = nullptr;
        QLabel* maxCaption = nullptr;
        QLabel* lowerLimit = nullptr;
    };

    void buildWindow();
    void buildStatusColumn(QWidget* area);
    void buildGoodsPanel(QWidget* area, Good good);
    void buildReportPanel(QWidget* area);
    void buildMercenaryPanel(QWidget* area);
    void setupActions();
    void placeOnScreen();
    void load();

    void showYearLabel();
    void showMoodWord();
    void setTradingMode(bool buying);
    void setCommandButtonsEnabled(bool enabled);
    void showBattle(const BattleReport& battle);
    void tradeByBar(Good good, bool buying);
    void tradeTyped(Good good, bool buying);
    void afterTrade(Good good, bool buying);
    void showMessage(const QString& text);
    void setBarMaximum(QScrollBar* bar, int maximum);

    KingdomState& m_state;
    HallOfFame& m_hall;
    RandomSource& m_random;
    Platform& m_platform;
    HelpSystem m_help{m_platform, this};
    QString m_scoresPath;

    // What the bars were last given, with the sign a bar cannot hold.
    MarketLimits m_limits{};
    std::int16_t m_mercenaryBarMax = 32767;
    // Set once a new game was asked for, so that a second end in the same handler is ignored.
    bool m_leaving = false;

    std::array<GoodsPanel, 4> m_goods{};

    QFrame* m_line1 = nullptr;
    QPushButton* m_buy = nullptr;
    QPushButton* m_sale = nullptr;
    QPushButton* m_naemniki = nullptr;
    QPushButton* m_dalshe = nullptr;
    QLabel* m_label14 = nullptr;
    QLabel* m_label15 = nullptr;

    QLabel* m_money1 = nullptr;
    QLabel* m_rabochie1 = nullptr;
    QLabel* m_soldaty1 = nullptr;
    QLabel* m_wsego1 = nullptr;
    QLabel* m_label22 = nullptr;
    QLabel* m_label23 = nullptr;
    QLabel* m_nasnas = nullptr;
    QLabel* m_label19 = nullptr;
    QLabel* m_label20 = nullptr;

    QGroupBox* m_informacia = nullptr;
    QLabel* m_info = nullptr;
    QGroupBox* m_boy = nullptr;
    QLabel* m_boy1 = nullptr;
    QLabel* m_boy2 = nullptr;
    QLabel* m_pobeda = nullptr;
    QLabel* m_label13 = nullptr;
    QLabel* m_trofey = nullptr;
    QLabel* m_trofey1 = nullptr;
    QPushButton* m_command3 = nullptr;

    QGroupBox* m_naemniki1 = nullptr;
    QLabel* m_label16 = nullptr;
    QLabel* m_label17 = nullptr;
    QScrollBar* m_scroll4 = nullptr;
    QPushButton* m_buy5 = nullptr;
    QPushButton* m_buy5_1 = nullptr;
    QLabel* m_label18 = nullptr;
    QLineEdit* m_text5 = nullptr;
    QLabel* m_max5 = nullptr;

    QMenu* m_files = nullptr;
    QAction* m_newgame = nullptr;
    QAction* m_savegame = nullptr;
    QAction* m_loadgame = nullptr;
    QAction* m_quitgame = nullptr;
    QAction* m_tablica = nullptr;
    QAction* m_pravila = nullptr;
    QAction* m_aboutgame = nullptr;
};
