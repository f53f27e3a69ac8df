// The load dialog.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/load_dialog.h"

#include <optional>
#include <utility>

#include <QLineEdit>
#include <QPushButton>

#include "ui/platform.h"

namespace {
const QString kTitle = QStringLiteral("Загрузить");
}

LoadDialog::LoadDialog(QWidget* mainWindow, Platform& platform, const KingdomState& current)
    : FileDialog(mainWindow, platform, 2670, 2040), m_current(current) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Загрузить отложеную игру"));
    mainButton()->setText(QStringLiteral("&Загрузить"));
    mainButton()->setToolTip(QStringLiteral("Загрузить игру"));
    cancelButton()->setText(QStringLiteral("&Отмена"));
    cancelButton()->setToolTip(QStringLiteral("Отменить загрузку"));
}

void LoadDialog::loadgame() {
    std::optional<LoadedGame> game;
    if (nameBox()->text().isEmpty()) {
        platform().message(this, kTitle, QStringLiteral("Не указано имя файла"), true);
    } else {
        LoadResult result = loadGame(chosenPath(), m_current);
        if (result.game) {
            game = std::move(result.game);
        } else {
            platform().message(this, kTitle, result.error, true);
        }
    }
    close();
    if (game) {
        emit loaded(*game);
    } else {
        emit loadFailed();
    }
}
