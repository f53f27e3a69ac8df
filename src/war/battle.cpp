// Wars: the announcement and its countdown, the battle, and what it brings or costs.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "war/battle.h"

#include <cmath>

#include "core/number_text.h"
#include "core/random.h"
#include "core/report.h"

namespace {
// The seven holdings a battle wins or loses a share of, in the order of draws and lines.
constexpr std::array<double KingdomState::*, 7> kHoldings = {
    &KingdomState::gold,     &KingdomState::land,    &KingdomState::grain, &KingdomState::oil,
    &KingdomState::soldiers, &KingdomState::workers, &KingdomState::money,
};

// A trophy's line: the label and the amount's number text.
constexpr std::array<RuleText, 7> kTrophyLines = {
    //: The first of the seven lines of trophies or losses, four in one box and three in the
    //: other; the blanks line up the figures of a box (%1 starts with a blank of its own).
    RULE_TEXT("RuleTexts", " Золота:  %1"),   RULE_TEXT("RuleTexts", "  Земли:   %1"),
    RULE_TEXT("RuleTexts", "  Зерна:   %1"),  RULE_TEXT("RuleTexts", "  Нефти:  %1"),
    RULE_TEXT("RuleTexts", " Солдат:   %1"),  RULE_TEXT("RuleTexts", "  Рабочих: %1"),
    RULE_TEXT("RuleTexts", "  Денег:    %1"),
};

std::string trophyLines(const BattleReport& battle, std::size_t first, std::size_t last,
                        const RuleTextWriter& writer) {
    std::string text;
    for (std::size_t i = first; i < last; ++i) {
        text.append(writer.write(kTrophyLines[i], {numberText(battle.amounts[i])}));
        text.append("\r\n");
    }
    return text;
}

// The year ends as in peace: the report is shown and the next year begins.
void endYear(KingdomState& state, WarTurnResult& result) {
    result.shownReport = takeReport(state);
    state.year += 1;
}
} // namespace

RuleText battleOutcomeTemplate(BattleOutcome outcome) {
    switch (outcome) {
    case BattleOutcome::Victory:
        return RULE_TEXT("RuleTexts", "Слава Королю! Вы победили!");
    case BattleOutcome::Draw:
        return RULE_TEXT("RuleTexts", "Битва не выявила победителей!");
    case BattleOutcome::Defeat:
        break;
    }
    //: The blanks in front set it roughly in the middle of the war panel.
    return RULE_TEXT("RuleTexts", "              Вы проиграли битву!");
}

std::optional<RuleText> battleHeadingTemplate(BattleOutcome outcome) {
    switch (outcome) {
    case BattleOutcome::Victory:
        return RULE_TEXT("RuleTexts", "Захвачено:");
    case BattleOutcome::Draw:
        return std::nullopt;
    case BattleOutcome::Defeat:
        break;
    }
    return RULE_TEXT("RuleTexts", "Потеряно:");
}

std::string battleOutcomeText(BattleOutcome outcome, const RuleTextWriter& writer) {
    return writer.write(battleOutcomeTemplate(outcome), {});
}

std::string battleHeading(BattleOutcome outcome, const RuleTextWriter& writer) {
    const auto heading = battleHeadingTemplate(outcome);
    return heading ? writer.write(*heading, {}) : std::string();
}

std::string trophyGoodsText(const BattleReport& battle, const RuleTextWriter& writer) {
    return trophyLines(battle, 0, 4, writer);
}

std::string trophyPeopleText(const BattleReport& battle, const RuleTextWriter& writer) {
    return trophyLines(battle, 4, 7, writer);
}

WarTurnResult warTurn(KingdomState& state, RandomSource& random) {
    WarTurnResult result;
    if (state.warCountdown > 1) {
        state.warCountdown -= 1;
        endYear(state, result);
    } else if (state.warCountdown == 1) {
        // The battle year does not count; the war panel's OK shows the report.
        state.warCountdown = 0;
        result.battle = fightBattle(state, random);
    } else {
        result.announced = true;
        state.warCountdown = static_cast<Count>(2 + truncatedDraw(random.draw() * 4.0f, 3));
        state.enemyArmy = std::floor(state.soldiers + std::floor(state.soldiers * 20 / 100));
        appendReportLine(state, ReportLineKind::WarAnnounced, state.enemyArmy);
        endYear(state, result);
    }
    return result;
}

BattleReport fightBattle(KingdomState& state, RandomSource& random) {
    const float reinforcement = random.draw() * 20.0f;
    state.enemyArmy = std::floor(reinforcement * state.soldiers / 100) + state.enemyArmy + 1;

    BattleReport battle;
    battle.kingArmy = state.soldiers;
    battle.enemyArmy = state.enemyArmy;
    if (state.soldiers > state.enemyArmy) {
        battle.outcome = BattleOutcome::Victory;
        state.soldiers -= state.enemyArmy;
        takeSpoils(state, random, battle);
        state.rating += 10;
    } else if (state.soldiers == state.enemyArmy) {
        battle.outcome = BattleOutcome::Draw;
        state.soldiers = 0;
        state.rating += 5;
    } else {
        battle.outcome = BattleOutcome::Defeat;
        state.soldiers = 0;
        sufferLosses(state, random, battle);
        state.rating -= 15;
    }
    return battle;
}

void takeSpoils(KingdomState& state, RandomSource& random, BattleReport& battle) {
    for (std::size_t i = 0; i < kHoldings.size(); ++i) {
        double& holding = state.*kHoldings[i];
        const double captured = std::floor(static_cast<double>(random.draw()) * holding);
        holding += captured;
        battle.amounts[i] = captured;
    }
}

void sufferLosses(KingdomState& state, RandomSource& random, BattleReport& battle) {
    for (std::size_t i = 0; i < kHoldings.size(); ++i) {
        double& holding = state.*kHoldings[i];
        const double lost = std::floor(static_cast<double>(random.draw()) * holding);
        holding -= lost;
        battle.amounts[i] = lost;
    }
}
