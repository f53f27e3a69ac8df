// A scrolling list of one-line rows in columns: scrolling, choosing a row, painting, tooltips.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/rows_view.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QtMath>

namespace {

const QColor kGridLine(208, 208, 208);
constexpr int kCellPadding = 3;

} // namespace

RowsView::RowsView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(1);
    updateMetrics();
}

void RowsView::setColumns(std::vector<ColumnSpec> columns) {
    m_columns = std::move(columns);
    m_header = std::any_of(m_columns.begin(), m_columns.end(),
                           [](const ColumnSpec& c) { return !c.title.isEmpty(); });
    updateScrollBars();
    viewport()->update();
}

void RowsView::widenColumn(int column, int width) {
    width += 2 * kCellPadding;
    if (column >= 0 && column < columnCount() && width > m_columns[std::size_t(column)].width) {
        m_columns[std::size_t(column)].width = width;
        updateScrollBars();
        viewport()->update();
    }
}

void RowsView::setChoosable(bool choosable) {
    m_choosable = choosable;
    viewport()->update();
}

void RowsView::setRowCount(int rows, int shift) {
    const int before = m_current;
    QScrollBar* bar = verticalScrollBar();
    const int first = bar->value() - shift;
    m_rows = std::max(0, rows);
    int current = m_current < 0 ? -1 : std::max(0, m_current - shift);
    m_current = m_choosable && m_rows > 0 ? std::min(current, m_rows - 1) : -1;
    updateScrollBars();
    bar->setValue(first);
    viewport()->update();
    tellRowsChanged();
    if (m_current != before || shift != 0) {
        emit currentRowChanged(m_current);
        tellCurrentRowChanged();
    }
}

void RowsView::setCurrentRow(int row) {
    if (!m_choosable) {
        return;
    }
    row = m_rows > 0 ? std::clamp(row, 0, m_rows - 1) : -1;
    showRow(row);
    if (row != m_current) {
        m_current = row;
        viewport()->update();
        emit currentRowChanged(row);
        tellCurrentRowChanged();
    }
}

void RowsView::showRow(int row) {
    QScrollBar* bar = verticalScrollBar();
    if (row < 0) {
        return;
    }
    if (row < bar->value()) {
        bar->setValue(row);
    } else if (row >= bar->value() + shownRows()) {
        bar->setValue(row - shownRows() + 1);
    }
}

