// Tests of the saved-game file: its exact bytes, round trips, locales and every way to fail.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include "storage/saved_game.h"
#include "storage/text_record.h"
#include "storage_test_support.h"

namespace {

// A game in year 12 with a war announced, written out by hand below.
KingdomState knownState() {
    KingdomState s;
    s.goldPrice = 1050;
    s.landPrice = 99;
    s.grainPrice = 30;
    s.oilPrice = 555;
    s.workers = 45;
    s.soldiers = 20;
    s.mercenaryPrice = 100;
    s.spareValue5 = -7.25;
    s.spareValue6 = 1e20;
    s.money = 10000;
    s.moodLevel = 2;
    s.spareValue1 = 2;
    s.fedFlag = kYes;
    s.landFlag = kNo;
    s.sownFlag = kYes;
    s.discontentYears = 1;
    s.harvestSownFlag = kYes;
    s.year = 12;
    s.lastPeaceYear = 6;
    s.enemyArmy = 37;
    s.warCountdown = 2;
    s.population = 65;
    s.grainNeeded = 130;
    s.report = "Год 12\r\nМир.\r\n";
    s.harvestRoll = 7.5;
    s.kingName = "Олег";
    s.rating = -2;
    s.gold = 12;
    s.land = 80;
    s.grain = 20.4;
    s.oil = 7;
    s.mercenariesAffordable = 100;
    s.goldMax = 9;
    s.landMax = 101;
    s.grainMax = 333;
    s.oilMax = 18;
    return s;
}

HallOfFame knownHall() {
    HallOfFame hall;
    hall.bestNames[0] = "Ёж";
    hall.bestScores[0] = 100;
    return hall;
}

constexpr BarMaxima kKnownBars{10, 20, 30, 40, 100, 9, 101, 333, 18};

const char kKnownFile[] =
    "1050,99,30,555,45,20,100,0,0,-7.25,1e+20,0,0,10000,0,0,2,2,#TRUE#,#FALSE#,#TRUE#,1,#TRUE#,"
    "0,12,6,37,2,0,65,130,\"\xC3\xEE\xE4 12\r\n\xCC\xE8\xF0.\r\n\",7.5,"
    "10,20,30,40,100,9,101,333,18,"
    "\"\xCE\xEB\xE5\xE3\","
    "\"\xA8\xE6\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
    "100,0,0,0,0,0,0,0,0,0,"
    "-2,12,80,20.4,7,100,9,101,333,18\r\n";

// Every field different, with fractions, negatives and texts that test the syntax.
KingdomState busyState() {
    KingdomState s;
    double next = 1;
    for (double* field : {&s.workers,
                          &s.soldiers,
                          &s.population,
                          &s.grainNeeded,
                          &s.year,
                          &s.rating,
                          &s.moodLevel,
                          &s.discontentYears,
                          &s.harvestRoll,
                          &s.armyGrowthLevel,
                          &s.spareValue1,
                          &s.spareValue2,
                          &s.spareValue3,
                          &s.spareValue4,
                          &s.spareValue5,
                          &s.spareValue6,
                          &s.spareValue7,
                          &s.spareValue8,
                          &s.spareValue9,
                          &s.money,
                          &s.gold,
                          &s.land,
                          &s.grain,
                          &s.oil,
                          &s.goldPrice,
                          &s.landPrice,
                          &s.grainPrice,
                          &s.oilPrice,
                          &s.goldMax,
                          &s.landMax,
                          &s.grainMax,
                          &s.oilMax,
                          &s.tradeSum,
                          &s.mercenaryPrice,
                          &s.mercenariesAffordable,
                          &s.lastPeaceYear,
                          &s.enemyArmy}) {
        *field = next * 1.25;
        next += 1;
    }
    s.grain = 20.4;
    s.money = 123456789.012345; // 15 significant digits
    s.rating = -57.5;
    s.spareValue3 = -1e-7;
    s.spareValue4 = 9.87654321098765e+250;
    s.spareValue7 = -0.0001;
    s.fedFlag = kYes;
    s.landFlag = kNo;
    s.sownFlag = kNo;
    s.harvestSownFlag = kYes;
    s.warCountdown = -5;
    s.report = "Год 3\r\n  Урожай: 20.4, отлично!\r\n\r\n";
    s.kingName = "  Святослав, сын Игоря ";
    return s;
}

HallOfFame busyHall() {
    HallOfFame hall;
    for (std::size_t i = 0; i < 10; ++i) {
        hall.bestNames[i] = "Король №" + std::to_string(i + 1);
        hall.bestScores[i] = 100.5 - double(i) * 10;
    }
    hall.bestNames[9] = "";
    return hall;
}

constexpr BarMaxima kBusyBars{0, 1, 32767, -32768, 5, 6, 7, 8, -1};

// The state as it must come back: the bars land in sliderMax, typedAmount stays the current one.
KingdomState expectedAfterLoad(KingdomState saved, const BarMaxima& bars, double typedAmount) {
    saved.sliderMax1 = bars[0];
    saved.sliderMax2 = bars[1];
    saved.sliderMax3 = bars[2];
    saved.sliderMax4 = bars[3];
    saved.sliderMax5 = bars[4];
    saved.sliderMax6 = bars[5];
    saved.sliderMax7 = bars[6];
    saved.sliderMax8 = bars[7];
    saved.sliderMax9 = bars[8];
    saved.typedAmount = typedAmount;
    return saved;
}

QByteArray knownBytes() {
    return QByteArray(kKnownFile, sizeof kKnownFile - 1);
}

// The known file with one field (1-based) replaced by other bytes.
QByteArray withField(int number, const QByteArray& replacement) {
    QByteArray bytes = knownBytes();
    int field = 1;
    qsizetype start = 0;
    bool inText = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '"') {
            inText = !inText;
        } else if (!inText && (c == ',' || c == '\r')) {
            if (field == number) {
                bytes.replace(start, i - start, replacement);
                return bytes;
            }
            ++field;
            start = i + 1;
        }
    }
    ADD_FAILURE() << "no field " << number;
    return bytes;
}

