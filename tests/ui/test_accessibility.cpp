// What a screen reader gets from the windows, through Qt's own accessibility interfaces: names
// and roles, the Tab order, the figures, and what is told after «Дальше», a battle and a trade,
// up to a reign played with the keyboard alone.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <map>
#include <memory>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "support/scripted_reign.h"
#include "ui/a11y/accessibility.h"
#include "ui/base/message_box.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/help/help.h"
#include "ui/help/help_viewer.h"
#include "ui/i18n/rule_texts.h"

namespace {

struct Event {
    QObject* object;
    QAccessible::Event type;
    QString name; // the object's name as the event went out
};
std::vector<Event> g_events;

void record(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    g_events.push_back(
        {event->object(), event->type(), iface ? iface->text(QAccessible::Name) : QString()});
}

QString nameOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

QString descriptionOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Description);
}

// The widgets of a window that Tab can reach now.
QList<QWidget*> tabStops(QWidget* window) {
    QList<QWidget*> stops;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() == window && widget->isVisible() && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus)) {
            stops << widget;
        }
    }
    return stops;
}

// A stop is seen where it is the topmost thing at its middle (an overlay that lets the mouse
// through stands over what it tells of).
bool seen(QWidget* stop) {
    if (stop->testAttribute(Qt::WA_TransparentForMouseEvents)) {
        return true;
    }
    QWidget* top = stop->window();
    QWidget* found = top->childAt(stop->mapTo(top, stop->rect().center()));
    return found == stop || stop->isAncestorOf(found);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void spokenTextLeavesOutTheRule_data();
    void spokenTextLeavesOutTheRule();
    void everyWindowNamesItsStopsOnceAndSaysItsRole_data();
    void everyWindowNamesItsStopsOnceAndSaysItsRole();
    void theFiguresAreSpokenWithTheirCaptions();
    void aKeyboardReignIsToldYearByYear();
    void aTradeIsTold();
    void aBoxReachedByTabTellsItsFocusFirst();
    void f10OpensTheGameMenu();
    void theMailLinkIsALinkTheKeysFollow();

private:
    MainWindow* start();
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    // Tab until the focus is on `name`; fails after a whole round.
    void tabTo(const char* name);
    QWidget* find(const char* name) const {
        return m_reign->controller.mainWindow()->findChild<QWidget*>(QLatin1String(name));
    }
    std::vector<QString> announcements() const;

    std::unique_ptr<ScriptedReign> m_reign;
};

void TestAccessibility::initTestCase() {
    // Qt's platform side told that a reader listens, as Qt's own tests do; the events come here.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(record);
}

void TestAccessibility::init() {
    m_reign = std::make_unique<ScriptedReign>();
    g_events.clear();
}

void TestAccessibility::cleanup() {
    m_reign.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

MainWindow* TestAccessibility::start() {
    MainWindow* window = m_reign->begin();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) {
        qFatal("the main window did not become active");
    }
    return window;
}

void TestAccessibility::tabTo(const char* name) {
    for (int press = 0;
         press < 40 && QApplication::focusWidget()->objectName() != QLatin1String(name); ++press) {
        this->press(Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
}

std::vector<QString> TestAccessibility::announcements() const {
    std::vector<QString> told;
    for (const Event& event : g_events) {
        if (event.type == QAccessible::ObjectShow && event.object->objectName() == "announcer") {
            told.push_back(event.name);
        }
    }
    return told;
}

void TestAccessibility::spokenTextLeavesOutTheRule_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("report") << QStringLiteral(
                                   "Господин президент!\r\n%1\r\nВсем досталась земля\r\n")
                                   .arg(QString(89, u'_'))
                            << QStringLiteral("Господин президент!\nВсем досталась земля.");
    QTest::newRow("blanks and stops")
        << QStringLiteral(" 2  год правления .") << QStringLiteral("2 год правления.");
    QTest::newRow("figures") << QStringLiteral(" Золота:   13\r\n  Земли:    500\r\n")
                             << QStringLiteral("Золота: 13.\nЗемли: 500.");
    QTest::newRow("one underscore is a rule too") << QStringLiteral("_\n") << QString();
    QTest::newRow("underscores inside a word stay")
        << QStringLiteral("a_b") << QStringLiteral("a_b.");
}

void TestAccessibility::spokenTextLeavesOutTheRule() {
    QFETCH(QString, shown);
    QFETCH(QString, spoken);
    QCOMPARE(spokenText(shown), spoken);
}

void TestAccessibility::everyWindowNamesItsStopsOnceAndSaysItsRole_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("role");
    for (const char* state :
         {"buying", "selling", "mercenaries", "report", "battle", "after battle"}) {
        QTest::newRow(state) << QString::fromLatin1(state) << int(QAccessible::Window);
    }
    QTest::newRow("name dialog") << QStringLiteral("Form5") << int(QAccessible::Dialog);
    QTest::newRow("save") << QStringLiteral("Form3") << int(QAccessible::Dialog);
    QTest::newRow("load") << QStringLiteral("Form4") << int(QAccessible::Dialog);
    QTest::newRow("about") << QStringLiteral("Form2") << int(QAccessible::Dialog);
    QTest::newRow("table") << QStringLiteral("Form7") << int(QAccessible::Window);
    QTest::newRow("message") << QStringLiteral("messageBox") << int(QAccessible::Dialog);
    QTest::newRow("rules") << QStringLiteral("HelpViewer") << int(QAccessible::Window);
}

