// Window tests of the table of the best kings and of the end of a reign that reached year 100.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "core/random.h"
#include "formats/scores.h"
#include "sim/end_of_reign.h"
#include "storage/scores.h"
#include "support/fake_platform.h"
#include "ui/dialogs/hall_of_fame_window.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/shell/game_controller.h"

namespace {

using Message = FakePlatform::Message;

template <typename T> T* control(QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

QLabel* nameLabel(QWidget* table, int place) {
    return control<QLabel>(table, QStringLiteral("Label2_%1").arg(place));
}

QLabel* scoreLabel(QWidget* table, int place) {
    return control<QLabel>(table, QStringLiteral("Label3_%1").arg(place));
}

QStringList shownScores(QWidget* table) {
    QStringList scores;
    for (int place = 0; place < 10; ++place) {
        scores << scoreLabel(table, place)->text();
    }
    return scores;
}

QStringList shownNames(QWidget* table) {
    QStringList names;
    for (int place = 0; place < 10; ++place) {
        names << nameLabel(table, place)->text();
    }
    return names;
}

QColor textColour(QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}
QColor backColour(QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}

// Scores 100, 90, ..., 10 under the names "Король 0" to "Король 9".
HallOfFame tenKings() {
    HallOfFame hall;
    for (int place = 0; place < 10; ++place) {
        hall.bestNames[place] = "Король " + std::to_string(place);
        hall.bestScores[place] = 100 - 10 * place;
    }
    return hall;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QString kCaption = QStringLiteral("Король Велории - Тест");
const QString kReignCaption = QStringLiteral("Король Велории - Ярослав");

// The table keeps the main window from input without greying it out.
bool holds(const QWidget* table, const QWidget* mainWindow) {
    return table->isVisible() && table->isWindow() && table->parentWidget() == mainWindow &&
           table->windowModality() == Qt::WindowModal &&
           QApplication::activeModalWidget() == table && mainWindow->isEnabled();
}

} // namespace

class TestHallOfFameWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void looks();
    void bandColours();
    void designRowsBeforeTheFileIsRead();
    void placesItselfInTheMiddleOfTheScreen();
    void loadScoresShowsTheFileInTheLocale_data();
    void loadScoresShowsTheFileInTheLocale();
    void unusableFileKeepsDesignRows_data();
    void unusableFileKeepsDesignRows();
    void menuTableLoadsOverHeldMainWindow();

    void endOfReignInsertsTheKing_data();
    void endOfReignInsertsTheKing();
    void endOfReignRewritesAnUnchangedTable();
    void endOfReignWithoutFileStartsFromDesignRows();
    void endOfReignWithUnwritableFileStillShowsTable();
    void kingWithDoubleQuoteSurvivesTheFile();

    void closingInYear100StartsNewGame_data();
    void closingInYear100StartsNewGame();
    void okInAnotherYearReturnsToTheGame();
    void destroyedMainWindowStartsNothing();
    void newGameTakesTheTableAwayWithTheMainWindow();

private:
    HallOfFameWindow* makeTable();
    QString scoresPath() const { return m_dir->filePath(QStringLiteral("scores.tab")); }
    // A reign begun through the controller as Ярослав, keeping its table at `scores`.
    MainWindow* beginReign(const QString& scores);
    // Plays year 99 of a reign begun by beginReign() to its end, so that the reign's rating comes
    // out at `rating`, and returns the table the end of the reign opens.
    HallOfFameWindow* endReign(double rating, const QString& scores,
                               const std::string& kingName = "Ярослав");
    // A new game started: no reign, and the name dialog asks for the next king.
    bool newGameStarted() const;
    int visibleNameDialogs() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QWidget> m_main;
    FakePlatform m_platform;
    KingdomState m_state;
    HallOfFame m_hall;
    ScriptedRandom m_random;
    std::unique_ptr<GameContext> m_context;
    std::unique_ptr<GameController> m_controller;
};

void TestHallOfFameWindow::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_main = std::make_unique<QWidget>();
    m_main->setWindowTitle(kCaption);
    m_platform = FakePlatform();
    m_state = KingdomState();
    m_state.year = 100;
    m_state.kingName = "Ярослав";
    m_hall = HallOfFame();
    m_random = ScriptedRandom();
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestHallOfFameWindow::cleanup() {
    m_controller.reset();
    m_context.reset();
    flushDeletes();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "Form7") {
            delete window;
        }
    }
    m_main.reset();
    m_dir.reset();
    QLocale::setDefault(QLocale::c());
}

