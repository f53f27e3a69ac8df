// Window tests of the main window: a new game, trading, the key filter, mercenaries, a year, a
// battle and the ends of a reign, driven through the real widgets with scripted draws.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/kingdom_state.h"
#include "core/random.h"
#include "storage/saved_game.h"
#include "support/scripted_reign.h"
#include "support/typing.h"
#include "ui/dialogs/about_box.h"
#include "ui/dialogs/hall_of_fame_window.h"
#include "ui/dialogs/load_dialog.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/dialogs/save_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/shell/game_controller.h"

namespace {

const QColor kRed(255, 0, 0);

// The holding window takes the input while the main window keeps its look, enabled.
bool heldBy(QWidget* window, QWidget* holder) {
    return window->isEnabled() && holder->isVisible() &&
           QApplication::activeModalWidget() == holder && holder->parentWidget() == window;
}

QString rule() {
    return QString(89, QLatin1Char('_'));
}

QString reportOf(const QStringList& lines) {
    QString report = QStringLiteral("Господин президент! Прибыл Ваш помощник с докладом!\r\n") +
                     rule() + QStringLiteral("\r\n");
    for (const QString& line : lines) {
        report += line + QStringLiteral("\r\n");
    }
    return report;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newGameShowsYearOneInBuyMode();
    void windowLooksAsDesigned();
    void menuHasItsCommands();
    void labelsShowTheirWholeText();
    void buyingByBar();
    void buyingByKeyboardAlone();
    void buyingByTypedAmount();
    void pastedTextIsRefused();
    void sellingByBarAndByTypedAmount();
    void warningColoursFollowTheNeeds();
    void negativeTreasuryShowsNegativeMaxima();
    void amountBoxesTakeOnlyDigits();
    void hiringMercenaries();
    void barMaximaForSavingAndLoading();
    void aQuietYearShowsItsReport();
    void aWonBattle();
    void aDrawnBattleShowsNoSpoils();
    void overthrowStartsANewGame();
    void starvationStartsANewGame();
    void aWholeReignEndsInYearOneHundred();
    void newGameFromTheMenu();
    void quitClosesTheWindow();
    void swappingWindowsKeepsTheProgramRunning();
    void quittingEndsTheProgram();
    void savingAndLoadingThroughTheMenu();
    void rulesAndAboutFromTheMenu();
    void tableFromTheMenuDuringAGame();
    void loadingDuringABattleGivesThePlayBack();
    void heldWindowKeepsItsLookAndTakesNoInput();
    void aHugeStockKeepsItsCaptionWhole();

private:
    // The visible top-level window of a kind, or null.
    template <typename T> static T* shownWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = dynamic_cast<T*>(widget); window && window->isVisible()) {
                return window;
            }
        }
        return nullptr;
    }
    void trigger(const char* action) {
        m_controller->mainWindow()->findChild<QAction*>(QLatin1String(action))->trigger();
    }

    // Starts a game for "Иван" with the draws below: prices 1025, 75, 37, 525; 45 workers,
    // 35 soldiers, 26 gold, 95 land, 211 grain, 26 oil; the last year of peace is 6.
    MainWindow* startGame();
    template <typename T> T* find(const char* name) const {
        T* widget = m_controller->mainWindow()->findChild<T*>(QLatin1String(name));
        if (!widget) {
            qFatal("no control %s", name);
        }
        return widget;
    }
    QString textOf(const char* name) const { return find<QLabel>(name)->text(); }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void dropWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::unique_ptr<ScriptedReign> m_reign;
    KingdomState* m_state = nullptr;
    ScriptedRandom* m_random = nullptr;
    FakePlatform* m_platform = nullptr;
    QTemporaryDir* m_scoresDir = nullptr;
    GameController* m_controller = nullptr;
};

void TestMainWindow::init() {
    m_reign = std::make_unique<ScriptedReign>();
    m_state = &m_reign->state;
    m_random = &m_reign->random;
    m_platform = &m_reign->platform;
    m_scoresDir = &m_reign->folder;
    m_controller = &m_reign->controller;
}

void TestMainWindow::cleanup() {
    m_reign.reset();
    dropWindows();
}

MainWindow* TestMainWindow::startGame() {
    m_reign->pushNewKingdom();
    if (!m_controller->nameDialog()) {
        m_controller->start();
    }
    NameDialog* dialog = m_controller->nameDialog();
    dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Иван"));
    dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    dropWindows();
    MainWindow* window = m_controller->mainWindow();
    if (!window || m_random->remaining() != 0) {
        qFatal("the game did not start as scripted");
    }
    return window;
}

