// Program-wide set-up of the windows.
#pragma once

// What the windows rely on: the program's name (which names the player's data folder), the
// pictures, the window icon, the style and its pixmap cache. Called once after the QApplication
// exists, by the program and by whatever runs the game's windows as the program does.
void prepareApplication();
