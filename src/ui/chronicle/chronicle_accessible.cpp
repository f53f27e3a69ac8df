// The chronicle's accessibility: the table and its cells, and what the views tell a reader.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chronicle/chronicle_accessible.h"

#include <algorithm>
#include <unordered_map>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include "ui/a11y/accessibility.h"
#include "ui/base/rows_view.h"
#include "ui/chronicle/chronicle_accessible_parts.h"

namespace {

// ---- the table --------------------------------------------------------------------------------

class TableAccessible;

// A cell, or with row -1 a column's header. Made when a reader asks for it and kept by Qt's
// cache until the rows change, so a reader can hold on to it while it reads.
class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(RowsView* view, int row, int column)
        : m_view(view), m_row(row), m_column(column) {}

    bool isValid() const override {
        return m_view && m_row < m_view->rowCount() && m_column < m_view->columnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_view);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) {
            return {};
        }
        if (t == QAccessible::Name) {
            return m_row < 0 ? m_view->columnTitle(m_column) : m_view->textAt(m_row, m_column);
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override {
        return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const QRect shown = m_view->viewport()->rect();
        const QRect place = rect();
        if (!m_view->isVisible() ||
            !QRect(m_view->viewport()->mapToGlobal(shown.topLeft()), shown.size())
                 .intersects(place)) {
            s.offscreen = true;
            s.invisible = !m_view->isVisible();
        }
        if (m_row >= 0) {
            s.selectable = true;
            s.focusable = true;
            s.selected = isSelected();
            s.focused = s.selected && m_column == 0 && m_view->hasFocus();
        }
        return s;
    }
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect place =
            m_row < 0 ? m_view->headerRect(m_column) : m_view->cellRect(m_row, m_column);
        return {m_view->viewport()->mapToGlobal(place.topLeft()), place.size()};
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface && m_row >= 0
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        return m_view && m_view->isChoosable() && m_row == m_view->currentRow();
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<RowsView> m_view;
    int m_row;
    int m_column;
};

// The table view: a table of rows and columns under a header, the chosen row its selection.
class TableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TableAccessible(RowsView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~TableAccessible() override { forgetCells(); }

    RowsView* view() const { return static_cast<RowsView*>(widget()); }
    int headerCells() const { return view()->hasHeader() ? view()->columnCount() : 0; }

    // Child i: the header cells first, then the cells row by row.
    QAccessibleInterface* cell(int row, int column) const {
        RowsView* v = view();
        if (column < 0 || column >= v->columnCount() || row < -1 || row >= v->rowCount() ||
            (row < 0 && !v->hasHeader())) {
            return nullptr;
        }
        const int index = headerCells() + row * v->columnCount() + column;
        const auto known = m_cells.find(index);
        if (known != m_cells.end()) {
            return QAccessible::accessibleInterface(known->second);
        }
        auto* made = new CellAccessible(v, row, column);
        m_cells[index] = QAccessible::registerAccessibleInterface(made);
        return made;
    }
    int childIndex(int row, int column) const {
        return headerCells() + row * view()->columnCount() + column;
    }
    void forgetCells() {
        for (const auto& [index, id] : m_cells) {
            QAccessible::deleteAccessibleInterface(id);
        }
        m_cells.clear();
    }

    // QAccessibleInterface
    int childCount() const override {
        return headerCells() + view()->rowCount() * view()->columnCount();
    }
    QAccessibleInterface* child(int index) const override {
        const int columns = view()->columnCount();
        if (index < 0 || columns == 0) {
            return nullptr;
        }
        if (index < headerCells()) {
            return cell(-1, index);
        }
        index -= headerCells();
        return cell(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessibleTableCellInterface* c =
            child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        if (c != nullptr) {
            return childIndex(c->rowIndex(), c->columnIndex());
        }
        for (const auto& [index, id] : m_cells) { // a header cell
            if (QAccessible::accessibleInterface(id) == child) {
                return index;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        RowsView* v = view();
        const QPoint point = v->viewport()->mapFromGlobal(QPoint(x, y));
        const int row = v->rowAt(point);
        for (int c = 0; c < v->columnCount(); ++c) {
            const QRect place = row >= 0 ? v->cellRect(row, c) : v->headerRect(c);
            if (place.contains(point)) {
                return cell(row, c);
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return view()->hasFocus() && view()->currentRow() >= 0 ? cell(view()->currentRow(), 0)
                                                               : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return view()->accessibleName().isEmpty() ? ChronicleSpeech::tr("Летопись по годам")
                                                      : view()->accessibleName();
        case QAccessible::Description:
            return ChronicleSpeech::tr(
                "Строка — год; стрелки, Page Up, Page Down, Home и End выбирают год, "
                "его доклад — ниже.");
        default:
            return QAccessibleWidget::text(t);
        }
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row >= 0 ? cell(row, column) : nullptr;
    }
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int row : selectedRows()) {
            for (int c = 0; c < columnCount(); ++c) {
                cells << cell(row, c);
            }
        }
        return cells;
    }
    QString columnDescription(int column) const override {
        return column >= 0 && column < columnCount() ? view()->columnTitle(column) : QString();
    }
    QString rowDescription(int row) const override {
        return row >= 0 && row < rowCount() ? chronicleAccessibility::rowSummary(*view(), row)
                                            : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return view()->currentRow() >= 0 ? 1 : 0; }
    int columnCount() const override { return view()->columnCount(); }
    int rowCount() const override { return view()->rowCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        return view()->currentRow() >= 0 ? QList<int>{view()->currentRow()} : QList<int>{};
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return row >= 0 && row == view()->currentRow(); }
    bool selectRow(int row) override {
        if (!view()->isChoosable() || row < 0 || row >= rowCount()) {
            return false;
        }
        view()->setCurrentRow(row);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { forgetCells(); }

private:
    // Child index to the cache's id; mutable because cells are made as they are asked for.
    mutable std::unordered_map<int, QAccessible::Id> m_cells;
};

QList<QAccessibleInterface*> CellAccessible::columnHeaderCells() const {
    if (!m_view || !m_view->hasHeader()) {
        return {};
    }
    auto* table = static_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(m_view));
    return {table->cell(-1, m_column)};
}

// The interface Qt already made for the view, if it made one; asking for one makes it.
TableAccessible* tableOf(RowsView* view) {
    return dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(view));
}

} // namespace