KingdomState currentGame() {
    KingdomState s;
    s.kingName = "Текущий";
    s.typedAmount = 17;
    s.sliderMax1 = 555;
    return s;
}

} // namespace

TEST(SavedGameFormat, WritesAKnownStateByteForByte) {
    EXPECT_EQ(writeSavedGame(knownState(), knownHall(), kKnownBars), knownBytes());
}

TEST(SavedGameFormat, ReadsTheKnownFile) {
    const LoadResult result = readSavedGame(knownBytes(), currentGame());
    ASSERT_TRUE(result.game) << result.error.toStdString();
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_EQ(result.game->state, expectedAfterLoad(knownState(), kKnownBars, 17));
    EXPECT_EQ(result.game->hall, knownHall());
}

TEST(SavedGameFormat, RoundTripGivesEveryFieldBack) {
    const KingdomState saved = busyState();
    const LoadResult result =
        readSavedGame(writeSavedGame(saved, busyHall(), kBusyBars), currentGame());
    ASSERT_TRUE(result.game) << result.error.toStdString();
    EXPECT_EQ(result.game->state, expectedAfterLoad(saved, kBusyBars, 17));
    EXPECT_EQ(result.game->hall, busyHall());
}

TEST(SavedGameFormat, RealsBeyondFifteenDigitsComeBackToFifteen) {
    KingdomState saved = knownState();
    saved.money = 1.0 / 3.0;
    saved.grain = 0.1 + 0.2;
    const LoadResult result = readSavedGame(writeSavedGame(saved, {}, {}), {});
    ASSERT_TRUE(result.game);
    EXPECT_NEAR(result.game->state.money, 1.0 / 3.0, 1e-15);
    EXPECT_EQ(result.game->state.grain, 0.3);
}

TEST(SavedGameFormat, ReadsTheSameUnderADecimalCommaLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "ru_RU.UTF-8") == nullptr) {
        GTEST_SKIP() << "the ru_RU.UTF-8 locale is not installed (tools/install-deps makes it)";
    }
    const QLocale previousQt;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));

    const QByteArray written = writeSavedGame(busyState(), busyHall(), kBusyBars);
    const LoadResult known = readSavedGame(knownBytes(), currentGame());
    const LoadResult busy = readSavedGame(written, currentGame());

    QLocale::setDefault(previousQt);
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_EQ(writeSavedGame(knownState(), knownHall(), kKnownBars), knownBytes());
    ASSERT_TRUE(known.game);
    EXPECT_EQ(known.game->state, expectedAfterLoad(knownState(), kKnownBars, 17));
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
    const LoadResult result = readSavedGame(writeSavedGame(saved, hall, kKnownBars), {});
    ASSERT_TRUE(result.game) << result.error.toStdString();
    EXPECT_EQ(result.game->state.kingName, "Иван 'Грозный'");
    EXPECT_EQ(result.game->state.report, "'");
    EXPECT_EQ(result.game->hall.bestNames[3], "''");
    EXPECT_EQ(result.game->state.rating, -2);
}

