// Tests of what a screen reader gets from the chronicle: the table's cells, the report, the chart.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <vector>

#include <QAccessible>
#include <QCheckBox>
#include <QTabWidget>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "core/number_text.h"
#include "support/chronicle_reign.h"
#include "ui/chronicle/chronicle_chart.h"
#include "ui/chronicle/chronicle_interfaces.h"
#include "ui/chronicle/chronicle_table.h"
#include "ui/chronicle/chronicle_window.h"

namespace {

struct Heard {
    QAccessible::Event type;
    QObject* object;
    int child;
    int cursor; // a caret event's offset
};

std::vector<Heard> heard;

void record(QAccessibleEvent* event) {
    const int cursor = event->type() == QAccessible::TextCaretMoved
                           ? static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition()
                           : -1;
    heard.push_back({event->type(), event->object(), event->child(), cursor});
}

bool wasHeard(QAccessible::Event type, QObject* object, int child = -1) {
    return std::any_of(heard.begin(), heard.end(), [&](const Heard& h) {
        return h.type == type && h.object == object && (child < 0 || h.child == child);
    });
}

// Counts the interfaces asked for the chronicle's views: installed after the chronicle's own
// factory, it is asked first.
int asked = 0;
QAccessibleInterface* countingFactory(const QString& className, QObject*) {
    if (className == QLatin1String("ChronicleTable") || className == QLatin1String("ReportView") ||
        className == QLatin1String("ChronicleChart")) {
        ++asked;
    }
    return nullptr;
}

// As a screen reader on the bus would: Qt's platform side told that one listens.
void startListening() {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(record);
}

const Chronicle& reign() {
    static const Chronicle chronicle = [] {
        Chronicle c;
        playFullReign(c);
        return c;
    }();
    return chronicle;
}

// A report as one text, its lines ended by line feeds, the last one by nothing.
// The report as a reader gets it: lines ended by LF, the rule of underscores left empty.
QString plain(const std::string& report) {
    QString text = QString::fromStdString(report);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.chop(1);
    text.replace(QString(89, u'_'), QString());
    return text;
}

QString number(double value) {
    return QString::fromStdString(plainNumberText(std::round(value * 10) / 10));
}

} // namespace

class TestChronicleAccessible : public QObject {
    Q_OBJECT

private slots:
    void costsNothingWithoutAReader(); // first: before any reader listens
    void tableHoldsTheReign();
    void movingTheRowTellsTheReader();
    void reportReadsLineByLine();
    void chartSummarisesTheShownSeries();
};

