// Peak memory of the game after a whole reign of 100 years played through the main window
// (offscreen): prints VmHWM in kB.
#include <algorithm>
#include <cstdio>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "../ui/fake_platform.h"
#include "first_paint.h"
#include "sim/kingdom_state.h"
#include "sim/random.h"
#include "ui/form1.h"
#include "ui/form5.h"
#include "ui/game_controller.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    prepareApplication();

    KingdomState state;
    HallOfFame hall;
    ClockRandom random(7);
    FakePlatform platform;
    GameController controller(state, hall, random, platform);
    controller.start();
    Form5* dialog = controller.nameDialog();
    dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Иван"));
    dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    Form1* window = controller.mainWindow();
    window->show();
    QApplication::processEvents();

    auto* next = window->findChild<QPushButton*>(QStringLiteral("dalshe"));
    auto* peace = window->findChild<QPushButton*>(QStringLiteral("Command3"));
    int presses = 0;
    // A careful king: enough land and grain every year, so that the reign lasts.
    while (platform.messages.empty() && presses < 1000) {
        const double people = state.workers + state.soldiers;
        state.land = std::max(state.land, people + 10);
        state.grain = std::max(state.grain, 3 * people);
        if (peace->isVisible()) {
            peace->click();
        } else {
            next->click();
            ++presses;
        }
        QApplication::processEvents();
    }
    QApplication::processEvents();
    if (state.year != 100) {
        std::fprintf(stderr, "the reign ended in year %g\n", state.year);
        return 1;
    }
    std::printf("%ld\n", peakMemoryKb());
    return 0;
}