QAccessibleInterface* makeTableAccessible(RowsView* view) {
    return new TableAccessible(view);
}

namespace chronicleAccessibility {

QString rowSummary(const RowsView& view, int row) {
    QStringList figures;
    for (int c = 1; c < view.columnCount(); ++c) {
        const QString text = view.textAt(row, c);
        if (!text.isEmpty()) {
            //: One figure of a year's row: the column's title in lower case, then its figure.
            figures << ChronicleSpeech::tr("%1 %2").arg(view.columnTitle(c).toLower(), text);
        }
    }
    //: A year's row as a screen reader reads it: "Год 12: рабочие 300, солдаты 40, ...".
    return ChronicleSpeech::tr("%1 %2: %3")
        .arg(view.columnTitle(0), view.textAt(row, 0), figures.join(ChronicleSpeech::tr(", ")));
}

void currentRowChanged(RowsView* view) {
    if (!QAccessible::isActive()) {
        return;
    }
    TableAccessible* table = tableOf(view);
    if (table == nullptr || view->currentRow() < 0) {
        return;
    }
    // The focus first: a reader that hears of the selection next finds it where the focus is.
    const int child = table->childIndex(view->currentRow(), 0);
    if (view->hasFocus()) {
        QAccessibleEvent focus(view, QAccessible::Focus);
        focus.setChild(child);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent selection(view, QAccessible::Selection);
    selection.setChild(child);
    QAccessible::updateAccessibility(&selection);
}

void focused(RowsView* view) {
    if (!QAccessible::isActive() || tableOf(view) == nullptr) {
        return;
    }
    // Qt tells of the view's own focus after its focus-in handler: the row is told after that.
    QTimer::singleShot(0, view, [view] {
        if (view->hasFocus() && view->currentRow() >= 0) {
            QAccessibleEvent focus(view, QAccessible::Focus);
            focus.setChild(tableOf(view)->childIndex(view->currentRow(), 0));
            QAccessible::updateAccessibility(&focus);
        }
    });
}

void rowsChanged(RowsView* view) {
    if (!QAccessible::isActive() || tableOf(view) == nullptr) {
        return;
    }
    QAccessibleTableModelChangeEvent reset(view, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
}

QString reportText(const QString& report) {
    QString text = report;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    // The rule stays a line, empty, so that the reader's lines are the pane's.
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (isReportRule(line)) {
            line.clear();
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void readingLineMoved(RowsView* view) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* report = QAccessible::queryAccessibleInterface(view);
    if (report == nullptr || report->textInterface() == nullptr) {
        return;
    }
    QAccessibleTextCursorEvent moved(view, report->textInterface()->cursorPosition());
    QAccessible::updateAccessibility(&moved);
}

void textChanged(RowsView* view, const QString& before, const QString& after) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleTextUpdateEvent updated(view, 0, reportText(before), reportText(after));
    QAccessible::updateAccessibility(&updated);
}

void seriesChanged(QWidget* chart) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent changed(chart, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace chronicleAccessibility