void TestMainWindow::newGameShowsYearOneInBuyMode() {
    MainWindow* window = startGame();
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Король Велории - Иван"));
    QCOMPARE(textOf("Label14"), QStringLiteral(" 1  год правления ."));
    QCOMPARE(textOf("Label15"), QStringLiteral("Покупайте!"));
    QCOMPARE(textOf("nasnas"), QStringLiteral("Хорошее"));
    QCOMPARE(textOf("money1"), QStringLiteral(" 10000"));
    QCOMPARE(textOf("rabochie1"), QStringLiteral(" 45"));
    QCOMPARE(textOf("soldaty1"), QStringLiteral(" 35"));
    QCOMPARE(textOf("wsego1"), QStringLiteral(" 80"));
    QCOMPARE(textOf("Label22"), QStringLiteral(" 80"));
    QCOMPARE(textOf("Label23"), QStringLiteral(" 240"));

    QCOMPARE(find<QGroupBox>("zol")->title(), QStringLiteral("Золото:  26"));
    QCOMPARE(find<QGroupBox>("zem")->title(), QStringLiteral("Земля:  95"));
    QCOMPARE(find<QGroupBox>("zer")->title(), QStringLiteral("Зерно:  211"));
    QCOMPARE(find<QGroupBox>("nef")->title(), QStringLiteral("Нефть:  26"));
    QCOMPARE(textOf("Label1"), QStringLiteral("Цена:  1025"));
    QCOMPARE(textOf("Label3"), QStringLiteral("Цена:  75"));
    QCOMPARE(textOf("Label5"), QStringLiteral("Цена:  37"));
    QCOMPARE(textOf("Label7"), QStringLiteral("Цена:  525"));
    QCOMPARE(textOf("max1"), QStringLiteral("9"));
    QCOMPARE(textOf("max2"), QStringLiteral("133"));
    QCOMPARE(textOf("max3"), QStringLiteral("270"));
    QCOMPARE(textOf("max4"), QStringLiteral("19"));
    QCOMPARE(textOf("Label9"), QStringLiteral("max:  9"));
    QCOMPARE(textOf("Label10"), QStringLiteral("max:  133"));
    QCOMPARE(textOf("Label11"), QStringLiteral("max:  270"));
    QCOMPARE(textOf("Label12"), QStringLiteral("max:  19"));
    for (const char* amount : {"Label2", "Label4", "Label6", "Label8"}) {
        QCOMPARE(textOf(amount), QStringLiteral("0"));
    }
    QCOMPARE(find<QScrollBar>("scroll_1")->maximum(), 9);
    QCOMPARE(find<QScrollBar>("scroll2_1")->maximum(), 270);
    QCOMPARE(find<QScrollBar>("scroll2")->maximum(), 211);

    for (const char* frame : {"zol", "zem", "zer", "nef"}) {
        QVERIFY(find<QGroupBox>(frame)->isVisible());
    }
    QVERIFY(!find<QGroupBox>("informacia")->isVisible());
    QVERIFY(!find<QGroupBox>("naemniki1")->isVisible());
    for (const char* shown :
         {"buy1", "buy2", "buy3", "buy4", "buy1_1", "buy2_1", "buy3_1", "buy4_1"}) {
        QVERIFY(find<QPushButton>(shown)->isVisible());
    }
    for (const char* hidden :
         {"sale1", "sale2", "sale3", "sale4", "sale1_1", "sale2_1", "sale3_1", "sale4_1"}) {
        QVERIFY(!find<QPushButton>(hidden)->isVisible());
    }
    for (const char* bar : {"scroll_1", "scroll1_1", "scroll2_1", "scroll3_1"}) {
        QVERIFY(find<QScrollBar>(bar)->isVisible());
    }
    for (const char* bar : {"scroll", "scroll1", "scroll2", "scroll3"}) {
        QVERIFY(!find<QScrollBar>(bar)->isVisible());
    }
    for (const char* button : {"buy", "Sale", "naemniki", "dalshe"}) {
        QVERIFY(find<QPushButton>(button)->isEnabled());
    }
    QVERIFY(window->isEnabled());
    QCOMPARE(m_random->reseeds(), 1);
}