HallOfFameWindow* TestHallOfFameWindow::makeTable() {
    return new HallOfFameWindow(m_main.get());
}

MainWindow* TestHallOfFameWindow::beginReign(const QString& scores) {
    m_context =
        std::make_unique<GameContext>(GameContext{m_state, m_hall, m_random, m_platform, scores});
    m_controller = std::make_unique<GameController>(*m_context);
    // Prices, people, stocks and the last year of peace of the new kingdom.
    m_random.push({0.25f, 0.25f, 0.25f, 0.25f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    m_controller->beginReign(QStringLiteral("Ярослав"));
    MainWindow* window = m_controller->mainWindow();
    if (!window || m_random.remaining() != 0) {
        qFatal("the reign did not begin as scripted");
    }
    return window;
}

HallOfFameWindow* TestHallOfFameWindow::endReign(double rating, const QString& scores,
                                                 const std::string& kingName) {
    MainWindow* window = beginReign(scores);
    m_state.kingName = kingName;
    m_state.year = 99;
    m_state.lastPeaceYear = 1000;
    m_state.land = 1e9;
    // A year whose seven draws are all zero adds exactly 8 points.
    m_state.rating = rating - 8;
    m_random.push({0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f});
    m_controller->nextYear();
    if (m_random.remaining() != 0 || m_state.year != 100 || m_state.rating != rating) {
        qFatal("year 99 did not end the reign as scripted");
    }
    auto* table = window->findChild<HallOfFameWindow*>();
    if (!table || !table->isVisible()) {
        qFatal("no table at the end of the reign");
    }
    return table;
}

bool TestHallOfFameWindow::newGameStarted() const {
    return m_controller->phase() == ReignPhase::NoReign && m_controller->nameDialog() &&
           m_controller->nameDialog()->isVisible();
}

int TestHallOfFameWindow::visibleNameDialogs() const {
    int dialogs = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        dialogs += window->isVisible() && window->objectName() == "Form5" ? 1 : 0;
    }
    return dialogs;
}

void TestHallOfFameWindow::looks() {
    std::unique_ptr<HallOfFameWindow> table(makeTable());
    QCOMPARE(table->windowTitle(), QStringLiteral("Таблица"));
    QCOMPARE(table->size(), QSize(376, 449));

    auto* frame1 = control<QFrame>(table.get(), "Frame1");
    QCOMPARE(frame1->geometry(), QRect(0, 0, 377, 73));
    QCOMPARE(backColour(frame1), QColor(0, 0, 192));
    QCOMPARE(frame1->toolTip(), QStringLiteral("Таблица результатов"));

    auto* label1 = control<QLabel>(table.get(), "Label1");
    QCOMPARE(label1->parentWidget(), frame1);
    QCOMPARE(label1->text(), QStringLiteral("         Лучшие из лучших"));
    QCOMPARE(label1->geometry(), QRect(32, 24, 273, 25));
    QCOMPARE(label1->font().family(), QStringLiteral("Times New Roman"));
    QVERIFY(label1->font().bold());
    QVERIFY(label1->font().italic());
    QCOMPARE(label1->font().pointSizeF(), 18.0);
    QCOMPARE(textColour(label1), QColor(255, 128, 128));
    QCOMPARE(backColour(label1), QColor(0, 0, 192));

    auto* frame2 = control<QFrame>(table.get(), "Frame2");
    QCOMPARE(frame2->geometry(), QRect(0, 72, 377, 377));
    QCOMPARE(backColour(frame2), QColor(128, 128, 255));
    QCOMPARE(frame2->toolTip(), QStringLiteral("Таблица результатов"));

    for (int place = 0; place < 10; ++place) {
        QLabel* name = nameLabel(table.get(), place);
        QLabel* score = scoreLabel(table.get(), place);
        QCOMPARE(name->parentWidget(), frame2);
        QCOMPARE(name->geometry(), QRect(40, 16 + 32 * place, 137, 25));
        QCOMPARE(score->geometry(), QRect(256, 16 + 32 * place, 81, 25));
        QCOMPARE(name->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(score->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        for (QLabel* label : {name, score}) {
            QCOMPARE(label->font().family(), QStringLiteral("Times New Roman"));
            QVERIFY(label->font().bold());
            QCOMPARE(label->font().pointSizeF(), 14.25);
            QCOMPARE(backColour(label), QColor(128, 128, 255));
        }
    }

    auto* ok = control<QPushButton>(table.get(), "Command1");
    QCOMPARE(ok->parentWidget(), frame2);
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QCOMPARE(ok->geometry(), QRect(152, 344, 65, 25));
    QVERIFY(ok->font().bold());
    QCOMPARE(ok->font().pointSizeF(), 9.75);
}

void TestHallOfFameWindow::bandColours() {
    std::unique_ptr<HallOfFameWindow> table(makeTable());
    const QColor red(255, 0, 0);
    const QColor yellow(255, 255, 0);
    const QColor green(0, 255, 0);
    const QColor expectedNames[] = {
        red, red, red, QColor(255, 255, 128), yellow, yellow, yellow, green, green, green};
    const QColor expectedScores[] = {red,    red,    red,   yellow, yellow,
                                     yellow, yellow, green, green,  green};
    for (int place = 0; place < 10; ++place) {
        QCOMPARE(textColour(nameLabel(table.get(), place)), expectedNames[place]);
        QCOMPARE(textColour(scoreLabel(table.get(), place)), expectedScores[place]);
    }
}

void TestHallOfFameWindow::designRowsBeforeTheFileIsRead() {
    std::unique_ptr<HallOfFameWindow> table(makeTable());
    QCOMPARE(shownScores(table.get()),
             QStringList({"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"}));
    const QStringList names = shownNames(table.get());
    QCOMPARE(names.size(), 10);
    for (const QString& name : names) {
        QVERIFY(!name.trimmed().isEmpty());
        QCOMPARE(names.count(name), 1);
    }
    // Only reading the file changes the hall of fame.
    QCOMPARE(m_hall, HallOfFame());
}

void TestHallOfFameWindow::placesItselfInTheMiddleOfTheScreen() {
    std::unique_ptr<HallOfFameWindow> table(makeTable());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(table->pos(), QPoint(screen.x() + (screen.width() * 15 - 5790) / 2 / 15,
                                  screen.y() + (screen.height() * 15 - 7245) / 2 / 15));
}

void TestHallOfFameWindow::loadScoresShowsTheFileInTheLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("scores");
    QTest::newRow("russian") << QLocale(QLocale::Russian, QLocale::Russia)
                             << QStringList({"1000000", "100", "90", "80", "70", "57,5", "50", "0",
                                             "-3,25", "-7"});
    QTest::newRow("english") << QLocale(QLocale::English, QLocale::UnitedStates)
                             << QStringList({"1000000", "100", "90", "80", "70", "57.5", "50", "0",
                                             "-3.25", "-7"});
}

void TestHallOfFameWindow::loadScoresShowsTheFileInTheLocale() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, scores);
    QLocale::setDefault(locale);
    HallOfFame hall = tenKings();
    hall.bestScores = {1000000, 100, 90, 80, 70, 57.5, 50, 0, -3.25, -7};
    writeFile(scoresPath(), QByteArray::fromStdString(writeScores(hall)));

    std::unique_ptr<HallOfFameWindow> table(makeTable());
    const ScoresStoreRead read = ScoresFileStore(scoresPath()).load();
    QVERIFY(read.table);
    QCOMPARE(*read.table, hall);
    table->showScores(*read.table);
    QCOMPARE(shownScores(table.get()), scores);
    QCOMPARE(shownNames(table.get()),
             QStringList({"Король 0", "Король 1", "Король 2", "Король 3", "Король 4", "Король 5",
                          "Король 6", "Король 7", "Король 8", "Король 9"}));
}

