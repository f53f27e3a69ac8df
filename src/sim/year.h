// One year of the reign: its steps, its report and how it ended.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/kingdom_state.h"
#include "core/random.h"
#include "core/report.h"
#include "core/rule_text.h"
#include "war/battle.h"

// The steps of the year before the harvest; each appends one line and scores into rating.
void feedPeople(KingdomState& state);
void distributeLand(KingdomState& state);
void sowFields(KingdomState& state);
void updateMood(KingdomState& state);
void checkDiscontent(KingdomState& state);

// The mood word for a level, or nothing when the shown word must stay as it is (a fraction).
std::optional<std::string_view> moodWord(double moodLevel);
std::optional<RuleText> moodTemplate(double moodLevel);
// The level a mood word stands for (the chronicle keeps the word), nothing for any other text.
std::optional<double> moodLevelOfWord(std::string_view word);

// The harvest: rollHarvest reseeds and draws only in a fed year.
void gatherHarvest(KingdomState& state, RandomSource& random);
void rollHarvest(KingdomState& state, RandomSource& random);
void rollDisaster(KingdomState& state, RandomSource& random);

// Births or deaths, then growth or desertion of the army. Returns true when no workers are left:
// the reign ended by starvation and the army step did not run.
bool growPopulation(KingdomState& state, RandomSource& random);

// What the window must show after a press of «Дальше».
struct YearResult {
    // The marker was set before the harvest: nothing more was computed and no report is shown.
    bool stoppedBeforeHarvest = false;
    // No workers were left: the reign ended by starvation; nothing after it was computed.
    bool starved = false;
    // The year ended and this report goes into the report panel now (report is already emptied).
    std::optional<std::string> shownReport;
    // A battle was fought: the war panel shows it; the report waits for closeBattle.
    std::optional<BattleReport> battle;
    // year became exactly 100: the reign ends with the rating and the table.
    bool reignComplete = false;
    // rating is exactly 1 at the end: the people overthrew the king.
    bool overthrown = false;
};

// The whole year, in the fixed order of its steps.
YearResult nextYear(KingdomState& state, RandomSource& random);

// The war panel's OK: returns the year's report for the report panel and empties it.
std::string closeBattle(KingdomState& state);
