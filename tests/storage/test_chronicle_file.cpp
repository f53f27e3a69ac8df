// Tests of the player's words for a chronicle that cannot be read, from real damaged bytes.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "formats/chronicle_file.h"
#include "formats/text_record.h"
#include "storage/problem_text.h"
#include "storage_test_support.h"

namespace {

ChronicleEntry entry(double year) {
    ChronicleEntry e;
    e.year = year;
    e.workers = 45;
    e.soldiers = 20;
    e.total = 65;
    e.grain = 20.4;
    e.mood = "Хорошее";
    e.rating = -2;
    e.report = "Господин президент!\r\n";
    return e;
}

std::string replaced(std::string bytes, const std::string& what, const std::string& by) {
    bytes.replace(bytes.find(what), what.size(), by);
    return bytes;
}

QString reasonOf(const std::string& bytes) {
    const ChronicleRead read = readChronicle(bytes);
    EXPECT_EQ(read.status, ChronicleRead::Status::Damaged);
    return chronicleProblemText(read.problem);
}

} // namespace

TEST(ChronicleWords, EachDamageIsSaidInTheGamesWords) {
    Chronicle chronicle;
    restoreChronicle(chronicle, {entry(1), entry(2), entry(3)});
    const std::string good = writeChronicle(chronicle);
    const std::string mood = "\"" + encodeRecordText("Хорошее") + "\"";
    const std::string header = "\"" + encodeRecordText("Летопись") + "\",1,3";
    struct Case {
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {replaced(good, ",1,3\r\n", ",1,4\r\n"), "она обрывается: прочитано 3 записей из 4"},
        {replaced(good, ",1,3\r\n", ",1,2\r\n"), "после последней записи есть лишние данные"},
        {"\x7f\x45\x4c\x46\x02\x01\x01", "заголовок: запись обрывается"},
        {replaced(good, header, header + ",4"), "заголовок: в записи больше 3 полей"},
        {"\"Летопись\",1,-1\r\n", "после записи игры идёт что-то другое"},
        {replaced(good, ",1,3", ",2,3"), "она записана другой версией игры"},
        {replaced(good, ",1,3", ",1,2.5"), "в заголовке неверное число записей"},
        {replaced(good, "\r\n2,45,", "\r\n2,много,"), "запись 2: поле 2 — не число"},
        {replaced(good, ",-2,", ",x,"), "запись 1: поле 11 — не число"},
        {replaced(good, "\r\n3,45,20,65,0,20.4,0,0,0,", "\r\n3,45,20,65,0,20.4,0,0,0,8,"),
         "запись 3: в записи больше 13 полей"},
        {replaced(good, mood, "5"), "запись 1: поле 10 — не текст"},
        {replaced(good, mood, mood + "x"), "запись 1: после текста нет запятой"},
        {good.substr(0, good.size() - 5), "запись 3: запись обрывается"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(reasonOf(c.bytes), QString::fromUtf8(c.reason)) << c.reason;
    }
}

TEST(ChronicleWords, TheMessageCarriesTheReason) {
    EXPECT_EQ(chronicleDamagedMessage(readChronicle("\"Летопись\",1,-1\r\n").problem),
              QStringLiteral("Игра загружена, но летопись правления прочитать не удалось (после "
                             "записи игры идёт что-то другое). Летопись начнётся заново с "
                             "загруженного года."));
}