TEST(SavedGameTexts, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    KingdomState saved = knownState();
    saved.kingName = "Король 👑 王";
    const LoadResult result = readSavedGame(writeSavedGame(saved, {}, kKnownBars), {});
    ASSERT_TRUE(result.game) << result.error.toStdString();
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
        const LoadResult result = readSavedGame(withField(c.field, c.text), {});
        ASSERT_TRUE(result.game) << c.field << ": " << result.error.toStdString();
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
    LoadResult result = readSavedGame(withField(20, "5"), {});
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

TEST(SavedGameFields, RefusesNumbersTheGameCannotHold) {
    struct Case {
        int field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {28, "32768",
         "Файл повреждён: поле 28 (годы до битвы) — число «32768» выходит за пределы от -32768 до "
         "32767."},
        {34, "40000",
         "Файл повреждён: поле 34 (продажа золота) — число «40000» выходит за пределы от -32768 "
         "до 32767."},
        {42, "-32769",
         "Файл повреждён: поле 42 (покупка нефти) — число «-32769» выходит за пределы от -32768 "
         "до 32767."},
        {19, "1e6",
         "Файл повреждён: поле 19 (народ накормлен) — число «1e6» выходит за пределы от -32768 до "
         "32767."},
        {14, "inf", "Файл повреждён: поле 14 (казна) — недопустимое число «inf»."},
        {64, "NaN", "Файл повреждён: поле 64 (очки короля) — недопустимое число «NaN»."},
        {67, "1e999", "Файл повреждён: поле 67 (зерно) — недопустимое число «1e999»."},
        {55, "-Inf",
         "Файл повреждён: поле 55 (счёт в таблице лучших, место 2) — недопустимое число «-Inf»."},
        {1, "0", "Файл повреждён: поле 1 (цена золота) — цена «0», а она должна быть больше нуля."},
        {7, "abc",
         "Файл повреждён: поле 7 (цена наёмника) — цена «abc», а она должна быть больше нуля."},
        {3, "-30",
         "Файл повреждён: поле 3 (цена зерна) — цена «-30», а она должна быть больше нуля."},
    };
    for (const Case& c : cases) {
        const LoadResult result = readSavedGame(withField(c.field, c.text), currentGame());
        EXPECT_FALSE(result.game) << c.field;
        EXPECT_EQ(result.error, QString::fromUtf8(c.message));
    }
}

TEST(SavedGameFields, ShowsOnlyTheStartOfALongBadField) {
    const LoadResult result = readSavedGame(withField(14, QByteArray(5000, '9')), {});
    ASSERT_FALSE(result.game);
    EXPECT_EQ(result.error, QStringLiteral("Файл повреждён: поле 14 (казна) — недопустимое число "
                                           "«999999999999999999999999…»."));
}

TEST(SavedGameRecord, EveryPrefixFailsCleanlyOrLoadsCompletely) {
    const QByteArray whole = writeSavedGame(busyState(), busyHall(), kBusyBars);
    const KingdomState expected = expectedAfterLoad(busyState(), kBusyBars, 17);
    int loaded = 0;
    for (qsizetype length = 0; length <= whole.size(); ++length) {
        const LoadResult result = readSavedGame(whole.left(length), currentGame());
        if (result.game) {
            ++loaded;
            EXPECT_EQ(result.game->state, expected) << "prefix " << length;
            EXPECT_TRUE(result.error.isEmpty());
        } else {
            EXPECT_FALSE(result.error.isEmpty()) << "prefix " << length;
        }
    }
    // The whole record, and the record short of its final LF.
    EXPECT_EQ(loaded, 2);
}

TEST(SavedGameRecord, ExplainsEachMalformedRecord) {
    struct Case {
        QByteArray bytes;
        const char* message;
    };
    const QByteArray known = knownBytes();
    const Case cases[] = {
        {QByteArray(), "Файл пуст."},
        {QByteArray(" \r\n\r\n"), "Файл пуст."},
        {known.left(29), "Файл обрывается: в нём только 9 из 73 полей сохранённой игры."},
        {known.left(known.indexOf("\xCC")),
         "Файл обрывается: поле 32 (отчёт) — текст без закрывающей кавычки."},
        {known.left(known.size() - 2), "Файл обрывается: последнее поле не закончено."},
        {withField(43, "\"Олег\"Х"),
         "Файл повреждён: поле 43 (имя короля) — после закрывающей кавычки нет запятой."},
    };
    for (const Case& c : cases) {
        const LoadResult result = readSavedGame(c.bytes, currentGame());
        EXPECT_FALSE(result.game);
        EXPECT_EQ(result.error, QString::fromUtf8(c.message));
    }
}

TEST(SavedGameRecord, WhatFollowsTheRecordIsLeftUnread) {
    const QByteArray known = knownBytes();
    const KingdomState expected = expectedAfterLoad(knownState(), kKnownBars, 17);
    struct Case {
        QByteArray bytes;
        qsizetype end;
    };
    const Case cases[] = {
        {known + "1,2,3\r\n", known.size()},
        {known + "\x1A", known.size()},
        {known.left(known.size() - 2) + ",junk", known.size() - 1},
    };
    for (const Case& c : cases) {
        const LoadResult result = readSavedGame(c.bytes, currentGame());
        ASSERT_TRUE(result.game) << result.error.toStdString();
        EXPECT_EQ(result.game->state, expected);
        EXPECT_EQ(result.recordEnd, c.end);
    }
}

TEST(SavedGameFields, RefusesValuesTheGameCannotComputeWith) {
    const QString tooLarge = QStringLiteral("» слишком велико: игра считает только до "
                                            "1e+150.");
    EXPECT_EQ(readSavedGame(withField(1, "4.9e-324"), {}).error,
              QStringLiteral("Файл повреждён: поле 1 (цена золота) — цена «4.9e-324» слишком "
                             "мала: она должна быть не меньше 1."));
    EXPECT_EQ(readSavedGame(withField(65, "-2e150"), {}).error,
              QStringLiteral("Файл повреждён: поле 65 (золото) — число «-2e150") + tooLarge);
    // The limits load; so do huge values the game only carries, and underflow is 0.
    for (const auto& [field, text] : {std::pair{7, "1"},
                                      {14, "1e150"},
                                      {12, "1.7976931348623157e308"},
                                      {54, "-1e300"},
                                      {5, "1e-400"}}) {
        EXPECT_TRUE(readSavedGame(withField(field, text), {}).game) << field;
    }

    // The writer refuses the same, so the game never writes a file it would not load.
    QTemporaryDir dir;
    const QString file = dir.filePath("game.txt");
    KingdomState rich = knownState();
    rich.money = 1e300;
    EXPECT_EQ(saveGame(file, rich, {}, kKnownBars),
              QStringLiteral("Игру нельзя сохранить: поле 14 (казна) — число «1e+300") + tooLarge);
    EXPECT_FALSE(QFileInfo::exists(file));
    // The largest real where the game only carries it is written so that it reads back.
    KingdomState spare = knownState();
    spare.spareValue6 = std::numeric_limits<double>::max();
    EXPECT_EQ(saveGame(file, spare, {}, kKnownBars), std::nullopt);
    EXPECT_EQ(loadGame(file, {}).game->state.spareValue6, spare.spareValue6);
}

TEST(SavedGameRecord, ToleratesBlankLinesAfterTheRecordAndLoneLineFeeds) {
    QByteArray bytes = knownBytes() + "\r\n  \r\n";
    EXPECT_TRUE(readSavedGame(bytes, {}).game);
    bytes = knownBytes();
    bytes.replace("\r\n", "\n");
    const LoadResult result = readSavedGame(bytes, {});
    ASSERT_TRUE(result.game);
    EXPECT_EQ(result.game->state.report, "Год 12\nМир.\n");
}

TEST(SavedGameRecord, SurvivesBinaryGarbage) {
    std::mt19937 engine(20261208);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 2000);
    const KingdomState current = currentGame();
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes;
        const int size = length(engine);
        for (int i = 0; i < size; ++i) {
            bytes += char(byte(engine));
        }
        const LoadResult result = readSavedGame(bytes, current);
        EXPECT_NE(result.game.has_value(), !result.error.isEmpty());
    }
    // Garbage spliced into a good file, in every field.
    const QByteArray known = knownBytes();
    for (qsizetype at = 0; at < known.size(); at += 7) {
        QByteArray bytes = known;
        bytes.insert(at, QByteArray("\"\0\xFF,\r", 5));
        const LoadResult result = readSavedGame(bytes, current);
        EXPECT_NE(result.game.has_value(), !result.error.isEmpty());
    }
}

