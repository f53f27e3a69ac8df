// The save dialog.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/save_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "ui/base/platform.h"

SaveDialog::SaveDialog(QWidget* mainWindow, Platform& platform)
    : FileDialog(mainWindow, platform, 2685, 2160) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Сохранить игру"));
    mainButton()->setText(tr("Сохранить"));
    mainButton()->setToolTip(tr("Сохранить игру"));
    cancelButton()->setText(tr("Отмена"));
    cancelButton()->setToolTip(tr("Отменить сохранение"));
}

void SaveDialog::saveGame() {
    if (nameBox()->text().isEmpty()) {
        tellProblem(tr("Не указано имя файла"));
        return;
    }
    emit saveRequested(chosenPath());
}

void SaveDialog::tellProblem(const QString& text) {
    //: The title of the save dialog's messages: "Saving".
    platform().message(this, tr("Сохранение"), text, true);
}
