// The year's report: its title, its lines and the year's label.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/kingdom_state.h"
#include "core/rule_text.h"

inline constexpr RuleText kReportTitleText =
    RULE_TEXT("RuleTexts", "Господин президент! Прибыл Ваш помощник с докладом!");
inline constexpr std::string_view kReportTitle = kReportTitleText.source;

// Every line the rules write into a report, in the order of the year's steps.
enum class ReportLineKind {
    Title,
    Rule, // the underscores beneath the title
    Fed,
    Hungry,
    LandForAll,
    LandShort,
    SownAll,
    SownNothing,
    SownPart,
    MoodBetter,
    MoodWorse,
    HungryHarvest, // a hungry year's harvest of a kingdom without land
    GoodHarvest,
    ExcellentHarvest,
    Rats,
    Flood,
    Fire,
    Births,       // figure: the children born
    Deaths,       // figure: the people who died
    ArmyJoined,   // figure: the soldiers who joined
    ArmyDeserted, // figure: the soldiers who ran away
    WarAnnounced, // figure: the enemy's army
};
inline constexpr int kReportLineKinds = int(ReportLineKind::WarAnnounced) + 1;

struct ReportLine {
    ReportLineKind kind = ReportLineKind::Title;
    double figure = 0; // written as number text where the text has its %1; 0 for the others

    bool operator==(const ReportLine&) const = default;
};

// The text of a kind: the line itself, or the line with %1 where its figure goes.
RuleText reportLineTemplate(ReportLineKind kind);
bool reportLineHasFigure(ReportLineKind kind);
// The line as `writer` puts it: the Russian the rules write, by default.
std::string reportLineText(const ReportLine& line, const RuleTextWriter& writer = {});

// What a line of a report says, when it is exactly a line the rules write.
std::optional<ReportLine> readReportLine(std::string_view text);

// One line of a report as it stands (without its CR LF), and what it says when the rules know it.
struct ReportPart {
    std::string_view text;
    std::optional<ReportLine> line;
};
// A report cut at each CR LF: joined again by CR LF the parts give back the report byte for byte
// (a report ended by CR LF ends in an empty part). Any text can be read so: a loaded game's, a
// chronicle's, a hand-edited one; the parts point into `report`.
std::vector<ReportPart> readReport(std::string_view report);

// Empties the report and writes its title and the rule beneath it.
void startReport(KingdomState& state);

// Appends one report line and its CR LF.
void appendReportLine(KingdomState& state, std::string_view line);
void appendReportLine(KingdomState& state, ReportLineKind kind, double figure = 0);

// The report as it is shown; the kingdom's report is left empty for the next year.
std::string takeReport(KingdomState& state);

// " 1  год правления ." for year 1.
RuleText yearLabelTemplate();
std::string yearLabelText(double year, const RuleTextWriter& writer = {});
