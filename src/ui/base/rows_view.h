// A scrolling list of one-line rows in columns, painted from laid-out texts kept between paints.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QAbstractScrollArea>
#include <QStringList>

#include "ui/base/line_drawer.h"

// The chronicle's table and its report pane. Qt's item views and text editor would do, but their
// code alone is a megabyte resident, more than the chronicle may cost, and a year end's repaint
// through them costs several times what we draw here. Rows scroll whole; the columns scroll
// sideways by pixels. A derived class says what each cell holds.
class RowsView : public QAbstractScrollArea {
    Q_OBJECT
public:
    struct ColumnSpec {
        QString title; // the header's text; no header when every title is empty
        int width = 0;
        Qt::Alignment alignment = Qt::AlignLeft;
    };

    explicit RowsView(QWidget* parent = nullptr);

    void setColumns(std::vector<ColumnSpec> columns);
    int columnCount() const { return int(m_columns.size()); }
    // Columns grow to their widest text as rows come; the last one also fills the view.
    void widenColumn(int column, int width);

    int rowCount() const { return m_rows; }
    // What a cell shows, and its place in the viewport (it may lie outside it): for the
    // accessibility interfaces, which read the view as a screen reader asks.
    QString textAt(int row, int column) const { return cellText(row, column); }
    QRect cellRect(int row, int column) const;
    QRect headerRect(int column) const;
    bool hasHeader() const { return m_header; }
    QString columnTitle(int column) const { return m_columns[std::size_t(column)].title; }
    // Rows that can be chosen get a current row (-1: none), painted highlighted.
    void setChoosable(bool choosable);
    bool isChoosable() const { return m_choosable; }
    int currentRow() const { return m_current; }
    void setCurrentRow(int row); // scrolls it into view
    void showRow(int row);       // scrolls it into view
    void scrollToBottom();
    // Shown greyed while there are no rows.
    void setPlaceholder(const QString& text) { m_placeholder = text; }
    const QString& placeholder() const { return m_placeholder; }
    int firstShownRow() const;
    int shownRowCount() const { return shownRows(); }
    int rowHeight() const { return m_rowHeight; }
    // The row under a point of the viewport, -1 for none or the header.
    int rowAt(QPoint point) const;

signals:
    void currentRowChanged(int row);

protected:
    virtual QString cellText(int row, int column) const = 0;
    // A whole text where a cell shows only part of it; empty for none.
    virtual QString cellToolTip(int row, int column) const;
    // What a screen reader is to be told, for a view whose interface tells it: the rows were
    // added, dropped or replaced; the chosen row moved; the view took the keyboard.
    virtual void tellRowsChanged() {}
    virtual void tellCurrentRowChanged() {}
    virtual void tellFocused() {}

    // The number of rows changed: the current row moves by `shift` (rows removed at the front
    // move it up) and stays inside the rows.
    void setRowCount(int rows, int shift = 0);
    void setAlternatingRows(bool alternating) { m_alternating = alternating; }
    // The width of a text as a cell draws it, in the view's font or its header's.
    int textWidth(const QString& text, bool header = false) const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QFont headerFont() const; // the view's font in bold
    int headerHeight() const;
    int shownRows() const; // whole rows that fit below the header
    int contentWidth() const;
    int columnLeft(int column) const; // in the viewport, scrolled
    int cellWidth(int column, int left) const;
    int columnAt(int x) const;
    void updateScrollBars();
    void updateMetrics();
    void paintHeader(QPainter& painter, int width);

    std::vector<ColumnSpec> m_columns;
    int m_rows = 0;
    int m_current = -1;
    bool m_choosable = false;
    bool m_alternating = false;
    bool m_header = false;
    QString m_placeholder;
    int m_rowHeight = 1;
    mutable LineDrawer m_drawer;
};
