// The texts the rules write: Russian templates with their figures, and who puts them into words.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One text the rules write: the Russian, with %1, %2, %3 where its figures go. The Russian is
// what the game shows, saves and keeps in the chronicle; the windows may show a translation.
struct RuleText {
    // Always a literal, so that its data() ends in the NUL the translation's lookup wants.
    std::string_view source; // the Russian, as the translation knows it
    bool counted = false;    // the text names a count: its translation has plural forms
};

// The windows' translation collects the rules' texts where they are written: lupdate is told that
// RULE_TEXT is QT_TRANSLATE_NOOP and RULE_COUNT_TEXT is QT_TRANSLATE_N_NOOP (src/CMakeLists.txt),
// so each text stands in the rules once. The context is always "RuleTexts".
#define RULE_TEXT(context, text) (RuleText{text, false})
#define RULE_COUNT_TEXT(context, text) (RuleText{text, true})
inline constexpr const char* kRuleTextContext = "RuleTexts";

// `text` with each %1..%9 replaced by the figure of that number; a % that names no figure stays.
std::string fillRuleText(std::string_view text, std::initializer_list<std::string_view> figures);
// The same, appended to `out`.
void appendRuleText(std::string& out, std::string_view text,
                    std::initializer_list<std::string_view> figures);

// The texts standing where the template's %1..%9 are, in the order of the template, when `text`
// has the template's shape; nothing otherwise. The figures are not read: see readNumberText.
std::optional<std::vector<std::string_view>> matchRuleText(std::string_view pattern,
                                                           std::string_view text);

// Puts rule texts into words. This one writes the Russian; the windows' writer translates.
class RuleTextWriter {
public:
    virtual ~RuleTextWriter() = default;
    // `text` with its figures in place; `count` is the figure whose plural form a counted text
    // takes.
    virtual std::string write(const RuleText& text, std::initializer_list<std::string_view> figures,
                              double count = 0) const;
};
