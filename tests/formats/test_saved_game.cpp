// Tests of the saved-game file's bytes: exact bytes, round trips, locales, what the reader
// refuses and why, the whole file with its chronicle.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "formats/saved_game.h"
#include "formats/text_record.h"
#include "saved_game_samples.h"

namespace {

using Kind = SavedGameProblem::Kind;

SavedGameProblem problemOf(const std::string& bytes) {
    const SavedGameRecordRead result = readSavedGame(bytes, currentGame());
    EXPECT_FALSE(result.game);
    return result.problem.value_or(SavedGameProblem{});
}

SavedGameProblem fieldProblem(Kind kind, int field, std::string content, bool cut = false) {
    SavedGameProblem problem;
    problem.kind = kind;
    problem.field = field;
    problem.content = std::move(content);
    problem.contentCut = cut;
    return problem;
}

ChronicleEntry entry(double year) {
    ChronicleEntry e;
    e.year = year;
    e.workers = 45;
    e.mood = "Хорошее";
    e.events = "хороший урожай";
    e.report = "Господин президент!\r\n";
    return e;
}

} // namespace

TEST(SavedGameFormat, WritesAKnownStateByteForByte) {
    EXPECT_EQ(writeSavedGame(knownState(), knownHall(), kKnownBars), knownBytes());
}

TEST(SavedGameFormat, ReadsTheKnownFile) {
    const SavedGameRecordRead result = readSavedGame(knownBytes(), currentGame());
    ASSERT_TRUE(result.game);
    EXPECT_FALSE(result.problem);
    EXPECT_EQ(result.game->state, expectedAfterLoad(knownState(), kKnownBars, 17));
    EXPECT_EQ(result.game->hall, knownHall());
}

TEST(SavedGameFormat, RoundTripGivesEveryFieldBack) {
    const KingdomState saved = busyState();
    const SavedGameRecordRead result =
        readSavedGame(writeSavedGame(saved, busyHall(), kBusyBars), currentGame());
    ASSERT_TRUE(result.game);
    EXPECT_EQ(result.game->state, expectedAfterLoad(saved, kBusyBars, 17));
    EXPECT_EQ(result.game->hall, busyHall());
}

TEST(SavedGameFormat, RealsBeyondFifteenDigitsComeBackToFifteen) {
    KingdomState saved = knownState();
    saved.money = 1.0 / 3.0;
    saved.grain = 0.1 + 0.2;
    const SavedGameRecordRead result = readSavedGame(writeSavedGame(saved, {}, {}), {});
    ASSERT_TRUE(result.game);
    EXPECT_NEAR(result.game->state.money, 1.0 / 3.0, 1e-15);
    EXPECT_EQ(result.game->state.grain, 0.3);
}

TEST(SavedGameFormat, ReadsTheSameUnderADecimalCommaLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "ru_RU.UTF-8") == nullptr) {
        GTEST_SKIP() << "the ru_RU.UTF-8 locale is not installed (tools/install-deps makes it)";
    }
#ifdef __EMSCRIPTEN__
    // The browser's C library takes any locale's name but writes '.' in all of them.
    std::setlocale(LC_ALL, previous.c_str());
    GTEST_SKIP() << "no locale of the browser build has a decimal comma";
#endif
    ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));
    const std::string written = writeSavedGame(busyState(), busyHall(), kBusyBars);
    const std::string known = writeSavedGame(knownState(), knownHall(), kKnownBars);
    const SavedGameRecordRead knownRead = readSavedGame(knownBytes(), currentGame());
    const SavedGameRecordRead busy = readSavedGame(written, currentGame());
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_EQ(known, knownBytes());
    ASSERT_TRUE(knownRead.game);
    EXPECT_EQ(knownRead.game->state, expectedAfterLoad(knownState(), kKnownBars, 17));
    EXPECT_EQ(written, writeSavedGame(busyState(), busyHall(), kBusyBars));
    ASSERT_TRUE(busy.game);
    EXPECT_EQ(busy.game->state, expectedAfterLoad(busyState(), kBusyBars, 17));
}