void TestMainWindow::windowLooksAsDesigned() {
    MainWindow* window = startGame();
    QCOMPARE(window->centralWidget()->size(), QSize(679, 400));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->palette().color(QPalette::Window), QColor(192, 192, 192));

    QCOMPARE(find<QPushButton>("dalshe")->geometry(), QRect(272, 8, 89, 17));
    QCOMPARE(find<QGroupBox>("zer")->geometry(), QRect(248, 64, 233, 153));
    QCOMPARE(find<QGroupBox>("informacia")->geometry(), QRect(8, 64, 473, 305));
    QCOMPARE(find<QLabel>("money1")->geometry(), QRect(552, 72, 121, 17));
    QCOMPARE(find<QScrollBar>("scroll_1")->geometry(), find<QScrollBar>("scroll")->geometry());
    QCOMPARE(find<QLabel>("max4")->geometry(), QRect(112, 128, 113, 17));

    const QFont year = find<QLabel>("Label14")->font();
    QCOMPARE(year.family(), QStringLiteral("Times New Roman"));
    QVERIFY(year.bold());
    QCOMPARE(year.pointSizeF(), 14.25);
    QCOMPARE(find<QLabel>("Label14")->palette().color(QPalette::WindowText), QColor(192, 0, 192));
    QCOMPARE(find<QLabel>("Label15")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(find<QLabel>("wsego1")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(find<QLabel>("Label13")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QCOMPARE(find<QLabel>("boy1")->font().pointSizeF(), 36.0);
    QCOMPARE(find<QLabel>("pobeda")->font().pointSizeF(), 15.75);
    QCOMPARE(find<QGroupBox>("nef")->font().pointSizeF(), 11.25);
    QCOMPARE(find<QLabel>("Label1")->font().pointSizeF(), 9.75);
    QCOMPARE(find<QLabel>("money1")->frameShape(), QFrame::Box);
    QVERIFY(find<QLabel>("money1")->alignment() & Qt::AlignRight);
    QCOMPARE(find<QLineEdit>("Text2")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    QCOMPARE(find<QPushButton>("buy")->toolTip(), QStringLiteral("Купить что-нибуть"));
    QCOMPARE(find<QPushButton>("Sale")->toolTip(), QStringLiteral("Продать что-нибудь"));
    QCOMPARE(find<QPushButton>("naemniki")->toolTip(), QStringLiteral("Нанять наёмников"));
    QCOMPARE(find<QPushButton>("dalshe")->toolTip(), QStringLiteral("Дальше"));
    QCOMPARE(find<QPushButton>("Command3")->toolTip(), QStringLiteral("Навоевался"));
    QCOMPARE(find<QLabel>("Picture1")->toolTip(), QStringLiteral("Вы"));
    QCOMPARE(find<QLabel>("Picture2")->toolTip(), QStringLiteral("Вражеский военачальник"));
    for (const char* picture :
         {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6", "Picture7"}) {
        QVERIFY2(!find<QLabel>(picture)->pixmap().isNull(), picture);
    }
    QVERIFY(!find<QPushButton>("Command1")->isEnabled());
    QVERIFY(!find<QPushButton>("Command2")->isEnabled());
    QCOMPARE(find<QLabel>("Label20")->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(find<QLabel>("Label20")->text().contains(QStringLiteral("@example.")));
    QVERIFY(!window->windowIcon().isNull());

    const QRect screen = window->screen()->geometry();
    QCOMPARE(window->pos(), QPoint(screen.left() + (screen.width() - 640) / 2,
                                   screen.top() + (screen.height() - 370) / 2));
}

void TestMainWindow::menuHasItsCommands() {
    MainWindow* window = startGame();
    auto* files = window->findChild<QMenu*>(QStringLiteral("files"));
    QVERIFY(files);
    QCOMPARE(files->title(), QStringLiteral("&Игра"));
    const struct {
        const char* name;
        QString caption;
        QKeySequence shortcut;
    } items[] = {
        {"newgame", QStringLiteral("Новая игра"), QKeySequence(Qt::Key_F2)},
        {"savegame", QStringLiteral("Сохранить"), QKeySequence(Qt::Key_F3)},
        {"loadgame", QStringLiteral("Загрузить"), QKeySequence(Qt::Key_F4)},
        {"quitgame", QStringLiteral("Выход"), QKeySequence(Qt::Key_F12)},
        {"tablica", QStringLiteral("&Таблица"), QKeySequence()},
        {"chronicle", QStringLiteral("&Летопись"), QKeySequence(Qt::Key_F5)},
        {"pravila", QStringLiteral("&Правила"), QKeySequence()},
        {"aboutgame", QStringLiteral("&О программе"), QKeySequence()},
    };
    for (const auto& item : items) {
        auto* action = window->findChild<QAction*>(QLatin1String(item.name));
        QVERIFY2(action, item.name);
        QCOMPARE(action->text(), item.caption);
        QCOMPARE(action->shortcut(), item.shortcut);
    }
    QCOMPARE(files->actions().size(), 4);
    // The chronicle stands between the table and the rules.
    const QList<QAction*> bar = window->menuBar()->actions();
    QCOMPARE(bar.size(), 5);
    QCOMPARE(bar[2]->objectName(), QStringLiteral("chronicle"));
}

void TestMainWindow::labelsShowTheirWholeText() {
    MainWindow* window = startGame();
    const auto checkAll = [window](const char* state) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->wordWrap() || !label->pixmap().isNull() || !label->isVisible()) {
                continue;
            }
            QVERIFY2(
                label->sizeHint().width() <= label->width(),
                qPrintable(QStringLiteral("%1 cut short in %2: \"%3\"")
                               .arg(label->objectName(), QLatin1String(state), label->text())));
        }
    };
    // Large but plausible figures late in a long reign.
    m_state->money = 123456789;
    m_state->year = 100;
    m_state->workers = 495680;
    m_state->grain = 6941247.2;
    m_state->land = 1234567;
    m_state->moodLevel = 4;
    click("buy");
    checkAll("buy mode");
    click("Sale");
    checkAll("sell mode");
    click("naemniki");
    checkAll("the mercenaries panel");

    m_state->year = 7;
    m_state->lastPeaceYear = 6;
    m_state->warCountdown = 1;
    m_state->enemyArmy = 20;
    m_state->soldiers = 35;
    m_random->push({0.f, 0.f, 0.f, 0.f, 0.1f, 0.f, 0.f, 0.5f});
    m_random->push({0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f});
    click("dalshe");
    QVERIFY(find<QGroupBox>("boy")->isVisible());
    checkAll("the war panel");
}

void TestMainWindow::buyingByBar() {
    startGame();
    auto* bar = find<QScrollBar>("scroll_1");
    bar->setValue(5);
    QCOMPARE(textOf("Label2"), QStringLiteral(" 5"));
    click("buy1");

    QCOMPARE(m_state->gold, 31.0);
    QCOMPARE(m_state->money, 4875.0);
    QCOMPARE(m_state->tradeSum, 5125.0);
    QCOMPARE(textOf("money1"), QStringLiteral(" 4875"));
    QCOMPARE(find<QGroupBox>("zol")->title(), QStringLiteral("Золото:  31"));
    QCOMPARE(bar->value(), 0);
    QCOMPARE(textOf("Label2"), QStringLiteral("0"));
    QCOMPARE(textOf("max1"), QStringLiteral("4"));
    QCOMPARE(textOf("Label9"), QStringLiteral("max:  4"));
    QCOMPARE(textOf("max2"), QStringLiteral("65"));
    QCOMPARE(m_platform->beeps, 0);

    // Land is one of the two stocks the status column weighs: its label follows at once.
    m_state->land = 70;
    find<QScrollBar>("scroll1_1")->setValue(12);
    click("buy2");
    QCOMPARE(m_state->land, 82.0);
    QCOMPARE(find<QLabel>("Label22")->palette().color(QPalette::WindowText),
             QApplication::palette().color(QPalette::ButtonText));

    // A treasury below the price: the button does nothing at all.
    m_state->money = 1000;
    find<QScrollBar>("scroll_1")->setMaximum(3);
    find<QScrollBar>("scroll_1")->setValue(1);
    click("buy1");
    QCOMPARE(m_state->gold, 31.0);
    QCOMPARE(textOf("Label2"), QStringLiteral(" 1"));
    QCOMPARE(m_platform->beeps, 0);
}

void TestMainWindow::buyingByKeyboardAlone() {
    MainWindow* window = startGame();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* bar = find<QScrollBar>("scroll_1");
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(textOf("Label2"), QStringLiteral(" 2"));
    // The next stop after the bar is its button; the space bar presses it.
    QTest::keyClick(bar, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), find<QPushButton>("buy1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_state->gold, 28.0);
    QCOMPARE(m_state->money, 10000.0 - 2 * 1025);
}

void TestMainWindow::buyingByTypedAmount() {
    startGame();
    auto* box = find<QLineEdit>("Text1");

    QTest::keyClicks(box, QStringLiteral("20"));
    click("buy1_1");
    QCOMPARE(box->text(), QString());
    QCOMPARE(m_platform->beeps, 1);
    QCOMPARE(m_state->gold, 26.0);
    QCOMPARE(m_state->money, 10000.0);

    QTest::keyClicks(box, QStringLiteral("9"));
    click("buy1_1");
    QCOMPARE(box->text(), QString());
    QCOMPARE(m_platform->beeps, 1);
    QCOMPARE(m_state->gold, 35.0);
    QCOMPARE(m_state->money, 775.0);
    QCOMPARE(textOf("money1"), QStringLiteral(" 775"));
    QCOMPARE(textOf("max1"), QStringLiteral("0"));
    QCOMPARE(find<QScrollBar>("scroll_1")->maximum(), 0);

    // Now the treasury cannot pay for one unit: the digits stay and nothing sounds.
    QTest::keyClicks(box, QStringLiteral("1"));
    click("buy1_1");
    QCOMPARE(box->text(), QStringLiteral("1"));
    QCOMPARE(m_platform->beeps, 1);

    // Zero is a trade: the box empties and the panels are refreshed.
    auto* grain = find<QLineEdit>("Text3");
    find<QScrollBar>("scroll2_1")->setValue(3);
    QTest::keyClicks(grain, QStringLiteral("0"));
    click("buy3_1");
    QCOMPARE(grain->text(), QString());
    QCOMPARE(textOf("Label6"), QStringLiteral("0"));
    QCOMPARE(m_platform->beeps, 1);

    // An empty box: nothing.
    click("buy3_1");
    QCOMPARE(m_platform->beeps, 1);
}

void TestMainWindow::pastedTextIsRefused() {
    startGame();
    for (const QString& pasted : {QStringLiteral("1a"), QStringLiteral("-5"), QStringLiteral("2.5"),
                                  QStringLiteral(" 3"), QString(400, QLatin1Char('9'))}) {
        auto* box = find<QLineEdit>("Text2");
        box->setText(pasted);
        click("buy2_1");
        QCOMPARE(box->text(), QString());
        box->setText(pasted);
        click("Sale");
        click("sale2_1");
        QCOMPARE(box->text(), QString());
        click("buy");
    }
    QCOMPARE(m_platform->beeps, 10);
    QCOMPARE(m_state->land, 95.0);
    QCOMPARE(m_state->money, 10000.0);

    click("naemniki");
    find<QLineEdit>("Text5")->setText(QStringLiteral("+7"));
    click("buy5_1");
    QCOMPARE(find<QLineEdit>("Text5")->text(), QString());
    QCOMPARE(m_platform->beeps, 11);
    QCOMPARE(m_state->soldiers, 35.0);
}

void TestMainWindow::sellingByBarAndByTypedAmount() {
    startGame();
    click("Sale");
    QCOMPARE(textOf("Label15"), QStringLiteral("Продавайте!"));
    QVERIFY(find<QPushButton>("sale1")->isVisible());
    QVERIFY(find<QPushButton>("sale4_1")->isVisible());
    QVERIFY(!find<QPushButton>("buy1")->isVisible());
    QVERIFY(find<QScrollBar>("scroll")->isVisible());
    QVERIFY(!find<QScrollBar>("scroll_1")->isVisible());
    QCOMPARE(textOf("Label9"), QStringLiteral("max:  26"));
    QCOMPARE(textOf("max1"), QStringLiteral("max:  26"));
    QCOMPARE(textOf("Label11"), QStringLiteral("max:  211"));
    QCOMPARE(textOf("max3"), QStringLiteral("max:  211"));

    auto* bar = find<QScrollBar>("scroll2");
    bar->setValue(11);
    QCOMPARE(textOf("Label6"), QStringLiteral(" 11"));
    click("sale3");
    QCOMPARE(m_state->grain, 200.0);
    QCOMPARE(m_state->money, 10407.0);
    QCOMPARE(textOf("money1"), QStringLiteral(" 10407"));
    QCOMPARE(find<QGroupBox>("zer")->title(), QStringLiteral("Зерно:  200"));
    QCOMPARE(textOf("max3"), QStringLiteral("max:  200"));
    QCOMPARE(textOf("Label6"), QStringLiteral("0"));

    auto* oil = find<QLineEdit>("Text4");
    QTest::keyClicks(oil, QStringLiteral("27"));
    click("sale4_1");
    QCOMPARE(oil->text(), QString());
    QCOMPARE(m_platform->beeps, 1);
    QCOMPARE(m_state->oil, 26.0);

    QTest::keyClicks(oil, QStringLiteral("26"));
    click("sale4_1");
    QCOMPARE(m_state->oil, 0.0);
    QCOMPARE(m_state->money, 10407.0 + 26 * 525);
    QCOMPARE(textOf("Label12"), QStringLiteral("max:  0"));
    QCOMPARE(m_platform->beeps, 1);

    // The mode survives a look at the mercenaries only through the mode buttons.
    click("buy");
    QCOMPARE(textOf("Label15"), QStringLiteral("Покупайте!"));
    QCOMPARE(textOf("max1"), QStringLiteral("23"));
}

void TestMainWindow::warningColoursFollowTheNeeds() {
    startGame();
    const QColor normal = QApplication::palette().color(QPalette::ButtonText);
    const auto colourOf = [this](const char* name) {
        return find<QLabel>(name)->palette().color(QPalette::WindowText);
    };
    click("Sale");
    // 80 people need 160 tons to eat: 160 keeps the normal colour, 159 turns red.
    QTest::keyClicks(find<QLineEdit>("Text3"), QStringLiteral("51"));
    click("sale3_1");
    QCOMPARE(m_state->grain, 160.0);
    QCOMPARE(colourOf("Label23"), normal);
    QTest::keyClicks(find<QLineEdit>("Text3"), QStringLiteral("1"));
    click("sale3_1");
    QCOMPARE(colourOf("Label23"), kRed);
    QCOMPARE(textOf("Label23"), QStringLiteral(" 240"));

    QTest::keyClicks(find<QLineEdit>("Text2"), QStringLiteral("15"));
    click("sale2_1");
    QCOMPARE(m_state->land, 80.0);
    QCOMPARE(colourOf("Label22"), normal);
    QTest::keyClicks(find<QLineEdit>("Text2"), QStringLiteral("1"));
    click("sale2_1");
    QCOMPARE(colourOf("Label22"), kRed);

    // Gold and oil do not touch the status column's warnings.
    m_state->grain = 1000;
    QTest::keyClicks(find<QLineEdit>("Text1"), QStringLiteral("1"));
    click("sale1_1");
    QCOMPARE(colourOf("Label23"), kRed);
    click("buy");
    QCOMPARE(colourOf("Label23"), normal);
}

void TestMainWindow::negativeTreasuryShowsNegativeMaxima() {
    startGame();
    m_state->money = -2000;
    click("buy");
    QCOMPARE(textOf("max1"), QStringLiteral("-2"));
    QCOMPARE(textOf("Label9"), QStringLiteral("max: -2"));
    QCOMPARE(textOf("money1"), QStringLiteral("-2000"));
    QCOMPARE(find<QScrollBar>("scroll_1")->minimum(), 0);
    QCOMPARE(find<QScrollBar>("scroll_1")->maximum(), 0);
    QCOMPARE(m_controller->session().barMaxima()[5], std::int16_t(-2));

    click("naemniki");
    QCOMPARE(textOf("Label18"), QStringLiteral("max :-20"));
    QCOMPARE(textOf("max5"), QStringLiteral("-20"));
    QCOMPARE(find<QScrollBar>("scroll4")->maximum(), 0);
}

void TestMainWindow::amountBoxesTakeOnlyDigits() {
    startGame();
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        if (QLatin1String(name) == QLatin1String("Text5")) {
            click("naemniki");
        }
        auto* box = find<QLineEdit>(name);
        box->setFocus();
        const int before = m_platform->beeps;
        QTest::keyClicks(box, QStringLiteral("1234567890"));
        QCOMPARE(box->text(), QStringLiteral("1234567890"));
        QCOMPARE(m_platform->beeps, before);

        for (const Qt::Key refused : {Qt::Key_A, Qt::Key_Minus, Qt::Key_Period, Qt::Key_Comma,
                                      Qt::Key_Space, Qt::Key_Plus, Qt::Key_Escape}) {
            QTest::keyClick(box, refused);
        }
        typeText(box, QStringLiteral("яZ"));
        QCOMPARE(box->text(), QStringLiteral("1234567890"));
        QCOMPARE(m_platform->beeps, before + 9);

        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("123456789"));
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("23456789"));
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_0);
        QCOMPARE(box->text(), QStringLiteral("234567809"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(m_platform->beeps, before + 9);
        box->clear();
    }
}

void TestMainWindow::hiringMercenaries() {
    startGame();
    click("naemniki");
    QVERIFY(find<QGroupBox>("naemniki1")->isVisible());
    QVERIFY(!find<QGroupBox>("informacia")->isVisible());
    QCOMPARE(find<QGroupBox>("naemniki1")->title(), QStringLiteral("Наёмники "));
    QCOMPARE(textOf("Label15"), QString());
    QCOMPARE(textOf("Label16"), QStringLiteral("Цена :  100"));
    QCOMPARE(textOf("Label17"), QStringLiteral(" 0"));
    QCOMPARE(textOf("Label18"), QStringLiteral("max : 100"));
    QCOMPARE(textOf("max5"), QStringLiteral("100"));

    auto* bar = find<QScrollBar>("scroll4");
    QCOMPARE(bar->maximum(), 100);
    bar->setValue(37);
    QCOMPARE(textOf("Label17"), QStringLiteral(" 37"));
    click("buy5");
    QCOMPARE(m_state->money, 6300.0);
    QCOMPARE(m_state->soldiers, 72.0);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(textOf("Label17"), QStringLiteral(" 0"));
    QCOMPARE(textOf("Label18"), QStringLiteral("max : 63"));
    QCOMPARE(textOf("max5"), QStringLiteral("63"));
    QCOMPARE(textOf("soldaty1"), QStringLiteral(" 72"));
    QCOMPARE(textOf("money1"), QStringLiteral(" 6300"));

    // The position survives leaving the panel and coming back.
    bar->setValue(5);
    click("buy");
    click("naemniki");
    QCOMPARE(bar->value(), 5);
    QCOMPARE(textOf("Label17"), QStringLiteral(" 5"));

    auto* box = find<QLineEdit>("Text5");
    QTest::keyClicks(box, QStringLiteral("64"));
    click("buy5_1");
    QCOMPARE(box->text(), QString());
    QCOMPARE(m_platform->beeps, 1);
    QCOMPARE(m_state->soldiers, 72.0);

    QTest::keyClicks(box, QStringLiteral("0"));
    click("buy5_1");
    QCOMPARE(box->text(), QString());
    QCOMPARE(m_platform->beeps, 1);

    QTest::keyClicks(box, QStringLiteral("63"));
    click("buy5_1");
    QCOMPARE(m_state->money, 0.0);
    QCOMPARE(m_state->soldiers, 135.0);
    QCOMPARE(textOf("Label18"), QStringLiteral("max : 0"));
    QCOMPARE(textOf("max5"), QStringLiteral("0"));
    QCOMPARE(bar->maximum(), 0);
    QCOMPARE(textOf("Label17"), QStringLiteral(" 0"));
    QCOMPARE(textOf("wsego1"), QStringLiteral(" 180"));

    // A treasury far beyond the bar's reach (a trading panel counts what it pays for).
    m_state->money = 5000000;
    click("buy");
    click("naemniki");
    QCOMPARE(textOf("Label18"), QStringLiteral("max : 32767"));
    QCOMPARE(textOf("max5"), QStringLiteral("50000"));
}

void TestMainWindow::barMaximaForSavingAndLoading() {
    startGame();
    const ReignSession& session = m_controller->session();
    QCOMPARE(session.barMaxima(), (BarMaxima{26, 95, 211, 26, 32767, 9, 133, 270, 19}));
    click("naemniki");
    QCOMPARE(session.barMaxima()[4], std::int16_t(100));

    GameLoad game{LoadedGame{*m_state, m_reign->hall}, {}, {}};
    game.game->state.sliderMax1 = 2.5;
    game.game->state.sliderMax4 = -7;
    game.game->state.sliderMax5 = 12.4;
    game.game->state.sliderMax8 = 99.6;
    m_controller->installLoadedGame(game);
    // The loaded game goes on in buy mode, which gives the goods bars their ranges afresh; the
    // mercenaries bar keeps the range the game carries until its panel opens.
    QCOMPARE(session.barMaxima(), (BarMaxima{26, 95, 211, 26, 12, 9, 133, 270, 19}));
    QCOMPARE(find<QScrollBar>("scroll")->maximum(), 26);
    QCOMPARE(find<QScrollBar>("scroll3")->maximum(), 26);
    QCOMPARE(find<QScrollBar>("scroll4")->maximum(), 12);
    QCOMPARE(find<QScrollBar>("scroll2_1")->maximum(), 270);
    click("naemniki");
    QCOMPARE(find<QScrollBar>("scroll4")->maximum(), 100);
}

void TestMainWindow::aQuietYearShowsItsReport() {
    startGame();
    m_reign->pushQuietYear();
    click("dalshe");
    QCOMPARE(m_random->remaining(), std::size_t(0));

    QVERIFY(find<QGroupBox>("informacia")->isVisible());
    QVERIFY(!find<QGroupBox>("boy")->isVisible());
    QVERIFY(!find<QGroupBox>("naemniki1")->isVisible());
    QCOMPARE(find<QGroupBox>("informacia")->title(), QStringLiteral("Прошёл год"));
    QCOMPARE(textOf("info"),
             reportOf({
                 QStringLiteral("Население удалось прокормить"),
                 QStringLiteral("Всем досталась земля"),
                 QStringLiteral("В этом году засеяли часть территории земли"),
                 QStringLiteral("Настроение населения улучшилось, народ болеет за Вас"),
                 QStringLiteral("Наводнение уничтожило чась урожая"),
                 QStringLiteral("В этом году родилось  6 детей."),
                 QStringLiteral("Из Вашей армии сбежало  5 солдат."),
             }));
    QCOMPARE(m_state->report, std::string());
    QCOMPARE(textOf("Label14"), QStringLiteral(" 2  год правления ."));
    QCOMPARE(textOf("Label15"), QString());
    QCOMPARE(textOf("nasnas"), QStringLiteral("Отличное"));
    QCOMPARE(textOf("rabochie1"), QStringLiteral(" 51"));
    QCOMPARE(textOf("soldaty1"), QStringLiteral(" 30"));
    QCOMPARE(textOf("wsego1"), QStringLiteral(" 81"));
    QCOMPARE(m_random->reseeds(), 2);
    QVERIFY(m_platform->messages.empty());

    // Back to trading: the new year's prices are on the panels.
    click("buy");
    QVERIFY(!find<QGroupBox>("informacia")->isVisible());
    QCOMPARE(textOf("Label1"), QStringLiteral("Цена:  1000"));
    QCOMPARE(textOf("Label7"), QStringLiteral("Цена:  500"));
    QCOMPARE(find<QGroupBox>("zer")->title(), QStringLiteral("Зерно:  291"));
    QCOMPARE(textOf("Label15"), QStringLiteral("Покупайте!"));
}

void TestMainWindow::aWonBattle() {
    startGame();
    m_reign->setUpWonBattle();
    click("dalshe");
    QCOMPARE(m_random->remaining(), std::size_t(0));

    for (const char* button : {"buy", "Sale", "naemniki", "dalshe"}) {
        QVERIFY(!find<QPushButton>(button)->isEnabled());
    }
    QVERIFY(find<QGroupBox>("boy")->isVisible());
    QCOMPARE(find<QGroupBox>("boy")->title(), QStringLiteral("Война"));
    QCOMPARE(textOf("boy1"), QStringLiteral(" 32"));
    QCOMPARE(textOf("boy2"), QStringLiteral(" 24"));
    QCOMPARE(textOf("pobeda"), QStringLiteral("Слава Королю! Вы победили!"));
    QCOMPARE(textOf("Label13"), QStringLiteral("Захвачено:"));
    QCOMPARE(
        textOf("trofey"),
        QStringLiteral(" Золота:   13\r\n  Земли:    500\r\n  Зерна:    556\r\n  Нефти:   13\r\n"));
    QCOMPARE(textOf("trofey1"),
             QStringLiteral(" Солдат:    4\r\n  Рабочих:  24\r\n  Денег:     5000\r\n"));
    QCOMPARE(textOf("Label14"), QStringLiteral(" 7  год правления ."));
    QCOMPARE(textOf("soldaty1"), QStringLiteral(" 12"));
    QCOMPARE(textOf("money1"), QStringLiteral(" 15000"));
    QVERIFY(m_platform->messages.empty());

    // The menu still works during a battle; the war panel's OK gives the window back.
    QVERIFY(find<QPushButton>("Command3")->isEnabled());
    click("Command3");
    QVERIFY(!find<QGroupBox>("boy")->isVisible());
    QVERIFY(find<QGroupBox>("informacia")->isVisible());
    QCOMPARE(textOf("info"),
             reportOf({
                 QStringLiteral("Население удалось прокормить"),
                 QStringLiteral("Всем досталась земля"),
                 QStringLiteral("В этом году засеяли часть территории земли"),
                 QStringLiteral("Настроение населения улучшилось, народ болеет за Вас"),
                 QStringLiteral("Был собран хороший урожай"),
                 QStringLiteral("В этом году родилось  4 детей."),
                 QStringLiteral("Из Вашей армии сбежало  3 солдат."),
             }));
    for (const char* button : {"buy", "Sale", "naemniki", "dalshe"}) {
        QVERIFY(find<QPushButton>(button)->isEnabled());
    }
    QCOMPARE(textOf("Label14"), QStringLiteral(" 7  год правления ."));
    QCOMPARE(m_state->report, std::string());
}

void TestMainWindow::aDrawnBattleShowsNoSpoils() {
    startGame();
    m_state->year = 7;
    m_state->warCountdown = 1;
    m_state->enemyArmy = 31;
    m_state->grain = 1000;
    m_state->land = 1000;
    m_random->push({0.f, 0.f, 0.f, 0.f, 0.1f, 0.f, 0.f, 0.f});
    click("dalshe");
    QCOMPARE(m_random->remaining(), std::size_t(0));
    QCOMPARE(textOf("boy1"), QStringLiteral(" 32"));
    QCOMPARE(textOf("boy2"), QStringLiteral(" 32"));
    QCOMPARE(textOf("pobeda"), QStringLiteral("Битва не выявила победителей!"));
    QCOMPARE(textOf("Label13"), QString());
    QCOMPARE(textOf("trofey"), QString());
    QCOMPARE(textOf("trofey1"), QString());
    QCOMPARE(textOf("soldaty1"), QStringLiteral(" 0"));
}

void TestMainWindow::overthrowStartsANewGame() {
    startGame();
    m_state->discontentYears = 4;
    m_state->land = 80;
    m_random->push({0.f, 0.f, 0.f, 0.f});
    QString nasnasAtMessage;
    m_platform->onMessage = [this, &nasnasAtMessage] { nasnasAtMessage = textOf("nasnas"); };
    click("dalshe");
    QCOMPARE(m_random->remaining(), std::size_t(0));

    QCOMPARE(m_platform->messages.size(), std::size_t(1));
    QCOMPARE(m_platform->messages[0].title, QStringLiteral("Король Велории - Иван"));
    QCOMPARE(m_platform->messages[0].text,
             QStringLiteral("Ну, что же, Вы на славу поиздевались над своим народом и были "
                            "свергнуты народом с трона!\r\n"
                            "                       Чтобы начать игру заново, нажмите OK!"));
    QVERIFY(!m_platform->messages[0].informationIcon);
    QCOMPARE(nasnasAtMessage, QStringLiteral("Неплохое"));

    dropWindows();
    QCOMPARE(m_controller->mainWindow(), nullptr);
    NameDialog* dialog = m_controller->nameDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QString());
}