TEST(SavedGameRecord, RefusesOversizedData) {
    const QByteArray huge(2 * 1024 * 1024, ' ');
    const LoadResult result = readSavedGame(huge, {});
    EXPECT_FALSE(result.game);
    EXPECT_EQ(result.error, QStringLiteral("Файл слишком велик: в нём больше 1 МБ."));
}

class SavedGameFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(SavedGameFile, SavesAndLoadsThroughTheDisk) {
    const QString file = path("game.txt");
    EXPECT_EQ(saveGame(file, knownState(), knownHall(), kKnownBars), std::nullopt);
    EXPECT_EQ(readFileBytes(file), knownBytes());
    const LoadResult result = loadGame(file, currentGame());
    ASSERT_TRUE(result.game) << result.error.toStdString();
    EXPECT_EQ(result.game->state, expectedAfterLoad(knownState(), kKnownBars, 17));
}

// The file is read in pieces: a record at the end of exactly 1 MB (blanks before its first
// field) loads whole; one byte more is refused.
TEST_F(SavedGameFile, FilesUpToTheLimitAreReadWhole) {
    const QString atLimit = path("limit.txt");
    const QByteArray bytes =
        QByteArray(kMaxRecordFileSize - knownBytes().size(), ' ') + knownBytes();
    writeFileBytes(atLimit, bytes);
    const LoadResult result = loadGame(atLimit, currentGame());
    ASSERT_TRUE(result.game) << result.error.toStdString();
    EXPECT_EQ(result.game->state, expectedAfterLoad(knownState(), kKnownBars, 17));

    const QString over = path("over.txt");
    writeFileBytes(over, bytes + '\n');
    EXPECT_EQ(loadGame(over, currentGame()).error,
              QStringLiteral("Файл «%1» слишком велик: в нём больше 1 МБ.").arg(over));
}

