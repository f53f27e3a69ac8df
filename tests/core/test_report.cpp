// The year's report: its label, its lines written and read back, and texts it does not know.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/report.h"

namespace {

std::string joined(const std::vector<ReportPart>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text.append(i == 0 ? "" : "\r\n").append(parts[i].text);
    }
    return text;
}

} // namespace

TEST(YearLabel, NumberTextThenTwoBlanks) {
    EXPECT_EQ(yearLabelText(1), " 1  год правления .");
    EXPECT_EQ(yearLabelText(2), " 2  год правления .");
    EXPECT_EQ(yearLabelText(100), " 100  год правления .");
}

TEST(ReportLines, EveryKindReadsBackWithItsFigure) {
    for (int k = 0; k < kReportLineKinds; ++k) {
        const auto kind = ReportLineKind(k);
        if (!reportLineHasFigure(kind)) {
            const std::string text = reportLineText(ReportLine{kind});
            EXPECT_EQ(text, reportLineTemplate(kind).source);
            EXPECT_EQ(readReportLine(text), (ReportLine{kind, 0})) << text;
            continue;
        }
        EXPECT_TRUE(reportLineTemplate(kind).counted) << k;
        for (const double figure : {0.0, 6.0, -3.0, 0.5, -2.25, 1e20, 32768.0, 1e-300}) {
            const std::string text = reportLineText(ReportLine{kind, figure});
            EXPECT_EQ(readReportLine(text), (ReportLine{kind, figure})) << text;
        }
        const auto odd = readReportLine(reportLineText(ReportLine{kind, std::nan("")}));
        ASSERT_TRUE(odd.has_value()) << k;
        EXPECT_EQ(odd->kind, kind);
        EXPECT_TRUE(std::isnan(odd->figure));
    }
}

TEST(ReportLines, WrittenAsTheYearAlwaysWroteThem) {
    EXPECT_EQ(reportLineText(ReportLine{ReportLineKind::Births, 6}),
              "В этом году родилось  6 детей.");
    EXPECT_EQ(reportLineText(ReportLine{ReportLineKind::Deaths, -3}),
              "В этом году умерло -3 человек.");
    EXPECT_EQ(reportLineText(ReportLine{ReportLineKind::WarAnnounced, 1e20}),
              "Возможно война! Готовтесь! По разведданным армия врага составляет  1e+20 солдат!");
    EXPECT_EQ(reportLineText(ReportLine{ReportLineKind::Rule}), std::string(89, '_'));
    EXPECT_EQ(reportLineText(ReportLine{ReportLineKind::Title}), kReportTitle);
}

TEST(ReportLines, TextsTheRulesDoNotWriteAreNotRead) {
    for (const std::string& text : {
             std::string(),
             std::string(88, '_'),
             std::string(90, '_'),
             std::string("Население удалось прокормить "),
             std::string(" Население удалось прокормить"),
             std::string("Крысы сожрали часть урожая"), // the report's own spelling is "чась"
             std::string("В этом году родилось 6 детей."),   // one blank: not number text
             std::string("В этом году родилось   6 детей."), // three
             std::string("В этом году родилось  06 детей."),
             std::string("В этом году родилось  6.0 детей."),
             std::string("В этом году родилось  детей."),
             std::string("В этом году родилось  6 детей"),
             std::string("В этом году родилось  6 человек."),
             std::string("В этом году родилось  6 детей. В этом году родилось  6 детей."),
         }) {
        EXPECT_FALSE(readReportLine(text).has_value()) << text;
    }
}

TEST(ReportLines, AReportCutIntoPartsJoinsBackByteForByte) {
    KingdomState state;
    startReport(state);
    appendReportLine(state, ReportLineKind::Hungry);
    appendReportLine(state, "Строка, которой нет в правилах");
    appendReportLine(state, ReportLineKind::Deaths, 12);
    const auto parts = readReport(state.report);
    ASSERT_EQ(parts.size(), 6u);
    EXPECT_EQ(parts[0].line, (ReportLine{ReportLineKind::Title}));
    EXPECT_EQ(parts[1].line, (ReportLine{ReportLineKind::Rule}));
    EXPECT_EQ(parts[2].line, (ReportLine{ReportLineKind::Hungry}));
    EXPECT_FALSE(parts[3].line.has_value());
    EXPECT_EQ(parts[4].line, (ReportLine{ReportLineKind::Deaths, 12}));
    EXPECT_EQ(parts[5].text, "");
    EXPECT_EQ(joined(parts), state.report);

    // Whatever a file holds: bare line feeds stay inside a line, a cut last line stays cut.
    for (const std::string_view text : {"", "\r\n", "\r\n\r\n", "a\nb\r\nc", "Собран урожай\r",
                                        "Собран урожай\r\nВ этом году умерло  1"}) {
        EXPECT_EQ(joined(readReport(text)), text);
    }
    EXPECT_EQ(readReport("Собран урожай\r\nВ этом году умерло  1")[0].line,
              (ReportLine{ReportLineKind::HungryHarvest}));
}
