// The load dialog.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/load_dialog.h"

#include <optional>
#include <utility>

#include <QLineEdit>
#include <QPushButton>

#include "ui/base/platform.h"

LoadDialog::LoadDialog(QWidget* mainWindow, Platform& platform, const KingdomState& current)
    : FileDialog(mainWindow, platform, 2670, 2040), m_current(current) {
    setObjectName(QStringLiteral("Form4"));
    //: "Load a game put aside", misspelt ("отложеную") in the game's own Russian.
    setWindowTitle(tr("Загрузить отложеную игру"));
    mainButton()->setText(tr("&Загрузить"));
    mainButton()->setToolTip(tr("Загрузить игру"));
    cancelButton()->setText(tr("&Отмена"));
    cancelButton()->setToolTip(tr("Отменить загрузку"));
}

void LoadDialog::loadgame() {
    //: The title of the load dialog's messages: "Load".
    const QString title = tr("Загрузить");
    std::optional<GameLoad> game;
    if (nameBox()->text().isEmpty()) {
        platform().message(this, title, tr("Не указано имя файла"), true);
    } else {
        GameLoad result = loadGame(chosenPath(), m_current);
        if (result.game) {
            game = std::move(result);
        } else {
            platform().message(this, title, result.error, true);
        }
    }
    close();
    if (game) {
        emit loaded(*game);
    } else {
        emit loadFailed();
    }
}
