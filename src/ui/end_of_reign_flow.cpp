// The end of a reign that reached its hundredth year.
#include "ui/end_of_reign_flow.h"

#include <utility>

#include <QWidget>

#include "sim/end_of_reign.h"
#include "ui/form7.h"
#include "ui/platform.h"

Form7* endReign(QWidget* mainWindow, const KingdomState& state, HallOfFame& hall,
                Platform& platform, std::function<void()> startNewGame, const QString& scoresPath) {
    if (mainWindow) {
        mainWindow->setEnabled(false);
    }
    auto* table = new Form7(mainWindow, platform, state, hall, std::move(startNewGame), scoresPath);
    table->loadScores();

    const QString caption = mainWindow ? mainWindow->windowTitle() : QString();
    platform.message(mainWindow, caption, QString::fromStdString(ratingMessage(state.rating)),
                     false);

    placeKing(hall, state.rating, state.kingName);
    table->showScores();
    table->saveScores();
    table->show();
    return table;
}