void TestAccessibility::everyWindowNamesItsStopsOnceAndSaysItsRole() {
    QFETCH(QString, state);
    QFETCH(int, role);
    MainWindow* main = start();
    QWidget* window = main;
    std::unique_ptr<QWidget> own;
    GameController& controller = m_reign->controller;
    if (state == "selling") {
        main->Sale_Click();
    } else if (state == "mercenaries") {
        main->naemniki_Click();
    } else if (state == "report") {
        m_reign->pushQuietYear();
        main->dalshe_Click();
    } else if (state == "battle" || state == "after battle") {
        m_reign->setUpWonBattle();
        main->dalshe_Click();
        if (state == "after battle") {
            main->Command3_Click();
        }
    } else if (state == QStringLiteral("Form5")) {
        controller.newGame();
        window = controller.nameDialog();
    } else if (state == "messageBox") {
        own = std::make_unique<MessageBox>(main, main->windowTitle(), ruletext::overthrowMessage(),
                                           false);
        window = own.get();
    } else if (state == "HelpViewer") {
        auto* viewer = new HelpViewer;
        own.reset(viewer);
        viewer->showHelp(main, helpFilePath(), helpcmd::kContext, helpcmd::kRulesTopic);
        window = viewer;
        // The rules are text a reader's caret moves through.
        QVERIFY(viewer->findChild<QTextBrowser*>()->textInteractionFlags() &
                Qt::TextSelectableByKeyboard);
    } else if (state.startsWith(QStringLiteral("Form"))) {
        const std::map<QString, void (GameController::*)()> opens = {
            {QStringLiteral("Form3"), &GameController::openSaveDialog},
            {QStringLiteral("Form4"), &GameController::openLoadDialog},
            {QStringLiteral("Form2"), &GameController::openAboutBox},
            {QStringLiteral("Form7"), &GameController::openTable}};
        (controller.*opens.at(state))();
        window = main->findChild<QWidget*>(state);
    }
    QVERIFY(window);
    window->show();
    QCOMPARE(int(QAccessible::queryAccessibleInterface(window)->role()), role);

    QSet<QString> names;
    const QList<QWidget*> stops = tabStops(window);
    QVERIFY(!stops.isEmpty());
    for (QWidget* stop : stops) {
        const QString name = nameOf(stop);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(stop->objectName()));
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
        // No stop lies under a panel: the report, the war panel and the mercenaries take theirs.
        QVERIFY2(seen(stop), qPrintable(stop->objectName()));
    }
}

void TestAccessibility::theFiguresAreSpokenWithTheirCaptions() {
    MainWindow* main = start();
    QCOMPARE(nameOf(find("statusSummary")),
             QStringLiteral("1 год правления. Деньги: 10000. Рабочие: 45. Солдаты: 35. Всего: 80. "
                            "Требуется земли: 80. Требуется зерна: 240. Настроение: Хорошее."));
    // A need shown in red is said to be short.
    StatusFigures shortOfGrain = m_reign->controller.session().screen().status;
    shortOfGrain.grainShort = true;
    main->refreshStatus(shortOfGrain);
    QVERIFY(nameOf(find("statusSummary"))
                .contains(QStringLiteral("Требуется зерна: 240, не хватает.")));
    QCOMPARE(descriptionOf(find("scroll_1")),
             QStringLiteral("Золото: 26, цена 1025, купить можно до 9"));
    QCOMPARE(descriptionOf(find("Text3")),
             QStringLiteral("Зерно: 211, цена 37, купить можно до 270"));
    main->Sale_Click();
    QCOMPARE(descriptionOf(find("sale2_1")),
             QStringLiteral("Земля: 95, цена 75, продать можно до 95"));
    // Four panels of one kind: each control says its good and its way of trading.
    QCOMPARE(nameOf(find("sale4")), QStringLiteral("Продать нефть по полосе"));
    QCOMPARE(nameOf(find("buy4_1")), QStringLiteral("Купить нефть: введённое количество"));
    main->naemniki_Click();
    QCOMPARE(descriptionOf(find("scroll4")), QStringLiteral("Цена : 100, нанять можно до 100"));
}

