// The load dialog.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/load_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "ui/base/platform.h"

LoadDialog::LoadDialog(QWidget* mainWindow, Platform& platform)
    : FileDialog(mainWindow, platform, 2670, 2040) {
    setObjectName(QStringLiteral("Form4"));
    //: "Load a game put aside", misspelt ("отложеную") in the game's own Russian.
    setWindowTitle(tr("Загрузить отложеную игру"));
    mainButton()->setText(tr("&Загрузить"));
    mainButton()->setToolTip(tr("Загрузить игру"));
    cancelButton()->setText(tr("&Отмена"));
    cancelButton()->setToolTip(tr("Отменить загрузку"));
}

void LoadDialog::loadgame() {
    if (nameBox()->text().isEmpty()) {
        tellProblem(tr("Не указано имя файла"));
        close();
        emit loadFailed();
        return;
    }
    emit loadRequested(chosenPath());
}

void LoadDialog::tellProblem(const QString& text) {
    //: The title of the load dialog's messages: "Load".
    platform().message(this, tr("Загрузить"), text, true);
}
