// Program-wide set-up of the windows.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the windows rely on: the program's name (which names the player's data folder), the
// pictures, the window icon, the style and its pixmap cache. Called once after the QApplication
// exists, by the program and by whatever runs the game's windows as the program does.
void prepareApplication();