void TestAccessibility::aKeyboardReignIsToldYearByYear() {
    MainWindow* main = start();
    for (int year = 2; year <= 3; ++year) {
        m_reign->pushQuietYear();
        tabTo("dalshe");
        press(Qt::Key_Space);
        // Told once, without a key more: the report without its rule, then the new year.
        const std::vector<QString> told = announcements();
        QCOMPARE(told.size(), std::size_t(year - 1));
        QVERIFY(told.back().startsWith(
            QStringLiteral("Господин президент! Прибыл Ваш помощник с докладом!\nНаселение")));
        QVERIFY(told.back().endsWith(QStringLiteral("\n%1 год правления.").arg(year)));
        QVERIFY(!told.back().contains(u'_'));
        QCOMPARE(nameOf(find("info")), spokenText(static_cast<QLabel*>(find("info"))->text()));
        QCOMPARE(QApplication::focusWidget(), find("dalshe"));
        // One Tab further the figures of the new year; nothing the report covers is on the way.
        press(Qt::Key_Tab);
        QVERIFY(nameOf(QApplication::focusWidget())
                    .startsWith(QStringLiteral("%1 год правления. Деньги:").arg(year)));
        // Then the mail link at the window's foot, and round again to «Покупка».
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), find("Label20"));
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), find("buy"));
    }

    // A battle: the keyboard goes to the war panel's OK, which says the whole of it.
    m_reign->setUpWonBattle();
    tabTo("dalshe");
    press(Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), find("Command3"));
    const auto shown = [this](const char* name) {
        return static_cast<QLabel*>(find(name))->text().trimmed();
    };
    const QString battle = descriptionOf(find("Command3"));
    QVERIFY2(battle.startsWith(QStringLiteral("Война.\nВаша армия: %1.\nВраги: %2.\nСлава Королю! "
                                              "Вы победили!\nЗахвачено: Золота: ")
                                   .arg(shown("boy1"), shown("boy2"))),
             qPrintable(battle));
    QVERIFY(battle.contains(QStringLiteral(", Рабочих: ")) && battle.endsWith(u'.'));
    QCOMPARE(announcements().size(), std::size_t(2));
    press(Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() == find("statusSummary") ||
            QApplication::focusWidget() == find("Label20") ||
            QApplication::focusWidget() == find("Command3"));
    tabTo("Command3");
    // Its OK gives the keyboard back to «Дальше», and the year's report is told.
    press(Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), find("dalshe"));
    QCOMPARE(announcements().size(), std::size_t(3));
    QVERIFY(announcements().back().endsWith(QStringLiteral("\n7 год правления.")));
    QCOMPARE(main->commandButtonsEnabled(), true);
}

void TestAccessibility::aTradeIsTold() {
    start();
    tabTo("scroll_1");
    press(Qt::Key_Right);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), find("buy1"));
    press(Qt::Key_Space);
    QCOMPARE(announcements(), std::vector<QString>{QStringLiteral(
                                  "Золото: 27, цена 1025, купить можно до 8.\nДеньги: 8975.")});
    m_reign->controller.mainWindow()->naemniki_Click();
    static_cast<QScrollBar*>(find("scroll4"))->setValue(3);
    static_cast<QPushButton*>(find("buy5"))->click();
    QCOMPARE(announcements().back(),
             QStringLiteral("Солдаты: 38.\nДеньги: 8675.\nЦена: 100, нанять можно до 86."));
}

void TestAccessibility::aBoxReachedByTabTellsItsFocusFirst() {
    start();
    auto* box = static_cast<QLineEdit*>(find("Text1"));
    box->setText(QStringLiteral("12"));
    tabTo("buy1_1");
    g_events.clear();
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box);
    std::size_t focus = g_events.size();
    std::size_t caret = g_events.size();
    for (std::size_t i = g_events.size(); i-- > 0;) {
        if (g_events[i].object != box) {
            continue;
        }
        if (g_events[i].type == QAccessible::Focus) {
            focus = i;
        } else if (g_events[i].type == QAccessible::TextCaretMoved ||
                   g_events[i].type == QAccessible::TextSelectionChanged) {
            caret = i;
        }
    }
    QVERIFY(focus < g_events.size());
    QVERIFY(focus < caret);
    // The text is selected all the same, as Tab always selected it.
    QTRY_COMPARE(box->selectedText(), QStringLiteral("12"));
}

void TestAccessibility::f10OpensTheGameMenu() {
    MainWindow* main = start();
    QTest::keyClick(main, Qt::Key_F10);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("files"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
}

void TestAccessibility::theMailLinkIsALinkTheKeysFollow() {
    start();
    QWidget* link = find("Label20");
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(link);
    QCOMPARE(told->role(), QAccessible::Link);
    QCOMPARE(told->text(QAccessible::Name), QStringLiteral("court@example.net"));
    tabTo("Label20");
    QVERIFY(link->font().underline());
    press(Qt::Key_Return);
    QCOMPARE(m_reign->platform.urls.size(), std::size_t(1));
    QCOMPARE(m_reign->platform.urls.back().scheme(), QStringLiteral("mailto"));
    // A reader's own press follows it as well; the underline goes with the keyboard.
    told->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_reign->platform.urls.size(), std::size_t(2));
    press(Qt::Key_Tab);
    QVERIFY(!link->font().underline());
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
