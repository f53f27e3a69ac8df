// Tests of the hall-of-fame file's bytes: the record of twenty fields, what the reader takes and
// refuses, and the table that ships with the game.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

#include "formats/saved_game.h"
#include "formats/scores.h"
#include "formats/text_record.h"
#include "saved_game_samples.h"
#include "shipped_scores.h"

namespace {

std::string replaced(std::string bytes, const std::string& what, const std::string& by) {
    bytes.replace(bytes.find(what), what.size(), by);
    return bytes;
}

} // namespace

TEST(ScoresFormat, WritesTheRecordOfTwentyFields) {
    EXPECT_EQ(writeScores(tenKings()), kTenKingsFile);
    const std::optional<HallOfFame> read = readScores(kTenKingsFile);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, tenKings());
}

TEST(ScoresFormat, FractionalScoresKeepTheirPoint) {
    HallOfFame hall = tenKings();
    hall.bestScores[4] = 57.5;
    const std::string bytes = writeScores(hall);
    EXPECT_NE(bytes.find(",70,57.5,50,"), std::string::npos);
    EXPECT_EQ(readScores(bytes), hall);
}

TEST(ScoresFormat, ScoreThatIsNotANumberReadsAsZero) {
    const std::optional<HallOfFame> read = readScores(replaced(kTenKingsFile, ",90,", ",много,"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->bestScores[1], 0);
    EXPECT_EQ(read->bestScores[2], 80);
}

TEST(ScoresFormat, MalformedFilesGiveNothing) {
    const std::string good(kTenKingsFile);
    for (const std::string& bytes :
         {std::string(), std::string("\r\n"), good.substr(0, good.size() - 4), good.substr(0, 5),
          std::string("\0\xFF\"\x01", 4), std::string(2 * 1024 * 1024, ',')}) {
        EXPECT_EQ(readScores(bytes), std::nullopt) << bytes.substr(0, 40);
    }
}

TEST(ScoresFormat, ReadsTheTwentyFieldsAndNothingAfter) {
    const std::string good(kTenKingsFile);
    const std::string cut = good.substr(0, good.size() - 2);
    for (const std::string& bytes :
         {cut, good + "\"extra\"\r\n", cut + ",5,6", cut + "\r\n\x1A", cut + "\n\n\"Иван\""}) {
        EXPECT_EQ(readScores(bytes), tenKings()) << bytes.substr(bytes.size() - 12);
    }
}

TEST(ScoresFormat, ScoresBeyondARealStayOnTopAndWriteBackExactly) {
    const double largest = std::numeric_limits<double>::max();
    std::string bytes = replaced(kTenKingsFile, "100,90,", "1e999,inf,");
    bytes = replaced(bytes, ",10\r\n", ",-1e-400\r\n");
    const std::optional<HallOfFame> read = readScores(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->bestScores[0], largest);
    EXPECT_EQ(read->bestScores[1], largest);
    EXPECT_EQ(read->bestScores[9], 0);
    const std::string written = writeScores(*read);
    EXPECT_NE(written.find(",1.7976931348623157e+308,1.7976931348623157e+308,80,"),
              std::string::npos);
    EXPECT_EQ(readScores(written), read);
}

TEST(ScoresFormat, NamesAreKeptToTheirLimitSoTheTableStaysSmall) {
    HallOfFame hall = tenKings();
    hall.bestNames.fill(std::string(600000, 'n'));
    const std::string bytes = writeScores(hall);
    EXPECT_LT(bytes.size(), 3000u);
    EXPECT_EQ(readScores(bytes)->bestNames[0], std::string(kMaxKingNameLength, 'n'));
    const std::string crafted =
        replaced(kTenKingsFile, "\xD6\xE0\xF0\xFC 0", std::string(5000, 'x'));
    EXPECT_EQ(readScores(crafted)->bestNames[0], std::string(kMaxKingNameLength, 'x'));
}

TEST(ScoresFormat, DoubleQuotesAndForeignCharactersKeepTheFileReadable) {
    HallOfFame hall = tenKings();
    hall.bestNames[0] = "\"Мудрый\"";
    hall.bestNames[1] = "王 Иван";
    hall.bestNames[2] = "a,b";
    const std::optional<HallOfFame> read = readScores(writeScores(hall));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->bestNames[0], "'Мудрый'");
    EXPECT_EQ(read->bestNames[1], "? Иван");
    EXPECT_EQ(read->bestNames[2], "a,b");
    EXPECT_EQ(read->bestScores, hall.bestScores);
}

TEST(ShippedScores, HoldsTenShortNamesInFallingOrder) {
    const std::string bytes(kShippedScores, sizeof kShippedScores - 1);
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1);
    const std::optional<HallOfFame> hall = readScores(bytes);
    ASSERT_TRUE(hall);
    for (std::size_t i = 0; i < 10; ++i) {
        // Twelve characters at most: Cyrillic letters are two bytes in UTF-8.
        const std::string& name = hall->bestNames[i];
        EXPECT_FALSE(name.empty());
        EXPECT_LE(encodeRecordText(name).size(), 12u) << name;
        // Windows-1251 Cyrillic, not UTF-8 read as single bytes: a capital А to Я first.
        const auto first = static_cast<unsigned char>(encodeRecordText(name).front());
        EXPECT_GE(first, 0xC0) << name;
        EXPECT_LE(first, 0xDF) << name;
        EXPECT_EQ(hall->bestScores[i], 100 - double(i) * 10);
    }
    EXPECT_EQ(writeScores(*hall), bytes);
}

// What the reader refuses is named with its field and figures; the writer refuses a score that
// is not a number and names its place.
TEST(ScoresFormat, ProblemsNameTheirFieldAndFigures) {
    using Kind = ScoresProblem::Kind;
    const auto problemOf = [](const std::string& bytes) {
        const ScoresRead read = readScoresFile(bytes);
        EXPECT_FALSE(read.hall);
        return read.problem.value_or(ScoresProblem{});
    };
    const auto problem = [](Kind kind, int field = 0, std::size_t read = 0) {
        ScoresProblem p;
        p.kind = kind;
        p.field = field;
        p.fieldsRead = read;
        return p;
    };
    const std::string good(kTenKingsFile);
    EXPECT_EQ(problemOf(std::string(kMaxRecordFileSize + 1, ' ')), problem(Kind::TooLarge));
    EXPECT_EQ(problemOf(""), problem(Kind::Empty, 1));
    EXPECT_EQ(problemOf("  "), problem(Kind::Empty, 1));
    EXPECT_EQ(problemOf("\r\n  "), problem(Kind::TooFewFields, 2, 1));
    EXPECT_EQ(problemOf(good.substr(0, good.find(",90,") + 1)),
              problem(Kind::TooFewFields, 12, 11));
    EXPECT_EQ(problemOf(good.substr(0, 5)), problem(Kind::UnclosedText, 1));
    EXPECT_EQ(problemOf(replaced(good, "1\",", "1\"x,")), problem(Kind::NoCommaAfterText, 2, 1));

    HallOfFame hall = tenKings();
    hall.bestScores[6] = std::numeric_limits<double>::infinity();
    const ScoresWrite write = writeScoresFile(hall);
    EXPECT_TRUE(write.bytes.empty());
    ScoresProblem notANumber = problem(Kind::ScoreNotANumber);
    notANumber.place = 7;
    EXPECT_EQ(write.problem, notANumber);
    EXPECT_EQ(writeScoresFile(tenKings()).bytes, good);
}