void TestMainWindow::starvationStartsANewGame() {
    startGame();
    m_state->workers = 0;
    m_random->push({0.f, 0.f, 0.f, 0.f, 0.1f, 0.9f});
    QString workersAtMessage;
    QString totalAtMessage;
    m_platform->onMessage = [&, this] {
        workersAtMessage = textOf("rabochie1");
        totalAtMessage = textOf("wsego1");
    };
    click("dalshe");
    QCOMPARE(m_random->remaining(), std::size_t(0));

    QCOMPARE(m_platform->messages.size(), std::size_t(1));
    QCOMPARE(m_platform->messages[0].title, QStringLiteral("Король Велории - Иван"));
    QCOMPARE(m_platform->messages[0].text,
             QStringLiteral("Вы уморили голодом всю страну и были свергнуты народом с трона!\r\n"
                            "                       Чтобы начать игру заново, нажмите OK!"));
    QCOMPARE(workersAtMessage, QStringLiteral(" 0"));
    QCOMPARE(totalAtMessage, QStringLiteral(" 35"));

    dropWindows();
    QCOMPARE(m_controller->mainWindow(), nullptr);
    QVERIFY(m_controller->nameDialog() && m_controller->nameDialog()->isVisible());
}

void TestMainWindow::aWholeReignEndsInYearOneHundred() {
    startGame();
    // No war and land for everybody: every year is a good one worth 8 points.
    m_state->lastPeaceYear = 1000;
    m_state->land = 1e9;
    for (int year = 1; year < 99; ++year) {
        m_random->push({0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f});
        click("dalshe");
        QCOMPARE(m_platform->messages.size(), std::size_t(0));
    }
    QCOMPARE(textOf("Label14"), QStringLiteral(" 99  год правления ."));

    m_random->push({0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f});
    QString yearAtMessage;
    bool enabledAtMessage = true;
    MainWindow* window = m_controller->mainWindow();
    m_platform->onMessage = [&, this] {
        yearAtMessage = textOf("Label14");
        enabledAtMessage = window->isEnabled();
    };
    click("dalshe");
    QCOMPARE(m_random->remaining(), std::size_t(0));
    QCOMPARE(m_platform->messages.size(), std::size_t(1));
    QCOMPARE(m_platform->messages[0].title, QStringLiteral("Король Велории - Иван"));
    QCOMPARE(m_platform->messages[0].text,
             QStringLiteral("Поздравляю Вас Ваше Величество, Ваш рейтинг -  797\r\n"
                            "          Поищите себя в таблице лучших королей!"));
    QCOMPARE(yearAtMessage, QStringLiteral(" 100  год правления ."));
    // The last year's figures stay readable under the message.
    QVERIFY(enabledAtMessage);

    // The king enters the table, which holds the window; its OK starts a new game.
    HallOfFameWindow* table = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* candidate = dynamic_cast<HallOfFameWindow*>(widget);
            candidate && candidate->isVisible()) {
            table = candidate;
        }
    }
    QVERIFY(table);
    QVERIFY(heldBy(window, table));
    QCOMPARE(table->findChild<QLabel*>(QStringLiteral("Label2_0"))->text(), QStringLiteral("Иван"));
    QCOMPARE(table->findChild<QLabel*>(QStringLiteral("Label3_0"))->text(), QStringLiteral("797"));
    QVERIFY(QFile::exists(m_scoresDir->filePath(QStringLiteral("scores.tab"))));
    table->findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    dropWindows();
    QCOMPARE(m_controller->mainWindow(), nullptr);
    QVERIFY(m_controller->nameDialog() && m_controller->nameDialog()->isVisible());
}

