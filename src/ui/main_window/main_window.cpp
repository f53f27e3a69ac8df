// The main window: its controls, what the controller shows in it and its trading modes.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include "ui/a11y/accessibility.h"
#include "ui/a11y/link_label.h"
#include "ui/art/art.h"
#include "ui/base/controls.h"
#include "ui/base/key_filters.h"
#include "ui/base/links.h"
#include "ui/base/platform.h"
#include "ui/base/screen_place.h"
#include "ui/base/twips.h"
#include "ui/i18n/rule_texts.h"
#include "ui/main_window/goods_panel.h"
#include "ui/main_window/mercenary_panel.h"
#include "ui/main_window/report_panel.h"
#include "ui/main_window/status_column.h"

MainWindow::MainWindow(GameContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_help(context.platform, this) {
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    //: The caption before a reign starts: the king of "Veloria", the country word in quotes.
    setWindowTitle(tr("Король \"Велории\""));
    setWindowIcon(veloriaIcon());
    setFont(gameFont(9.75));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);

    buildWindow();
    setupActions();
    auto* barKeys = new BarKeysFilter(this);
    for (QScrollBar* bar : findChildren<QScrollBar*>()) {
        barKeys->watch(bar);
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

// ---------------------------------------------------------------------------------------------
// Building the window

void MainWindow::buildWindow() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("clientArea"));
    area->setFixedSize(twips(10185), twips(6000));
    setCentralWidget(area);

    auto* line = new QFrame(area);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setGeometry(0, 0, twips(9720), 1);

    m_buy = makeButton(area, "buy", twipRect(120, 120, 1335, 255), tr("Покупка"),
                       //: "Buy something", misspelt ("-нибуть") in the game's own Russian.
                       tr("Купить что-нибуть"));
    m_sell = makeButton(area, "Sale", twipRect(1440, 120, 1335, 255), tr("Продажа"),
                        tr("Продать что-нибудь"));
    m_hire = makeButton(area, "naemniki", twipRect(2760, 120, 1335, 255), tr("Наёмники"),
                        tr("Нанять наёмников"));
    //: The button that lives through the year ("Next").
    m_next = makeButton(area, "dalshe", twipRect(4080, 120, 1335, 255), tr("Дальше"),
                        tr("Дальше", "tool tip"));
    connect(m_buy, &QPushButton::clicked, this, &MainWindow::buy_Click);
    connect(m_sell, &QPushButton::clicked, this, &MainWindow::Sale_Click);
    connect(m_hire, &QPushButton::clicked, this, &MainWindow::naemniki_Click);
    connect(m_next, &QPushButton::clicked, this, &MainWindow::dalshe_Click);

    m_reignYear = makeLabel(area, "Label14", twipRect(2040, 480, 3135, 375),
                            //: Design text only: the year label is written anew at once.
                            tr("1   год правления"));
    m_reignYear->setFont(gameFont(14.25));
    setTextColour(m_reignYear, QColor(192, 0, 192));
    m_tradingTitle = makeLabel(area, "Label15", twipRect(7800, 240, 2055, 375));
    m_tradingTitle->setFont(gameFont(14.25));
    setTextColour(m_tradingTitle, QColor(0, 0, 255));

    m_amountFilter = new AmountBoxFilter(m_context.platform, this);
    for (const Good good : kGoods) {
        auto* panel = new GoodsPanel(area, good, *m_amountFilter, this);
        m_goods[goodIndex(good)] = panel;
        connect(panel, &GoodsPanel::tradeByBarRequested, this, &MainWindow::tradeByBar);
        connect(panel, &GoodsPanel::tradeTypedRequested, this, &MainWindow::tradeTyped);
    }
    m_report = new ReportPanel(area, this);
    connect(m_report, &ReportPanel::battleAcknowledged, this, &MainWindow::Command3_Click);
    m_mercenaries = new MercenaryPanel(area, *m_amountFilter, this);
    connect(m_mercenaries, &MercenaryPanel::hireByBarRequested, this, &MainWindow::buy5_Click);
    connect(m_mercenaries, &MercenaryPanel::hireTypedRequested, this, &MainWindow::buy5_1_Click);
    m_status = new StatusColumn(area, this);
    // The status column's figures are one Tab stop right after «Дальше», over the column itself.
    m_summary = new SpokenSummary(area, twipRect(7320, 1080, 2775, 3855));
    m_summary->setObjectName(QStringLiteral("statusSummary"));
    setTabOrder(m_next, m_summary);
    m_announcer = new Announcer(area);

    auto* credits = makeLabel(area, "Label19", twipRect(120, 5640, 4335, 255),
                              tr("Король Велории, 2026: наша игра"));
    credits->setFont(gameFont(11.25));
    setTextColour(credits, QColor(0, 0, 0));
    m_mailLink = makeLabel(area, "Label20", twipRect(4680, 5640, 1455, 255),
                           QString::fromLatin1(kSecondMailAddress));
    setTextColour(m_mailLink, QColor(0, 0, 255));
    // An address cut short is no address: the label grows to the right when it must.
    const int addressWidth = m_mailLink->fontMetrics().horizontalAdvance(m_mailLink->text()) + 2;
    if (addressWidth > m_mailLink->width()) {
        m_mailLink->resize(addressWidth, m_mailLink->height());
    }
    new LinkLabel(m_mailLink, [this] { Label20_Click(); });
}

