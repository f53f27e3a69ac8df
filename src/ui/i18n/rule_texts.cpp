// The rules' texts in the player's language: put together by the rules, worded by the translation.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/i18n/rule_texts.h"

#include <climits>
#include <cmath>

#include <QCoreApplication>

#include "core/report.h"
#include "sim/chronicle.h"
#include "sim/end_of_reign.h"
#include "sim/year.h"

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// What `write` puts together with a translating writer, or `asWritten` itself when nothing in it
// was translated: a text read from a report or the chronicle is then shown exactly as it stood.
template <class Write> QString shown(std::string_view asWritten, Write write) {
    TranslatedRuleText writer;
    const std::string text = write(writer);
    return writer.translated() ? QString::fromStdString(text) : fromUtf8(asWritten);
}

// The same for a text the rules make afresh: untranslated, the writer wrote the rules' Russian.
template <class Write> QString shown(Write write) {
    TranslatedRuleText writer;
    return QString::fromStdString(write(writer));
}

// The plural form a counted text takes for a figure: a whole figure chooses by its size, any
// other (a fraction, a figure too large to count) the form of many.
int pluralCount(double figure) {
    const double size = std::fabs(figure);
    if (size != std::floor(size) || !(size <= double(INT_MAX))) {
        return INT_MAX;
    }
    return int(size);
}

} // namespace

std::string TranslatedRuleText::write(const RuleText& text,
                                      std::initializer_list<std::string_view> figures,
                                      double count) const {
    // A count is passed only to a counted text: for any other the translation has one form, and
    // asked for a plural it would have none.
    const QString translation = QCoreApplication::translate(
        kRuleTextContext, text.source.data(), nullptr, text.counted ? pluralCount(count) : -1);
    if (translation == fromUtf8(text.source)) {
        return RuleTextWriter::write(text, figures, count);
    }
    m_translated = true;
    // The figures go in as the game writes numbers, in every language.
    return fillRuleText(translation.toStdString(), figures);
}

namespace ruletext {

QString text(const RuleText& text) {
    return shown([&](const RuleTextWriter& w) { return w.write(text, {}); });
}

QString report(std::string_view report) {
    QString text;
    bool first = true;
    for (const ReportPart& part : readReport(report)) {
        if (!first) {
            text += QStringLiteral("\r\n");
        }
        first = false;
        if (part.line) {
            const ReportLine line = *part.line;
            text +=
                shown(part.text, [&](const RuleTextWriter& w) { return reportLineText(line, w); });
        } else {
            text += fromUtf8(part.text);
        }
    }
    return text;
}

QString yearLabel(double year) {
    return shown([&](const RuleTextWriter& w) { return yearLabelText(year, w); });
}

std::optional<QString> moodWord(double moodLevel) {
    if (const auto word = moodTemplate(moodLevel)) {
        return text(*word);
    }
    return std::nullopt;
}

QString battleOutcome(BattleOutcome outcome) {
    return shown([&](const RuleTextWriter& w) { return battleOutcomeText(outcome, w); });
}

QString battleHeading(BattleOutcome outcome) {
    return shown([&](const RuleTextWriter& w) { return ::battleHeading(outcome, w); });
}

QString trophyGoods(const BattleReport& battle) {
    return shown([&](const RuleTextWriter& w) { return trophyGoodsText(battle, w); });
}

QString trophyPeople(const BattleReport& battle) {
    return shown([&](const RuleTextWriter& w) { return trophyPeopleText(battle, w); });
}

QString overthrowMessage() {
    return shown([](const RuleTextWriter& w) { return ::overthrowMessage(w); });
}

QString starvationMessage() {
    return shown([](const RuleTextWriter& w) { return ::starvationMessage(w); });
}

QString ratingMessage(double rating) {
    return shown([&](const RuleTextWriter& w) { return ::ratingMessage(rating, w); });
}

QString goodCaption(Good good) {
    return text(goodCaptionTemplate(good));
}

QString mainCaptionPrefix() {
    return text(kMainCaptionPrefixText);
}

QString chronicleMood(std::string_view word) {
    const auto level = moodLevelOfWord(word);
    const auto mood = level ? moodTemplate(*level) : std::nullopt;
    if (!mood) {
        return fromUtf8(word);
    }
    return shown(word, [&](const RuleTextWriter& w) { return w.write(*mood, {}); });
}

QString chronicleEvents(std::string_view events) {
    QString text;
    bool first = true;
    for (const ChroniclePhrase& phrase : readChronicleEvents(events)) {
        if (!first) {
            text += fromUtf8(kChronicleEventSeparator);
        }
        first = false;
        if (phrase.event) {
            const ChronicleEvent event = *phrase.event;
            text += shown(phrase.text,
                          [&](const RuleTextWriter& w) { return chronicleEventText(event, w); });
        } else {
            text += fromUtf8(phrase.text);
        }
    }
    return text;
}

} // namespace ruletext