TEST(SavedGameTexts, DoubleQuotesInNamesKeepTheFileReadable) {
    KingdomState saved = knownState();
    saved.kingName = "Иван \"Грозный\"";
    saved.report = "\"";
    HallOfFame hall;
    hall.bestNames[3] = "\"\"";
    const SavedGameRecordRead result = readSavedGame(writeSavedGame(saved, hall, kKnownBars), {});
    ASSERT_TRUE(result.game);
    EXPECT_EQ(result.game->state.kingName, "Иван 'Грозный'");
    EXPECT_EQ(result.game->state.report, "'");
    EXPECT_EQ(result.game->hall.bestNames[3], "''");
    EXPECT_EQ(result.game->state.rating, -2);
}

TEST(SavedGameTexts, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    KingdomState saved = knownState();
    saved.kingName = "Король 👑 王";
    const SavedGameRecordRead result = readSavedGame(writeSavedGame(saved, {}, kKnownBars), {});
    ASSERT_TRUE(result.game);
    EXPECT_EQ(result.game->state.kingName, "Король ? ?");
    EXPECT_EQ(result.game->state.oilMax, 18);
}

TEST(SavedGameFields, WhatIsNotANumberReadsAsZero) {
    struct Case {
        int field;
        const char* text;
    };
    // workers, a flag, the countdown, a bar, a hall score, the last field
    for (const Case c : {Case{5, "много"}, Case{19, "\"да\""}, Case{28, ""}, Case{34, "x"},
                         Case{54, "сто"}, Case{73, "  "}}) {
        const SavedGameRecordRead result = readSavedGame(withField(c.field, c.text), {});
        ASSERT_TRUE(result.game) << c.field;
        const KingdomState& s = result.game->state;
        const double values[] = {s.workers,
                                 double(s.fedFlag),
                                 double(s.warCountdown),
                                 s.sliderMax1,
                                 result.game->hall.bestScores[0],
                                 s.oilMax};
        int zeros = 0;
        for (double v : values) {
            zeros += v == 0 ? 1 : 0;
        }
        EXPECT_EQ(zeros, 1) << "field " << c.field;
    }
}

TEST(SavedGameFields, FlagsAndCountsTakeNumbersAndKeywords) {
    SavedGameRecordRead result = readSavedGame(withField(20, "5"), {});
    ASSERT_TRUE(result.game);
    EXPECT_EQ(result.game->state.landFlag, 5);
    result = readSavedGame(withField(28, "#TRUE#"), {});
    ASSERT_TRUE(result.game);
    EXPECT_EQ(result.game->state.warCountdown, -1);
    result = readSavedGame(withField(28, "2.5"), {});
    ASSERT_TRUE(result.game);
    EXPECT_EQ(result.game->state.warCountdown, 2);
    result = readSavedGame(withField(14, "#TRUE#"), {});
    ASSERT_TRUE(result.game);
    EXPECT_EQ(result.game->state.money, -1);
    // A bar keeps what the file says; the window rounds it when it gives it back to the bar.
    result = readSavedGame(withField(42, "17.5"), {});
    ASSERT_TRUE(result.game);
    EXPECT_EQ(result.game->state.sliderMax9, 17.5);
}

// Each kind of bad field names the field and carries what the file holds there.
TEST(SavedGameProblems, EachBadFieldIsNamedWithItsContent) {
    struct Case {
        int field;
        const char* text;
        Kind kind;
    };
    const Case cases[] = {
        {28, "32768", Kind::OutOfSmallRange},  {34, "40000", Kind::OutOfSmallRange},
        {42, "-32769", Kind::OutOfSmallRange}, {19, "1e6", Kind::OutOfSmallRange},
        {14, "inf", Kind::NotFinite},          {64, "NaN", Kind::NotFinite},
        {67, "1e999", Kind::NotFinite},        {55, "-Inf", Kind::NotFinite},
        {1, "0", Kind::PriceNotPositive},      {7, "abc", Kind::PriceNotPositive},
        {3, "-30", Kind::PriceNotPositive},    {1, "4.9e-324", Kind::PriceTooSmall},
        {65, "-2e150", Kind::NumberTooLarge},  {2, "1e151", Kind::NumberTooLarge},
    };
    for (const Case& c : cases) {
        std::string content = c.text;
        if (content.front() == '"') {
            content = content.substr(1, content.size() - 2);
        }
        EXPECT_EQ(problemOf(withField(c.field, c.text)), fieldProblem(c.kind, c.field, content))
            << c.field << " " << c.text;
    }
    // The content is the text the field holds, without its quotes and decoded.
    EXPECT_EQ(problemOf(withField(7, "\"\xA8\xE6\"")),
              fieldProblem(Kind::PriceNotPositive, 7, "Ёж"));
    // Only the start of a long field is carried, in characters of the file.
    EXPECT_EQ(problemOf(withField(14, std::string(5000, '9'))),
              fieldProblem(Kind::NotFinite, 14, std::string(24, '9'), true));
    EXPECT_EQ(problemOf(withField(1, "\"" + std::string(24, '\xE6') + "\"")),
              fieldProblem(Kind::PriceNotPositive, 1, "жжжжжжжжжжжжжжжжжжжжжжжж", false));
    EXPECT_EQ(problemOf(withField(1, "\"" + std::string(25, '\xE6') + "\"")),
              fieldProblem(Kind::PriceNotPositive, 1, "жжжжжжжжжжжжжжжжжжжжжжжж", true));
}