void RowsView::scrollToBottom() {
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

int RowsView::firstShownRow() const {
    return verticalScrollBar()->value();
}

int RowsView::rowAt(QPoint point) const {
    if (point.y() < headerHeight()) {
        return -1;
    }
    const int row = firstShownRow() + (point.y() - headerHeight()) / m_rowHeight;
    return row < m_rows ? row : -1;
}

int RowsView::columnLeft(int column) const {
    int left = -horizontalScrollBar()->value();
    for (int c = 0; c < column; ++c) {
        left += m_columns[std::size_t(c)].width;
    }
    return left;
}

// The last column reaches the view's edge however short its texts.
int RowsView::cellWidth(int column, int left) const {
    const int width = m_columns[std::size_t(column)].width;
    return column == columnCount() - 1 ? std::max(width, viewport()->width() - left) : width;
}

QRect RowsView::cellRect(int row, int column) const {
    const int left = columnLeft(column);
    return {left, headerHeight() + (row - firstShownRow()) * m_rowHeight, cellWidth(column, left),
            m_rowHeight};
}

QRect RowsView::headerRect(int column) const {
    const int left = columnLeft(column);
    return {left, 0, cellWidth(column, left), headerHeight()};
}

int RowsView::columnAt(int x) const {
    int right = -horizontalScrollBar()->value();
    for (int c = 0; c < columnCount(); ++c) {
        right += m_columns[std::size_t(c)].width;
        if (x < right || c == columnCount() - 1) {
            return c;
        }
    }
    return -1;
}

QFont RowsView::headerFont() const {
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

int RowsView::textWidth(const QString& text, bool header) const {
    return qCeil(m_drawer.width(header ? headerFont() : font(), text));
}

QString RowsView::cellToolTip(int, int) const {
    return {};
}

int RowsView::headerHeight() const {
    return m_header ? m_rowHeight + 2 : 0;
}

int RowsView::shownRows() const {
    return std::max(1, (viewport()->height() - headerHeight()) / m_rowHeight);
}

int RowsView::contentWidth() const {
    int width = 0;
    for (const ColumnSpec& column : m_columns) {
        width += column.width;
    }
    return width;
}

void RowsView::updateMetrics() {
    m_rowHeight = fontMetrics().height() + 4;
    updateScrollBars();
}

void RowsView::updateScrollBars() {
    QScrollBar* down = verticalScrollBar();
    down->setRange(0, std::max(0, m_rows - shownRows()));
    down->setPageStep(shownRows());
    QScrollBar* across = horizontalScrollBar();
    across->setRange(0, std::max(0, contentWidth() - viewport()->width()));
    across->setPageStep(viewport()->width());
}

void RowsView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    const int width = viewport()->width();
    const int left = -horizontalScrollBar()->value();
    const QPalette::ColorGroup group = isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    const QPalette& colours = palette();
    painter.setFont(font());

    int y = headerHeight();
    for (int row = firstShownRow(); row < m_rows && y < viewport()->height();
         ++row, y += m_rowHeight) {
        const QRect line(0, y, width, m_rowHeight);
        if (!line.intersects(dirty)) {
            continue;
        }
        const bool chosen = m_choosable && row == m_current;
        painter.fillRect(line,
                         colours.brush(group, chosen                       ? QPalette::Highlight
                                              : m_alternating && (row & 1) ? QPalette::AlternateBase
                                                                           : QPalette::Base));
        painter.setPen(colours.color(group, chosen ? QPalette::HighlightedText : QPalette::Text));
        int x = left;
        for (int c = 0; c < columnCount() && x < width; ++c) {
            const ColumnSpec& column = m_columns[std::size_t(c)];
            // The last column reaches the view's edge however short its texts.
            const int cellWidth =
                c == columnCount() - 1 ? std::max(column.width, width - x) : column.width;
            if (x + cellWidth > 0) {
                const QRect cell(x + kCellPadding, y, cellWidth - 2 * kCellPadding, m_rowHeight);
                m_drawer.draw(painter, cell, column.alignment | Qt::AlignVCenter, cellText(row, c));
            }
            x += cellWidth;
        }
        if (m_header) { // a table: cells ruled as in a ledger
            painter.setPen(kGridLine);
            painter.drawLine(0, y + m_rowHeight - 1, width, y + m_rowHeight - 1);
            int edge = left;
            for (int c = 0; c + 1 < columnCount(); ++c) {
                edge += m_columns[std::size_t(c)].width;
                painter.drawLine(edge - 1, y, edge - 1, y + m_rowHeight - 1);
            }
        }
        if (chosen && hasFocus()) {
            painter.setPen(QPen(colours.color(group, QPalette::HighlightedText), 1, Qt::DotLine));
            painter.drawRect(line.adjusted(0, 0, -1, -1));
        }
    }
    if (y < viewport()->height()) {
        painter.fillRect(QRect(0, y, width, viewport()->height() - y),
                         colours.brush(group, QPalette::Base));
    }
    if (m_rows == 0 && !m_placeholder.isEmpty()) {
        painter.setPen(colours.color(group, QPalette::PlaceholderText));
        m_drawer.draw(painter, QRect(kCellPadding, y, width - kCellPadding, m_rowHeight),
                      Qt::AlignLeft | Qt::AlignVCenter, m_placeholder);
    }
    if (m_header && dirty.top() < headerHeight()) {
        paintHeader(painter, width);
    }
}

void RowsView::paintHeader(QPainter& painter, int width) {
    const QPalette& colours = palette();
    const int height = headerHeight();
    painter.fillRect(QRect(0, 0, width, height), colours.button());
    painter.setFont(headerFont());
    int x = -horizontalScrollBar()->value();
    for (int c = 0; c < columnCount() && x < width; ++c) {
        const int cellWidth = c == columnCount() - 1
                                  ? std::max(m_columns[std::size_t(c)].width, width - x)
                                  : m_columns[std::size_t(c)].width;
        painter.setPen(colours.color(QPalette::ButtonText));
        m_drawer.draw(painter, QRect(x + 1, 0, cellWidth - 2, height), Qt::AlignCenter,
                      m_columns[std::size_t(c)].title);
        painter.setPen(colours.color(QPalette::Mid));
        painter.drawLine(x + cellWidth - 1, 0, x + cellWidth - 1, height - 1);
        x += cellWidth;
    }
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawLine(0, height - 1, width, height - 1);
}

// The chosen row stays in sight as the view grows or shrinks.
void RowsView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    showRow(m_current);
}

void RowsView::keyPressEvent(QKeyEvent* event) {
    if (m_choosable && event->modifiers() == Qt::NoModifier) {
        const int page = shownRows();
        const int current = m_current;
        switch (event->key()) {
        case Qt::Key_Up:
            setCurrentRow(current < 0 ? 0 : current - 1);
            return;
        case Qt::Key_Down:
            setCurrentRow(current + 1);
            return;
        case Qt::Key_PageUp:
            setCurrentRow(current - page);
            return;
        case Qt::Key_PageDown:
            setCurrentRow(current + page);
            return;
        case Qt::Key_Home:
            setCurrentRow(0);
            return;
        case Qt::Key_End:
            setCurrentRow(m_rows - 1);
            return;
        default:
            break;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void RowsView::mousePressEvent(QMouseEvent* event) {
    const int row = rowAt(event->position().toPoint());
    if (row >= 0 && event->button() == Qt::LeftButton) {
        setCurrentRow(row);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

bool RowsView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int row = rowAt(help->pos());
        const QString text = row < 0 ? QString() : cellToolTip(row, columnAt(help->pos().x()));
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, viewport());
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void RowsView::scrollContentsBy(int, int) {
    viewport()->update();
}

void RowsView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateMetrics();
    }
}

// The chosen row wears a focus frame while the view has the keyboard.
void RowsView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    tellFocused();
}

void RowsView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