void MainWindow::startReign(const QString& kingName) {
    centreOnScreen(this, QSize(twips(9600), twips(5550)));
    setWindowTitle(ruletext::mainCaptionPrefix() + kingName);
}

// ---------------------------------------------------------------------------------------------
// What the controller shows

void MainWindow::showYearLabel(double year) {
    m_reignYear->setText(ruletext::yearLabel(year));
    describeFigures();
}

void MainWindow::refreshStatus(const StatusFigures& status) {
    m_status->refresh(status);
    describeFigures();
}

void MainWindow::refreshMarket(const ReignScreen& screen) {
    // Panel by panel in the order of the goods, one kind of control at a time.
    const auto row = [&screen](const GoodsPanel* panel) -> const GoodsRow& {
        return screen.goods[static_cast<std::size_t>(goodIndex(panel->good()))];
    };
    for (GoodsPanel* panel : m_goods) {
        setBarMaximum(panel->sellBar(), row(panel).sellBarMax);
    }
    for (GoodsPanel* panel : m_goods) {
        panel->buyBar()->setValue(0);
    }
    for (GoodsPanel* panel : m_goods) {
        panel->sellBar()->setValue(0);
    }
    for (GoodsPanel* panel : m_goods) {
        panel->lowerLimitLabel()->setText(plainNumberQText(row(panel).purchaseMax));
        setBarMaximum(panel->buyBar(), row(panel).buyBarMax);
    }
    for (GoodsPanel* panel : m_goods) {
        panel->showCaption(ruletext::goodCaption(panel->good()) + numberQText(row(panel).stock));
        //: %1: the price, in the game's number text, which starts with a blank.
        panel->priceLabel()->setText(tr("Цена: %1").arg(numberQText(row(panel).price)));
    }
    for (GoodsPanel* panel : m_goods) {
        panel->amountLabel()->setText(QStringLiteral("0"));
        panel->setFigures(row(panel));
    }
    m_status->showMoney(screen.status.money);
}

void MainWindow::showBuyLimits(const ReignScreen& screen) {
    for (std::size_t i = 0; i < m_goods.size(); ++i) {
        //: The bar's limit; %1 in the game's number text, which starts with a blank.
        m_goods[i]->barLimitLabel()->setText(
            tr("max: %1").arg(numberQText(screen.goods[i].buyBarMax)));
    }
    describeFigures();
}

