// The end of a reign that reached its hundredth year: the rating, the table of the best kings and
// the way on to a new game.
#pragma once

#include <functional>

#include <QString>

#include "core/kingdom_state.h"

class Form7;
class Platform;
class QWidget;

// Disables the main window for good, reads the table from `scoresPath` (normally
// scoresFilePath()), announces the rating, enters the king into the table, writes it back and
// shows it. The new game starts when the player closes the table. Returns the table window.
Form7* endReign(QWidget* mainWindow, const KingdomState& state, HallOfFame& hall,
                Platform& platform, std::function<void()> startNewGame, const QString& scoresPath);
