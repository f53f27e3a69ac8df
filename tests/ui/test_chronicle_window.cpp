// Tests of the chronicle window: its rows, the report, the series, copying and following.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "support/chronicle_reign.h"
#include "ui/chronicle_chart.h"
#include "ui/chronicle_window.h"

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

QString cell(QTableView* table, int row, int column) {
    return table->model()->index(row, column).data().toString();
}

} // namespace

class TestChronicleWindow : public QObject {
    Q_OBJECT

private slots:
    void rowsAndReportFollowTheChronicle();
    void seriesTogglesAndHover();
    void copiesTheTableAndClosesOnEscape();
    void keepsAFinishedReign();
};

void TestChronicleWindow::rowsAndReportFollowTheChronicle() {
    Chronicle chronicle;
    restoreChronicle(chronicle, {entry(1, "хороший урожай"), entry(2, "битва")});
    ChronicleWindow window(chronicle);
    QCOMPARE(window.objectName(), QStringLiteral("chronicle"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Летопись"));
    QVERIFY(window.isWindow());
    QCOMPARE(window.windowModality(), Qt::NonModal);
    auto* table = window.findChild<QTableView*>(QStringLiteral("chronicleTable"));
    auto* report = window.findChild<QPlainTextEdit*>(QStringLiteral("chronicleReport"));
    QVERIFY(table && report && report->isReadOnly());
    QVERIFY(window.findChild<ChronicleChart*>(QStringLiteral("chronicleChart")));

    QCOMPARE(table->model()->rowCount(), 2);
    QCOMPARE(table->model()->columnCount(), 12);
    QCOMPARE(table->model()->headerData(11, Qt::Horizontal).toString(), QStringLiteral("События"));
    QCOMPARE(cell(table, 1, ChronicleTableModel::Money), QStringLiteral("20000000"));
    QCOMPARE(cell(table, 1, ChronicleTableModel::Events), QStringLiteral("битва"));
    // The newest year is chosen at first; choosing another shows its report.
    QCOMPARE(report->toPlainText(), QStringLiteral("Доклад года 2\nвторая строка\n"));
    table->selectRow(0);
    QCOMPARE(report->toPlainText(), QStringLiteral("Доклад года 1\nвторая строка\n"));

    // A reader looking back stays where he is while the rows grow; the reset starts over.
    QSignalSpy resets(table->model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(table->model(), &QAbstractItemModel::rowsInserted);
    chronicle.entries.push_back(entry(3, "пожар"));
    window.chronicleChanged();
    QCOMPARE(table->model()->rowCount(), 3);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(resets.count(), 0);
    QCOMPARE(table->currentIndex().row(), 0);
    table->selectRow(2);
    chronicle.entries.push_back(entry(4, "мир"));
    window.chronicleChanged();
    QCOMPARE(table->currentIndex().row(), 3);
    QCOMPARE(report->toPlainText(), QStringLiteral("Доклад года 4\nвторая строка\n"));

    // Entries dropped at the front leave as rows, without a reset.
    chronicle.entries.erase(chronicle.entries.begin());
    chronicle.dropped += 1;
    chronicle.entries.push_back(entry(5, "мир"));
    window.chronicleChanged();
    QCOMPARE(resets.count(), 0);
    QCOMPARE(table->model()->rowCount(), 4);
    QCOMPARE(cell(table, 0, ChronicleTableModel::Year), QStringLiteral("2"));

    restartChronicle(chronicle);
    window.chronicleChanged();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(table->model()->rowCount(), 0);
    QCOMPARE(report->toPlainText(), QString());
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

    // Hovering over the last point names its year, series and exact value.
    const QPoint lastTop(chart->width() - 9, 10);
    QCOMPARE(chart->valueTextAt(lastTop), QStringLiteral("Год 3 — Население: 53"));
    money->click();
    QVERIFY(!chart->isSeriesVisible(ChronicleChart::Money));
    for (int y = 0; y < chart->height(); y += 3) {
        QVERIFY(!chart->valueTextAt(QPoint(lastTop.x(), y)).contains(QStringLiteral("Деньги")));
    }
    QVERIFY(chart->valueTextAt(QPoint(2, 10)).isEmpty()); // the scale, not a point

    // Tab reaches the table, and every series box.
    window.findChild<QTableView*>()->setFocus();
    QSet<QString> reached;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget()->objectName());
    }
    QVERIFY(reached.contains(QStringLiteral("chronicleSeries_population")));
    QVERIFY(reached.contains(QStringLiteral("chronicleSeries_rating")));
    QVERIFY(reached.contains(QStringLiteral("chronicleTable")));
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
    auto* table = window.findChild<QTableView*>();
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
    QCOMPARE(window.table()->model()->rowCount(), int(years));
    QVERIFY(chronicle.entries.empty());
}

QTEST_MAIN(TestChronicleWindow)
#include "test_chronicle_window.moc"
