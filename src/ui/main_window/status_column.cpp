// The status column of the main window.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/status_column.h"

#include <QApplication>
#include <QLabel>

#include "ui/base/controls.h"
#include "ui/base/twips.h"
#include "ui/i18n/rule_texts.h"

namespace {
const QColor kShortfallRed(255, 0, 0);
}

// Control names: m_money money1, m_workers rabochie1, m_soldiers soldaty1, m_total wsego1,
// m_landNeeded Label22, m_grainNeeded Label23, m_mood nasnas.
StatusColumn::StatusColumn(QWidget* area, QObject* parent) : QObject(parent) {
    makeLabel(area, "dengi", twipRect(7320, 1080, 855, 255), tr("Деньги: $"));
    const auto valueLabel = [area](const char* name, int top) {
        return makeLabel(area, name, twipRect(8280, top, 1815, 255), {}, Qt::AlignRight, true);
    };
    m_money = valueLabel("money1", 1080);
    makeLabel(area, "rabochie", twipRect(7320, 1440, 855, 255), tr("Рабочие :"));
    m_workers = valueLabel("rabochie1", 1440);
    makeLabel(area, "soldaty", twipRect(7320, 1800, 855, 255), tr("Солдаты:"));
    m_soldiers = valueLabel("soldaty1", 1800);
    makeLabel(area, "wsego", twipRect(7320, 2160, 855, 255), tr("Всего:"));
    m_total = valueLabel("wsego1", 2160);
    setTextColour(m_total, QColor(0, 0, 192));

    //: The heading of the two figures below it: how much land and grain the people need.
    auto* needed = makeLabel(area, "Label21", twipRect(8520, 2640, 1575, 375), tr("Требуется :"));
    needed->setFont(gameFont(14.25));
    //: "(Needed) of land", with the game's blank at the end.
    auto* land = makeLabel(area, "Label24", twipRect(7320, 3240, 735, 255), tr("Земли "));
    land->setFont(gameFont(11.25));
    setTextColour(land, QColor(128, 64, 0));
    m_landNeeded = valueLabel("Label22", 3240);
    //: "(Needed) of grain".
    auto* grain = makeLabel(area, "Label25", twipRect(7320, 3720, 735, 255), tr("Зерна"));
    grain->setFont(gameFont(11.25));
    setTextColour(grain, QColor(255, 255, 0));
    m_grainNeeded = valueLabel("Label23", 3720);

    auto* mood = makeLabel(area, "nastroenie", twipRect(8280, 4080, 1815, 375), tr("Настроение :"));
    mood->setFont(gameFont(14.25));
    m_mood = makeLabel(area, "nasnas", twipRect(8280, 4560, 1815, 375), {}, Qt::AlignLeft, true);
    m_mood->setFont(gameFont(12));
}

void StatusColumn::refresh(const StatusFigures& figures) {
    m_figures = figures;
    const QColor normal = QApplication::palette().color(QPalette::ButtonText);
    setTextColour(m_grainNeeded, figures.grainShort ? kShortfallRed : normal);
    setTextColour(m_landNeeded, figures.landShort ? kShortfallRed : normal);
    m_money->setText(numberQText(figures.money));
    m_workers->setText(numberQText(figures.workers));
    m_soldiers->setText(numberQText(figures.soldiers));
    m_total->setText(numberQText(figures.total));
    m_landNeeded->setText(numberQText(figures.landNeeded));
    m_grainNeeded->setText(numberQText(figures.grainNeeded));
    if (figures.moodLevel) {
        if (const auto word = ruletext::moodWord(*figures.moodLevel)) {
            m_mood->setText(*word);
        }
    }
}

void StatusColumn::showMoney(double money) {
    m_figures.money = money;
    m_money->setText(numberQText(money));
}

QString StatusColumn::spokenFigure(Figure figure) const {
    const auto shown = [](double value) { return numberQText(value).simplified(); };
    const StatusFigures& f = m_figures;
    switch (figure) {
    case Figure::Money:
        //: Spoken by a screen reader: the caption of a figure of the status column and, as %1,
        //: the figure as shown.
        return tr("Деньги: %1").arg(shown(f.money));
    case Figure::Workers:
        return tr("Рабочие: %1").arg(shown(f.workers));
    case Figure::Soldiers:
        return tr("Солдаты: %1").arg(shown(f.soldiers));
    case Figure::Total:
        return tr("Всего: %1").arg(shown(f.total));
    case Figure::LandNeeded:
        //: The land the people need, shown in red: there is not enough of it.
        return (f.landShort ? tr("Требуется земли: %1, не хватает") : tr("Требуется земли: %1"))
            .arg(shown(f.landNeeded));
    case Figure::GrainNeeded:
        //: The grain the people need, shown in red: there is not enough to feed them.
        return (f.grainShort ? tr("Требуется зерна: %1, не хватает") : tr("Требуется зерна: %1"))
            .arg(shown(f.grainNeeded));
    case Figure::Mood:
        return tr("Настроение: %1")
            .arg(f.moodLevel ? ruletext::moodWord(*f.moodLevel).value_or(QString()).simplified()
                             : QString());
    }
    return {};
}

QStringList StatusColumn::spokenFigures() const {
    QStringList figures;
    for (const Figure figure : {Figure::Money, Figure::Workers, Figure::Soldiers, Figure::Total,
                                Figure::LandNeeded, Figure::GrainNeeded, Figure::Mood}) {
        figures << spokenFigure(figure);
    }
    return figures;
}
