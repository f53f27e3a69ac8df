// Tests of the rules file's reader: headings as topics, their anchors, titles and keywords, and
// the rules files that ship with the game.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "formats/rules_file.h"
#include "shipped_rules.h"

namespace {

// Every "#1234" a link of the file jumps to.
std::vector<std::int32_t> linkTargets(std::string_view html) {
    std::vector<std::int32_t> targets;
    const std::string_view link = "href=\"#";
    for (std::size_t at = html.find(link); at != std::string_view::npos;
         at = html.find(link, at + 1)) {
        std::int32_t target = 0;
        for (std::size_t i = at + link.size(); i < html.size() && html[i] >= '0' && html[i] <= '9';
             ++i) {
            target = target * 10 + (html[i] - '0');
        }
        targets.push_back(target);
    }
    return targets;
}

bool hasCyrillic(std::string_view text) {
    // Cyrillic letters are U+0400..U+04FF: lead bytes 0xD0 to 0xD3 in UTF-8.
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xD0 && byte <= 0xD3) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(RulesFile, TopicsAreHeadingsWithAContextAnchor) {
    const std::string html =
        "<h1><a name=\"10\" title=\"один; Два ; ;три\"></a>Первый &amp; главный</h1>"
        "<p><a name=\"11\"></a>не раздел: не заголовок</p>"
        "<h2>Без якоря</h2>"
        "<H3 class=\"x\"><A NAME=\"30\">Третий <b>жирный</b></A></H3>"
        "<h2><a name=\"abc\"></a>Якорь не числом</h2>"
        "<h2><a href=\"#10\">ссылка</a><a name=\"40\"></a>Со ссылкой\n перед якорем</h2>";
    const std::vector<RulesTopic> topics = parseRulesTopics(html);
    ASSERT_EQ(topics.size(), 3u);
    EXPECT_EQ(topics[0].context, 10);
    EXPECT_EQ(topics[0].level, 1);
    EXPECT_EQ(topics[0].title, "Первый & главный");
    EXPECT_EQ(topics[0].keywords, (std::vector<std::string>{"один", "Два", "три"}));
    EXPECT_EQ(topics[1].context, 30);
    EXPECT_EQ(topics[1].level, 3);
    EXPECT_EQ(topics[1].title, "Третий жирный");
    EXPECT_TRUE(topics[1].keywords.empty());
    EXPECT_EQ(topics[2].context, 40);
    EXPECT_EQ(topics[2].title, "ссылкаСо ссылкой перед якорем");
    EXPECT_TRUE(parseRulesTopics("").empty());
    EXPECT_TRUE(parseRulesTopics("<h1><a name=\"1\">не закрыт").empty());
}

TEST(RulesFile, EachTopicHoldsWhatFollowsItsHeading) {
    // A heading without an anchor stays in the topic before it; the last topic ends at the body's
    // end, whatever its case; text before the first topic belongs to none.
    const std::string html = "<p>вступление</p>"
                             "<h1><a name=\"1\"></a>Один</h1><p>первый</p><h2>Подзаголовок</h2>"
                             "<h2><a name=\"2\"></a>Два</h2>"
                             "<h2><a name=\"3\"></a>Три</h2><p>третий</p></BODY></html>";
    const std::vector<std::string_view> bodies = rulesTopicBodies(html);
    ASSERT_EQ(bodies.size(), 3u);
    EXPECT_EQ(bodies[0], "<p>первый</p><h2>Подзаголовок</h2>");
    EXPECT_EQ(bodies[1], "");
    EXPECT_EQ(bodies[2], "<p>третий</p>");
    EXPECT_EQ(rulesTopicBodies("<h1><a name=\"7\"></a>Без конца</h1>текст"),
              (std::vector<std::string_view>{"текст"}));
    EXPECT_TRUE(rulesTopicBodies("<p>нет разделов</p>").empty());
}

TEST(RulesFile, AnchorsAndHeadingsAsTheyMayBeWritten) {
    // Blanks around the number and the '=', a closing tag with blanks, the anchor's other
    // attributes, a heading closed by another level first, a number too long for a context.
    const std::string html =
        "<h2 id=\"x\"><a class=\"t\" name = \" 7 \" title=\"a&lt;b\">Семь</a></h2 >"
        "<h1><a name=\"8\"></a>Восемь</h2> и дальше</h1>"
        "<h1><a name=\"1234567890\"></a>Длинный</h1>"
        "<h10><a name=\"9\"></a>Не заголовок</h10>"
        "<h4><a data-name=\"12\"></a>Дефис&nbsp;—&#32;не&#x20;буква</h4>";
    const std::vector<RulesTopic> topics = parseRulesTopics(html);
    ASSERT_EQ(topics.size(), 3u);
    EXPECT_EQ(topics[0].context, 7);
    EXPECT_EQ(topics[0].level, 2);
    EXPECT_EQ(topics[0].keywords, std::vector<std::string>{"a<b"});
    EXPECT_EQ(topics[1].context, 8);
    EXPECT_EQ(topics[1].title, "Восемь и дальше");
    EXPECT_EQ(topics[2].context, 12);
    EXPECT_EQ(topics[2].level, 4);
    EXPECT_EQ(topics[2].title, "Дефис — не буква");
}

TEST(RulesFile, PlainTextOfHtml) {
    EXPECT_EQ(htmlPlainText("  a<br>b <!-- c --> <i>d</i>e&amp;&#1046;&unknown; \n"),
              "a b de&Ж&unknown;");
    EXPECT_EQ(htmlPlainText("1 < 2 <p>3"), "1 < 2 3");
    EXPECT_EQ(htmlPlainText("\xC2\xA0x\xE2\x80\x83y\xE3\x80\x80"), "x y");
    // A '>' in a quoted value is part of it; a quote that does not start a value quotes nothing.
    EXPECT_EQ(htmlPlainText("<a title=\"a>b\">x</a>"), "x");
    EXPECT_EQ(htmlPlainText("<a title = 'a>b'>x</a>"), "x");
    EXPECT_EQ(htmlPlainText("<a b\"c>x\"</a>"), "x\"");
}

TEST(RulesFile, TheTitleIsTheDocumentsOwn) {
    EXPECT_EQ(rulesFileTitle("<html><head><TITLE>Король &amp; правила</title></head>"),
              "Король & правила");
    EXPECT_EQ(rulesFileTitle("<h1><a name=\"1\"></a>Без заголовка</h1>"), "");
    EXPECT_EQ(rulesFileTitle("<title>не закрыт"), "");
    // A title in a comment is none; a tag inside the title ends it; a later one replaces it.
    EXPECT_EQ(rulesFileTitle("<!-- <title>Старый</title> --><title>Новый</title>"), "Новый");
    EXPECT_EQ(rulesFileTitle("<title>Король <b>Велории</b></title>"), "Король");
    EXPECT_EQ(rulesFileTitle("<title>Первый</title><p>…</p><title>Второй</title>"), "Второй");
}

// The shipped rules, in each language: topic 1000 first, every context once, every topic with
// keywords, and every link of the file leads to one of its topics.
TEST(ShippedRules, LinkOnlyToTheirOwnTopics) {
    for (const auto& [html, title] : {std::pair{std::string_view(kShippedRules), "Правила игры"},
                                      {std::string_view(kShippedRulesEn), "Rules of the game"}}) {
        const std::vector<RulesTopic> topics = parseRulesTopics(html);
        ASSERT_GE(topics.size(), 10u);
        EXPECT_EQ(topics.front().context, 1000);
        EXPECT_EQ(topics.front().title, title);
        std::set<std::int32_t> contexts;
        for (const RulesTopic& topic : topics) {
            EXPECT_TRUE(contexts.insert(topic.context).second) << topic.context;
            EXPECT_FALSE(topic.keywords.empty()) << topic.context;
        }
        const std::vector<std::int32_t> targets = linkTargets(html);
        for (const std::int32_t target : targets) {
            EXPECT_TRUE(contexts.count(target)) << target;
        }
        EXPECT_EQ(targets.size(), topics.size() - 1);
        const std::vector<std::string_view> bodies = rulesTopicBodies(html);
        ASSERT_EQ(bodies.size(), topics.size());
        for (std::size_t i = 0; i < bodies.size(); ++i) {
            EXPECT_FALSE(htmlPlainText(bodies[i]).empty()) << topics[i].context;
        }
    }
    EXPECT_EQ(rulesFileTitle(kShippedRules), "Король Велории — правила игры");
}

TEST(ShippedRules, TheEnglishHaveTheRussianTopics) {
    const std::vector<RulesTopic> russian = parseRulesTopics(kShippedRules);
    const std::vector<RulesTopic> english = parseRulesTopics(kShippedRulesEn);
    ASSERT_EQ(english.size(), russian.size());
    for (std::size_t i = 0; i < russian.size(); ++i) {
        EXPECT_EQ(english[i].context, russian[i].context);
        EXPECT_EQ(english[i].level, russian[i].level);
    }
    EXPECT_TRUE(hasCyrillic(kShippedRules));
    EXPECT_FALSE(hasCyrillic(kShippedRulesEn));
}
