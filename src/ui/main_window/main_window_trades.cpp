// The main window's trades and hires, run by the window itself: they never change the reign.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QScrollBar>

#include "market/trade.h"
#include "ui/a11y/accessibility.h"
#include "ui/base/platform.h"
#include "ui/main_window/goods_panel.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/mercenary_panel.h"
#include "ui/main_window/status_column.h"
#include "war/mercenaries.h"

namespace {

// A typed amount leaves its box once the trade is done or refused, with a beep when refused.
// Says whether the trade was done.
template <typename Panel>
bool typedTradeDone(TradeResult result, Panel& panel, Platform& platform) {
    if (result == TradeResult::Ignored) {
        return false;
    }
    panel.clearTypedAmount();
    if (result == TradeResult::Refused) {
        platform.beep();
        return false;
    }
    return true;
}

} // namespace

void MainWindow::tradeByBar(Good good, bool buying) {
    const GoodsPanel* panel = m_goods[goodIndex(good)];
    const TradeResult result = buying ? buyByBar(m_state, good, panel->buyBar()->value())
                                      : sellByBar(m_state, good, panel->sellBar()->value());
    if (result == TradeResult::Done) {
        afterTrade(good, buying);
    }
}

void MainWindow::tradeTyped(Good good, bool buying) {
    GoodsPanel* panel = m_goods[goodIndex(good)];
    const std::string typed = panel->typedAmount().toStdString();
    const TradeResult result =
        buying ? buyTyped(m_state, good, typed) : sellTyped(m_state, good, typed);
    if (typedTradeDone(result, *panel, m_context.platform)) {
        afterTrade(good, buying);
    }
}

void MainWindow::afterTrade(Good good, bool buying) {
    refreshMarket();
    if (buying) {
        showBuyLimits();
    } else {
        showSellLimits();
    }
    if (tradeRefreshesStatus(good)) {
        refreshStatus();
    }
    // The trade is told with the good's new figures and the treasury.
    m_announcer->announce(spokenText(m_goods[goodIndex(good)]->spokenFigures() + u'\n' +
                                     m_status->spokenFigure(StatusColumn::Figure::Money)));
}

void MainWindow::buy5_Click() {
    hireByBar(m_state, m_mercenaries->barValue());
    refreshStatus();
    m_mercenaries->resetBar();
    showMercenaries();
    announceHire();
}

void MainWindow::buy5_1_Click() {
    const TradeResult result = hireTyped(m_state, m_mercenaries->typedAmount().toStdString());
    if (typedTradeDone(result, *m_mercenaries, m_context.platform)) {
        refreshStatus();
        showMercenaries();
        announceHire();
    }
}

void MainWindow::announceHire() {
    m_announcer->announce(spokenText(m_status->spokenFigure(StatusColumn::Figure::Soldiers) +
                                     u'\n' + m_status->spokenFigure(StatusColumn::Figure::Money) +
                                     u'\n' + m_mercenaries->spokenFigures()));
}
