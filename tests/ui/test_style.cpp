// Tests of the game's style: every window of a reign painted without reading an image file, so
// without loading Qt's image plugins, and the overflow chevron drawn in their stead.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <fstream>
#include <string>

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QTest>

#include "core/kingdom_state.h"
#include "core/random.h"
#include "support/fake_platform.h"
#include "ui/base/game_style.h"
#include "ui/dialogs/about_box.h"
#include "ui/dialogs/hall_of_fame_window.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/shell/application.h"
#include "ui/shell/game_controller.h"

namespace {

// The image plugins mapped into this process, one path a line; empty when there are none.
QString loadedImagePlugins() {
    std::ifstream maps("/proc/self/maps");
    QString found;
    std::string line;
    while (std::getline(maps, line)) {
        if (line.find("/imageformats/") != std::string::npos) {
            found += QString::fromStdString(line.substr(line.find('/'))) + QLatin1Char('\n');
        }
    }
    return found;
}

bool hasInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TestStyle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }
    void aReignPaintsWithoutImagePlugins();
    void framesHaveAnEtchedBorder();
    void overflowButtonHasAChevron();
    void thePlayersFolderIsNamedAfterTheGame();
};

void TestStyle::aReignPaintsWithoutImagePlugins() {
    if (!std::ifstream("/proc/self/maps")) {
        QSKIP("no /proc/self/maps to read the loaded libraries from");
    }
    QVERIFY(dynamic_cast<GameStyle*>(QApplication::style()));

    KingdomState state;
    HallOfFame hall;
    ClockRandom random(5);
    FakePlatform platform;
    GameContext context{state, hall, random, platform};
    GameController controller(context);
    controller.start();
    controller.nameDialog()->grab();
    controller.nameDialog()->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText("Иван");
    controller.nameDialog()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    MainWindow* window = controller.mainWindow();
    QVERIFY(window);
    window->show();
    // Every panel in turn: the goods frames both ways, the mercenaries, the year's report and,
    // playing on, the war panel of a battle.
    for (const char* button : {"Sale", "buy", "naemniki", "dalshe"}) {
        window->findChild<QPushButton*>(QLatin1String(button))->click();
        window->grab();
    }
    auto* peace = window->findChild<QPushButton*>(QStringLiteral("Command3"));
    for (int year = 0; year < 60 && !peace->isVisible() && platform.messages.empty(); ++year) {
        state.land = std::max(state.land, state.workers + state.soldiers + 10);
        state.grain = std::max(state.grain, 3 * (state.workers + state.soldiers));
        window->findChild<QPushButton*>(QStringLiteral("dalshe"))->click();
    }
    QVERIFY(peace->isVisible());
    window->grab();
    HallOfFameWindow table(window);
    table.grab();
    AboutBox about(platform, window);
    about.grab();

    QCOMPARE(loadedImagePlugins(), QString());
}

void TestStyle::framesHaveAnEtchedBorder() {
    QGroupBox frame(QStringLiteral("Золото"));
    frame.resize(120, 80);
    const QImage image = frame.grab().toImage();
    const QPalette& palette = frame.palette();
    // Down the left edge, below the caption: the dark line outside, the light one inside.
    const int y = 60;
    QCOMPARE(image.pixel(0, y), palette.color(QPalette::Dark).rgb());
    QCOMPARE(image.pixel(1, y), palette.color(QPalette::Light).rgb());
}

void TestStyle::overflowButtonHasAChevron() {
    const QIcon icon =
        QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!icon.isNull());
    QVERIFY(hasInk(icon.pixmap(QSize(16, 16)).toImage()));
    QVERIFY(hasInk(icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage()));
}

void TestStyle::thePlayersFolderIsNamedAfterTheGame() {
    // Not after the executable's file, which a packager or a test may name as it likes.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY2(folder.endsWith(QStringLiteral("/veloria")), qPrintable(folder));
}

QTEST_MAIN(TestStyle)
#include "test_style.moc"
