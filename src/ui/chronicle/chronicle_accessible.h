// What a screen reader gets from the chronicle's painted views: table, report and chart.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;
class RowsView;

// The views paint themselves, so Qt knows nothing of their rows: these tell it. Interfaces are made
// by Qt's accessibility on demand only (by the factory the window installs,
// chronicle_interfaces.h), cells only when a reader asks for them; while no reader is active every
// call below returns at once and nothing is made.
namespace chronicleAccessibility {

// The view's chosen row moved (keys, mouse or a new year): the reader hears the row.
void currentRowChanged(RowsView* view);
// The view took the keyboard.
void focused(RowsView* view);
// Rows were added, dropped at the front or replaced: cells made so far are forgotten.
void rowsChanged(RowsView* view);
// The report pane's reading line moved.
void readingLineMoved(RowsView* view);
// The report pane shows another year's report.
void textChanged(RowsView* view, const QString& before, const QString& after);
// A series of the chart was shown or hidden.
void seriesChanged(QWidget* chart);

// The texts the interfaces give, also for the tests.
// Lines ended by LF, the last one by nothing; the rule an empty line.
QString reportText(const QString& report);
QString rowSummary(const RowsView& view, int row); // "Год 12: рабочие 300, ..."

} // namespace chronicleAccessibility
