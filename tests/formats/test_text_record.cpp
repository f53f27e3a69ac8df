// Tests of the text-record convention: field syntax, number reading and the code page.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "formats/text_record.h"

namespace {

RecordField plain(const char* text) {
    return {std::string(text), false};
}

RecordField quoted(const char* text) {
    return {std::string(text), true};
}

} // namespace

TEST(TextRecordWriter, SpellsEveryKindOfField) {
    TextRecordWriter writer;
    writer.addText("Иван");
    writer.addFlag(-1);
    writer.addFlag(0);
    writer.addFlag(5);
    writer.addInteger(-32768);
    writer.addReal(10000);
    writer.addReal(-2);
    writer.addReal(20.4);
    writer.addReal(1e20);
    writer.addReal(-0.0);
    writer.addText("");
    EXPECT_EQ(writer.fieldCount(), 11);
    EXPECT_FALSE(writer.hasNonFinite());
    EXPECT_EQ(writer.record(),
              std::string("\"\xC8\xE2\xE0\xED\",#TRUE#,#FALSE#,5,-32768,10000,-2,20.4,"
                          "1e+20,0,\"\"\r\n"));
}

TEST(RecordText, DoubleQuoteBecomesApostrophe) {
    EXPECT_EQ(encodeRecordText("Иван \"Грозный\""),
              "\xC8\xE2\xE0\xED '\xC3\xF0\xEE\xE7\xED\xFB\xE9'");
}

TEST(RecordText, CharactersTheCodePageLacksBecomeQuestionMarks) {
    // An emoji outside the basic plane is one character, so one '?'.
    EXPECT_EQ(encodeRecordText("Ян 😀 王 ½"), "\xDF\xED ? ? ?");
    EXPECT_EQ(encodeRecordText("€ № Ё ё «»"), "\x88 \xB9 \xA8 \xB8 \xAB\xBB");
}

TEST(RecordText, EveryByteDecodesAndEncodesBack) {
    // Also the one byte Windows-1251 leaves undefined (0x98): a file never loses a byte it had.
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '"') {
            all += char(byte);
        }
    }
    EXPECT_EQ(encodeRecordText(decodeRecordText(all)), all);
    EXPECT_EQ(decodeRecordText("\xC0\xE1\xE2\xE3\xE4\xE5\xB8"), "Абвгдеё");
}

TEST(RecordText, WhatIsNotUtf8BecomesOneQuestionMarkForEachByte) {
    // A stray continuation byte, a lead byte without its continuation, an overlong form, a
    // surrogate, a code beyond U+10FFFF, a sequence cut short at the end.
    EXPECT_EQ(encodeRecordText("a\x80"
                               "b"),
              "a?b");
    EXPECT_EQ(encodeRecordText("\xD0x"), "?x");
    EXPECT_EQ(encodeRecordText("\xC0\xAF"), "??");
    EXPECT_EQ(encodeRecordText("\xED\xA0\x80"), "???");
    EXPECT_EQ(encodeRecordText("\xF4\x90\x80\x80"), "????");
    EXPECT_EQ(encodeRecordText("\xD0\xAF\xE2\x82"), "\xDF??");
    // A byte-order mark is no character at the start, and one the code page lacks elsewhere.
    EXPECT_EQ(encodeRecordText("\xEF\xBB\xBF\xD0\xAF"), "\xDF");
    EXPECT_EQ(encodeRecordText("\xD0\xAF\xEF\xBB\xBF"), "\xDF?");
    EXPECT_EQ(encodeRecordText(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(ParseRecord, SplitsQuotedAndPlainFields) {
    const ParsedRecord record = parseRecord("\"a, b\r\nc\",  12 ,#TRUE#, \"\",x y\r\n", 5);
    ASSERT_EQ(record.problem, RecordProblem::None);
    ASSERT_EQ(record.fields.size(), 5u);
    EXPECT_EQ(record.fields[0].bytes, std::string("a, b\r\nc"));
    EXPECT_TRUE(record.fields[0].quoted);
    EXPECT_EQ(record.fields[1].bytes, std::string("12 "));
    EXPECT_FALSE(record.fields[1].quoted);
    EXPECT_EQ(record.fields[2].bytes, std::string("#TRUE#"));
    EXPECT_EQ(record.fields[3].bytes, "");
    EXPECT_TRUE(record.fields[3].quoted);
    EXPECT_EQ(record.fields[4].bytes, std::string("x y"));
}

TEST(ParseRecord, LineEndsSeparateFieldsAndEndTheRecord) {
    // Files that went through an editor may have lone LF or CR; both end a field like CR LF.
    for (const char* text : {"1,2\r\n", "1,2\n", "1,2\r", "1\n2\r\n", "1\r\n2\r\n\r\n  \n"}) {
        const ParsedRecord record = parseRecord(text, 2);
        EXPECT_EQ(record.problem, RecordProblem::None) << text;
        ASSERT_EQ(record.fields.size(), 2u) << text;
        EXPECT_EQ(record.fields[1].bytes, std::string("2")) << text;
    }
    // An empty field between a comma and the line end is still a field.
    const ParsedRecord empty = parseRecord("1,\r\n", 2);
    EXPECT_EQ(empty.problem, RecordProblem::None);
    EXPECT_EQ(empty.fields[1].bytes, "");
}

TEST(ParseRecord, NamesWhatIsWrong) {
    struct Case {
        const char* text;
        RecordProblem problem;
        int field;
        std::size_t read;
    };
    const Case cases[] = {
        {"", RecordProblem::MissingFields, 1, 0},
        {"1,", RecordProblem::MissingFields, 2, 1},
        {"1,  ", RecordProblem::MissingFields, 2, 1},
        {"1,\"abc", RecordProblem::UnclosedText, 2, 1},
        {"1,\"abc\"x,3\r\n", RecordProblem::JunkAfterText, 2, 1},
        {"1,2,3", RecordProblem::MissingRecordEnd, 3, 3},
        {"1,2,\"3\"", RecordProblem::MissingRecordEnd, 3, 3},
        {"1,2,3,\r\n", RecordProblem::TrailingData, 4, 3},
        {"1,2,3\r\n4", RecordProblem::TrailingData, 4, 3},
    };
    for (const Case& c : cases) {
        const ParsedRecord record = parseRecord(c.text, 3);
        EXPECT_EQ(record.problem, c.problem) << c.text;
        EXPECT_EQ(record.problemField, c.field) << c.text;
        EXPECT_EQ(record.fields.size(), c.read) << c.text;
    }
}

TEST(ParseRecord, BlanksAroundAQuotedTextAreAllowed) {
    const ParsedRecord record = parseRecord("  \"a\"  ,\"b\" \r\n", 2);
    ASSERT_EQ(record.problem, RecordProblem::None);
    EXPECT_EQ(record.fields[0].bytes, std::string("a"));
    EXPECT_EQ(record.fields[1].bytes, std::string("b"));
}

TEST(ReadReal, ReadsEveryFormTheWriterProducesAndCommonOthers) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"10000", 10000}, {"-2", -2},
        {"20.4", 20.4},   {"1e+20", 1e20},
        {"1e-05", 1e-5},  {"1E3", 1000},
        {"+5", 5},        {".5", 0.5},
        {"5.", 5},        {"  7 ", 7},
        {"#TRUE#", -1},   {"#FALSE#", 0},
        {"-0", 0},        {"0.333333333333333", 0.333333333333333},
    };
    for (const Case& c : cases) {
        const RealField field = readReal(plain(c.text));
        EXPECT_EQ(field.status, FieldStatus::Ok) << c.text;
        EXPECT_EQ(field.value, c.value) << c.text;
    }
}

