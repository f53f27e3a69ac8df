// Tests of the chronicle's records in a saved game: exact bytes, round trips and what damage is
// found where.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "formats/chronicle_file.h"
#include "formats/saved_game.h"
#include "formats/text_record.h"

namespace {

ChronicleEntry entry(double year) {
    ChronicleEntry e;
    e.year = year;
    e.workers = 45;
    e.soldiers = 20;
    e.total = 65;
    e.land = 80;
    e.grain = 20.4;
    e.money = 10000;
    e.gold = 12;
    e.oil = 7;
    e.mood = "Хорошее";
    e.rating = -2;
    e.events = "хороший урожай; родилось детей: 6";
    e.report =
        "Господин президент!\r\n" + std::string(89, '_') + "\r\nБыл собран хороший урожай\r\n";
    return e;
}

Chronicle chronicleOf(std::vector<ChronicleEntry> entries) {
    Chronicle chronicle;
    restoreChronicle(chronicle, std::move(entries));
    return chronicle;
}

} // namespace

TEST(ChronicleFile, ExactBytesAndRoundTrips) {
    ChronicleEntry small;
    small.year = 3;
    small.mood = "Плохое";
    small.events = "битва";
    small.report = "а\r\nб\r\n";
    EXPECT_EQ(
        writeChronicle(chronicleOf({small})),
        std::string("\"\xcb\xe5\xf2\xee\xef\xe8\xf1\xfc\",1,1\r\n"
                    "3,0,0,0,0,0,0,0,0,\"\xcf\xeb\xee\xf5\xee\xe5\",0,\"\xe1\xe8\xf2\xe2\xe0\","
                    "\"\xe0\r\n\xe1\r\n\"\r\n"));

    ChronicleEntry odd = entry(7);
    odd.money = 1.5e20;
    odd.grain = 123456789012345.0;
    odd.rating = -0.25;
    odd.report = "строка с 'апострофами'\r\n\r\nи пустой строкой\r\n";
    odd.events = "";
    const Chronicle chronicle = chronicleOf({entry(1), entry(2), odd, entry(7)});
    const ChronicleRead read = readChronicle(writeChronicle(chronicle));
    ASSERT_EQ(read.status, ChronicleRead::Status::Read);
    EXPECT_EQ(read.entries, chronicle.entries);

    // A double quote has no spelling in the format: it comes back as an apostrophe.
    odd.report = "\"Слава\"";
    const ChronicleRead quoted = readChronicle(writeChronicle(chronicleOf({odd})));
    ASSERT_EQ(quoted.status, ChronicleRead::Status::Read);
    EXPECT_EQ(quoted.entries[0].report, "'Слава'");

    EXPECT_EQ(readChronicle(writeChronicle(Chronicle{})).status, ChronicleRead::Status::Read);
}

TEST(ChronicleFile, FollowsTheGameRecordWhichStaysAsItWas) {
    KingdomState state;
    state.goldPrice = state.landPrice = state.grainPrice = state.oilPrice = 100;
    state.mercenaryPrice = 100;
    state.report = "Отчёт\r\nс переводом строки\r\n";
    const std::string game = writeSavedGame(state, HallOfFame{}, BarMaxima{});
    const Chronicle chronicle = chronicleOf({entry(1), entry(2)});
    const std::string file = game + writeChronicle(chronicle);

    EXPECT_TRUE(file.starts_with(game));
    const std::string_view after = bytesAfterGameRecord(file);
    EXPECT_EQ(after.size(), file.size() - game.size());
    EXPECT_EQ(readChronicle(after).entries, chronicle.entries);
    const SavedGameRecordRead loaded =
        readSavedGame(std::string_view(file).substr(0, file.size() - after.size()), state);
    ASSERT_TRUE(loaded.game);
    EXPECT_EQ(loaded.game->state, state);

    // Files from before the chronicle: nothing, or blank lines and an end-of-file mark.
    for (const std::string tail : {"", "\r\n\r\n", " \x1a"}) {
        EXPECT_EQ(readChronicle(bytesAfterGameRecord(game + tail)).status,
                  ChronicleRead::Status::Absent);
    }
    // A game record cut short has no chronicle to look for.
    EXPECT_TRUE(bytesAfterGameRecord(std::string_view(file).substr(0, game.size() - 3)).empty());
}

TEST(ChronicleFile, DamageIsReportedNeverFatal) {
    const std::string good = writeChronicle(chronicleOf({entry(1), entry(2), entry(3)}));
    // Cut anywhere: never a crash, never a chronicle that looks whole.
    for (std::size_t size = 1; size < good.size() - 2; ++size) {
        const ChronicleRead read = readChronicle(good.substr(0, size));
        EXPECT_EQ(read.status, ChronicleRead::Status::Damaged) << size;
        EXPECT_TRUE(read.entries.empty());
    }
}

