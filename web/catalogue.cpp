// The page's translations on the C++ side, and the rules' texts worded through them.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/catalogue.h"

#include <climits>
#include <cmath>
#include <map>
#include <utility>

#include "core/report.h"
#include "sim/chronicle.h"
#include "sim/year.h"

namespace {

struct Forms {
    std::string one;
    std::string many; // empty: no plural forms
};

std::map<std::pair<std::string, std::string>, Forms, std::less<>>& catalogue() {
    static auto* const entries =
        new std::map<std::pair<std::string, std::string>, Forms, std::less<>>;
    return *entries;
}

// English chooses "one" for exactly 1; a fraction or a figure too large to count takes the form
// of many, as on the desktop.
bool pluralOne(double count) {
    const double size = std::fabs(count);
    return size == 1;
}

} // namespace

void addTranslation(std::string_view context, std::string_view source, std::string_view form0,
                    std::string_view form1) {
    catalogue()[{std::string(context), std::string(source)}] = {std::string(form0),
                                                                std::string(form1)};
}

std::string translate(std::string_view context, std::string_view source, double count) {
    const auto found = catalogue().find(std::pair{std::string(context), std::string(source)});
    if (found == catalogue().end() || found->second.one.empty()) {
        return std::string(source);
    }
    const Forms& forms = found->second;
    return forms.many.empty() || pluralOne(count) ? forms.one : forms.many;
}

std::string arg(std::string_view text, std::string_view value) {
    char lowest = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const char digit = text[i + 1];
        if (text[i] == '%' && digit >= '1' && digit <= '9' && (lowest == 0 || digit < lowest)) {
            lowest = digit;
        }
    }
    if (lowest == 0) {
        return std::string(text);
    }
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == lowest) {
            out += value;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string withCount(std::string_view text, long long count) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += std::to_string(count);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string CatalogueWriter::write(const RuleText& text,
                                   std::initializer_list<std::string_view> figures,
                                   double count) const {
    const std::string words = translate(kRuleTextContext, text.source, text.counted ? count : 1);
    if (words == text.source) {
        return RuleTextWriter::write(text, figures, count);
    }
    m_translated = true;
    return fillRuleText(words, figures);
}

namespace {

// What `write` puts together, or the text as written when nothing in it was translated.
template <class Write> std::string shown(std::string_view asWritten, Write write) {
    CatalogueWriter writer;
    std::string text = write(writer);
    return writer.translated() ? text : std::string(asWritten);
}

} // namespace

std::string translatedRule(const RuleText& text) {
    return CatalogueWriter().write(text, {});
}

std::string wordedReport(std::string_view report) {
    std::string text;
    bool first = true;
    for (const ReportPart& part : readReport(report)) {
        if (!first) {
            text += "\r\n";
        }
        first = false;
        if (part.line) {
            const ReportLine line = *part.line;
            text +=
                shown(part.text, [&](const RuleTextWriter& w) { return reportLineText(line, w); });
        } else {
            text += part.text;
        }
    }
    return text;
}

std::string wordedChronicleMood(std::string_view word) {
    const auto level = moodLevelOfWord(word);
    const auto mood = level ? moodTemplate(*level) : std::nullopt;
    if (!mood) {
        return std::string(word);
    }
    return shown(word, [&](const RuleTextWriter& w) { return w.write(*mood, {}); });
}

std::string wordedChronicleEvents(std::string_view events) {
    std::string text;
    bool first = true;
    for (const ChroniclePhrase& phrase : readChronicleEvents(events)) {
        if (!first) {
            text += kChronicleEventSeparator;
        }
        first = false;
        if (phrase.event) {
            const ChronicleEvent event = *phrase.event;
            text += shown(phrase.text,
                          [&](const RuleTextWriter& w) { return chronicleEventText(event, w); });
        } else {
            text += phrase.text;
        }
    }
    return text;
}
