// The files' code page, written in standard C++, against Qt's converters: the same bytes for
// every character and for every sequence of bytes that is not UTF-8.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include "formats/text_record.h"

namespace {

std::string hex(const std::string& bytes) {
    std::string out;
    const char* digits = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += digits[byte >> 4];
        out += digits[byte & 15];
        out += ' ';
    }
    return out;
}

// What the game wrote before the code page was its own: the text as Qt reads UTF-8, each UTF-16
// unit through the table (a pair of surrogates as one '?'), a double quote as an apostrophe.
std::string throughQt(const std::string& utf8) {
    // The table, turned round: our decoding of each byte (checked against Qt's converter above).
    static const std::map<char16_t, char> bytes = [] {
        std::map<char16_t, char> table;
        for (int byte = 0; byte < 256; ++byte) {
            const QString text =
                QString::fromStdString(decodeRecordText(std::string(1, char(byte))));
            table[text.at(0).unicode()] = char(byte);
        }
        return table;
    }();
    const QString text = QString::fromStdString(utf8);
    std::string out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        }
        const auto found = bytes.find(unit.unicode());
        out += unit == QLatin1Char('"') ? '\'' : found == bytes.end() ? '?' : found->second;
    }
    return out;
}

} // namespace

// The code page is our own table; the system's converter (ICU behind Qt), where there is one,
// must agree with it on every byte and every character of the basic plane.
TEST(CodePage, AgreesWithTheSystemConverter) {
    QStringDecoder decoder("windows-1251");
    QStringEncoder probe("windows-1251");
    if (!decoder.isValid() || !probe.isValid()) {
        GTEST_SKIP() << "this Qt has no Windows-1251 converter to compare with";
    }
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray one(1, char(byte));
        EXPECT_EQ(decodeRecordText(std::string(1, char(byte))),
                  QString(decoder.decode(one)).toStdString())
            << byte;
    }
    for (char32_t code = 1; code < 0x10000; ++code) {
        // The quote has its own rule; a byte-order mark alone is no text at all in UTF-8.
        if (code == '"' || code == 0xFEFF || (code >= 0xD800 && code < 0xE000)) {
            continue;
        }
        const QString text{QChar(char16_t(code))};
        QStringEncoder encoder("windows-1251");
        const QByteArray expected = encoder.encode(text);
        const std::string actual = encodeRecordText(text.toStdString());
        if (encoder.hasError() || expected.size() != 1) {
            EXPECT_EQ(actual, "?") << int(code);
        } else {
            EXPECT_EQ(actual, expected.toStdString()) << int(code);
        }
    }
}

// Text that is not UTF-8 (a name typed on a terminal in another code page) is written as Qt's
// reading of it was: every short sequence of bytes, and long random ones.
TEST(CodePage, BytesThatAreNotUtf8AreWrittenAsQtReadThem) {
    std::string text;
    for (int a = 0x80; a < 0x100; ++a) {
        for (int b = 0; b < 0x100; b += (b < 0x70 ? 0x10 : 1)) {
            for (int c : {0x00, 0x41, 0x80, 0x9F, 0xA0, 0xBF, 0xC0, 0xFF}) {
                text = {char(a), char(b), char(c)};
                ASSERT_EQ(encodeRecordText(text), throughQt(text)) << hex(text);
            }
        }
    }
    std::mt19937 engine(1251);
    std::uniform_int_distribution<int> byte(0, 255);
    const int interesting[] = {0x22, 0x41, 0x80, 0x8F, 0x90, 0xA0, 0xBF, 0xC2, 0xD0,
                               0xE0, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xBB, 0x9F, 0xB8};
    for (int round = 0; round < 20000; ++round) {
        text.clear();
        for (int i = 0; i < 12; ++i) {
            text += char(round % 2 == 0 ? byte(engine) : interesting[byte(engine) % 18]);
        }
        ASSERT_EQ(encodeRecordText(text), throughQt(text)) << hex(text);
    }
    // A byte-order mark: no character at the start, a character the code page lacks elsewhere.
    for (const std::string& marked :
         {std::string("\xEF\xBB\xBF\xD0\xAF"), std::string("\xD0\xAF\xEF\xBB\xBF"),
          std::string("\xEF\xBB\xBF\xEF\xBB\xBF")}) {
        EXPECT_EQ(encodeRecordText(marked), throughQt(marked));
    }
}
