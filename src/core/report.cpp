// The year's report: title, lines ended by CR LF, the one table that writes and reads its lines.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report.h"

#include <array>

#include "core/number_text.h"

namespace {

// The rule is the same in every language: it is not given to the translation.
constexpr const char* kRuleLine =
    "_________________________________________________________________________________________";

// In the order of ReportLineKind. A text with %1 carries a figure, written as number text.
constexpr std::array<RuleText, kReportLineKinds> kLines = {
    kReportTitleText,
    RuleText{kRuleLine, false},
    RULE_TEXT("RuleTexts", "Население удалось прокормить"),
    RULE_TEXT("RuleTexts", "Население не удалось прокормить"),
    RULE_TEXT("RuleTexts", "Всем досталась земля"),
    RULE_TEXT("RuleTexts", "Земля досталась не всем"),
    RULE_TEXT("RuleTexts", "В этом году засеяли всю территорию земли"),
    RULE_TEXT("RuleTexts", "В этом году ничего не засеяли"),
    RULE_TEXT("RuleTexts", "В этом году засеяли часть территории земли"),
    RULE_TEXT("RuleTexts", "Настроение населения улучшилось, народ болеет за Вас"),
    RULE_TEXT("RuleTexts", "Настроение населения ухудшилось, народ недоволен Вами"),
    RULE_TEXT("RuleTexts", "Собран урожай"),
    RULE_TEXT("RuleTexts", "Был собран хороший урожай"),
    RULE_TEXT("RuleTexts", "Был собран отличный урожай"),
    RULE_TEXT("RuleTexts", "Крысы сожрали чась урожая"),
    RULE_TEXT("RuleTexts", "Наводнение уничтожило чась урожая"),
    RULE_TEXT("RuleTexts", "Из-за сильного пожара, весь урожай сгорел"),
    //: %1 is the number as the game writes it: a blank before it unless it is negative.
    RULE_COUNT_TEXT("RuleTexts", "В этом году родилось %1 детей."),
    //: %1 is the number as the game writes it: a blank before it unless it is negative.
    RULE_COUNT_TEXT("RuleTexts", "В этом году умерло %1 человек."),
    //: %1 is the number as the game writes it: a blank before it unless it is negative.
    RULE_COUNT_TEXT("RuleTexts", "Ваша армия пополнинилась %1 солдатами."),
    //: %1 is the number as the game writes it: a blank before it unless it is negative.
    RULE_COUNT_TEXT("RuleTexts", "Из Вашей армии сбежало %1 солдат."),
    //: %1 is the number as the game writes it: a blank before it unless it is negative.
    RULE_COUNT_TEXT("RuleTexts",
                    "Возможно война! Готовтесь! По разведданным армия врага составляет %1 солдат!"),
};

} // namespace

RuleText reportLineTemplate(ReportLineKind kind) {
    return kLines[std::size_t(kind)];
}

bool reportLineHasFigure(ReportLineKind kind) {
    return kind >= ReportLineKind::Births;
}

std::string reportLineText(const ReportLine& line, const RuleTextWriter& writer) {
    const RuleText text = reportLineTemplate(line.kind);
    if (!reportLineHasFigure(line.kind)) {
        return writer.write(text, {});
    }
    return writer.write(text, {numberText(line.figure)}, line.figure);
}

std::optional<ReportLine> readReportLine(std::string_view text) {
    for (int k = 0; k < kReportLineKinds; ++k) {
        const auto kind = ReportLineKind(k);
        const std::string_view pattern = kLines[std::size_t(k)].source;
        if (!reportLineHasFigure(kind)) {
            if (text == pattern) {
                return ReportLine{kind, 0};
            }
            continue;
        }
        const auto figures = matchRuleText(pattern, text);
        if (!figures || figures->size() != 1) {
            continue;
        }
        const auto figure = readNumberText((*figures)[0]);
        // Only a line written exactly so reads back: it is shown as the rules would write it.
        if (figure && reportLineText(ReportLine{kind, *figure}) == text) {
            return ReportLine{kind, *figure};
        }
    }
    return std::nullopt;
}

std::vector<ReportPart> readReport(std::string_view report) {
    std::vector<ReportPart> parts;
    for (;;) {
        const std::size_t end = report.find("\r\n");
        const std::string_view text = report.substr(0, end);
        parts.push_back({text, readReportLine(text)});
        if (end == std::string_view::npos) {
            return parts;
        }
        report.remove_prefix(end + 2);
    }
}

void startReport(KingdomState& state) {
    state.report.clear();
    appendReportLine(state, ReportLineKind::Title);
    appendReportLine(state, ReportLineKind::Rule);
}

void appendReportLine(KingdomState& state, std::string_view line) {
    state.report.append(line);
    state.report.append("\r\n");
}

void appendReportLine(KingdomState& state, ReportLineKind kind, double figure) {
    // Written straight into the report: the year writes a dozen lines.
    const std::string_view text = reportLineTemplate(kind).source;
    if (reportLineHasFigure(kind)) {
        appendRuleText(state.report, text, {numberText(figure)});
    } else {
        state.report.append(text);
    }
    state.report.append("\r\n");
}

std::string takeReport(KingdomState& state) {
    std::string shown = std::move(state.report);
    state.report.clear();
    return shown;
}

RuleText yearLabelTemplate() {
    //: %1 is the year as the game writes it, with a blank before it.
    return RULE_TEXT("RuleTexts", "%1  год правления .");
}

std::string yearLabelText(double year, const RuleTextWriter& writer) {
    return writer.write(yearLabelTemplate(), {numberText(year)}, year);
}