TEST(SavedGameProblems, FieldsKnowTheirNamesAndTheTablesPlaces) {
    EXPECT_EQ(savedGameFieldKind(43), SavedGameFieldKind::Game);
    EXPECT_EQ(savedGameFieldKind(44), SavedGameFieldKind::BestName);
    EXPECT_EQ(savedGameFieldPlace(44), 1);
    EXPECT_EQ(savedGameFieldKind(53), SavedGameFieldKind::BestName);
    EXPECT_EQ(savedGameFieldPlace(53), 10);
    EXPECT_EQ(savedGameFieldKind(54), SavedGameFieldKind::BestScore);
    EXPECT_EQ(savedGameFieldPlace(55), 2);
    EXPECT_EQ(savedGameFieldKind(64), SavedGameFieldKind::Game);
    EXPECT_EQ(savedGameFieldPlace(64), 0);
    EXPECT_EQ(savedGameFieldKind(0), SavedGameFieldKind::Game);
    EXPECT_EQ(savedGameFieldKind(74), SavedGameFieldKind::Game);
    // Their names for the player, the places of the table sharing theirs.
    EXPECT_EQ(savedGameFieldName(1).source, "цена золота");
    EXPECT_EQ(savedGameFieldName(43).source, "имя короля");
    EXPECT_EQ(savedGameFieldName(44).source, "имя в таблице лучших");
    EXPECT_EQ(savedGameFieldName(63).source, "счёт в таблице лучших");
    EXPECT_EQ(savedGameFieldName(64).source, "очки короля");
    EXPECT_EQ(savedGameFieldName(73).source, "покупка нефти до");
    EXPECT_TRUE(savedGameFieldName(0).source.empty());
    EXPECT_TRUE(savedGameFieldName(74).source.empty());
}

TEST(SavedGameProblems, EachMalformedRecordIsNamed) {
    const std::string known = knownBytes();
    SavedGameProblem problem;
    problem.kind = Kind::Empty;
    EXPECT_EQ(problemOf(""), problem);
    EXPECT_EQ(problemOf(" \r\n\t\v\f\r\n"), problem);
    problem.kind = Kind::TooLarge;
    EXPECT_EQ(problemOf(std::string(kMaxRecordFileSize + 1, ' ')), problem);
    problem.kind = Kind::TooFewFields;
    problem.fieldsRead = 9;
    EXPECT_EQ(problemOf(known.substr(0, 29)), problem);
    problem = {};
    problem.kind = Kind::UnclosedText;
    problem.field = 32;
    EXPECT_EQ(problemOf(known.substr(0, known.find('\xCC'))), problem);
    problem.kind = Kind::NoCommaAfterText;
    problem.field = 43;
    EXPECT_EQ(problemOf(withField(43, "\"Олег\"Х")), problem);
    problem = {};
    problem.kind = Kind::LastFieldUnfinished;
    EXPECT_EQ(problemOf(known.substr(0, known.size() - 2)), problem);
}

TEST(SavedGameRecord, EveryPrefixFailsCleanlyOrLoadsCompletely) {
    const std::string whole = writeSavedGame(busyState(), busyHall(), kBusyBars);
    const KingdomState expected = expectedAfterLoad(busyState(), kBusyBars, 17);
    int loaded = 0;
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        const SavedGameRecordRead result = readSavedGame(whole.substr(0, length), currentGame());
        EXPECT_NE(result.game.has_value(), result.problem.has_value()) << "prefix " << length;
        if (result.game) {
            ++loaded;
            EXPECT_EQ(result.game->state, expected) << "prefix " << length;
        }
    }
    // The whole record, and the record short of its final LF.
    EXPECT_EQ(loaded, 2);
}

