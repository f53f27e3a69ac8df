// One goods panel of the main window: the frame of gold, land, grain or oil with its price, stock,
// bars, trade buttons and amount box.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QObject>
#include <QString>

#include <optional>

#include "market/goods.h"
#include "reign/reign_session.h"

class AmountBoxFilter;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

class GoodsPanel final : public QObject {
    Q_OBJECT
public:
    // Builds the panel, hidden, on the main window's client area.
    GoodsPanel(QWidget* area, Good good, AmountBoxFilter& amountFilter, QObject* parent);

    Good good() const { return m_good; }
    // Buy mode shows the buy bar and the buy buttons, sell mode the sell ones; both show the frame.
    void showMode(bool buying);
    // The frame's caption, the stock in it: a caption too long for the frame is written smaller,
    // so that the figure is shown whole.
    void showCaption(const QString& caption);
    // The text typed into the amount box; emptied after a trade or a refusal.
    QString typedAmount() const;
    void clearTypedAmount();

    // The panel's figures as the market's last refresh left them, for what a screen reader says.
    void setFigures(const GoodsRow& row) { m_row = row; }
    // What a screen reader says with each of the panel's controls, from the figures shown: the
    // good and its stock, the price and the most that can be traded in the mode shown.
    QString spokenFigures() const;
    void describeFigures();
    // Covered by the report or the mercenaries, the panel's controls leave the Tab order.
    void setReachable(bool reachable);

    // The controls the market refresh walks through, panel by panel.
    QGroupBox* frame() const { return m_frame; }
    QLabel* priceLabel() const { return m_price; }
    QLabel* amountLabel() const { return m_amount; }
    QScrollBar* sellBar() const { return m_sellBar; }
    QScrollBar* buyBar() const { return m_buyBar; }
    QLabel* barLimitLabel() const { return m_barLimit; }
    QLabel* lowerLimitLabel() const { return m_lowerLimit; }

signals:
    // A trade button was pressed: by the bar's amount, or by the amount typed into the box.
    void tradeByBarRequested(Good good, bool buying);
    void tradeTypedRequested(Good good, bool buying);

private:
    std::optional<GoodsRow> m_row;
    // The controls that take the keyboard, in both modes.
    std::array<QWidget*, 7> controls() const;

    Good m_good;
    qreal m_captionPoints = 12;
    QGroupBox* m_frame = nullptr;
    QLabel* m_price = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_amount = nullptr;
    QScrollBar* m_sellBar = nullptr;
    QScrollBar* m_buyBar = nullptr;
    QPushButton* m_buyByBar = nullptr;
    QPushButton* m_sellByBar = nullptr;
    QLabel* m_barLimit = nullptr;
    QPushButton* m_buyTyped = nullptr;
    QPushButton* m_sellTyped = nullptr;
    QLineEdit* m_amountBox = nullptr;
    QLabel* m_maxCaption = nullptr;
    QLabel* m_lowerLimit = nullptr;
};
