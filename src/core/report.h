// The year's report: its title, its lines and the year's label.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/kingdom_state.h"

inline constexpr std::string_view kReportTitle =
    "Господин президент! Прибыл Ваш помощник с докладом!";

// Empties the report and writes its title and the rule beneath it.
void startReport(KingdomState& state);

// Appends one report line and its CR LF.
void appendReportLine(KingdomState& state, std::string_view line);

// The report as it is shown; the kingdom's report is left empty for the next year.
std::string takeReport(KingdomState& state);

// " 1  год правления ." for year 1.
std::string yearLabelText(double year);
