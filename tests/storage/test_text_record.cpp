// Tests of the text-record convention: field syntax, number reading and the code page.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include <QStringDecoder>
#include <QStringEncoder>

#include "storage/text_record.h"

namespace {

RecordField plain(const char* text) {
    return {QByteArray(text), false};
}

RecordField quoted(const char* text) {
    return {QByteArray(text), true};
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
              QByteArray("\"\xC8\xE2\xE0\xED\",#TRUE#,#FALSE#,5,-32768,10000,-2,20.4,"
                         "1e+20,0,\"\"\r\n"));
}

TEST(RecordText, DoubleQuoteBecomesApostrophe) {
    EXPECT_EQ(encodeRecordText("Иван \"Грозный\""),
              QByteArray("\xC8\xE2\xE0\xED '\xC3\xF0\xEE\xE7\xED\xFB\xE9'"));
}

TEST(RecordText, CharactersTheCodePageLacksBecomeQuestionMarks) {
    // An emoji is two UTF-16 units but one character, so one '?'.
    EXPECT_EQ(encodeRecordText("Ян 😀 王 ½"), QByteArray("\xDF\xED ? ? ?"));
    EXPECT_EQ(encodeRecordText("€ № Ё ё «»"), QByteArray("\x88 \xB9 \xA8 \xB8 \xAB\xBB"));
}

TEST(RecordText, EveryByteDecodesAndEncodesBack) {
    // Also the one byte Windows-1251 leaves undefined (0x98): a file never loses a byte it had.
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '"') {
            all += char(byte);
        }
    }
    EXPECT_EQ(encodeRecordText(decodeRecordText(all)), all);
    EXPECT_EQ(decodeRecordText("\xC0\xE1\xE2\xE3\xE4\xE5\xB8"), "Абвгдеё");
}

// The code page is our own table; the system's converter (ICU behind Qt), where there is one,
// must agree with it on every byte and every character of the basic plane.
TEST(RecordText, AgreesWithTheSystemConverter) {
    QStringDecoder decoder("windows-1251");
    QStringEncoder probe("windows-1251");
    if (!decoder.isValid() || !probe.isValid()) {
        GTEST_SKIP() << "this Qt has no Windows-1251 converter to compare with";
    }
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray one(1, char(byte));
        EXPECT_EQ(decodeRecordText(one), QString(decoder.decode(one)).toStdString()) << byte;
    }
    for (char32_t code = 1; code < 0x10000; ++code) {
        // The quote has its own rule; a byte-order mark alone is no text at all in UTF-8.
        if (code == '"' || code == 0xFEFF || (code >= 0xD800 && code < 0xE000)) {
            continue;
        }
        const QString text{QChar(char16_t(code))};
        QStringEncoder encoder("windows-1251");
        const QByteArray expected = encoder.encode(text);
        const QByteArray actual = encodeRecordText(text.toStdString());
        if (encoder.hasError() || expected.size() != 1) {
            EXPECT_EQ(actual, QByteArray("?")) << int(code);
        } else {
            EXPECT_EQ(actual, expected) << int(code);
        }
    }
}

TEST(ParseRecord, SplitsQuotedAndPlainFields) {
    const ParsedRecord record = parseRecord("\"a, b\r\nc\",  12 ,#TRUE#, \"\",x y\r\n", 5);
    ASSERT_EQ(record.problem, RecordProblem::None);
    ASSERT_EQ(record.fields.size(), 5u);
    EXPECT_EQ(record.fields[0].bytes, QByteArray("a, b\r\nc"));
    EXPECT_TRUE(record.fields[0].quoted);
    EXPECT_EQ(record.fields[1].bytes, QByteArray("12 "));
    EXPECT_FALSE(record.fields[1].quoted);
    EXPECT_EQ(record.fields[2].bytes, QByteArray("#TRUE#"));
    EXPECT_EQ(record.fields[3].bytes, QByteArray());
    EXPECT_TRUE(record.fields[3].quoted);
    EXPECT_EQ(record.fields[4].bytes, QByteArray("x y"));
}

TEST(ParseRecord, LineEndsSeparateFieldsAndEndTheRecord) {
    // Files that went through an editor may have lone LF or CR; both end a field like CR LF.
    for (const char* text : {"1,2\r\n", "1,2\n", "1,2\r", "1\n2\r\n", "1\r\n2\r\n\r\n  \n"}) {
        const ParsedRecord record = parseRecord(text, 2);
        EXPECT_EQ(record.problem, RecordProblem::None) << text;
        ASSERT_EQ(record.fields.size(), 2u) << text;
        EXPECT_EQ(record.fields[1].bytes, QByteArray("2")) << text;
    }
    // An empty field between a comma and the line end is still a field.
    const ParsedRecord empty = parseRecord("1,\r\n", 2);
    EXPECT_EQ(empty.problem, RecordProblem::None);
    EXPECT_EQ(empty.fields[1].bytes, QByteArray());
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
    EXPECT_EQ(record.fields[0].bytes, QByteArray("a"));
    EXPECT_EQ(record.fields[1].bytes, QByteArray("b"));
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