void TestMainWindow::newGameFromTheMenu() {
    MainWindow* window = startGame();
    QPointer<MainWindow> watch(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F2);
    dropWindows();
    QVERIFY(watch.isNull());
    QVERIFY(m_controller->nameDialog() && m_controller->nameDialog()->isVisible());
    QVERIFY(m_platform->messages.empty());

    // A new name starts afresh, whatever the old game left.
    m_state->rating = 1234;
    m_state->discontentYears = 3;
    startGame();
    QCOMPARE(m_state->rating, 5.0);
    QCOMPARE(m_state->discontentYears, 0.0);
    QCOMPARE(m_state->year, 1.0);
}

void TestMainWindow::quitClosesTheWindow() {
    MainWindow* window = startGame();
    QPointer<MainWindow> watch(window);
    window->findChild<QAction*>(QStringLiteral("quitgame"))->trigger();
    dropWindows();
    QVERIFY(watch.isNull());
    QVERIFY(m_controller->nameDialog() == nullptr || !m_controller->nameDialog()->isVisible());
}

void TestMainWindow::swappingWindowsKeepsTheProgramRunning() {
    startGame();
    bool stillRunning = false;
    // The swaps happen inside the event loop, where closing the last window would end it.
    QTimer::singleShot(0, this, [this] {
        m_controller->mainWindow()->findChild<QAction*>(QStringLiteral("newgame"))->trigger();
    });
    QTimer::singleShot(20, this, [this] {
        m_random->push({0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f});
        NameDialog* dialog = m_controller->nameDialog();
        dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Олег"));
        dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    });
    QTimer::singleShot(60, this, [&stillRunning] {
        stillRunning = true;
        QCoreApplication::exit(7);
    });
    QCOMPARE(QCoreApplication::exec(), 7);
    QVERIFY(stillRunning);
    QVERIFY(m_controller->mainWindow() && m_controller->mainWindow()->isVisible());
    QCOMPARE(m_controller->mainWindow()->windowTitle(), QStringLiteral("Король Велории - Олег"));
}

