// The main window's trades and hires: what the player asks goes to the controller, and what the
// session made of it comes back to be shown and told.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QScrollBar>

#include "ui/a11y/accessibility.h"
#include "ui/main_window/goods_panel.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/mercenary_panel.h"
#include "ui/main_window/status_column.h"

void MainWindow::tradeByBar(Good good, bool buying) {
    const GoodsPanel* panel = m_goods[goodIndex(good)];
    emit tradeByBarRequested(good, buying,
                             buying ? panel->buyBar()->value() : panel->sellBar()->value());
}

void MainWindow::tradeTyped(Good good, bool buying) {
    emit tradeTypedRequested(good, buying, m_goods[goodIndex(good)]->typedAmount());
}

void MainWindow::clearTypedAmount(Good good) {
    m_goods[goodIndex(good)]->clearTypedAmount();
}

void MainWindow::showTrade(const ReignScreen& screen, Good good, bool buying) {
    refreshMarket(screen);
    if (buying) {
        showBuyLimits(screen);
    } else {
        showSellLimits(screen);
    }
    refreshStatus(screen.status);
    // The trade is told with the good's new figures and the treasury.
    m_announcer->announce(spokenText(m_goods[goodIndex(good)]->spokenFigures() + u'\n' +
                                     m_status->spokenFigure(StatusColumn::Figure::Money)));
}

void MainWindow::buy5_Click() {
    emit hireByBarRequested(m_mercenaries->barValue());
}

void MainWindow::buy5_1_Click() {
    emit hireTypedRequested(m_mercenaries->typedAmount());
}

void MainWindow::clearTypedHire() {
    m_mercenaries->clearTypedAmount();
}

void MainWindow::showHire(const ReignScreen& screen, bool byBar) {
    refreshStatus(screen.status);
    if (byBar) {
        m_mercenaries->resetBar();
    }
    showMercenaries(screen);
    announceHire();
}

void MainWindow::announceHire() {
    m_announcer->announce(spokenText(m_status->spokenFigure(StatusColumn::Figure::Soldiers) +
                                     u'\n' + m_status->spokenFigure(StatusColumn::Figure::Money) +
                                     u'\n' + m_mercenaries->spokenFigures()));
}
