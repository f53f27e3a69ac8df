// The mercenaries panel of the main window: their price, the hiring bar and the amount box.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QObject>
#include <QString>

#include "reign/reign_session.h"

class AmountBoxFilter;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

class MercenaryPanel final : public QObject {
    Q_OBJECT
public:
    // Builds the panel, hidden, on the main window's client area.
    MercenaryPanel(QWidget* area, AmountBoxFilter& amountFilter, QObject* parent);

    // Shows the panel with the price and the limits as the session worked them out.
    void open(const MercenaryRow& row);
    void hide();

    // The bar's range as a loaded game carries it.
    void restoreBarMax(std::int16_t maximum);
    int barValue() const;
    void resetBar();
    QString typedAmount() const;
    void clearTypedAmount();

    // What a screen reader says with each of the panel's controls, from the figures shown: the
    // price and the most mercenaries the treasury pays for.
    QString spokenFigures() const;
    void describeFigures();

    QGroupBox* frame() const { return m_frame; }

signals:
    void hireByBarRequested();
    void hireTypedRequested();

private:
    QString priceText() const;

    MercenaryRow m_row;

    QGroupBox* m_frame = nullptr;
    QLabel* m_price = nullptr;
    QLabel* m_barAmount = nullptr;
    QScrollBar* m_bar = nullptr;
    QPushButton* m_hireByBar = nullptr;
    QPushButton* m_hireTyped = nullptr;
    QLabel* m_barLimit = nullptr;
    QLineEdit* m_amountBox = nullptr;
    QLabel* m_payable = nullptr;
};