TEST_F(SavedGameFile, SavingUnderAnExistingNameReplacesIt) {
    const QString file = path("game.txt");
    writeFileBytes(file, QByteArray(5000, 'x'));
    EXPECT_EQ(saveGame(file, knownState(), knownHall(), kKnownBars), std::nullopt);
    EXPECT_EQ(readFileBytes(file), knownBytes());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"game.txt"});
}

TEST_F(SavedGameFile, LoadFailuresNameTheFile) {
    const QString missing = path("нет.txt");
    LoadResult result = loadGame(missing, currentGame());
    EXPECT_FALSE(result.game);
    EXPECT_EQ(result.error, QStringLiteral("Файл «%1» не найден.").arg(missing));

    const QString folder = path("папка.txt");
    QDir().mkpath(folder);
    EXPECT_EQ(loadGame(folder, {}).error,
              QStringLiteral("«%1» — это папка, а не файл.").arg(folder));

    EXPECT_EQ(loadGame("/dev/zero", {}).error, QStringLiteral("«/dev/zero» — не обычный файл."));

    const QString empty = path("empty.txt");
    writeFileBytes(empty, {});
    EXPECT_EQ(loadGame(empty, {}).error, QStringLiteral("Файл «%1» пуст.").arg(empty));

    const QString big = path("big.txt");
    writeFileBytes(big, knownBytes() + QByteArray(1024 * 1024, '\n'));
    EXPECT_EQ(loadGame(big, {}).error,
              QStringLiteral("Файл «%1» слишком велик: в нём больше 1 МБ.").arg(big));

    const QString bad = path("bad.txt");
    writeFileBytes(bad, withField(28, "99999"));
    EXPECT_EQ(loadGame(bad, {}).error,
              QStringLiteral("Файл «%1» повреждён: поле 28 (годы до битвы) — число «99999» "
                             "выходит за пределы от -32768 до 32767.")
                  .arg(bad));
}

