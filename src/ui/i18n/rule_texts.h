// What the rules wrote, shown in the player's language through the translation in use.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include <QString>

#include "core/rule_text.h"
#include "market/goods.h"
#include "war/battle.h"

// The rules' writer of the windows: a text the translation in use knows (context "RuleTexts",
// the Russian as its source) in the translation's words, with the figures in place as the game
// writes numbers; any other text as the rules write it, byte for byte.
class TranslatedRuleText : public RuleTextWriter {
public:
    std::string write(const RuleText& text, std::initializer_list<std::string_view> figures,
                      double count = 0) const override;

    // Whether a text written so far came from the translation.
    bool translated() const { return m_translated; }

private:
    mutable bool m_translated = false;
};

// Without a translation each of these is exactly the text the rules wrote; a line, phrase or word
// the rules do not know (a hand-edited file) is shown as it stands.
namespace ruletext {

QString text(const RuleText& text);

// A report as the rules wrote it, from a year just played, a loaded game or a chronicle.
QString report(std::string_view report);
QString yearLabel(double year);
// The mood word of a level; nothing when the shown word stays as it is.
std::optional<QString> moodWord(double moodLevel);

QString battleOutcome(BattleOutcome outcome);
QString battleHeading(BattleOutcome outcome);
QString trophyGoods(const BattleReport& battle);
QString trophyPeople(const BattleReport& battle);

QString overthrowMessage();
QString starvationMessage();
QString ratingMessage(double rating);

QString goodCaption(Good good);
QString mainCaptionPrefix();

// A chronicle entry's mood word and events, as the chronicle keeps them.
QString chronicleMood(std::string_view word);
QString chronicleEvents(std::string_view events);

} // namespace ruletext