void MainWindow::showSellLimits(const ReignScreen& screen) {
    for (std::size_t i = 0; i < m_goods.size(); ++i) {
        m_goods[i]->barLimitLabel()->setText(
            tr("max: %1").arg(numberQText(screen.goods[i].sellBarMax)));
    }
    for (std::size_t i = 0; i < m_goods.size(); ++i) {
        m_goods[i]->lowerLimitLabel()->setText(
            tr("max: %1").arg(numberQText(screen.goods[i].sellBarMax)));
    }
    describeFigures();
}

void MainWindow::restoreMercenaryBar(std::int16_t maximum) {
    m_mercenaries->restoreBarMax(maximum);
}

void MainWindow::showTradingMode(bool buying) {
    for (GoodsPanel* panel : m_goods) {
        panel->showMode(buying);
    }
}

void MainWindow::showBuying(const ReignScreen& screen) {
    m_tradingTitle->setText(tr("Покупайте!"));
    m_mercenaries->hide();
    m_report->hide();
    showYearLabel(screen.year);
    refreshStatus(screen.status);
    showTradingMode(true);
    refreshMarket(screen);
    showBuyLimits(screen);
    keepKeyboardOnShownPanels();
}

void MainWindow::showSelling(const ReignScreen& screen) {
    m_tradingTitle->setText(tr("Продавайте!"));
    m_mercenaries->hide();
    m_report->hide();
    showTradingMode(false);
    refreshMarket(screen);
    showSellLimits(screen);
    keepKeyboardOnShownPanels();
}

void MainWindow::showMercenaries(const ReignScreen& screen) {
    m_tradingTitle->clear();
    m_mercenaries->open(screen.mercenaries);
    m_report->hide();
    m_mercenaries->describeFigures();
    keepKeyboardOnShownPanels();
}

void MainWindow::beginYear() {
    m_tradingTitle->clear();
    m_mercenaries->hide();
    m_report->show();
    keepKeyboardOnShownPanels();
}

void MainWindow::showReport(const QString& report) {
    // The war panel's OK goes with the war panel: the keyboard goes back to «Дальше».
    if (focusWidget() == m_report->acknowledgeButton()) {
        m_next->setFocus();
    }
    m_report->showReport(report);
    m_report->describeForReaders();
    keepKeyboardOnShownPanels();
}

void MainWindow::showBattle(const BattleReport& battle) {
    m_report->showBattle(battle);
    m_report->describeForReaders();
    const QWidget* focus = focusWidget();
    if (focus == nullptr || focus == m_buy || focus == m_sell || focus == m_hire ||
        focus == m_next) {
        m_report->acknowledgeButton()->setFocus();
    }
}

void MainWindow::announceYearEnd() {
    if (battleShown()) {
        // The OK that took the keyboard speaks the battle; without the keyboard it is told.
        if (focusWidget() != m_report->acknowledgeButton()) {
            m_announcer->announce(m_report->spokenBattle());
        }
        return;
    }
    m_announcer->announce(spokenText(m_report->spokenReport() + u'\n' + m_reignYear->text()));
}

QString MainWindow::lastAnnouncement() const {
    return m_announcer->lastAnnouncement();
}

void MainWindow::describeFigures() {
    QStringList parts{m_reignYear->text()};
    parts << m_status->spokenFigures();
    m_summary->setParts(parts);
    for (GoodsPanel* panel : m_goods) {
        panel->describeFigures();
    }
}

void MainWindow::keepKeyboardOnShownPanels() {
    const bool covered = !m_report->frame()->isHidden() || !m_mercenaries->frame()->isHidden();
    for (GoodsPanel* panel : m_goods) {
        panel->setReachable(!covered);
    }
}

void MainWindow::hideBattle() {
    m_report->hideBattle();
}

bool MainWindow::battleShown() const {
    return m_report->battleShown();
}

void MainWindow::setCommandButtonsEnabled(bool enabled) {
    for (QPushButton* button : {m_buy, m_sell, m_hire, m_next}) {
        button->setEnabled(enabled);
    }
}

bool MainWindow::commandButtonsEnabled() const {
    return m_buy->isEnabled() && m_sell->isEnabled() && m_hire->isEnabled() && m_next->isEnabled();
}