void TestHallOfFameWindow::unusableFileKeepsDesignRows_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray whole = QByteArray::fromStdString(writeScores(tenKings()));
    QTest::newRow("missing") << false << QByteArray();
    QTest::newRow("empty") << true << QByteArray();
    QTest::newRow("cut short") << true << whole.left(whole.size() / 3);
    QTest::newRow("not a table") << true << QByteArray("\x01\x02\"\r\n", 5);
}

void TestHallOfFameWindow::unusableFileKeepsDesignRows() {
    QFETCH(bool, present);
    QFETCH(QByteArray, bytes);
    if (present) {
        writeFile(scoresPath(), bytes);
    }
    m_hall = tenKings();
    std::unique_ptr<HallOfFameWindow> design(makeTable());
    const QStringList designNames = shownNames(design.get());
    const QStringList designScores = shownScores(design.get());

    MainWindow* window = beginReign(scoresPath());
    m_controller->openTable();
    QPointer<HallOfFameWindow> table = window->findChild<HallOfFameWindow*>();
    QVERIFY(table);
    QCOMPARE(shownNames(table), designNames);
    QCOMPARE(shownScores(table), designScores);
    // What is shown is what a later save writes.
    QCOMPARE(m_hall, ReignSession::defaultTable());
    if (!present) {
        QVERIFY(m_platform.messages.empty());
        return;
    }
    // A file that cannot be used is named once and kept aside, never written over.
    QCOMPARE(m_platform.messages.size(), std::size_t{1});
    QVERIFY(m_platform.messages[0].text.contains(scoresPath()));
    QVERIFY(m_platform.messages[0].informationIcon);
    QCOMPARE(readFile(scoresPath() + QStringLiteral(".bad")), bytes);
    table->close();
    m_controller->openTable();
    QCOMPARE(m_platform.messages.size(), std::size_t{1});
}

