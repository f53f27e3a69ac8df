// The chronicle's events: every phrase written and read back, texts it does not know, whole reigns.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "sim/chronicle.h"
#include "support/chronicle_reign.h"

namespace {

constexpr int kEventKinds = int(ChronicleEventKind::OverthrownByRating) + 1;

bool hasFigure(ChronicleEventKind kind) {
    return kind == ChronicleEventKind::Births || kind == ChronicleEventKind::Deaths ||
           kind == ChronicleEventKind::ArmyJoined || kind == ChronicleEventKind::ArmyDeserted ||
           kind == ChronicleEventKind::WarAnnounced || kind == ChronicleEventKind::ReignComplete;
}

ChronicleEvent battle(BattleOutcome outcome, double king, double enemy,
                      std::array<double, 7> amounts = {}) {
    return {ChronicleEventKind::Battle, 0, BattleReport{king, enemy, outcome, amounts}};
}

std::optional<ChronicleEvent> readOne(const std::string& phrase) {
    const auto phrases = readChronicleEvents(phrase);
    EXPECT_EQ(phrases.size(), 1u) << phrase;
    return phrases.front().event;
}

} // namespace

TEST(ChronicleEvents, EveryKindReadsBackWithItsFigures) {
    for (int k = 0; k < kEventKinds; ++k) {
        const auto kind = ChronicleEventKind(k);
        if (kind == ChronicleEventKind::Battle) {
            continue;
        }
        for (const double figure : hasFigure(kind) ? std::vector<double>{0, 7, -3, 0.5, 1e20, 1e-9}
                                                   : std::vector<double>{0}) {
            const ChronicleEvent event{kind, figure, {}};
            const std::string text = chronicleEventText(event);
            EXPECT_EQ(readOne(text), event) << text;
        }
    }
    EXPECT_EQ(chronicleEventText({ChronicleEventKind::Births, 1e20, {}}), "родилось детей: 1e+20");
    EXPECT_EQ(chronicleEventText({ChronicleEventKind::ReignComplete, -2.5, {}}),
              "конец правления, рейтинг -2.5");
}

TEST(ChronicleEvents, BattlesReadBackWithWhatChangedHands) {
    const ChronicleEvent battles[] = {
        battle(BattleOutcome::Victory, 90, 50, {5, 500, 291, 5, 20, 59, 5000}),
        battle(BattleOutcome::Victory, 1e20, 0.5, {0, 0, 0, 0, 0, 0, -1}),
        battle(BattleOutcome::Victory, 3, 2),
        battle(BattleOutcome::Defeat, 0, 1, {7, 0, 0, 0, 0, 117, 0}),
        battle(BattleOutcome::Defeat, -4, 3),
        battle(BattleOutcome::Draw, 45, 45),
    };
    for (const ChronicleEvent& event : battles) {
        const std::string text = chronicleEventText(event);
        EXPECT_EQ(readOne(text), event) << text;
    }
    EXPECT_EQ(chronicleEventText(battles[1]),
              "битва, 1e+20 против 0.5: победа, захвачено деньги -1");
    EXPECT_EQ(chronicleEventText(battles[4]), "битва, -4 против 3: поражение, потеряно ничего");
}

TEST(ChronicleEvents, PhrasesTheChronicleDoesNotWriteStandAsTheyAre) {
    for (const std::string& text : {
             std::string(),
             std::string("народ голодал!"),
             std::string("Народ голодал"),
             std::string("родилось детей:  7"), // number text, not plain number text
             std::string("родилось детей: "),
             std::string("битва, 5 против 3: победа, захвачено золото 0"),
             std::string("битва, 5 против 3: победа, захвачено земля 1, золото 2"),
             std::string("битва, 5 против 3: победа, захвачено золото 1, золото 2"),
             std::string("битва, 5 против 3: победа, захвачено "),
             std::string("битва, 5 против 3: победа, захвачено ничего, золото 1"),
             std::string("битва, 5 против 3: ничья, обе армии погибли, золото 1"),
         }) {
        EXPECT_FALSE(readOne(text).has_value()) << text;
    }
    // Phrases are cut at "; " and join back byte for byte, known or not.
    const std::string events = "хороший урожай; ; что-то своё;; родилось детей: 4; ";
    const auto phrases = readChronicleEvents(events);
    ASSERT_EQ(phrases.size(), 5u);
    EXPECT_EQ(phrases[0].event, (ChronicleEvent{ChronicleEventKind::GoodHarvest, 0, {}}));
    EXPECT_EQ(phrases[2].text, "что-то своё;");
    EXPECT_EQ(phrases[3].event, (ChronicleEvent{ChronicleEventKind::Births, 4, {}}));
    std::string again(phrases[0].text);
    for (std::size_t i = 1; i < phrases.size(); ++i) {
        again.append("; ").append(phrases[i].text);
    }
    EXPECT_EQ(again, events);
}

// Every text a reign leaves in the chronicle is one the tables read back: the windows can show
// each in the player's language.
TEST(ChronicleEvents, WholeReignsReadBackLineByLine) {
    std::set<ReportLineKind> lines;
    std::set<ChronicleEventKind> events;
    std::set<std::string> moods;
    Chronicle chronicle;
    for (std::uint64_t seed : {125871u, 1u, 2u, 3u, 4u, 5u}) {
        playChronicledReign(chronicle, seed);
        for (const ChronicleEntry& entry : chronicle.entries) {
            const auto parts = readReport(entry.report);
            ASSERT_EQ(parts.back().text, "");
            for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
                ASSERT_TRUE(parts[i].line.has_value()) << parts[i].text;
                EXPECT_EQ(reportLineText(*parts[i].line), parts[i].text);
                lines.insert(parts[i].line->kind);
            }
            for (const ChroniclePhrase& phrase : readChronicleEvents(entry.events)) {
                ASSERT_TRUE(phrase.event.has_value()) << phrase.text;
                EXPECT_EQ(chronicleEventText(*phrase.event), phrase.text);
                events.insert(phrase.event->kind);
            }
            ASSERT_TRUE(moodLevelOfWord(entry.mood).has_value()) << entry.mood;
            moods.insert(entry.mood);
        }
    }
    EXPECT_GE(lines.size(), 18u);
    EXPECT_TRUE(lines.contains(ReportLineKind::WarAnnounced));
    EXPECT_TRUE(events.contains(ChronicleEventKind::Battle));
    EXPECT_TRUE(events.contains(ChronicleEventKind::ReignComplete));
    EXPECT_TRUE(events.contains(ChronicleEventKind::OverthrownByDiscontent) ||
                events.contains(ChronicleEventKind::OverthrownByRating));
    EXPECT_GE(moods.size(), 3u);
}
