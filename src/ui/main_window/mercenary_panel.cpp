// The mercenaries panel of the main window.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/mercenary_panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ui/a11y/accessibility.h"
#include "ui/base/controls.h"
#include "ui/base/key_filters.h"
#include "ui/base/twips.h"

// Control names: m_frame naemniki1, m_price Label16, m_barAmount Label17, m_bar scroll4,
// m_hireByBar buy5, m_hireTyped buy5_1, m_barLimit Label18, m_amountBox Text5, m_payable max5.
MercenaryPanel::MercenaryPanel(QWidget* area, AmountBoxFilter& amountFilter, QObject* parent)
    : QObject(parent) {
    QWidget* panel =
        makeFrame(area, "naemniki1", twipRect(120, 960, 7095, 4575), tr("Наёмники"), 12, &m_frame);
    makePicture(panel, "Picture3", twipRect(5280, 360, 1140, 1575),
                QStringLiteral(":/art/mercenary.svg"), QSize(72, 104));
    m_price = makeLabel(panel, "Label16", twipRect(720, 1080, 1335, 255));
    m_barAmount = makeLabel(panel, "Label17", twipRect(2520, 1080, 1575, 255), {}, Qt::AlignRight);
    m_bar = makeBar(panel, "scroll4", twipRect(720, 1680, 3375, 255));
    m_bar->setRange(0, 32767);
    m_hireByBar = makeButton(panel, "buy5", twipRect(720, 2160, 975, 255), tr("нанять"));
    m_barLimit =
        makeLabel(panel, "Label18", twipRect(2040, 2160, 2055, 255), tr("max:"), Qt::AlignRight);
    m_hireTyped = makeButton(panel, "buy5_1", twipRect(720, 2640, 975, 255), tr("нанять"));
    m_amountBox = makeBox(panel, "Text5", twipRect(2520, 2640, 1575, 285));
    amountFilter.watch(m_amountBox);
    makeLabel(panel, "Label30", twipRect(720, 3120, 975, 255), tr("max:"), Qt::AlignRight);
    m_payable = makeLabel(panel, "max5", twipRect(2520, 3120, 1575, 255), {}, Qt::AlignRight);

    QLabel* position = m_barAmount;
    const auto showPosition = [position](int value) { position->setText(numberQText(value)); };
    connect(m_bar, &QScrollBar::valueChanged, position, showPosition);
    connect(m_bar, &QScrollBar::sliderMoved, position, showPosition);
    connect(m_hireByBar, &QPushButton::clicked, this, &MercenaryPanel::hireByBarRequested);
    connect(m_hireTyped, &QPushButton::clicked, this, &MercenaryPanel::hireTypedRequested);

    //: The scroll bar that chooses how many mercenaries to hire.
    m_bar->setAccessibleName(tr("Полоса найма наёмников"));
    //: The button that hires as many as the bar shows.
    m_hireByBar->setAccessibleName(tr("Нанять наёмников по полосе"));
    //: The button that hires as many as are typed into the box beside it.
    m_hireTyped->setAccessibleName(tr("Нанять наёмников: введённое количество"));
    //: The box where the number of mercenaries to hire is typed.
    m_amountBox->setAccessibleName(tr("Количество наёмников"));
}

void MercenaryPanel::open(const MercenaryRow& row) {
    m_row = row;
    m_frame->show();
    //: The panel's caption once opened: the game writes it with a blank at the end.
    m_frame->setTitle(tr("Наёмники "));
    m_price->setText(priceText());
    m_barAmount->setText(numberQText(m_bar->value()));
    setBarMaximum(m_bar, row.barMax);
    //: The bar's limit; %1 in the game's number text, which starts with a blank.
    m_barLimit->setText(tr("max :%1").arg(numberQText(row.barMax)));
    m_payable->setText(plainNumberQText(row.payable));
}

QString MercenaryPanel::priceText() const {
    //: A mercenary's price; %1 in the game's number text, which starts with a blank.
    return tr("Цена : %1").arg(numberQText(m_row.price));
}

void MercenaryPanel::hide() {
    m_frame->hide();
}

void MercenaryPanel::restoreBarMax(std::int16_t maximum) {
    setBarMaximum(m_bar, maximum);
}

int MercenaryPanel::barValue() const {
    return m_bar->value();
}

void MercenaryPanel::resetBar() {
    m_bar->setValue(0);
    m_barAmount->setText(numberQText(0));
}

QString MercenaryPanel::typedAmount() const {
    return m_amountBox->text();
}

void MercenaryPanel::clearTypedAmount() {
    m_amountBox->clear();
}

QString MercenaryPanel::spokenFigures() const {
    //: Spoken with each control of the mercenaries panel. %1: the price label as shown
    //: ("Цена : 100"); %2: the most mercenaries the treasury pays for.
    return tr("%1, нанять можно до %2")
        .arg(priceText().simplified(), shownFigure(plainNumberQText(m_row.payable)));
}

void MercenaryPanel::describeFigures() {
    const QString figures = spokenFigures();
    for (QWidget* control :
         {static_cast<QWidget*>(m_bar), static_cast<QWidget*>(m_hireByBar),
          static_cast<QWidget*>(m_hireTyped), static_cast<QWidget*>(m_amountBox)}) {
        control->setAccessibleDescription(figures);
    }
}