void TestMainWindow::quittingEndsTheProgram() {
    startGame();
    bool stillRunning = false;
    QTimer::singleShot(0, this, [this] {
        m_controller->mainWindow()->findChild<QAction*>(QStringLiteral("quitgame"))->trigger();
    });
    QTimer::singleShot(500, this, [&stillRunning] {
        stillRunning = true;
        QCoreApplication::exit(7);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!stillRunning);
}

void TestMainWindow::savingAndLoadingThroughTheMenu() {
    MainWindow* window = startGame();
    QTemporaryDir folder;

    trigger("savegame");
    auto* save = shownWindow<SaveDialog>();
    QVERIFY(save);
    QVERIFY(heldBy(window, save));
    save->setFolder(folder.path());
    save->findChild<QLineEdit*>(QStringLiteral("txtFileName"))->setText(QStringLiteral("game"));
    save->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    dropWindows();
    QVERIFY(window->isEnabled());
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("game.txt"))));
    const KingdomState saved = *m_state;

    // The game moves on, then the saved one comes back in buy mode with its own figures.
    click("Sale");
    m_state->year = 42;
    m_state->money = 1;
    trigger("loadgame");
    auto* load = shownWindow<LoadDialog>();
    QVERIFY(load);
    QVERIFY(heldBy(window, load));
    load->setFolder(folder.path());
    load->findChild<QLineEdit*>(QStringLiteral("txtFileName"))->setText(QStringLiteral("game"));
    load->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    dropWindows();
    QVERIFY(window->isEnabled());
    QCOMPARE(m_platform->messages.size(), std::size_t(0));
    QCOMPARE(m_state->year, saved.year);
    QCOMPARE(m_state->money, saved.money);
    QCOMPARE(m_state->gold, saved.gold);
    QCOMPARE(textOf("Label15"), QStringLiteral("Покупайте!"));
    QCOMPARE(textOf("Label14"), QStringLiteral(" 1  год правления ."));
    QCOMPARE(textOf("money1"), QStringLiteral(" 10000"));
    QVERIFY(find<QScrollBar>("scroll_1")->isVisible());
}