// The failures of file modes are made for a player whom they bind: a child process without the
// superuser's rights loads and saves (the folder is opened to it first).
TEST_F(SavedGameFile, UnreadableFileIsReported) {
    const QString file = path("locked.txt");
    writeFileBytes(file, knownBytes());
    ASSERT_EQ(chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0), 0);
    EXPECT_EQ(withoutRootRights([&] { return std::optional(loadGame(file, {}).error); }),
              QStringLiteral("Не удалось открыть файл «%1»: нет прав на чтение.").arg(file));
}

TEST_F(SavedGameFile, SaveFailuresSayWhy) {
    EXPECT_EQ(saveGame("/dev/null/x.txt", knownState(), {}, kKnownBars),
              QStringLiteral("Не удалось записать файл «/dev/null/x.txt»: папки «/dev/null» нет."));

    const QString plainFile = path("file");
    writeFileBytes(plainFile, "x");
    const QString underFile = plainFile + "/game.txt";
    EXPECT_EQ(
        saveGame(underFile, knownState(), {}, kKnownBars),
        QStringLiteral("Не удалось записать файл «%1»: папки «%2» нет.").arg(underFile, plainFile));

    const QString folder = path("folder.txt");
    QDir().mkpath(folder);
    EXPECT_EQ(saveGame(folder, knownState(), {}, kKnownBars),
              QStringLiteral("Не удалось записать файл «%1»: под этим именем уже есть папка.")
                  .arg(folder));
}

TEST_F(SavedGameFile, FailedSaveKeepsTheExistingFile) {
    // The file system takes a name this long, but not the temporary one beside it, so the save
    // fails even for the superuser.
    const QString file = path(QString(250, QLatin1Char('g')));
    writeFileBytes(file, "old game");
    const std::optional<QString> error = saveGame(file, knownState(), {}, kKnownBars);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->startsWith(QStringLiteral("Не удалось записать файл «%1»: ").arg(file)))
        << error->toStdString();
    EXPECT_EQ(readFileBytes(file), QByteArray("old game"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(SavedGameFile, ReadOnlyFolderKeepsTheExistingFile) {
    const QString folder = path("ro");
    QDir().mkpath(folder);
    const QString file = folder + "/game.txt";
    writeFileBytes(file, "old game");
    ASSERT_EQ(chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0666), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    const std::optional<QString> error =
        withoutRootRights([&] { return saveGame(file, knownState(), {}, kKnownBars); });
    chmod(QFile::encodeName(folder).constData(), 0755);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, QStringLiteral("Не удалось записать файл «%1»: нет прав на запись в папку "
                                     "«%2».")
                          .arg(file, folder));
    EXPECT_EQ(readFileBytes(file), QByteArray("old game"));
}

TEST_F(SavedGameFile, ReadOnlyFileIsReported) {
    const QString file = path("game.txt");
    writeFileBytes(file, "old game");
    ASSERT_EQ(chmod(QFile::encodeName(m_dir.path()).constData(), 0777), 0);
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0444), 0);
    EXPECT_EQ(withoutRootRights([&] { return saveGame(file, knownState(), {}, kKnownBars); }),
              QStringLiteral("Не удалось записать файл «%1»: файл защищён от записи.").arg(file));
    EXPECT_EQ(readFileBytes(file), QByteArray("old game"));
}

TEST_F(SavedGameFile, RefusesToSaveWhatCouldNotBeLoaded) {
    const QString file = path("game.txt");
    writeFileBytes(file, "old game");

    KingdomState broken = knownState();
    broken.money = std::numeric_limits<double>::infinity();
    EXPECT_EQ(saveGame(file, broken, {}, kKnownBars),
              QStringLiteral("Игру нельзя сохранить: одно из её значений не является числом."));
    HallOfFame brokenHall;
    brokenHall.bestScores[9] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(saveGame(file, knownState(), brokenHall, kKnownBars));

    KingdomState huge = knownState();
    huge.report = std::string(2 * 1024 * 1024, 'a');
    EXPECT_EQ(saveGame(file, huge, {}, kKnownBars),
              QStringLiteral("Игру нельзя сохранить: она заняла бы больше 1 МБ."));

    EXPECT_EQ(readFileBytes(file), QByteArray("old game"));
}

