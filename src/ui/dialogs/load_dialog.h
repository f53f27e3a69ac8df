// The load dialog (Form4): picks the file a saved game is loaded from.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs/file_dialog.h"

// Reads nothing itself: it asks for the chosen file to be loaded, and whoever loads it closes the
// window, telling the player first through tellProblem when the file could not be used.
class LoadDialog final : public FileDialog {
    Q_OBJECT
public:
    LoadDialog(QWidget* mainWindow, Platform& platform);

    // The main button: asks for the load, or says a name is missing, closes and gives up.
    void loadgame();
    void tellProblem(const QString& text);

signals:
    // The chosen file, to load.
    void loadRequested(const QString& path);
    // After the window closed: no name was given (the player was told).
    void loadFailed();

protected:
    void acceptFile() override { loadgame(); }
};
