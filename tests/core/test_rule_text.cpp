// Rule texts: figures put into a template and found again in a written text.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rule_text.h"

using Figures = std::vector<std::string_view>;

TEST(RuleText, FillsEachPlaceholderOnce) {
    EXPECT_EQ(fillRuleText("родилось %1 детей.", {" 6"}), "родилось  6 детей.");
    EXPECT_EQ(fillRuleText("%2 against %1, %2", {"a", "b"}), "b against a, b");
    // A figure is not read again, whatever it holds; a % that names no figure stays.
    EXPECT_EQ(fillRuleText("%1 %2", {"%2", "x"}), "%2 x");
    EXPECT_EQ(fillRuleText("100% %3 %0 %", {"a"}), "100% %3 %0 %");
    EXPECT_EQ(fillRuleText("", {}), "");
}

TEST(RuleText, FindsTheFiguresOfAWrittenText) {
    EXPECT_EQ(matchRuleText("родилось %1 детей.", "родилось  6 детей."), (Figures{" 6"}));
    EXPECT_EQ(matchRuleText("битва, %1 против %2: победа, захвачено %3",
                            "битва, 9 против 8: победа, захвачено золото 1, земля 2"),
              (Figures{"9", "8", "золото 1, земля 2"}));
    EXPECT_EQ(matchRuleText("%1", ""), (Figures{""}));
    EXPECT_EQ(matchRuleText("без чисел", "без чисел"), Figures{});
    EXPECT_FALSE(matchRuleText("без чисел", "без чисел!"));
    EXPECT_FALSE(matchRuleText("родилось %1 детей.", "родилось  6 детей"));
    EXPECT_FALSE(matchRuleText("родилось %1 детей.", "умерло  6 детей."));
    // Where the closing words overlap the opening ones, nothing is made up.
    EXPECT_FALSE(matchRuleText("ab%1ba", "aba"));
}

TEST(RuleText, TheRulesWriterWritesTheRussian) {
    const RuleTextWriter writer;
    EXPECT_EQ(writer.write(RULE_COUNT_TEXT("RuleTexts", "умерло %1 человек."), {" 3"}, 3),
              "умерло  3 человек.");
}
