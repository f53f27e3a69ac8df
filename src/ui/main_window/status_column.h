// The status column of the main window: money, workers, soldiers, their total, the land and grain
// the people need, and their mood.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include "reign/reign_session.h"

class QLabel;
class QWidget;

class StatusColumn final : public QObject {
    Q_OBJECT
public:
    // The column's figures, in the order they stand.
    enum class Figure { Money, Workers, Soldiers, Total, LandNeeded, GrainNeeded, Mood };

    StatusColumn(QWidget* area, QObject* parent);

    // Every figure and warning colour as the session shows them.
    void refresh(const StatusFigures& figures);
    void showMoney(double money);

    // A figure as a screen reader speaks it, from the figures shown, with its caption and, for
    // the needs, whether there is too little ("Требуется земли: 80, не хватает").
    QString spokenFigure(Figure figure) const;
    // All of them, top to bottom.
    QStringList spokenFigures() const;

private:
    StatusFigures m_figures;
    QLabel* m_money = nullptr;
    QLabel* m_workers = nullptr;
    QLabel* m_soldiers = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_landNeeded = nullptr;
    QLabel* m_grainNeeded = nullptr;
    QLabel* m_mood = nullptr;
};
