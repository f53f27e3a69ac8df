// The chronicle of a reign: one entry per year end, with the figures, the events and the report.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/kingdom_state.h"
#include "core/rule_text.h"
#include "sim/year.h"
#include "war/battle.h"

struct ChronicleEntry {
    // The year the entry closes, as the year label read during it. A battle's year end does not
    // advance the year, so the year after a battle has a second entry under the same number.
    double year = 0;
    double workers = 0;
    double soldiers = 0;
    double total = 0; // workers + soldiers
    double land = 0;
    double grain = 0;
    double money = 0;
    double gold = 0;
    double oil = 0;
    std::string mood; // the mood word shown at the year end
    double rating = 0;
    std::string events; // the year in short, phrases joined by "; "
    std::string report; // the year's report as the player read it, lines ended by CR LF

    bool operator==(const ChronicleEntry&) const = default;
};

// A whole reign has at most 99 ordinary year ends and one battle for every two of them, so this
// keeps any reign that ends in year 100; a loaded game can go on for ever, and then only the
// latest entries are kept, which also keeps a saved game far below the file size limit.
inline constexpr std::size_t kChronicleLimit = 160;
// Reports are a dozen lines; a loaded game can carry any text in its pending report.
inline constexpr std::size_t kChronicleReportLimit = 2048;

struct Chronicle {
    std::vector<ChronicleEntry> entries; // oldest first, at most kChronicleLimit

    // Not saved; they let a window follow the chronicle without comparing its entries.
    std::uint64_t dropped = 0;    // entries dropped from the front since the last restart
    std::uint64_t generation = 0; // grows whenever the chronicle is replaced wholesale
    bool battlePending = false;   // the last entry is a battle whose panel is still open
};

// A new game (after initKingdom), or a loaded game whose file has no usable chronicle: the
// chronicle starts empty, and its first entry is the year the game goes on from.
void restartChronicle(Chronicle& chronicle);

// A loaded game with its chronicle: takes the loaded entries (only the latest kChronicleLimit).
void restoreChronicle(Chronicle& chronicle, std::vector<ChronicleEntry> entries);

// After nextYear: records the year end that `result` describes, from the state as nextYear left
// it. Every outcome gives one entry: an ordinary year end, an announced war, a battle (its report
// is the one the war panel's OK will show), starvation, an overthrow before the harvest, year 100.
void recordYearEnd(Chronicle& chronicle, const KingdomState& state, const YearResult& result);

// After closeBattle: the report the player reads now goes into the battle's entry. It is the
// text recorded at the battle unless the game was loaded in between.
void recordBattleClosed(Chronicle& chronicle, const std::string& shownReport);

// What the chronicle says of a year end, each event one phrase of its events column.
enum class ChronicleEventKind {
    Hungry,
    LandShort,
    NothingSown,
    GoodHarvest,
    ExcellentHarvest,
    Rats,
    Flood,
    Fire,
    HungryHarvest,
    NoHarvest, // a fed year whose harvest brought nothing in
    Births,    // figure: the children born
    Deaths,    // figure: the people who died
    ArmyJoined,
    ArmyDeserted,
    WarAnnounced, // figure: the enemy's army
    Battle,       // battle: the armies, the outcome and what changed hands
    Starved,
    ReignComplete, // figure: the rating
    OverthrownByDiscontent,
    OverthrownByRating,
};

struct ChronicleEvent {
    ChronicleEventKind kind = ChronicleEventKind::Hungry;
    double figure = 0;   // the phrase's number, written as plain number text; 0 for the others
    BattleReport battle; // a battle's; left as it is for the others

    bool operator==(const ChronicleEvent&) const = default;
};

// The phrases are joined so in an entry's events.
inline constexpr std::string_view kChronicleEventSeparator = "; ";

// The phrase as `writer` puts it: the Russian the chronicle keeps, by default.
std::string chronicleEventText(const ChronicleEvent& event, const RuleTextWriter& writer = {});

// One phrase of an entry's events as it stands, and what it says when the chronicle knows it.
struct ChroniclePhrase {
    std::string_view text;
    std::optional<ChronicleEvent> event;
};
// An entry's events cut at each separator: joined again by it the phrases give back the events
// byte for byte, whatever they hold (a chronicle file can be edited). The phrases point into
// `events`.
std::vector<ChroniclePhrase> readChronicleEvents(std::string_view events);

// The events of one year end, from its report and outcome (used by recordYearEnd).
std::vector<ChronicleEvent> yearEndEvents(const KingdomState& state, const YearResult& result,
                                          std::string_view report);
// The same as the chronicle keeps them: the phrases joined.
std::string chronicleEvents(const KingdomState& state, const YearResult& result,
                            const std::string& report);
