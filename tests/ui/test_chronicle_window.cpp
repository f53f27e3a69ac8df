// Tests of the chronicle window: its rows, the report, the series, copying and following.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include "support/chronicle_reign.h"
#include "ui/base/line_drawer.h"
#include "ui/base/twips.h"
#include "ui/chronicle/chronicle_chart.h"
#include "ui/chronicle/chronicle_table.h"
#include "ui/chronicle/chronicle_window.h"

namespace {

ChronicleEntry entry(double year, const std::string& events) {
    ChronicleEntry e;
    e.year = year;
    e.workers = 40 + year;
    e.soldiers = 10;
    e.total = 50 + year;
    e.money = 1e7 * year;
    e.mood = "Хорошее";
    e.rating = 5 * year;
    e.events = events;
    e.report = "Доклад года " + std::to_string(int(year)) + "\r\nвторая строка\r\n";
    return e;
}

} // namespace

class TestChronicleWindow : public QObject {
    Q_OBJECT

private slots:
    void rowsAndReportFollowTheChronicle();
    void seriesTogglesAndHover();
    void copiesTheTableAndClosesOnEscape();
    void keepsAFinishedReign();
    void choosesRowsByMouseAndKeys();
    void drawsLinesWhereAligned();
};

void TestChronicleWindow::rowsAndReportFollowTheChronicle() {
    Chronicle chronicle;
    restoreChronicle(chronicle, {entry(1, "хороший урожай"), entry(2, "битва")});
    ChronicleWindow window(chronicle);
    QCOMPARE(window.objectName(), QStringLiteral("chronicle"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Летопись"));
    QVERIFY(window.isWindow());
    QCOMPARE(window.windowModality(), Qt::NonModal);
    auto* table = window.findChild<ChronicleTable*>(QStringLiteral("chronicleTable"));
    auto* report = window.findChild<ReportView*>(QStringLiteral("chronicleReport"));
    QVERIFY(table && report);
    QVERIFY(window.findChild<ChronicleChart*>(QStringLiteral("chronicleChart")));

    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->columnCount(), 12);
    QCOMPARE(ChronicleTable::columnTitle(11), QStringLiteral("События"));
    QCOMPARE(table->text(1, ChronicleTable::Money), QStringLiteral("20000000"));
    QCOMPARE(table->text(1, ChronicleTable::Events), QStringLiteral("битва"));
    // The newest year is chosen at first; choosing another shows its report, line by line.
    QCOMPARE(report->text(), QStringLiteral("Доклад года 2\r\nвторая строка\r\n"));
    QCOMPARE(report->rowCount(), 2);
    table->setCurrentRow(0);
    QCOMPARE(report->text(), QStringLiteral("Доклад года 1\r\nвторая строка\r\n"));

    // A reader looking back stays where he is while the rows grow.
    chronicle.entries.push_back(entry(3, "пожар"));
    window.chronicleChanged();
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->currentRow(), 0);
    table->setCurrentRow(2);
    chronicle.entries.push_back(entry(4, "мир"));
    window.chronicleChanged();
    QCOMPARE(table->currentRow(), 3);
    QCOMPARE(report->text(), QStringLiteral("Доклад года 4\r\nвторая строка\r\n"));

    // Entries dropped at the front take the reader's row along: he keeps reading the same year.
    table->setCurrentRow(1);
    chronicle.entries.erase(chronicle.entries.begin());
    chronicle.dropped += 1;
    chronicle.entries.push_back(entry(5, "мир"));
    window.chronicleChanged();
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(table->text(0, ChronicleTable::Year), QStringLiteral("2"));
    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(report->text(), QStringLiteral("Доклад года 2\r\nвторая строка\r\n"));

    restartChronicle(chronicle);
    window.chronicleChanged();
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(table->currentRow(), -1);
    QCOMPARE(report->text(), QString());
}

void TestChronicleWindow::seriesTogglesAndHover() {
    Chronicle chronicle;
    restoreChronicle(chronicle, {entry(1, ""), entry(2, ""), entry(3, "")});
    ChronicleWindow window(chronicle);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* chart = window.chart();
    auto* money = window.findChild<QCheckBox*>(QStringLiteral("chronicleSeries_money"));
    QVERIFY(money && money->isChecked());
    QVERIFY(chart->isSeriesVisible(ChronicleChart::Money));

    window.pages()->setCurrentIndex(1); // the chart's page
    QVERIFY(chart->isVisible());
    // Hovering over the last point names its year, series and exact value.
    const QPoint lastTop(chart->width() - 9, 10);
    QCOMPARE(chart->valueTextAt(lastTop), QStringLiteral("Год 3 — Население: 53"));
    money->click();
    QVERIFY(!chart->isSeriesVisible(ChronicleChart::Money));
    for (int y = 0; y < chart->height(); y += 3) {
        QVERIFY(!chart->valueTextAt(QPoint(lastTop.x(), y)).contains(QStringLiteral("Деньги")));
    }
    QVERIFY(chart->valueTextAt(QPoint(2, 10)).isEmpty()); // the scale, not a point

    // Tab reaches the table and the report on their page, and every series box on the chart's.
    const auto tabbedTo = [] {
        QSet<QString> reached;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.insert(QApplication::focusWidget()->objectName());
        }
        return reached;
    };
    window.pages()->setCurrentIndex(0);
    window.table()->setFocus();
    QVERIFY(tabbedTo().contains(QStringLiteral("chronicleReport")));
    window.pages()->setCurrentIndex(1);
    window.pages()->setFocus();
    const QSet<QString> reached = tabbedTo();
    QVERIFY(reached.contains(QStringLiteral("chronicleSeries_population")));
    QVERIFY(reached.contains(QStringLiteral("chronicleSeries_rating")));
}

