// The chronicle's table: its columns, the texts of its cells, following the chronicle, copying.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chronicle/chronicle_table.h"

#include <algorithm>

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include "core/number_text.h"
#include "ui/base/twips.h"
#include "ui/chronicle/chronicle_accessible.h"
#include "ui/i18n/rule_texts.h"

namespace {

const char* const kColumnTitles[ChronicleTable::ColumnCount] = {
    QT_TRANSLATE_NOOP("ChronicleTable", "Год"), QT_TRANSLATE_NOOP("ChronicleTable", "Рабочие"),
    QT_TRANSLATE_NOOP("ChronicleTable", "Солдаты"),
    //: The population: workers and soldiers.
    QT_TRANSLATE_NOOP("ChronicleTable", "Всего"), QT_TRANSLATE_NOOP("ChronicleTable", "Земля"),
    QT_TRANSLATE_NOOP("ChronicleTable", "Зерно"), QT_TRANSLATE_NOOP("ChronicleTable", "Деньги"),
    QT_TRANSLATE_NOOP("ChronicleTable", "Золото"), QT_TRANSLATE_NOOP("ChronicleTable", "Нефть"),
    QT_TRANSLATE_NOOP("ChronicleTable", "Настроение"),
    QT_TRANSLATE_NOOP("ChronicleTable", "Рейтинг"), QT_TRANSLATE_NOOP("ChronicleTable", "События")};

QString entryText(const ChronicleEntry& e, int column) {
    const double numbers[] = {e.year,  e.workers, e.soldiers, e.total, e.land,
                              e.grain, e.money,   e.gold,     e.oil};
    if (column < ChronicleTable::Mood) {
        return QString::fromStdString(plainNumberText(numbers[column]));
    }
    switch (column) {
    case ChronicleTable::Mood:
        return ruletext::chronicleMood(e.mood);
    case ChronicleTable::Rating:
        return QString::fromStdString(plainNumberText(e.rating));
    default:
        return ruletext::chronicleEvents(e.events);
    }
}

bool isWords(int column) {
    return column == ChronicleTable::Mood || column == ChronicleTable::Events;
}

} // namespace

ChronicleTable::ChronicleTable(const Chronicle& chronicle, QWidget* parent)
    : RowsView(parent), m_chronicle(&chronicle) {
    setObjectName(QStringLiteral("chronicleTable"));
    // The game's bold face, which the main window has already loaded: a face of the chronicle's
    // own would cost it a third of a megabyte.
    setFont(gameFont(9));
    setChoosable(true);
    setAlternatingRows(true);
    setChronicle(chronicle);
}

QString ChronicleTable::columnTitle(int column) {
    return tr(kColumnTitles[column]);
}

void ChronicleTable::startColumns() {
    std::vector<ColumnSpec> columns;
    for (int c = 0; c < ColumnCount; ++c) {
        columns.push_back({columnTitle(c), textWidth(columnTitle(c), true) + 8,
                           isWords(c) ? Qt::AlignLeft : Qt::AlignRight});
    }
    setColumns(std::move(columns));
}

// Figures are measured by their length, as the font's digits share one width.
void ChronicleTable::measureRows(int from) {
    const int digit = textWidth(QStringLiteral("0"));
    std::vector<int> widths(ColumnCount, 0);
    for (int row = from; row < rowCount(); ++row) {
        for (int c = 0; c < ColumnCount; ++c) {
            const QString text = cellText(row, c);
            const int width = isWords(c) ? textWidth(text) : int(text.size()) * digit;
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], width);
        }
    }
    for (int c = 0; c < ColumnCount; ++c) {
        widenColumn(c, widths[std::size_t(c)]);
    }
}

void ChronicleTable::setChronicle(const Chronicle& chronicle) {
    m_chronicle = &chronicle;
    m_generation = chronicle.generation;
    m_dropped = chronicle.dropped;
    startColumns();
    setRowCount(0);
    setRowCount(int(chronicle.entries.size()));
    measureRows(0);
}

void ChronicleTable::follow() {
    const Chronicle& c = *m_chronicle;
    if (c.generation != m_generation || c.dropped < m_dropped) {
        setChronicle(c);
        return;
    }
    const int gone = int(std::min<std::uint64_t>(c.dropped - m_dropped, std::uint64_t(rowCount())));
    m_dropped = c.dropped;
    const int before = rowCount() - gone;
    // The last entry is measured again: a closed battle may have rewritten it.
    setRowCount(int(c.entries.size()), gone);
    measureRows(std::max(0, std::min(before, rowCount()) - 1));
}

QString ChronicleTable::cellText(int row, int column) const {
    return entryText(m_chronicle->entries[std::size_t(row)], column);
}

QString ChronicleTable::cellToolTip(int row, int column) const {
    return column == Events ? cellText(row, column) : QString();
}

QString ChronicleTable::tabSeparated() const {
    QStringList lines;
    QStringList cells;
    for (int c = 0; c < ColumnCount; ++c) {
        cells << columnTitle(c);
    }
    lines << cells.join(QLatin1Char('\t'));
    for (int row = 0; row < rowCount(); ++row) {
        cells.clear();
        for (int c = 0; c < ColumnCount; ++c) {
            cells << cellText(row, c);
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ChronicleTable::tellRowsChanged() {
    chronicleAccessibility::rowsChanged(this);
}

void ChronicleTable::tellCurrentRowChanged() {
    chronicleAccessibility::currentRowChanged(this);
}

void ChronicleTable::tellFocused() {
    chronicleAccessibility::focused(this);
}

ReportView::ReportView(QWidget* parent) : RowsView(parent) {
    setObjectName(QStringLiteral("chronicleReport"));
    setPlaceholder(tr("Выберите год, чтобы прочитать его доклад."));
    setColumns({ColumnSpec{}});
}

void ReportView::setText(const QString& text) {
    if (text == m_text) {
        return;
    }
    const QString before = m_text;
    m_text = text;
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (lines.endsWith(QLatin1Char('\n'))) {
        lines.chop(1);
    }
    m_lines = lines.isEmpty() ? QStringList() : lines.split(QLatin1Char('\n'));
    setColumns({ColumnSpec{}});
    int widest = 0;
    for (const QString& line : m_lines) {
        widest = std::max(widest, textWidth(line));
    }
    widenColumn(0, widest);
    setRowCount(int(m_lines.size()));
    m_readingLine = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    chronicleAccessibility::textChanged(this, before, m_text);
}

void ReportView::keyPressEvent(QKeyEvent* event) {
    const int before = m_readingLine;
    const int last = std::max(0, rowCount() - 1);
    if (event->modifiers() == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Up:
            m_readingLine = std::max(0, m_readingLine - 1);
            break;
        case Qt::Key_Down:
            m_readingLine = std::min(last, m_readingLine + 1);
            break;
        default:
            break;
        }
    }
    RowsView::keyPressEvent(event);
    // A page or a jump scrolls away from the line: reading goes on from the top of what shows.
    if (m_readingLine < firstShownRow() || m_readingLine >= firstShownRow() + shownRowCount()) {
        m_readingLine = std::min(last, firstShownRow());
    }
    if (m_readingLine != before) {
        chronicleAccessibility::readingLineMoved(this);
    }
}

QString ReportView::cellText(int row, int) const {
    return m_lines[row];
}