void TestHallOfFameWindow::menuTableLoadsOverHeldMainWindow() {
    writeFile(scoresPath(), QByteArray::fromStdString(writeScores(tenKings())));
    MainWindow* window = beginReign(scoresPath());
    m_state.year = 12;
    m_controller->openTable();
    QPointer<HallOfFameWindow> table = window->findChild<HallOfFameWindow*>();
    QVERIFY(table);
    QVERIFY(holds(table, window));
    QCOMPARE(m_hall, tenKings());
    QCOMPARE(nameLabel(table, 9)->text(), QStringLiteral("Король 9"));
}

void TestHallOfFameWindow::endOfReignInsertsTheKing_data() {
    QTest::addColumn<double>("rating");
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<int>("place");
    QTest::newRow("95 takes place 1")
        << 95.0 << QStringList({"100", "95", "90", "80", "70", "60", "50", "40", "30", "20"}) << 1;
    QTest::newRow("a tie goes below")
        << 90.0 << QStringList({"100", "90", "90", "80", "70", "60", "50", "40", "30", "20"}) << 2;
    QTest::newRow("best of all") << 250.0
                                 << QStringList({"250", "100", "90", "80", "70", "60", "50", "40",
                                                 "30", "20"})
                                 << 0;
    QTest::newRow("just in") << 10.5
                             << QStringList(
                                    {"100", "90", "80", "70", "60", "50", "40", "30", "20", "10,5"})
                             << 9;
    QTest::newRow("not good enough")
        << 10.0 << QStringList({"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"}) << -1;
}

void TestHallOfFameWindow::endOfReignInsertsTheKing() {
    QFETCH(double, rating);
    QFETCH(QStringList, scores);
    QFETCH(int, place);
    writeFile(scoresPath(), QByteArray::fromStdString(writeScores(tenKings())));

    QPointer<HallOfFameWindow> table = endReign(rating, scoresPath());
    MainWindow* window = m_controller->mainWindow();

    QCOMPARE(m_platform.messages.size(), std::size_t{1});
    const Message& message = m_platform.messages.front();
    QCOMPARE(message.parent, window);
    QCOMPARE(message.title, kReignCaption);
    QVERIFY(!message.informationIcon);
    QVERIFY(
        message.text.startsWith(QStringLiteral("Поздравляю Вас Ваше Величество, Ваш рейтинг -  ")));
    QVERIFY(message.text.endsWith(
        QStringLiteral("\r\n          Поищите себя в таблице лучших королей!")));

    QCOMPARE(shownScores(table), scores);
    HallOfFame expected = tenKings();
    if (place >= 0) {
        for (int below = 9; below > place; --below) {
            expected.bestNames[below] = expected.bestNames[below - 1];
            expected.bestScores[below] = expected.bestScores[below - 1];
        }
        expected.bestNames[place] = m_state.kingName;
        expected.bestScores[place] = rating;
        QCOMPARE(nameLabel(table, place)->text(), QStringLiteral("Ярослав"));
    }
    QCOMPARE(m_hall, expected);
    QCOMPARE(readFile(scoresPath()), QByteArray::fromStdString(writeScores(expected)));
    QVERIFY(holds(table, window));
    QCOMPARE(m_controller->phase(), ReignPhase::EndOfReign);
    QCOMPARE(m_controller->nameDialog(), nullptr);
}