TEST(ReadReal, WhatIsNotANumberReadsAsZero) {
    for (const char* text : {"", "abc", "12abc", "1,5", "0x10", "+-5", "-", "1 2", "#true#"}) {
        const RealField field = readReal(plain(text));
        EXPECT_EQ(field.status, FieldStatus::Ok) << text;
        EXPECT_EQ(field.value, 0) << text;
    }
    // A quoted number is still a number; a quoted keyword is just a text.
    EXPECT_EQ(readReal(quoted("42")).value, 42);
    EXPECT_EQ(readReal(quoted("#TRUE#")).value, 0);
}

TEST(ReadReal, RefusesValuesBeyondADouble) {
    for (const char* text : {"inf", "-Inf", "NaN", "infinity", "1e999", "-1e999"}) {
        EXPECT_EQ(readReal(plain(text)).status, FieldStatus::NotFinite) << text;
    }
}

TEST(ReadReal, NumbersTooCloseToZeroReadAsZero) {
    for (const char* text : {"1e-400", "-1e-999", "123456789e-340", "1e-99999999999999"}) {
        EXPECT_EQ(readReal(plain(text)).status, FieldStatus::Ok) << text;
        EXPECT_EQ(readReal(plain(text)).value, 0) << text;
    }
    EXPECT_EQ(readReal(plain("1000e306")).status, FieldStatus::NotFinite);
}

TEST(ReadSmall, RoundsHalvesToEvenAndRefusesWhatSixteenBitsCannotHold) {
    struct Case {
        const char* text;
        std::int16_t value;
    };
    const Case cases[] = {{"2.5", 2},         {"3.5", 4},           {"-2.5", -2},
                          {"2.4999", 2},      {"32767", 32767},     {"32767.4", 32767},
                          {"-32768", -32768}, {"-32768.5", -32768}, {"#TRUE#", -1},
                          {"yes", 0}};
    for (const Case& c : cases) {
        const SmallField field = readSmall(plain(c.text));
        EXPECT_EQ(field.status, FieldStatus::Ok) << c.text;
        EXPECT_EQ(field.value, c.value) << c.text;
    }
    for (const char* text : {"32768", "32767.5", "-32769", "-32768.6", "1e10"}) {
        EXPECT_EQ(readSmall(plain(text)).status, FieldStatus::OutOfRange) << text;
    }
    EXPECT_EQ(readSmall(plain("nan")).status, FieldStatus::NotFinite);
}
