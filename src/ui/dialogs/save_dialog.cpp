// The save dialog.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/save_dialog.h"

#include <utility>

#include <QLineEdit>
#include <QPushButton>

#include "ui/base/platform.h"

SaveDialog::SaveDialog(QWidget* mainWindow, Platform& platform, const KingdomState& state,
                       const HallOfFame& hall, const BarMaxima& bars,
                       std::optional<Chronicle> chronicle)
    : FileDialog(mainWindow, platform, 2685, 2160), m_state(state), m_hall(hall), m_bars(bars),
      m_chronicle(std::move(chronicle)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Сохранить игру"));
    mainButton()->setText(tr("Сохранить"));
    mainButton()->setToolTip(tr("Сохранить игру"));
    cancelButton()->setText(tr("Отмена"));
    cancelButton()->setToolTip(tr("Отменить сохранение"));
}

void SaveDialog::saveGame() {
    //: The title of the save dialog's messages: "Saving".
    const QString title = tr("Сохранение");
    if (nameBox()->text().isEmpty()) {
        platform().message(this, title, tr("Не указано имя файла"), true);
        return;
    }
    const auto error = m_chronicle ? ::saveGame(chosenPath(), m_state, m_hall, m_bars, *m_chronicle)
                                   : ::saveGame(chosenPath(), m_state, m_hall, m_bars);
    if (error) {
        platform().message(this, title, *error, true);
        return;
    }
    close();
}
