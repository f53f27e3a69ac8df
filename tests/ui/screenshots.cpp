// Saves pictures of the name dialog, of the main window in each of its states and of the other
// windows, to look at them as a player would: veloria_screenshots <folder>.
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include "fake_platform.h"
#include "core/kingdom_state.h"
#include "core/random.h"
#include "ui/art/art.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/form5.h"
#include "ui/form7.h"
#include "ui/game_controller.h"

namespace {

bool save(QWidget* window, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

template <typename T> T* child(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: veloria_screenshots <folder>\n");
        return 2;
    }
    QApplication application(argc, argv);
    prepareApplication(); // the game's own style, as the program starts
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    KingdomState state;
    HallOfFame hall;
    ClockRandom random(20261208);
    FakePlatform platform;
    GameController controller(state, hall, random, platform);
    controller.start();

    Form5* dialog = controller.nameDialog();
    child<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("Всеволод"));
    bool ok = save(dialog, folder, QStringLiteral("form5"));
    child<QPushButton>(dialog, "Command1")->click();

    Form1* window = controller.mainWindow();
    child<QScrollBar>(window, "scroll1_1")->setValue(12);
    child<QLineEdit>(window, "Text3")->setText(QStringLiteral("40"));
    ok = save(window, folder, QStringLiteral("form1_buy")) && ok;

    child<QPushButton>(window, "Sale")->click();
    child<QScrollBar>(window, "scroll2")->setValue(25);
    ok = save(window, folder, QStringLiteral("form1_sell")) && ok;

    child<QPushButton>(window, "naemniki")->click();
    child<QScrollBar>(window, "scroll4")->setValue(37);
    ok = save(window, folder, QStringLiteral("form1_mercenaries")) && ok;

    // A quiet year: the war is put off so that the report shows.
    state.lastPeaceYear = 50;
    child<QPushButton>(window, "dalshe")->click();
    ok = save(window, folder, QStringLiteral("form1_report")) && ok;

    // A year whose end announces a war: the longest line a report has.
    state.lastPeaceYear = 1;
    state.warCountdown = 0;
    child<QPushButton>(window, "dalshe")->click();
    ok = save(window, folder, QStringLiteral("form1_war_announced")) && ok;

    // A war that falls due at this year end.
    state.lastPeaceYear = 1;
    state.warCountdown = 1;
    state.enemyArmy = state.soldiers - 3;
    child<QPushButton>(window, "dalshe")->click();
    ok = save(window, folder, QStringLiteral("form1_battle")) && ok;

    child<QPushButton>(window, "Command3")->click();
    ok = save(window, folder, QStringLiteral("form1_after_battle")) && ok;

    // The other windows, each opened over the main window as the menu opens it.
    auto* saveDialog = new Form3(window, platform, state, hall, window->barMaxima());
    saveDialog->show();
    ok = save(saveDialog, folder, QStringLiteral("form3")) && ok;
    saveDialog->close();
    auto* loadDialog = new Form4(window, platform, state, hall, [] {});
    loadDialog->show();
    ok = save(loadDialog, folder, QStringLiteral("form4")) && ok;
    loadDialog->close();
    Form2* about = Form2::open(platform, window);
    ok = save(about, folder, QStringLiteral("form2")) && ok;
    about->close();
    Form7* table = showTable(
        window, platform, state, hall, [] {}, QString());
    ok = save(table, folder, QStringLiteral("form7")) && ok;
    table->close();
    return ok ? 0 : 1;
}
