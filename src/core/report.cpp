// The year's report: title, lines ended by CR LF, and the year's label.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report.h"

#include "core/number_text.h"

void startReport(KingdomState& state) {
    state.report.clear();
    appendReportLine(state, kReportTitle);
    appendReportLine(state, std::string(89, '_'));
}

void appendReportLine(KingdomState& state, std::string_view line) {
    state.report.append(line);
    state.report.append("\r\n");
}

std::string takeReport(KingdomState& state) {
    std::string shown = std::move(state.report);
    state.report.clear();
    return shown;
}

std::string yearLabelText(double year) {
    return numberText(year) + "  год правления .";
}
