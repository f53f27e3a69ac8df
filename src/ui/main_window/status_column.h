// The status column of the main window: money, workers, soldiers, their total, the land and grain
// the people need, and their mood.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include "core/kingdom_state.h"

class QLabel;
class QWidget;

class StatusColumn final : public QObject {
    Q_OBJECT
public:
    // The column's figures, in the order they stand.
    enum class Figure { Money, Workers, Soldiers, Total, LandNeeded, GrainNeeded, Mood };

    StatusColumn(QWidget* area, QObject* parent);

    // Every figure and warning colour from the state; the mood word unless it must stay.
    void refresh(const KingdomState& state);
    void showMoney(double money);
    void showMoodWord(const KingdomState& state);
    // What a starved country shows under its message: no workers, the soldiers alone in total.
    void showStarvedFigures(const KingdomState& state);

    // A figure as a screen reader speaks it, from what its label shows, with its caption and,
    // for the needs, whether the label warns in red ("Требуется земли: 80, не хватает").
    QString spokenFigure(Figure figure) const;
    // All of them, top to bottom.
    QStringList spokenFigures() const;

private:
    QLabel* m_money = nullptr;
    QLabel* m_workers = nullptr;
    QLabel* m_soldiers = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_landNeeded = nullptr;
    QLabel* m_grainNeeded = nullptr;
    QLabel* m_mood = nullptr;
};
