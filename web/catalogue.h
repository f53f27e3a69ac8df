// The translations the C++ side of the page words its texts with: the page hands over the
// entries of its catalogue, and what has none stays the Russian it was written in.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/rule_text.h"

// form1 is the plural form of a counted text; empty for a text without plural forms.
void addTranslation(std::string_view context, std::string_view source, std::string_view form0,
                    std::string_view form1);

// The text in the page's language (`count` chooses a plural form where the text has two).
std::string translate(std::string_view context, std::string_view source, double count = 1);

// `text` with its lowest-numbered placeholder (%1..%9) replaced by `value`, as QString::arg does.
std::string arg(std::string_view text, std::string_view value);
// %n replaced by the count's digits.
std::string withCount(std::string_view text, long long count);

// The rules' writer of the page: the catalogue's words for a text it knows, the rules' Russian
// for any other.
class CatalogueWriter : public RuleTextWriter {
public:
    std::string write(const RuleText& text, std::initializer_list<std::string_view> figures,
                      double count = 0) const override;
    bool translated() const { return m_translated; }

private:
    mutable bool m_translated = false;
};

std::string translatedRule(const RuleText& text);
// A report, a chronicle's mood word and its events as the rules wrote them, in words: a line or
// phrase the rules do not know stays as it stands.
std::string wordedReport(std::string_view report);
std::string wordedChronicleMood(std::string_view word);
std::string wordedChronicleEvents(std::string_view events);