// Each kind of damage names the record (0 the header) and the figures it needs.
TEST(ChronicleFile, DamageIsNamedWithItsRecordAndField) {
    using Kind = ChronicleProblem::Kind;
    const std::string good = writeChronicle(chronicleOf({entry(1), entry(2), entry(3)}));
    const auto problemOf = [](const std::string& bytes) {
        const ChronicleRead read = readChronicle(bytes);
        EXPECT_EQ(read.status, ChronicleRead::Status::Damaged);
        EXPECT_TRUE(read.entries.empty());
        return read.problem;
    };
    const auto problem = [](Kind kind, std::size_t record = 0, int field = 0) {
        ChronicleProblem p;
        p.kind = kind;
        p.record = record;
        p.field = field;
        return p;
    };
    const auto replaced = [&good](const std::string& what, const std::string& by) {
        std::string bytes = good;
        bytes.replace(bytes.find(what), what.size(), by);
        return bytes;
    };
    ChronicleProblem fewer = problem(Kind::TooFewRecords);
    fewer.read = 3;
    fewer.promised = 4;
    EXPECT_EQ(problemOf(replaced(",1,3\r\n", ",1,4\r\n")), fewer);
    EXPECT_EQ(problemOf(replaced(",1,3\r\n", ",1,2\r\n")), problem(Kind::TrailingData));
    EXPECT_EQ(problemOf(good + "мусор"), problem(Kind::TrailingData));
    EXPECT_EQ(problemOf("\x7f\x45\x4c\x46\x02\x01\x01"), problem(Kind::RecordCut));
    EXPECT_EQ(problemOf("\"Летопись\",1,-1\r\n"), problem(Kind::NotAChronicle));
    EXPECT_EQ(problemOf(replaced(",1,3", ",2,3")), problem(Kind::OtherVersion));
    EXPECT_EQ(problemOf(replaced(",1,3", ",1,2.5")), problem(Kind::BadCount));
    EXPECT_EQ(problemOf(replaced("\r\n2,45,", "\r\n2,много,")), problem(Kind::NotANumber, 2, 2));
    ChronicleProblem tooMany = problem(Kind::TooManyFields, 3);
    tooMany.fieldCount = 13;
    EXPECT_EQ(problemOf(replaced("\r\n3,45,20,65,80,20.4,10000,12,7,",
                                 "\r\n3,45,20,65,80,20.4,10000,12,7,8,")),
              tooMany);
    EXPECT_EQ(problemOf(replaced("\"" + encodeRecordText("Хорошее") + "\"", "5")),
              problem(Kind::NotAText, 1, 10));
    EXPECT_EQ(problemOf(replaced(",-2,", ",x,")), problem(Kind::NotANumber, 1, 11));
    EXPECT_EQ(problemOf(replaced("\"" + encodeRecordText("Хорошее") + "\",",
                                 "\"" + encodeRecordText("Хорошее") + "\"x,")),
              problem(Kind::NoCommaAfterText, 1));
    EXPECT_EQ(problemOf(replaced("\"\xcb\xe5\xf2\xee\xef\xe8\xf1\xfc\",1,3\r\n",
                                 "\"\xcb\xe5\xf2\xee\xef\xe8\xf1\xfc\",1,3,4\r\n")),
              [&] {
                  ChronicleProblem header = problem(Kind::TooManyFields);
                  header.fieldCount = 3;
                  return header;
              }());
}

TEST(ChronicleFile, SizeStaysBounded) {
    // The longest chronicle the game keeps, with reports at their bound, is far below 1 MB.
    ChronicleEntry big = entry(1);
    for (std::size_t i = 0; i < kChronicleReportLimit / 2; ++i) {
        big.report += "ы"; // two bytes in UTF-8, one in the file
    }
    big.events = std::string(400, 'e');
    const Chronicle full = chronicleOf(std::vector<ChronicleEntry>(kChronicleLimit, big));
    const std::string bytes = writeChronicle(full);
    EXPECT_LT(bytes.size(), kMaxRecordFileSize / 2);

    // With a budget only the latest entries that fit are written, and they read back.
    Chronicle numbered;
    for (int year = 1; year <= 10; ++year) {
        numbered.entries.push_back(entry(year));
    }
    const std::size_t one = writeChronicle(chronicleOf({entry(1)})).size();
    const ChronicleRead read = readChronicle(writeChronicle(numbered, one * 3));
    ASSERT_EQ(read.entries.size(), 3u);
    EXPECT_EQ(read.entries.front().year, 8);
    EXPECT_TRUE(writeChronicle(numbered, 5).empty());
}
