// Window tests of the name dialog: its looks, its place, and what OK does with and without a name.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "support/scripted_reign.h"
#include "support/typing.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/main_window/main_window.h"

namespace {

// A controller started on its name dialog, with the draws of the kingdom a name starts: prices,
// people, stocks and the last year of peace.
struct NameAsked : ScriptedReign {
    NameAsked() {
        random.push({0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f});
        controller.start();
    }
};

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
    NameAsked game;
    NameDialog* dialog = game.controller.nameDialog();
    QVERIFY(dialog && dialog->isVisible());
    QSignalSpy confirmed(dialog, &NameDialog::nameConfirmed);

    dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    QCOMPARE(confirmed.count(), 0);
    QVERIFY(dialog->isVisible());
    QCOMPARE(game.controller.mainWindow(), nullptr);
    QVERIFY(game.platform.messages.empty());
    QCOMPARE(game.platform.beeps, 0);
    QCOMPARE(game.state.kingName, std::string());
}

void TestNameDialog::blankNameStartsAGame() {
    NameAsked game;
    NameDialog* dialog = game.controller.nameDialog();
    dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral(" "));

    dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(game.controller.nameDialog() == nullptr || !game.controller.nameDialog()->isVisible());
    MainWindow* window = game.controller.mainWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Король Велории -  "));
    QCOMPARE(game.state.kingName, std::string(" "));
    QCOMPARE(game.random.remaining(), std::size_t(0));
}

void TestNameDialog::nameIsTakenAsTyped() {
    NameAsked game;
    auto* box = game.controller.nameDialog()->findChild<QLineEdit*>(QStringLiteral("Text1"));
    typeText(box, QStringLiteral("  Ярослав Мудрый "));

    QTest::mouseClick(
        game.controller.nameDialog()->findChild<QPushButton*>(QStringLiteral("Command1")),
        Qt::LeftButton);

    QVERIFY(game.controller.mainWindow());
    QCOMPARE(game.state.kingName, std::string("  Ярослав Мудрый "));
    QCOMPARE(game.controller.mainWindow()->windowTitle(),
             QStringLiteral("Король Велории -   Ярослав Мудрый "));
}

void TestNameDialog::escapeDoesNothingEnterConfirms() {
    NameAsked game;
    NameDialog* dialog = game.controller.nameDialog();
    auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClick(box, Qt::Key_Escape);
    QTest::keyClick(box, Qt::Key_Return); // no name yet: nothing happens
    QTest::keyClicks(box, QStringLiteral("Ivan"));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(game.controller.nameDialog() && game.controller.nameDialog()->isVisible());
    QCOMPARE(game.controller.mainWindow(), nullptr);
    QCOMPARE(box->text(), QStringLiteral("Ivan"));

    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(game.controller.mainWindow());
    QCOMPARE(game.state.kingName, std::string("Ivan"));
}

QTEST_MAIN(TestNameDialog)
#include "test_name_dialog.moc"
