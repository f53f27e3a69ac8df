// The load window: replaces the running game by one read from a file the player picks.
#pragma once

#include <functional>

#include "core/kingdom_state.h"
#include "ui/file_dialog.h"

// `state` and `hall` must outlive the window. `afterLoad` runs once the main button has done its
// work and the window is closed, whether a game was loaded or not: the main window then gives the
// scroll bars their maxima back and returns to buying.
class Form4 final : public FileDialog {
public:
    Form4(QWidget* mainWindow, Platform& platform, KingdomState& state, HallOfFame& hall,
          std::function<void()> afterLoad);

    // The main button: reads the file if it can, then closes the window in every case.
    void loadgame();

protected:
    void acceptFile() override { loadgame(); }

private:
    // Replaces the game only when the whole file could be read; says why not otherwise.
    void readChosenFile();

    KingdomState& m_state;
    HallOfFame& m_hall;
    std::function<void()> m_afterLoad;
};