// Qt 6.4 asks for an interface for every widget it shows, reader or not, and keeps it: the views'
// are three small objects. Beyond that, year ends, chosen rows and series make nothing and send
// nothing while no reader listens: no cells, no texts.
void TestChronicleAccessible::costsNothingWithoutAReader() {
    QVERIFY(!QAccessible::isActive());
    chronicleAccessibility::install(); // first, so that the counting factory is asked before it
    QAccessible::installFactory(countingFactory);
    Chronicle chronicle = reign();
    chronicle.entries.resize(40);
    ChronicleWindow window(chronicle);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.pages()->setCurrentIndex(1);
    window.pages()->setCurrentIndex(0);
    QCoreApplication::processEvents();
    QCOMPARE(asked, 3);
    QCOMPARE(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
    asked = 0;
    for (int year = 0; year < 20; ++year) {
        chronicle.entries.push_back(reign().entries[40 + std::size_t(year)]);
        window.chronicleChanged();
        window.table()->setCurrentRow(year);
        QCoreApplication::processEvents();
    }
    window.table()->setFocus();
    QTest::keyClick(window.table(), Qt::Key_Up);
    window.pages()->setCurrentIndex(1);
    window.findChild<QCheckBox*>(QStringLiteral("chronicleSeries_money"))->click();
    QCoreApplication::processEvents();
    QCOMPARE(asked, 0);
    QVERIFY(heard.empty());
    QAccessible::removeFactory(countingFactory);
}

void TestChronicleAccessible::tableHoldsTheReign() {
    ChronicleWindow window(reign());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ChronicleTable* table = window.table();
    table->setCurrentRow(60);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(table);
    QVERIFY(iface && iface->isValid());
    QCOMPARE(iface->role(), QAccessible::Table);
    QVERIFY(!iface->text(QAccessible::Name).isEmpty());
    QAccessibleTableInterface* cells = iface->tableInterface();
    QVERIFY(cells);
    QCOMPARE(cells->rowCount(), table->rowCount());
    QCOMPARE(cells->columnCount(), int(ChronicleTable::ColumnCount));
    // The header cells come first among the children, then the cells row by row.
    QCOMPARE(iface->childCount(), (table->rowCount() + 1) * ChronicleTable::ColumnCount);
    for (int c = 0; c < cells->columnCount(); ++c) {
        QCOMPARE(cells->columnDescription(c), ChronicleTable::columnTitle(c));
        const QList<QAccessibleInterface*> headers =
            cells->cellAt(0, c)->tableCellInterface()->columnHeaderCells();
        QCOMPARE(headers.size(), 1);
        QCOMPARE(headers[0]->role(), QAccessible::ColumnHeader);
        QCOMPARE(headers[0]->text(QAccessible::Name), ChronicleTable::columnTitle(c));
        QCOMPARE(iface->child(c), headers[0]);
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int c = 0; c < cells->columnCount(); ++c) {
            QAccessibleInterface* cell = cells->cellAt(row, c);
            QCOMPARE(cell->text(QAccessible::Name), table->text(row, c));
            QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
            QCOMPARE(cell->tableCellInterface()->columnIndex(), c);
            QCOMPARE(cell->parent(), iface);
            QCOMPARE(cell->state().selected, row == 60);
        }
    }
    // Asked twice, a cell is the same object: a reader may hold on to it.
    QCOMPARE(cells->cellAt(7, 3), cells->cellAt(7, 3));
    const int index = iface->indexOfChild(cells->cellAt(7, 3));
    QCOMPARE(index, (1 + 7) * ChronicleTable::ColumnCount + 3);
    QCOMPARE(iface->child(index), cells->cellAt(7, 3));
    QVERIFY(!cells->cellAt(table->rowCount(), 0));
    QVERIFY(!cells->cellAt(0, ChronicleTable::ColumnCount));

    QCOMPARE(cells->selectedRows(), QList<int>{60});
    QCOMPARE(cells->selectedCellCount(), int(ChronicleTable::ColumnCount));
    QCOMPARE(cells->selectedCells().first(), cells->cellAt(60, 0));
    QVERIFY(cells->isRowSelected(60) && !cells->isRowSelected(59));
    // A row's summary names each figure, for a reader that reads rows rather than cells.
    const QString summary = cells->rowDescription(60);
    QVERIFY2(summary.startsWith(QStringLiteral("Год %1: рабочие %2, солдаты %3")
                                    .arg(table->text(60, ChronicleTable::Year),
                                         table->text(60, ChronicleTable::Workers),
                                         table->text(60, ChronicleTable::Soldiers))),
             qPrintable(summary));
    // A reader may choose a row too, and the window follows it.
    QVERIFY(cells->selectRow(3));
    QCOMPARE(table->currentRow(), 3);
    QCOMPARE(window.report()->text(), QString::fromStdString(reign().entries[3].report));

    // The cell under a point is found where it is painted, the chosen row's cells in sight.
    QAccessibleInterface* shown = cells->cellAt(table->firstShownRow() + 1, 2);
    QVERIFY(!shown->state().offscreen);
    QCOMPARE(iface->childAt(shown->rect().center().x(), shown->rect().center().y()), shown);
    QVERIFY(cells->cellAt(0, 0)->state().offscreen || table->firstShownRow() == 0);
}

