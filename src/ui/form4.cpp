// The load window.
#include "ui/form4.h"

#include <utility>

#include <QLineEdit>
#include <QPushButton>

#include "storage/saved_game.h"
#include "ui/platform.h"

namespace {
const QString kTitle = QStringLiteral("Загрузить");
}

Form4::Form4(QWidget* mainWindow, Platform& platform, KingdomState& state, HallOfFame& hall,
             std::function<void()> afterLoad)
    : FileDialog(mainWindow, platform, 2670, 2040), m_state(state), m_hall(hall),
      m_afterLoad(std::move(afterLoad)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Загрузить отложеную игру"));
    mainButton()->setText(QStringLiteral("&Загрузить"));
    mainButton()->setToolTip(QStringLiteral("Загрузить игру"));
    cancelButton()->setText(QStringLiteral("&Отмена"));
    cancelButton()->setToolTip(QStringLiteral("Отменить загрузку"));
}

void Form4::loadgame() {
    if (nameBox()->text().isEmpty()) {
        platform().message(this, kTitle, QStringLiteral("Не указано имя файла"), true);
    } else {
        readChosenFile();
    }
    // The closed window may be deleted while the callback runs (a message box's event loop,
    // the main window going): the callback must not live in it then.
    const std::function<void()> afterLoad = m_afterLoad;
    close();
    if (afterLoad) {
        afterLoad();
    }
}

void Form4::readChosenFile() {
    LoadResult result = loadGame(chosenPath(), m_state);
    if (!result.game) {
        platform().message(this, kTitle, result.error, true);
        return;
    }
    m_state = std::move(result.game->state);
    m_hall = std::move(result.game->hall);
}