void TestHallOfFameWindow::endOfReignRewritesAnUnchangedTable() {
    writeFile(scoresPath(), QByteArray::fromStdString(writeScores(tenKings())));
    const QDateTime past = QDateTime::currentDateTimeUtc().addDays(-30);
    {
        QFile file(scoresPath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
    }
    m_hall = tenKings();
    m_hall.bestScores[0] = 1;
    m_hall.bestScores[1] = 2;
    endReign(57, scoresPath());

    QCOMPARE(m_platform.messages.front().text,
             QStringLiteral("Поздравляю Вас Ваше Величество, Ваш рейтинг -  57\r\n"
                            "          Поищите себя в таблице лучших королей!"));
    QVERIFY(QFileInfo(scoresPath()).lastModified() > past.addDays(1));
}

void TestHallOfFameWindow::endOfReignWithoutFileStartsFromDesignRows() {
    QPointer<HallOfFameWindow> table = endReign(75, scoresPath());
    HallOfFame expected = ReignSession::defaultTable();
    QCOMPARE(placeKing(expected, 75, "Ярослав"), 3);
    QCOMPARE(m_hall, expected);
    QCOMPARE(readFile(scoresPath()), QByteArray::fromStdString(writeScores(expected)));
    QCOMPARE(nameLabel(table, 3)->text(), QStringLiteral("Ярослав"));
    QCOMPARE(scoreLabel(table, 3)->text(), QStringLiteral("75"));
}

void TestHallOfFameWindow::endOfReignWithUnwritableFileStillShowsTable() {
    const QString path = m_dir->filePath(QStringLiteral("no such folder/scores.tab"));
    QPointer<HallOfFameWindow> table = endReign(75, path);
    QCOMPARE(m_platform.messages.size(), std::size_t{2});
    QCOMPARE(m_platform.messages[1].title, kReignCaption);
    QVERIFY(m_platform.messages[1].informationIcon);
    QVERIFY(holds(table, m_controller->mainWindow()));
    QTest::mouseClick(control<QPushButton>(table, "Command1"), Qt::LeftButton);
    QVERIFY(newGameStarted());
}

void TestHallOfFameWindow::kingWithDoubleQuoteSurvivesTheFile() {
    writeFile(scoresPath(), QByteArray::fromStdString(writeScores(tenKings())));
    QPointer<HallOfFameWindow> table = endReign(95, scoresPath(), "Иван \"Грозный\"");
    QTest::mouseClick(control<QPushButton>(table, "Command1"), Qt::LeftButton);
    QVERIFY(newGameStarted());

    // The next reign reads the table back whole: every other row where it was.
    m_hall = HallOfFame();
    std::unique_ptr<HallOfFameWindow> next(makeTable());
    const ScoresStoreRead read = ScoresFileStore(scoresPath()).load();
    QVERIFY(read.table);
    next->showScores(*read.table);
    QCOMPARE(shownScores(next.get()),
             QStringList({"100", "95", "90", "80", "70", "60", "50", "40", "30", "20"}));
    QVERIFY(nameLabel(next.get(), 1)->text().startsWith(QStringLiteral("Иван")));
    QVERIFY(nameLabel(next.get(), 1)->text().contains(QStringLiteral("Грозный")));
    const QStringList names = shownNames(next.get());
    QCOMPARE(names.mid(2), QStringList({"Король 1", "Король 2", "Король 3", "Король 4", "Король 5",
                                        "Король 6", "Король 7", "Король 8"}));
    QCOMPARE(names[0], QStringLiteral("Король 0"));
}

void TestHallOfFameWindow::closingInYear100StartsNewGame_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("OK") << "ok";
    QTest::newRow("access key") << "alt+o";
    QTest::newRow("close box") << "close box";
    QTest::newRow("escape") << "escape";
}

