// Plays whole reigns through the real windows, offscreen: the name dialog, the main window's
// buttons, the war panel and the table at the end, as a player clicks them.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "../support/fake_platform.h"
#include "../support/proc_status.h"
#include "core/kingdom_state.h"
#include "core/random.h"
#include "sim/year.h"
#include "ui/chronicle/chronicle_window.h"
#include "ui/dialogs/hall_of_fame_window.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/shell/application.h"
#include "ui/shell/game_controller.h"

struct ReignRecord {
    int presses = 0;
    int battles = 0;
    double lastYear = 0;
    bool reachedHundred = false;
    bool tableShown = false; // the table of the best kings closed the reign
    std::string problem;     // empty when the reign went as a reign must
};

class WindowDriver {
public:
    // The reigns that reach year 100 enter the table at `scoresPath` (empty: the player's own).
    explicit WindowDriver(std::uint64_t seed, QString scoresPath = {})
        : m_random(seed), m_context{m_state, m_hall, m_random, m_platform, std::move(scoresPath)},
          m_controller(m_context) {}

    void start() {
        m_controller.start();
        settle();
    }

    // From the name dialog to the next one. A careful king with a full treasury hires before
    // every battle through the mercenaries panel and tops up land and grain through the amount
    // boxes, so that every reign lasts its hundred years.
    ReignRecord playReign(const QString& name) {
        ReignRecord record;
        // The fake platform keeps every message it was shown; a thousand reigns of them would
        // count as memory the game holds.
        m_platform.messages.clear();
        NameDialog* dialog = m_controller.nameDialog();
        if (dialog == nullptr || !dialog->isVisible()) {
            record.problem = "no name dialog at the start of a reign";
            return record;
        }
        // Watched, not compared by address: the next dialog may be built where this one was.
        const QPointer<NameDialog> first(dialog);
        dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(name);
        dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        settle();
        MainWindow* window = m_controller.mainWindow();
        if (window == nullptr) {
            record.problem = "no main window after the name";
            return record;
        }
        m_state.money = 1e12;
        // «Покупка» shows the treasury in the status column and the market.
        window->findChild<QPushButton*>(QStringLiteral("buy"))->click();
        // The chronicle follows the whole reign, and the player closes it once the reign is over.
        window->findChild<QAction*>(QStringLiteral("chronicle"))->trigger();

        for (int step = 0; step < 1000; ++step) {
            if (m_controller.mainWindow() == nullptr || !m_controller.mainWindow()->isVisible()) {
                NameDialog* next = m_controller.nameDialog();
                if (next != nullptr && next->isVisible() && (first.isNull() || next != first)) {
                    closeChronicles();
                    return record;
                }
                record.problem = "the main window went away, and no name dialog came";
                return record;
            }
            // The table of the best kings is the last window of a reign that was completed.
            if (QWidget* table = shownTable(window)) {
                record.tableShown = true;
                table->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
                settle();
                continue;
            }
            auto* peace = window->findChild<QPushButton*>(QStringLiteral("Command3"));
            if (peace->isVisible()) {
                ++record.battles;
                peace->click();
                settle();
                continue;
            }
            prepareYear(window);
            const double year = m_state.year;
            window->findChild<QPushButton*>(QStringLiteral("dalshe"))->click();
            ++record.presses;
            settle();
            record.lastYear = m_state.year;
            if (m_state.year == 100) {
                record.reachedHundred = true;
            }
            if (m_state.year != year && m_state.year != year + 1) {
                record.problem = "the year jumped";
                return record;
            }
        }
        record.problem = "the reign did not end";
        return record;
    }

    FakePlatform& platform() { return m_platform; }
    KingdomState& state() { return m_state; }

    // Deletes the windows closed since the last call, as the event loop would between events.
    static void settle() {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    // The table open over the main window, or null.
    static HallOfFameWindow* shownTable(const MainWindow* window) {
        for (auto* table : window->findChildren<HallOfFameWindow*>(Qt::FindDirectChildrenOnly)) {
            if (table->isVisible()) {
                return table;
            }
        }
        return nullptr;
    }

private:
    static void closeChronicles() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<ChronicleWindow*>(window) != nullptr) {
                window->close();
            }
        }
        settle();
    }

    static void typeAndPress(MainWindow* window, const char* box, const char* button,
                             double amount) {
        if (amount < 1) {
            return;
        }
        window->findChild<QLineEdit*>(QLatin1String(box))
            ->setText(QString::number(static_cast<qlonglong>(amount)));
        window->findChild<QPushButton*>(QLatin1String(button))->click();
    }

    void prepareYear(MainWindow* window) {
        if (m_state.warCountdown == 1) {
            window->findChild<QPushButton*>(QStringLiteral("naemniki"))->click();
            const double needed = (m_state.enemyArmy + 2) / 0.64 + 2 - m_state.soldiers;
            typeAndPress(window, "Text5", "buy5_1", needed);
        }
        window->findChild<QPushButton*>(QStringLiteral("buy"))->click();
        const double people = m_state.workers + m_state.soldiers;
        typeAndPress(window, "Text2", "buy2_1", people * 1.2 + 2 - m_state.land);
        typeAndPress(window, "Text3", "buy3_1",
                     people * 2 + m_state.land * 1.1 + 5 - m_state.grain);
    }

    KingdomState m_state;
    HallOfFame m_hall;
    ClockRandom m_random;
    FakePlatform m_platform;
    GameContext m_context;
    GameController m_controller;
};