void TestChronicleWindow::copiesTheTableAndClosesOnEscape() {
    Chronicle chronicle;
    restoreChronicle(chronicle, {entry(1, "хороший урожай; родилось детей: 6")});
    ChronicleWindow window(chronicle);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString expected =
        QStringLiteral("Год\tРабочие\tСолдаты\tВсего\tЗемля\tЗерно\tДеньги\tЗолото\tНефть\t"
                       "Настроение\tРейтинг\tСобытия\n"
                       "1\t41\t10\t51\t0\t0\t10000000\t0\t0\tХорошее\t5\t"
                       "хороший урожай; родилось детей: 6\n");
    QApplication::clipboard()->clear();
    window.findChild<QPushButton*>(QStringLiteral("chronicleCopy"))->click();
    QCOMPARE(QApplication::clipboard()->text(), expected);

    // Ctrl+C in the table copies the whole table, not the current cell.
    QApplication::clipboard()->clear();
    auto* table = window.table();
    table->setFocus();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), expected);

    QTest::keyClick(table, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

void TestChronicleWindow::keepsAFinishedReign() {
    Chronicle chronicle;
    playFullReign(chronicle);
    const std::size_t years = chronicle.entries.size();
    QVERIFY(years > 99);
    ChronicleWindow window(chronicle);
    window.keepFinishedReign();
    restartChronicle(chronicle);
    window.chronicleChanged(); // nothing to follow any more
    QCOMPARE(window.table()->rowCount(), int(years));
    QVERIFY(chronicle.entries.empty());
}

void TestChronicleWindow::choosesRowsByMouseAndKeys() {
    Chronicle chronicle;
    std::vector<ChronicleEntry> entries;
    for (int year = 1; year <= 60; ++year) {
        entries.push_back(entry(year, "мир"));
    }
    restoreChronicle(chronicle, std::move(entries));
    ChronicleWindow window(chronicle);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ChronicleTable* table = window.table();
    QCOMPARE(table->currentRow(), 59);
    const int first = table->firstShownRow();
    QVERIFY(first > 0); // scrolled to the newest

    // A click on a row chooses it; one on the header chooses nothing.
    QWidget* rows = table->viewport();
    const int middle = table->rowAt(QPoint(5, rows->height() / 2));
    QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(5, 2));
    QCOMPARE(table->currentRow(), 59);
    QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(5, rows->height() / 2));
    QCOMPARE(table->currentRow(), middle);
    QCOMPARE(window.report()->text(),
             QStringLiteral("Доклад года %1\r\nвторая строка\r\n").arg(middle + 1));

    // The keys walk the rows and keep the chosen one in sight.
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Home);
    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(table->firstShownRow(), 0);
    QTest::keyClick(table, Qt::Key_Up);
    QCOMPARE(table->currentRow(), 0);
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_PageDown);
    QVERIFY(table->currentRow() > 5);
    QTest::keyClick(table, Qt::Key_End);
    QCOMPARE(table->currentRow(), 59);
    QCOMPARE(table->firstShownRow(), first);
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(table->currentRow(), 59);

    // Scrolled to its far side, the events of a year show whole in a tooltip.
    table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
    const QPoint events(rows->width() - 5, rows->height() / 2);
    QHelpEvent help(QEvent::ToolTip, events, rows->mapToGlobal(events));
    QApplication::sendEvent(rows, &help);
    QCOMPARE(QToolTip::text(), QStringLiteral("мир"));
}

// The ink of a line drawn from its glyphs lies where it was aligned, for a text the font has and
// for one it lacks (laid out the usual way).
void TestChronicleWindow::drawsLinesWhereAligned() {
    LineDrawer drawer;
    for (const QString& text : {QStringLiteral("12345"), QStringLiteral("Год \u2603")}) {
        QImage image(200, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QRect box(20, 5, 150, 30);
        {
            QPainter painter(&image);
            painter.setFont(gameFont(9));
            painter.setPen(Qt::black);
            drawer.draw(painter, box, Qt::AlignRight | Qt::AlignVCenter, text);
        }
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 200) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY2(!ink.isEmpty(), qPrintable(text));
        QVERIFY2(box.contains(ink), qPrintable(text));
        QVERIFY2(box.right() - ink.right() <= 3, qPrintable(text));
        QVERIFY2(qAbs(ink.center().y() - box.center().y()) <= 3, qPrintable(text));
    }
}

QTEST_MAIN(TestChronicleWindow)
#include "test_chronicle_window.moc"