void TestMainWindow::rulesAndAboutFromTheMenu() {
    MainWindow* window = startGame();

    trigger("pravila");
    QCOMPARE(m_platform->helpCalls.size(), std::size_t(1));
    QVERIFY(m_platform->helpCalls[0].first.endsWith(QStringLiteral("throne.hlp")));
    QCOMPARE(m_platform->helpCalls[0].second, 1u);
    QVERIFY(window->isEnabled());
    trigger("rulesKey");
    QCOMPARE(m_platform->helpCalls.size(), std::size_t(2));
    QCOMPARE(window->findChild<QAction*>(QStringLiteral("rulesKey"))->shortcut(),
             QKeySequence(Qt::Key_F1));

    QString topic = QStringLiteral("Войны");
    window->ShowHelpTopic(1, topic);
    QCOMPARE(m_platform->helpCalls.back().second, 257u);
    window->ShowHelpContents(3);
    QCOMPARE(m_platform->helpCalls.back(), std::make_pair(QString(), 15u));
    QCOMPARE(window->SetHelpStrings(0), QString());
    QCOMPARE(window->SetHelpStrings(2), window->SetHelpStrings(1));

    trigger("aboutgame");
    auto* about = shownWindow<AboutBox>();
    QVERIFY(about);
    QVERIFY(heldBy(window, about));
    about->close();
    dropWindows();
    QVERIFY(window->isEnabled());

    QTest::mouseClick(find<QLabel>("Label20"), Qt::LeftButton);
    QCOMPARE(m_platform->urls.size(), std::size_t(1));
    QCOMPARE(m_platform->urls[0].scheme(), QStringLiteral("mailto"));
    QCOMPARE(m_platform->urls[0].path(), textOf("Label20"));
}

