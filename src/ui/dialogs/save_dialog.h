// The save dialog (Form3): picks the file the running game is saved to.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs/file_dialog.h"

// Writes nothing itself: it asks for the file to be written and stays open until told it was.
class SaveDialog final : public FileDialog {
    Q_OBJECT
public:
    SaveDialog(QWidget* mainWindow, Platform& platform);

    // The main button: asks for the save, or says a name is missing and stays open.
    void saveGame();
    // The save failed: the player is told why, and the window stays open.
    void tellProblem(const QString& text);

signals:
    // The chosen file, to write the game to; closing the window is the answer when it was.
    void saveRequested(const QString& path);

protected:
    void acceptFile() override { saveGame(); }
};
