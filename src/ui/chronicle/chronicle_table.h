// The chronicle window's table of year ends and the pane with the chosen year's report.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QStringList>

#include "sim/chronicle.h"
#include "ui/base/rows_view.h"

// One row per entry of the chronicle. It follows the chronicle by its counters, so a year end
// adds one row and entries dropped at the front leave without the reader losing his place.
class ChronicleTable final : public RowsView {
    Q_OBJECT
public:
    enum Column {
        Year,
        Workers,
        Soldiers,
        Total,
        Land,
        Grain,
        Money,
        Gold,
        Oil,
        Mood,
        Rating,
        Events,
        ColumnCount
    };

    explicit ChronicleTable(const Chronicle& chronicle, QWidget* parent = nullptr);

    static QString columnTitle(int column);
    QString text(int row, int column) const { return cellText(row, column); }

    void setChronicle(const Chronicle& chronicle); // another chronicle: the rows start over
    void follow(); // the chronicle changed: rows dropped at the front, appended, or all new

    // The whole table as tab-separated lines, the header first, for a spreadsheet.
    QString tabSeparated() const;

protected:
    QString cellText(int row, int column) const override;
    QString cellToolTip(int row, int column) const override;
    void tellRowsChanged() override;
    void tellCurrentRowChanged() override;
    void tellFocused() override;

private:
    void startColumns();
    void measureRows(int from);

    const Chronicle* m_chronicle;
    std::uint64_t m_generation = 0;
    std::uint64_t m_dropped = 0;
};

// The report of the chosen year, line by line as the report panel showed it: the rule of 89
// underscores stays one line, and a narrow pane scrolls sideways rather than breaking it.
class ReportView final : public RowsView {
    Q_OBJECT
public:
    explicit ReportView(QWidget* parent = nullptr);

    void setText(const QString& text); // lines ended by CR LF or LF
    const QString& text() const { return m_text; }
    // The line a screen reader reads, not drawn: the arrows move it a line at a time, and
    // scroll the pane as they always did, so it stays in sight.
    int readingLine() const { return m_readingLine; }

protected:
    QString cellText(int row, int column) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_text;
    QStringList m_lines;
    int m_readingLine = 0;
};