TEST(SavedGameRecord, WhatFollowsTheRecordIsLeftUnread) {
    const std::string known = knownBytes();
    const KingdomState expected = expectedAfterLoad(knownState(), kKnownBars, 17);
    struct Case {
        std::string bytes;
        std::size_t end;
    };
    const Case cases[] = {
        {known + "1,2,3\r\n", known.size()},
        {known + "\x1A", known.size()},
        {known.substr(0, known.size() - 2) + ",junk", known.size() - 1},
    };
    for (const Case& c : cases) {
        const SavedGameRecordRead result = readSavedGame(c.bytes, currentGame());
        ASSERT_TRUE(result.game);
        EXPECT_EQ(result.game->state, expected);
        EXPECT_EQ(result.recordEnd, c.end);
    }
}

TEST(SavedGameFields, TheLimitsLoadAndSoDoesUnderflow) {
    // The limits load; so do huge values the game only carries, and underflow is 0.
    for (const auto& [field, text] : {std::pair{7, "1"},
                                      {14, "1e150"},
                                      {12, "1.7976931348623157e308"},
                                      {54, "-1e300"},
                                      {5, "1e-400"}}) {
        EXPECT_TRUE(readSavedGame(withField(field, text), {}).game) << field;
    }
}

TEST(SavedGameRecord, ToleratesBlankLinesAfterTheRecordAndLoneLineFeeds) {
    EXPECT_TRUE(readSavedGame(knownBytes() + "\r\n  \r\n", {}).game);
    std::string bytes;
    for (char c : knownBytes()) {
        if (c != '\r') {
            bytes += c;
        }
    }
    const SavedGameRecordRead result = readSavedGame(bytes, {});
    ASSERT_TRUE(result.game);
    EXPECT_EQ(result.game->state.report, "Год 12\nМир.\n");
}

TEST(SavedGameRecord, SurvivesBinaryGarbage) {
    std::mt19937 engine(20261208);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 2000);
    const KingdomState current = currentGame();
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        const int size = length(engine);
        for (int i = 0; i < size; ++i) {
            bytes += char(byte(engine));
        }
        const SavedGameRecordRead result = readSavedGame(bytes, current);
        EXPECT_NE(result.game.has_value(), result.problem.has_value());
    }
    // Garbage spliced into a good file, in every field.
    const std::string known = knownBytes();
    for (std::size_t at = 0; at < known.size(); at += 7) {
        std::string bytes = known;
        bytes.insert(at, std::string("\"\0\xFF,\r", 5));
        const SavedGameRecordRead result = readSavedGame(bytes, current);
        EXPECT_NE(result.game.has_value(), result.problem.has_value());
    }
}

TEST(SavedGameFile, TheRecordThenTheChronicle) {
    Chronicle chronicle;
    restoreChronicle(chronicle, {entry(1), entry(2)});
    const SavedGameFileWrite file =
        writeSavedGameFile(knownState(), knownHall(), kKnownBars, chronicle);
    ASSERT_FALSE(file.problem);
    EXPECT_EQ(file.bytes, knownBytes() + writeChronicle(chronicle));

    const SavedGameFileRead read = readSavedGameFile(file.bytes, currentGame());
    ASSERT_TRUE(read.game);
    EXPECT_FALSE(read.problem);
    EXPECT_EQ(read.game->state, expectedAfterLoad(knownState(), kKnownBars, 17));
    EXPECT_EQ(read.game->hall, knownHall());
    EXPECT_EQ(read.chronicle.status, ChronicleRead::Status::Read);
    EXPECT_EQ(read.chronicle.entries, chronicle.entries);

    // A file from before the chronicle: the game alone.
    const SavedGameFileRead old = readSavedGameFile(knownBytes(), currentGame());
    ASSERT_TRUE(old.game);
    EXPECT_EQ(old.chronicle.status, ChronicleRead::Status::Absent);
}

