// A reign run through the game controller on scripted draws and a recording platform, for the
// window tests: what every test of the course of a reign starts from.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>

#include "core/kingdom_state.h"
#include "core/random.h"
#include "support/fake_platform.h"
#include "ui/main_window/main_window.h"
#include "ui/shell/game_controller.h"

struct ScriptedReign {
    KingdomState state;
    HallOfFame hall;
    ScriptedRandom random;
    FakePlatform platform;
    QTemporaryDir folder;
    GameContext context{state, hall, random, platform,
                        folder.filePath(QStringLiteral("scores.tab"))};
    GameController controller{context};

    // Draws of a new kingdom: prices 1025, 75, 37, 525; 45 workers, 35 soldiers, 26 gold, 95 land,
    // 211 grain, 26 oil; the last year of peace is 6.
    void pushNewKingdom() {
        random.push({0.25f, 0.25f, 0.25f, 0.25f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    }
    // Begins a reign of that kingdom without the name dialog.
    MainWindow* begin(const QString& king = QStringLiteral("Иван")) {
        pushNewKingdom();
        controller.beginReign(king);
        if (random.remaining() != 0 || !controller.mainWindow()) {
            qFatal("the reign did not begin as scripted");
        }
        return controller.mainWindow();
    }
    // A fed year of peace with a flood: 6 children born, 5 soldiers run away.
    void pushQuietYear() { random.push({0.f, 0.f, 0.f, 0.f, 0.5f, 0.35f, 0.5f, 0.5f}); }
    // Year 7 ends in a battle the king wins (32 against 24), with its draws.
    void setUpWonBattle() {
        state.year = 7;
        state.warCountdown = 1;
        state.enemyArmy = 20;
        state.grain = 1000;
        state.land = 1000;
        random.push({0.f, 0.f, 0.f, 0.f, 0.1f, 0.f, 0.f, 0.5f});
        random.push({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    }
    // Year 99 of peace whose seven zero draws score 8 points, ending with `rating`.
    void setUpLastYear(double rating) {
        state.year = 99;
        state.lastPeaceYear = 1000;
        state.land = 1e9;
        state.rating = rating - 8;
        random.push({0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f});
    }
};
