// A few whole reigns through the real windows, offscreen: every reign ends in a new name dialog,
// and no window or widget of a finished reign stays behind.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "window_driver.h"

namespace {
// Under the sanitizers every press costs many times more.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultReigns = 3;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kDefaultReigns = 3;
#else
constexpr int kDefaultReigns = 40;
#endif
#else
constexpr int kDefaultReigns = 40;
#endif
} // namespace

class TestWindowSoak : public QObject {
    Q_OBJECT

private slots:
    // The program's own set-up, its style and pixmap cache included: what the soak measures is
    // what a player's reigns leave behind.
    void initTestCase() { prepareApplication(); }
    void reignsLeaveNothingBehind();
};

void TestWindowSoak::reignsLeaveNothingBehind() {
    const char* sized = std::getenv("VELORIA_WINDOW_SOAK_GAMES");
    const int reigns = sized != nullptr && std::atoi(sized) > 0 ? std::atoi(sized) : kDefaultReigns;
    // The reigns that reach year 100 enter a table of their own, not the player's.
    const QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    WindowDriver driver(2026, scratch.filePath(QStringLiteral("scores.tab")));
    driver.start();

    qsizetype widgetsAfterFirst = -1;
    int completed = 0;
    for (int reign = 0; reign < reigns; ++reign) {
        const ReignRecord record = driver.playReign(QStringLiteral("Король %1").arg(reign + 1));
        QVERIFY2(record.problem.empty(),
                 qPrintable(QStringLiteral("reign %1, year %2: %3")
                                .arg(reign + 1)
                                .arg(record.lastYear)
                                .arg(QString::fromStdString(record.problem))));
        completed += record.reachedHundred ? 1 : 0;
        // A reign that reached its hundredth year ends in the table, and only such a reign.
        QCOMPARE(record.tableShown, record.reachedHundred);
        // Between reigns only the name dialog is open: as many widgets as after the first.
        const qsizetype widgets = QApplication::allWidgets().size();
        if (widgetsAfterFirst < 0) {
            widgetsAfterFirst = widgets;
        }
        QCOMPARE(widgets, widgetsAfterFirst);
        QCOMPARE(QApplication::topLevelWidgets().size(), qsizetype(1));
    }
    // The careful king with a full treasury lasts: most reigns see their hundredth year.
    QVERIFY2(
        completed * 2 > reigns,
        qPrintable(QStringLiteral("%1 of %2 reigns reached year 100").arg(completed).arg(reigns)));
}

QTEST_MAIN(TestWindowSoak)
#include "test_window_soak.moc"
