// The chronicle window: the reign year by year in a table, the chosen year's report and a chart.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QWidget>

#include "sim/chronicle.h"

class ChronicleChart;
class ChronicleTable;
class QCheckBox;
class QPushButton;
class QTabWidget;
class ReportView;

// A plain window beside the game: it blocks nothing and follows the reign while it is open. The
// table with the chosen year's report is one page, the chart the other.
class ChronicleWindow final : public QWidget {
    Q_OBJECT
    // A plain widget made a window is told as a filler: the chronicle is a window of its own.
    Q_CLASSINFO("accessibleRole", "Window")
public:
    // The chronicle belongs to the caller and must outlive the window (or keepFinishedReign).
    explicit ChronicleWindow(const Chronicle& chronicle, QWidget* parent = nullptr);

    ChronicleTable* table() const { return m_table; }
    ReportView* report() const { return m_report; }
    ChronicleChart* chart() const { return m_chart; }
    QTabWidget* pages() const { return m_pages; }

public slots:
    // Call after every change: a year end recorded, a battle closed, a restart or a restore.
    void chronicleChanged();
    // A reign has ended and the caller's chronicle is about to start anew: the window keeps a
    // copy of the finished reign and stops following until it is closed.
    void keepFinishedReign();
    // The table as tab-separated text on the clipboard («Копировать», Ctrl+C).
    void copyTable();

private:
    void showReport();
    void adoptChronicle(const Chronicle& chronicle);

    const Chronicle* m_chronicle;
    Chronicle m_finished; // the copy a finished reign is kept in
    QTabWidget* m_pages = nullptr;
    ChronicleTable* m_table = nullptr;
    ReportView* m_report = nullptr;
    ChronicleChart* m_chart = nullptr;
    std::array<QCheckBox*, 7> m_seriesBoxes{};
    QPushButton* m_copy = nullptr;
};
