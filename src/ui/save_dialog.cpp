// The save dialog.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/save_dialog.h"

#include <utility>

#include <QLineEdit>
#include <QPushButton>

#include "ui/platform.h"

namespace {
const QString kTitle = QStringLiteral("Сохранение");
}

SaveDialog::SaveDialog(QWidget* mainWindow, Platform& platform, const KingdomState& state,
                       const HallOfFame& hall, const BarMaxima& bars, QByteArray following)
    : FileDialog(mainWindow, platform, 2685, 2160), m_state(state), m_hall(hall), m_bars(bars),
      m_following(std::move(following)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Сохранить игру"));
    mainButton()->setText(QStringLiteral("Сохранить"));
    mainButton()->setToolTip(QStringLiteral("Сохранить игру"));
    cancelButton()->setText(QStringLiteral("Отмена"));
    cancelButton()->setToolTip(QStringLiteral("Отменить сохранение"));
}

void SaveDialog::saveGame() {
    if (nameBox()->text().isEmpty()) {
        platform().message(this, kTitle, QStringLiteral("Не указано имя файла"), true);
        return;
    }
    if (const auto error = ::saveGame(chosenPath(), m_state, m_hall, m_bars, m_following)) {
        platform().message(this, kTitle, *error, true);
        return;
    }
    close();
}
