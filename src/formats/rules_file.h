// The rules file ("throne.hlp"): HTML in UTF-8 with one heading per topic, and what a viewer needs
// of it, the topics with their context numbers, titles and keywords.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A topic: a heading that carries an anchor named by its context number, e.g.
// <h2><a name="1010" title="цены; товары"></a>Товары и цены</h2>; the anchor's title lists the
// topic's keywords, separated by ";". A heading without such an anchor is no topic.
struct RulesTopic {
    std::int32_t context = 0;
    int level = 1;     // the heading's level, 1 to 6
    std::string title; // the heading's text: tags dropped, entities read, blanks joined
    std::vector<std::string> keywords; // each with its blanks joined, none empty

    bool operator==(const RulesTopic&) const = default;
};

// The topics in the order of the file.
std::vector<RulesTopic> parseRulesTopics(std::string_view html);

// What each topic of parseRulesTopics holds, as the file's HTML: from the end of its heading to
// the start of the next topic's heading, the last to "</body>" or the end of the file.
std::vector<std::string_view> rulesTopicBodies(std::string_view html);

// The text of the file's <title>, as plain text; empty when there is none.
std::string rulesFileTitle(std::string_view html);

// A piece of HTML as plain text: tags and comments dropped (a line break or a block between words
// leaves a blank), entities read, every run of blanks one blank, none at either end.
std::string htmlPlainText(std::string_view html);
