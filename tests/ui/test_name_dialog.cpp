// Window tests of the name dialog: its looks, its place, and what OK does with and without a name.
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "core/kingdom_state.h"
#include "core/random.h"
#include "support/fake_platform.h"
#include "ui/game_controller.h"
#include "ui/main_window.h"
#include "ui/name_dialog.h"

namespace {

// Types text the way a keyboard does, one key event a character; QTest only spells ASCII.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

class TestNameDialog : public QObject {
    Q_OBJECT

private slots:
    void looksAsDesigned();
    void opensNearTheCentreOfTheScreen();
    void emptyNameDoesNothing();
    void blankNameStartsAGame();
    void nameIsTakenAsTyped();
    void escapeDoesNothingEnterConfirms();
};

void TestNameDialog::looksAsDesigned() {
    NameDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" Король Велории"));
    QCOMPARE(dialog.size(), QSize(216, 104));
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label1"));
    auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("Command1"));
    QVERIFY(label && box && ok);
    QCOMPARE(label->text(), QStringLiteral("Ваше имя?"));
    QCOMPARE(label->geometry(), QRect(80, 16, 73, 17));
    QCOMPARE(box->text(), QString());
    QCOMPARE(box->geometry(), QRect(56, 40, 105, 25));
    QCOMPARE(box->font().pointSizeF(), 12.0);
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QCOMPARE(ok->geometry(), QRect(80, 72, 57, 25));
    for (QWidget* widget : {static_cast<QWidget*>(label), static_cast<QWidget*>(ok)}) {
        QCOMPARE(widget->font().family(), QStringLiteral("Times New Roman"));
        QVERIFY(widget->font().bold());
        QCOMPARE(widget->font().pointSizeF(), 9.75);
    }
}

void TestNameDialog::opensNearTheCentreOfTheScreen() {
    NameDialog dialog;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(dialog.pos(), QPoint(screen.left() + (screen.width() - 243) / 2,
                                  screen.top() + (screen.height() - 131) / 2));
}

void TestNameDialog::emptyNameDoesNothing() {
    KingdomState state;
    HallOfFame hall;
    ScriptedRandom random;
    FakePlatform platform;
    GameContext context{state, hall, random, platform};
    GameController controller(context);
    controller.start();
    NameDialog* dialog = controller.nameDialog();
    QVERIFY(dialog && dialog->isVisible());
    QSignalSpy confirmed(dialog, &NameDialog::nameConfirmed);

    dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    QCOMPARE(confirmed.count(), 0);
    QVERIFY(dialog->isVisible());
    QCOMPARE(controller.mainWindow(), nullptr);
    QVERIFY(platform.messages.empty());
    QCOMPARE(platform.beeps, 0);
    QCOMPARE(state.kingName, std::string());
}

void TestNameDialog::blankNameStartsAGame() {
    KingdomState state;
    HallOfFame hall;
    ScriptedRandom random;
    random.push({0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f});
    FakePlatform platform;
    GameContext context{state, hall, random, platform};
    GameController controller(context);
    controller.start();
    NameDialog* dialog = controller.nameDialog();
    dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral(" "));

    dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(controller.nameDialog() == nullptr || !controller.nameDialog()->isVisible());
    MainWindow* window = controller.mainWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Король Велории -  "));
    QCOMPARE(state.kingName, std::string(" "));
    QCOMPARE(random.remaining(), std::size_t(0));
}

void TestNameDialog::nameIsTakenAsTyped() {
    KingdomState state;
    HallOfFame hall;
    ScriptedRandom random;
    random.push({0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f});
    FakePlatform platform;
    GameContext context{state, hall, random, platform};
    GameController controller(context);
    controller.start();
    auto* box = controller.nameDialog()->findChild<QLineEdit*>(QStringLiteral("Text1"));
    typeText(box, QStringLiteral("  Ярослав Мудрый "));

    QTest::mouseClick(controller.nameDialog()->findChild<QPushButton*>(QStringLiteral("Command1")),
                      Qt::LeftButton);

    QVERIFY(controller.mainWindow());
    QCOMPARE(state.kingName, std::string("  Ярослав Мудрый "));
    QCOMPARE(controller.mainWindow()->windowTitle(),
             QStringLiteral("Король Велории -   Ярослав Мудрый "));
}

void TestNameDialog::escapeDoesNothingEnterConfirms() {
    KingdomState state;
    HallOfFame hall;
    // Prices, people, stocks and the last year of peace of the game Enter starts.
    ScriptedRandom random{0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f};
    FakePlatform platform;
    GameContext context{state, hall, random, platform};
    GameController controller(context);
    controller.start();
    NameDialog* dialog = controller.nameDialog();
    auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClick(box, Qt::Key_Escape);
    QTest::keyClick(box, Qt::Key_Return); // no name yet: nothing happens
    QTest::keyClicks(box, QStringLiteral("Ivan"));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(controller.nameDialog() && controller.nameDialog()->isVisible());
    QCOMPARE(controller.mainWindow(), nullptr);
    QCOMPARE(box->text(), QStringLiteral("Ivan"));

    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(controller.mainWindow());
    QCOMPARE(state.kingName, std::string("Ivan"));
}

QTEST_MAIN(TestNameDialog)
#include "test_name_dialog.moc"
