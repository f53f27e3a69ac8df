// Wars: the announcement and countdown, the battle, its spoils or losses.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/kingdom_state.h"
#include "core/random.h"
#include "core/rule_text.h"

enum class BattleOutcome { Victory, Draw, Defeat };

struct BattleReport {
    double kingArmy = 0;  // the king's army as it stood before the battle
    double enemyArmy = 0; // the reinforced enemy
    BattleOutcome outcome = BattleOutcome::Draw;
    // Captured or lost gold, land, grain, oil, soldiers, workers, money; zeros after a draw.
    std::array<double, 7> amounts{};

    bool operator==(const BattleReport&) const = default;
};

// The outcome's caption: "Слава Королю! Вы победили!" and its kin.
RuleText battleOutcomeTemplate(BattleOutcome outcome);
std::string battleOutcomeText(BattleOutcome outcome, const RuleTextWriter& writer = {});
// "Захвачено:" after a victory, "Потеряно:" after a defeat, none (the empty text) after a draw.
std::optional<RuleText> battleHeadingTemplate(BattleOutcome outcome);
std::string battleHeading(BattleOutcome outcome, const RuleTextWriter& writer = {});
// The two lists of the war panel, each line ended by CR LF.
std::string trophyGoodsText(const BattleReport& battle, const RuleTextWriter& writer = {});
std::string trophyPeopleText(const BattleReport& battle, const RuleTextWriter& writer = {});

struct WarTurnResult {
    bool announced = false; // a war was announced
    // The year ended (announcement or quiet year): the report to show; report is emptied and
    // the year advanced.
    std::optional<std::string> shownReport;
    // The war broke out: the report stays for the war panel's OK and the year does not advance.
    std::optional<BattleReport> battle;
};

// The year's ending from the first war year on.
WarTurnResult warTurn(KingdomState& state, RandomSource& random);

BattleReport fightBattle(KingdomState& state, RandomSource& random);
void takeSpoils(KingdomState& state, RandomSource& random, BattleReport& battle);
void sufferLosses(KingdomState& state, RandomSource& random, BattleReport& battle);