void TestMainWindow::tableFromTheMenuDuringAGame() {
    MainWindow* window = startGame();
    const KingdomState before = *m_state;

    trigger("tablica");
    auto* table = shownWindow<HallOfFameWindow>();
    QVERIFY(table);
    QVERIFY(heldBy(window, table));
    table->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    dropWindows();
    QCOMPARE(m_controller->mainWindow(), window);
    QVERIFY(window->isEnabled());
    QVERIFY(*m_state == before);
}

void TestMainWindow::loadingDuringABattleGivesThePlayBack() {
    MainWindow* window = startGame();
    QTemporaryDir folder;
    trigger("savegame");
    auto* save = shownWindow<SaveDialog>();
    save->setFolder(folder.path());
    save->findChild<QLineEdit*>(QStringLiteral("txtFileName"))->setText(QStringLiteral("game"));
    save->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    dropWindows();

    m_reign->setUpWonBattle();
    click("dalshe");
    QVERIFY(find<QGroupBox>("boy")->isVisible());

    trigger("loadgame");
    auto* load = shownWindow<LoadDialog>();
    load->setFolder(folder.path());
    load->findChild<QLineEdit*>(QStringLiteral("txtFileName"))->setText(QStringLiteral("game"));
    load->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    dropWindows();
    QVERIFY(m_platform->messages.empty());
    QVERIFY(window->isVisible());
    QVERIFY(!find<QGroupBox>("boy")->isVisibleTo(window));
    QVERIFY(!find<QGroupBox>("informacia")->isVisible());
    for (const char* button : {"buy", "Sale", "naemniki", "dalshe"}) {
        QVERIFY(find<QPushButton>(button)->isEnabled());
    }
    QCOMPARE(textOf("Label15"), QStringLiteral("Покупайте!"));

    // The loaded year goes on.
    m_reign->pushQuietYear();
    click("dalshe");
    QCOMPARE(textOf("Label14"), QStringLiteral(" 2  год правления ."));
    QVERIFY(!find<QGroupBox>("boy")->isVisible());
}

void TestMainWindow::heldWindowKeepsItsLookAndTakesNoInput() {
    MainWindow* window = startGame();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    m_reign->pushQuietYear();
    click("dalshe");
    const QImage before = window->grab().toImage();

    for (const char* action : {"savegame", "loadgame", "tablica", "aboutgame"}) {
        trigger(action);
        QWidget* holder = QApplication::activeModalWidget();
        QVERIFY(holder && heldBy(window, holder));
        const QImage held = window->grab().toImage();
        QCOMPARE(held, before);
        // The black caption of the money keeps black pixels.
        auto* money = find<QLabel>("dengi");
        const QImage caption = held.copy(QRect(money->mapTo(window, QPoint(0, 0)), money->size()));
        bool black = false;
        for (int y = 0; y < caption.height() && !black; ++y) {
            for (int x = 0; x < caption.width() && !black; ++x) {
                black = caption.pixelColor(x, y) == QColor(0, 0, 0);
            }
        }
        QVERIFY(black);

        // Keys and clicks meant for the main window do not reach it.
        window->activateWindow();
        QTest::keyClick(window->windowHandle(), Qt::Key_F2);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          find<QPushButton>("dalshe")->mapTo(window, QPoint(5, 5)));
        QCOMPARE(m_controller->mainWindow(), window);
        QCOMPARE(textOf("Label14"), QStringLiteral(" 2  год правления ."));
        holder->close();
        dropWindows();
    }
    QVERIFY(m_random->remaining() == 0);
    // Once the last one is closed, the same key reaches the window again.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->windowHandle(), Qt::Key_F2);
    QCOMPARE(m_controller->phase(), ReignPhase::NoReign);
}

void TestMainWindow::aHugeStockKeepsItsCaptionWhole() {
    startGame();
    m_state->gold = 1.23456789012345e15;
    click("buy");
    auto* gold = find<QGroupBox>("zol");
    QCOMPARE(gold->title(), QStringLiteral("Золото:  1.23456789012345e+15"));
    QVERIFY(QFontMetrics(gold->font()).horizontalAdvance(gold->title()) < gold->width() - 16);
    // An ordinary stock keeps the frame's own caption size.
    m_state->gold = 26;
    click("buy");
    QCOMPARE(gold->font().pointSizeF(), 12.0);
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