TEST_F(SavedGameFile, AFullDiskKeepsTheOldGameByteForByte) {
    const QString file = path("game.txt");
    const QByteArray old = writeSavedGame(busyState(), busyHall(), kBusyBars);
    writeFileBytes(file, old);
    // Each limit cuts the new record at another place: the first write, or one in the middle.
    for (const long limit : {0L, 100L, long(knownBytes().size()) - 1}) {
        const std::optional<QString> error = underFileSizeLimit(
            limit, [&] { return saveGame(file, knownState(), knownHall(), kKnownBars); });
        EXPECT_EQ(error, QStringLiteral("Не удалось записать файл «%1»: файл превысил "
                                        "разрешённый ему размер.")
                             .arg(file))
            << limit;
        EXPECT_EQ(readFileBytes(file), old);
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
    EXPECT_EQ(
        underFileSizeLimit(knownBytes().size(),
                           [&] { return saveGame(file, knownState(), knownHall(), kKnownBars); }),
        std::nullopt);
    EXPECT_EQ(readFileBytes(file), knownBytes());
}

TEST_F(SavedGameFile, DevicesAndPipesAreNotReplaced) {
    const QString pipe = path("pipe.txt");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const QString link = path("link.txt");
    ASSERT_TRUE(QFile::link(pipe, link));
    for (const QString& target : {pipe, link, QStringLiteral("/dev/null")}) {
        EXPECT_EQ(saveGame(target, knownState(), {}, kKnownBars),
                  QStringLiteral("Не удалось записать файл «%1»: это не обычный файл, а "
                                 "устройство или канал.")
                      .arg(target));
    }
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QFileInfo(pipe).size(), 0);
}

TEST_F(SavedGameFile, PathsThatCannotBeReachedSayWhy) {
    const QString tooLong = path(QString(300, QLatin1Char('n')) + ".txt");
    const QString tooLongReason =
        QStringLiteral("имя файла слишком длинное для этой файловой системы.");
    EXPECT_EQ(saveGame(tooLong, knownState(), {}, kKnownBars),
              QStringLiteral("Не удалось записать файл «%1»: ").arg(tooLong) + tooLongReason);
    EXPECT_EQ(loadGame(tooLong, {}).error,
              QStringLiteral("Не удалось открыть файл «%1»: ").arg(tooLong) + tooLongReason);

    ASSERT_TRUE(QFile::link(path("b"), path("a")));
    ASSERT_TRUE(QFile::link(path("a"), path("b")));
    const QString looped = path("a/game.txt");
    const QString loopReason = QStringLiteral("символические ссылки в пути замыкаются в петлю.");
    EXPECT_EQ(saveGame(looped, knownState(), {}, kKnownBars),
              QStringLiteral("Не удалось записать файл «%1»: ").arg(looped) + loopReason);
    EXPECT_EQ(loadGame(looped, {}).error,
              QStringLiteral("Не удалось открыть файл «%1»: ").arg(looped) + loopReason);

    // A folder that may be listed but not entered; a child without the superuser's rights tries.
    const QString closed = path("closed");
    QDir().mkpath(closed + "/inner");
    writeFileBytes(closed + "/inner/game.txt", knownBytes());
    ASSERT_EQ(chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(closed).constData(), 0644), 0);
    const QString inside = closed + "/inner/game.txt";
    const std::optional<QString> load =
        withoutRootRights([&] { return std::optional(loadGame(inside, {}).error); });
    const std::optional<QString> save =
        withoutRootRights([&] { return saveGame(inside, knownState(), {}, kKnownBars); });
    chmod(QFile::encodeName(closed).constData(), 0755);
    const QString closedReason = QStringLiteral("нет доступа к папке «%1».").arg(closed);
    EXPECT_EQ(load, QStringLiteral("Не удалось открыть файл «%1»: ").arg(inside) + closedReason);
    EXPECT_EQ(save, QStringLiteral("Не удалось записать файл «%1»: ").arg(inside) + closedReason);
    EXPECT_EQ(readFileBytes(inside), knownBytes());
}