TEST(SavedGameFile, ADamagedChronicleStillLoadsTheGame) {
    const SavedGameFileRead read =
        readSavedGameFile(knownBytes() + "\"junk\",1,0\r\n", currentGame());
    ASSERT_TRUE(read.game);
    EXPECT_FALSE(read.problem);
    EXPECT_EQ(read.game->state, expectedAfterLoad(knownState(), kKnownBars, 17));
    EXPECT_EQ(read.chronicle.status, ChronicleRead::Status::Damaged);
    EXPECT_EQ(read.chronicle.problem.kind, ChronicleProblem::Kind::NotAChronicle);

    // A game that cannot be read gives nothing, its chronicle included.
    const SavedGameFileRead broken =
        readSavedGameFile(withField(28, "99999") + writeChronicle(Chronicle{}), currentGame());
    EXPECT_FALSE(broken.game);
    EXPECT_EQ(broken.problem, fieldProblem(Kind::OutOfSmallRange, 28, "99999"));
    EXPECT_EQ(broken.chronicle.status, ChronicleRead::Status::Absent);
}

TEST(SavedGameFile, RefusesToWriteWhatCouldNotBeLoaded) {
    const auto problemWriting = [](const KingdomState& state, const HallOfFame& hall) {
        const SavedGameFileWrite file = writeSavedGameFile(state, hall, kKnownBars, {});
        EXPECT_TRUE(file.bytes.empty());
        return file.problem.value_or(SavedGameProblem{});
    };
    SavedGameProblem problem;
    problem.kind = Kind::ValueNotANumber;
    KingdomState broken = knownState();
    broken.money = std::numeric_limits<double>::infinity();
    EXPECT_EQ(problemWriting(broken, {}), problem);
    HallOfFame brokenHall;
    brokenHall.bestScores[9] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(problemWriting(knownState(), brokenHall), problem);

    problem.kind = Kind::GameTooLarge;
    KingdomState huge = knownState();
    huge.report = std::string(2 * 1024 * 1024, 'a');
    EXPECT_EQ(problemWriting(huge, {}), problem);

    // A value the reader refuses is named as the reader names it, found while saving.
    KingdomState rich = knownState();
    rich.money = 1e300;
    SavedGameProblem tooLarge = fieldProblem(Kind::NumberTooLarge, 14, "1e+300");
    tooLarge.saving = true;
    EXPECT_EQ(problemWriting(rich, {}), tooLarge);

    // The largest real where the game only carries it is written so that it reads back.
    KingdomState spare = knownState();
    spare.spareValue6 = std::numeric_limits<double>::max();
    const SavedGameFileWrite file = writeSavedGameFile(spare, {}, kKnownBars, {});
    ASSERT_FALSE(file.problem);
    EXPECT_EQ(readSavedGameFile(file.bytes, {}).game->state.spareValue6, spare.spareValue6);
}

TEST(SavedGameFile, TheChronicleKeepsToTheRoomTheGameLeaves) {
    KingdomState state = knownState();
    state.report.clear();
    Chronicle chronicle;
    restoreChronicle(chronicle, {entry(1), entry(2), entry(3)});
    const std::size_t header = writeChronicle(Chronicle{}).size();
    const std::size_t oneEntry = (writeChronicle(chronicle).size() - header) / 3;
    const std::size_t record = writeSavedGame(state, knownHall(), kKnownBars).size();
    // A report that leaves room for the header and two entries: the latest two are written.
    state.report.assign(kMaxRecordFileSize - record - header - 2 * oneEntry, 'a');
    const SavedGameFileWrite file = writeSavedGameFile(state, knownHall(), kKnownBars, chronicle);
    ASSERT_FALSE(file.problem);
    EXPECT_EQ(file.bytes.size(), kMaxRecordFileSize);
    const SavedGameFileRead read = readSavedGameFile(file.bytes, {});
    ASSERT_TRUE(read.game);
    ASSERT_EQ(read.chronicle.entries.size(), 2u);
    EXPECT_EQ(read.chronicle.entries.front().year, 2);

    // One byte more of report and the first of them goes too; a game alone past the limit is
    // refused.
    state.report += 'a';
    EXPECT_EQ(
        readSavedGameFile(writeSavedGameFile(state, knownHall(), kKnownBars, chronicle).bytes, {})
            .chronicle.entries.size(),
        1u);
    state.report.assign(kMaxRecordFileSize, 'a');
    EXPECT_EQ(writeSavedGameFile(state, knownHall(), kKnownBars, chronicle).problem->kind,
              Kind::GameTooLarge);
}