void TestChronicleAccessible::movingTheRowTellsTheReader() {
    startListening();
    Chronicle chronicle = reign();
    ChronicleWindow window(chronicle);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ChronicleTable* table = window.table();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(table);
    const auto childOf = [&](int row) {
        return iface->indexOfChild(iface->tableInterface()->cellAt(row, 0));
    };
    const int last = table->rowCount() - 1;

    // Taking the keyboard, the table tells of its chosen row once Qt has told of the table.
    heard.clear();
    table->setFocus();
    QTRY_VERIFY(wasHeard(QAccessible::Focus, table, childOf(last)));
    QVERIFY(iface->tableInterface()->cellAt(last, 0)->state().focused);
    QCOMPARE(iface->focusChild(), iface->tableInterface()->cellAt(last, 0));

    // Each key that moves the row: the focus on the new row's first cell, then the selection.
    const std::vector<std::pair<Qt::Key, int>> keys = {
        {Qt::Key_Up, last - 1}, {Qt::Key_Home, 0}, {Qt::Key_PageDown, -1}, {Qt::Key_End, last}};
    for (const auto& [key, expected] : keys) {
        heard.clear();
        QTest::keyClick(table, key);
        const int row = table->currentRow();
        if (expected >= 0) {
            QCOMPARE(row, expected);
        }
        QVERIFY(wasHeard(QAccessible::Focus, table, childOf(row)));
        QVERIFY(wasHeard(QAccessible::Selection, table, childOf(row)));
        const auto focus = std::find_if(heard.begin(), heard.end(), [&](const Heard& h) {
            return h.type == QAccessible::Focus;
        });
        const auto selection = std::find_if(heard.begin(), heard.end(), [&](const Heard& h) {
            return h.type == QAccessible::Selection;
        });
        QVERIFY(focus < selection);
        QVERIFY(iface->tableInterface()->cellAt(row, 0)->state().focused);
        QVERIFY(!iface->tableInterface()->cellAt(row, 1)->state().focused);
    }
    // At the last row Down moves nothing and says nothing.
    heard.clear();
    QTest::keyClick(table, Qt::Key_Down);
    QVERIFY(!wasHeard(QAccessible::Focus, table));

    // A click chooses a row: the selection is told.
    heard.clear();
    QWidget* rows = table->viewport();
    QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(5, rows->height() / 2));
    QVERIFY(table->currentRow() != last);
    QVERIFY(wasHeard(QAccessible::Selection, table, childOf(table->currentRow())));

    // A year end adds a row: the cells made so far are forgotten, and new ones read the new row.
    QAccessibleInterface* before = iface->tableInterface()->cellAt(0, 0);
    QVERIFY(before->isValid());
    table->setCurrentRow(table->rowCount() - 1);
    heard.clear();
    chronicle.entries.push_back(chronicle.entries.back());
    chronicle.entries.back().year += 1;
    window.chronicleChanged();
    QVERIFY(wasHeard(QAccessible::TableModelChanged, table));
    QCOMPARE(iface->tableInterface()->rowCount(), last + 2);
    QCOMPARE(iface->tableInterface()->cellAt(last + 1, 0)->text(QAccessible::Name),
             table->text(last + 1, ChronicleTable::Year));
    QVERIFY(wasHeard(QAccessible::Focus, table, childOf(last + 1)));
}