void TestHallOfFameWindow::closingInYear100StartsNewGame() {
    QFETCH(QString, way);
    writeFile(scoresPath(), QByteArray::fromStdString(writeScores(tenKings())));
    QPointer<HallOfFameWindow> table = endReign(42, scoresPath());
    QPointer<MainWindow> window = m_controller->mainWindow();
    QVERIFY(holds(table, window));

    if (way == "ok") {
        QTest::mouseClick(control<QPushButton>(table, "Command1"), Qt::LeftButton);
    } else if (way == "close box") {
        QVERIFY(table->close());
    } else {
        table->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table));
        if (way == "escape") {
            QTest::keyClick(table, Qt::Key_Escape);
        } else {
            QTest::keyClick(table, Qt::Key_O, Qt::AltModifier);
        }
    }

    // An access key clicks its button a moment later.
    QTRY_VERIFY(newGameStarted());
    // The table is out of sight, and nothing holds the name dialog.
    QVERIFY(table.isNull() || !table->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    flushDeletes();
    QVERIFY(table.isNull());
    QVERIFY(window.isNull());
    QCoreApplication::processEvents();
    QCOMPARE(visibleNameDialogs(), 1);
}

void TestHallOfFameWindow::okInAnotherYearReturnsToTheGame() {
    writeFile(scoresPath(), QByteArray::fromStdString(writeScores(tenKings())));
    MainWindow* window = beginReign(scoresPath());
    m_state.year = 99;
    m_controller->openTable();
    QPointer<HallOfFameWindow> table = window->findChild<HallOfFameWindow*>();
    QVERIFY(table);
    QTest::mouseClick(control<QPushButton>(table, "Command1"), Qt::LeftButton);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QTRY_VERIFY(table.isNull());
    QCoreApplication::processEvents();
    QCOMPARE(m_controller->mainWindow(), window);
    QVERIFY(window->isVisible() && window->isEnabled());
    QCOMPARE(m_controller->phase(), ReignPhase::Buying);
    QCOMPARE(m_controller->nameDialog(), nullptr);
    QCOMPARE(readFile(scoresPath()), QByteArray::fromStdString(writeScores(tenKings())));
}

void TestHallOfFameWindow::destroyedMainWindowStartsNothing() {
    // Even in year 100, a table that goes with its main window is not closed by the player.
    writeFile(scoresPath(), QByteArray::fromStdString(writeScores(tenKings())));
    MainWindow* window = beginReign(scoresPath());
    m_state.year = 100;
    m_controller->openTable();
    QPointer<HallOfFameWindow> table = window->findChild<HallOfFameWindow*>();
    QVERIFY(table);
    delete window;
    QTRY_VERIFY(table.isNull());
    QCoreApplication::processEvents();
    QCOMPARE(m_controller->nameDialog(), nullptr);
    QCOMPARE(visibleNameDialogs(), 0);
}

void TestHallOfFameWindow::newGameTakesTheTableAwayWithTheMainWindow() {
    // The new game closes the main window while the table is still closing: both go, and only
    // the name dialog is left of the finished reign.
    writeFile(scoresPath(), QByteArray::fromStdString(writeScores(tenKings())));
    QPointer<HallOfFameWindow> table = endReign(95, scoresPath());
    QTest::mouseClick(control<QPushButton>(table, "Command1"), Qt::LeftButton);
    QVERIFY(newGameStarted());
    flushDeletes();
    QVERIFY(table.isNull());
    QCOMPARE(m_controller->mainWindow(), nullptr);
    QWidgetList shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            shown << window;
        }
    }
    QCOMPARE(shown, QWidgetList({m_controller->nameDialog()}));
}

QTEST_MAIN(TestHallOfFameWindow)
#include "test_hall_of_fame_window.moc"
