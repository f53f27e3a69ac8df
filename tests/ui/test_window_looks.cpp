// Window tests of how the windows read: captions clear of their frames, black boxes, whole
// figures, messages on their own lines, a regular menu bar, input-method text and Enter.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>

#include "core/random.h"
#include "sim/end_of_reign.h"
#include "support/fake_platform.h"
#include "ui/base/figure_label.h"
#include "ui/base/message_box.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/shell/application.h"
#include "ui/shell/game_controller.h"
#include "war/battle.h"

namespace {

// A game for "Иван" in buy mode, with the program's style and key handling.
struct Game {
    KingdomState state;
    HallOfFame hall;
    ScriptedRandom random{0.25f, 0.25f, 0.25f, 0.25f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
    FakePlatform platform;
    QTemporaryDir folder;
    GameContext context{state, hall, random, platform, folder.filePath("scores.tab")};
    GameController controller{context};
    MainWindow* window = nullptr;

    Game() {
        controller.start();
        controller.nameDialog()->findChild<QLineEdit*>("Text1")->setText("Иван");
        controller.nameDialog()->findChild<QPushButton*>("Command1")->click();
        window = controller.mainWindow();
    }
    template <typename T = QLabel> T* find(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    void click(const char* name) { find<QPushButton>(name)->click(); }
};

} // namespace

class TestWindowLooks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // No frame pixel through a caption's first letter; boxes stay black round coloured text.
    void bordersLeaveTheTextClear() {
        Game game;
        const QColor dark(255, 0, 255); // no caption is drawn in it
        for (const char* name : {"zol", "informacia", "naemniki1", "boy"}) {
            auto* frame = game.find<QGroupBox>(name);
            QPalette palette = frame->palette();
            palette.setColor(QPalette::Dark, dark);
            frame->setPalette(palette);
            const QImage image = frame->grab().toImage();
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                                 QStyle::SC_GroupBoxLabel, frame);
            const int letter = frame->fontMetrics().horizontalAdvance(frame->title().front());
            for (int y = caption.top(); y <= caption.center().y(); ++y) {
                for (int x = caption.left(); x < caption.left() + letter; ++x) {
                    QVERIFY2(image.pixelColor(x, y) != dark, name);
                }
            }
            // The border runs on from the caption's middle: down the left, along the top.
            QCOMPARE(image.pixelColor(0, caption.center().y() + 1), dark);
            QCOMPARE(image.pixelColor(image.width() - 10, caption.center().y()), dark);
        }
        game.state.land = game.state.grain = 1; // both needs warn in red
        game.click("buy");
        for (const char* name : {"wsego1", "Label22", "Label23"}) {
            QVERIFY(game.find(name)->palette().color(QPalette::WindowText) != Qt::black);
            const QImage image = game.find(name)->grab().toImage();
            const int w = image.width() - 1;
            const int h = image.height() - 1;
            for (const QPoint edge : {QPoint(0, h / 2), QPoint(w, h / 2), QPoint(w / 2, h)}) {
                QVERIFY2(image.pixelColor(edge) == Qt::black, name);
            }
        }
    }

    void largestFiguresAreShownWhole() {
        Game game;
        // The widest spellings a reign can reach: an exponent, fifteen digits, a minus sign.
        game.state.money = game.state.land = 1.23456789012345e15;
        game.state.workers = 999999999999999;
        game.state.soldiers = -99999999999999;
        game.state.year = 100;
        game.click("buy");
        game.window->showYearLabel(game.state.year);
        game.find<QScrollBar>("scroll_1")->setValue(32767);
        // The largest army a reign can raise, in the war panel's 36 pt figures.
        game.window->showBattle({1008119, 1008119, BattleOutcome::Victory, {}});
        game.click("naemniki");
        game.find<QScrollBar>("scroll4")->setValue(32767);
        QCOMPARE(game.find("money1")->text(), QStringLiteral(" 1.23456789012345e+15"));
        QCOMPARE(game.find("boy1")->text(), QStringLiteral(" 1008119"));
        QCOMPARE(game.find("boy1")->width(), 153);
        for (FigureLabel* label : game.window->findChildren<FigureLabel*>()) {
            if (!label->wordWrap() && !label->text().contains('\n')) {
                const QFontMetricsF shown(label->shownFont(), label);
                QVERIFY2(shown.horizontalAdvance(label->text()) <= label->contentsRect().width(),
                         qPrintable(label->objectName() + ": " + label->text()));
            }
        }
    }

    void endOfReignMessagesKeepTheirLines() {
        for (const std::string& text : {overthrowMessage(), starvationMessage()}) {
            MessageBox box(nullptr, "Король Велории - Иван", QString::fromStdString(text), false);
            box.adjustSize();
            QCOMPARE(box.textLabel()->text(), QString::fromStdString(text));
            QVERIFY(box.okButton()->isDefault());
            const QString firstLine = box.textLabel()->text().section('\n', 0, 0);
            const int width = box.textLabel()->fontMetrics().horizontalAdvance(firstLine);
            QVERIFY(width < box.screen()->availableGeometry().width() * 9 / 10);
            QVERIFY(box.textLabel()->width() >= width && box.width() >= width);
        }
        // Only text wider than the screen wraps, and the box stays on the screen.
        MessageBox wide(nullptr, "Сохранение", QString("Широко ").repeated(300), true);
        wide.adjustSize();
        QVERIFY(wide.width() <= wide.screen()->availableGeometry().width());
        QVERIFY(wide.findChild<QLabel*>("messageIcon"));
    }

    void menuBarAndInputMethodText() {
        Game game;
        QVERIFY(game.window->font().bold() && !game.window->menuBar()->font().bold());
        // Committed text meets the amount boxes' filter as typed keys do.
        auto* box = game.find<QLineEdit>("Text1");
        for (const QString& text : {QStringLiteral("-5é"), QStringLiteral("12")}) {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(box, &commit);
        }
        QCOMPARE(box->text(), QStringLiteral("12"));
        QCOMPARE(game.platform.beeps, 1);
    }

    void enterPressesTheFocusedButton() {
        Game game;
        for (const char* action : {"aboutgame", "tablica", "savegame", "loadgame"}) {
            game.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(game.window));
            game.find<QAction>(action)->trigger();
            QPointer<QWidget> held = QApplication::activeModalWidget();
            // Over the active window it counts as active at once; its keys come later.
            QTRY_VERIFY(held->isActiveWindow());
            held->findChildren<QPushButton*>().back()->setFocus(); // OK, or Cancel
            const bool keypad = qstrcmp(action, "tablica") == 0;
            QTest::keyClick(QApplication::focusWidget(), keypad ? Qt::Key_Enter : Qt::Key_Return,
                            keypad ? Qt::KeypadModifier : Qt::NoModifier);
            QVERIFY2(!held->isVisible(), action);
        }
        game.window->activateWindow();
        game.window->showReport({});
        game.window->showBattle({50, 20, BattleOutcome::Victory, {}});
        int acknowledged = 0;
        connect(game.window, &MainWindow::battleAcknowledged, [&] { ++acknowledged; });
        QTRY_VERIFY(game.window->isActiveWindow());
        game.find<QPushButton>("Command3")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(acknowledged, 1);
    }
};

QTEST_MAIN(TestWindowLooks)
#include "test_window_looks.moc"