void TestChronicleAccessible::reportReadsLineByLine() {
    startListening();
    ChronicleWindow window(reign());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.table()->setCurrentRow(60);
    ReportView* report = window.report();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(report);
    QVERIFY(iface && iface->isValid());
    QCOMPARE(iface->role(), QAccessible::EditableText);
    QVERIFY(iface->state().readOnly && iface->state().multiLine);
    QVERIFY(!iface->text(QAccessible::Name).isEmpty());
    QAccessibleTextInterface* text = iface->textInterface();
    QVERIFY(text);
    const QString expected = plain(reign().entries[60].report);
    QCOMPARE(text->text(0, -1), expected);
    QCOMPARE(text->characterCount(), int(expected.size()));
    const QStringList lines = expected.split(QLatin1Char('\n'));
    // The rule is drawn, never read: its line is there, empty.
    QCOMPARE(lines.size(), report->rowCount());
    QVERIFY(lines[1].isEmpty() && !text->text(0, -1).contains(u'_'));

    // Another year chosen: its report, and the reader told of the change.
    heard.clear();
    window.table()->setCurrentRow(61);
    QVERIFY(wasHeard(QAccessible::TextUpdated, report));
    QCOMPARE(text->text(0, -1), plain(reign().entries[61].report));

    // The arrows walk the reading line; the caret is at its start and each move is told.
    window.table()->setCurrentRow(60);
    report->setFocus();
    QCOMPARE(text->cursorPosition(), 0);
    int start = 0;
    int end = 0;
    QCOMPARE(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end).trimmed(), lines[0]);
    heard.clear();
    QTest::keyClick(report, Qt::Key_Down);
    QTest::keyClick(report, Qt::Key_Down);
    QCOMPARE(report->readingLine(), 2);
    const int third = int(lines[0].size() + lines[1].size()) + 2;
    QCOMPARE(text->cursorPosition(), third);
    QVERIFY(std::any_of(heard.begin(), heard.end(), [&](const Heard& h) {
        return h.type == QAccessible::TextCaretMoved && h.object == report && h.cursor == third;
    }));
    QCOMPARE(text->textAtOffset(third, QAccessible::LineBoundary, &start, &end).trimmed(),
             lines[2]);
    // Past the last line the caret stays, and the reading line never leaves the pane's sight.
    for (int i = 0; i < lines.size() + 3; ++i) {
        QTest::keyClick(report, Qt::Key_Down);
        QVERIFY(report->readingLine() >= report->firstShownRow());
        QVERIFY(report->readingLine() < report->firstShownRow() + report->shownRowCount());
    }
    QCOMPARE(report->readingLine(), int(lines.size()) - 1);
    QTest::keyClick(report, Qt::Key_Up);
    QCOMPARE(report->readingLine(), int(lines.size()) - 2);
}

void TestChronicleAccessible::chartSummarisesTheShownSeries() {
    startListening();
    ChronicleWindow window(reign());
    window.pages()->setCurrentIndex(1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ChronicleChart* chart = window.chart();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(chart);
    QVERIFY(iface && iface->isValid());
    QCOMPARE(iface->role(), QAccessible::Chart);
    QVERIFY(!iface->text(QAccessible::Name).isEmpty());
    QVERIFY(iface->state().focusable);

    const auto& entries = reign().entries;
    const auto sentence = [&](const QString& name, auto field) {
        double low = field(entries.front());
        double high = low;
        for (const ChronicleEntry& e : entries) {
            low = std::min(low, field(e));
            high = std::max(high, field(e));
        }
        return QStringLiteral("%1: годы с %2 по %3, от %4 до %5")
            .arg(name, number(entries.front().year), number(entries.back().year), number(low),
                 number(high));
    };
    const QString money =
        sentence(QStringLiteral("Деньги"), [](const ChronicleEntry& e) { return e.money; });
    const QString grain =
        sentence(QStringLiteral("Зерно"), [](const ChronicleEntry& e) { return e.grain; });
    const QString rating =
        sentence(QStringLiteral("Рейтинг"), [](const ChronicleEntry& e) { return e.rating; });
    QString summary = iface->text(QAccessible::Description);
    QVERIFY2(summary.contains(money), qPrintable(summary));
    QVERIFY2(summary.contains(grain), qPrintable(summary));
    QVERIFY2(summary.contains(rating), qPrintable(summary));
    QCOMPARE(summary.count(QStringLiteral("годы с")), int(ChronicleChart::SeriesCount));

    // A hidden series leaves the summary, and the reader is told.
    heard.clear();
    window.findChild<QCheckBox*>(QStringLiteral("chronicleSeries_money"))->click();
    QVERIFY(wasHeard(QAccessible::DescriptionChanged, chart));
    summary = iface->text(QAccessible::Description);
    QVERIFY(!summary.contains(QStringLiteral("Деньги")));
    QVERIFY(summary.contains(grain));
    for (QCheckBox* box : window.findChildren<QCheckBox*>()) {
        box->setChecked(false);
    }
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Не показано ни одного ряда."));
    const Chronicle empty;
    ChronicleWindow fresh(empty);
    QCOMPARE(QAccessible::queryAccessibleInterface(fresh.chart())->text(QAccessible::Description),
             QStringLiteral("Летопись пуста."));
}

QTEST_MAIN(TestChronicleAccessible)
#include "test_chronicle_accessible.moc"
