// Tests of saved games on disk and of the player's messages about them, in the game's words.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <limits>
#include <string>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "formats/text_record.h"
#include "saved_game_samples.h"
#include "storage/problem_text.h"
#include "storage/saved_game.h"
#include "storage_test_support.h"

namespace {

// The player's message for bytes the reader refuses.
QString errorOf(const std::string& bytes) {
    const SavedGameRecordRead result = readSavedGame(bytes, currentGame());
    EXPECT_FALSE(result.game);
    return result.problem ? savedGameProblemText(*result.problem) : QString();
}

QByteArray bytesOf(const std::string& bytes) {
    return QByteArray::fromStdString(bytes);
}

} // namespace

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
        EXPECT_EQ(errorOf(withField(c.field, c.text)), QString::fromUtf8(c.message)) << c.field;
    }
}

TEST(SavedGameFields, ShowsOnlyTheStartOfALongBadField) {
    EXPECT_EQ(errorOf(withField(14, std::string(5000, '9'))),
              QStringLiteral("Файл повреждён: поле 14 (казна) — недопустимое число "
                             "«999999999999999999999999…»."));
}

TEST(SavedGameRecord, ExplainsEachMalformedRecord) {
    struct Case {
        std::string bytes;
        const char* message;
    };
    const std::string known = knownBytes();
    const Case cases[] = {
        {std::string(), "Файл пуст."},
        {std::string(" \r\n\r\n"), "Файл пуст."},
        {known.substr(0, 29), "Файл обрывается: в нём только 9 из 73 полей сохранённой игры."},
        {known.substr(0, known.find('\xCC')),
         "Файл обрывается: поле 32 (отчёт) — текст без закрывающей кавычки."},
        {known.substr(0, known.size() - 2), "Файл обрывается: последнее поле не закончено."},
        {withField(43, "\"Олег\"Х"),
         "Файл повреждён: поле 43 (имя короля) — после закрывающей кавычки нет запятой."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorOf(c.bytes), QString::fromUtf8(c.message));
    }
}

TEST(SavedGameFields, RefusesValuesTheGameCannotComputeWith) {
    const QString tooLarge = QStringLiteral("» слишком велико: игра считает только до "
                                            "1e+150.");
    EXPECT_EQ(errorOf(withField(1, "4.9e-324")),
              QStringLiteral("Файл повреждён: поле 1 (цена золота) — цена «4.9e-324» слишком "
                             "мала: она должна быть не меньше 1."));
    EXPECT_EQ(errorOf(withField(65, "-2e150")),
              QStringLiteral("Файл повреждён: поле 65 (золото) — число «-2e150") + tooLarge);
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

TEST(SavedGameRecord, RefusesOversizedData) {
    EXPECT_EQ(errorOf(std::string(2 * 1024 * 1024, ' ')),
              QStringLiteral("Файл слишком велик: в нём больше 1 МБ."));
}

class SavedGameFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(SavedGameFile, SavesAndLoadsThroughTheDisk) {
    const QString file = path("game.txt");
    EXPECT_EQ(saveGame(file, knownState(), knownHall(), kKnownBars), std::nullopt);
    EXPECT_EQ(readFileBytes(file), bytesOf(knownBytes()));
    const GameLoad result = loadGame(file, currentGame());
    ASSERT_TRUE(result.game) << result.error.toStdString();
    EXPECT_EQ(result.game->state, expectedAfterLoad(knownState(), kKnownBars, 17));
}

TEST_F(SavedGameFile, TheChronicleTravelsWithTheGame) {
    const QString file = path("game.txt");
    ChronicleEntry entry;
    entry.year = 1;
    entry.mood = "Хорошее";
    Chronicle chronicle;
    restoreChronicle(chronicle, {entry});
    EXPECT_EQ(saveGame(file, knownState(), knownHall(), kKnownBars, chronicle), std::nullopt);
    EXPECT_EQ(readFileBytes(file), bytesOf(knownBytes() + writeChronicle(chronicle)));
    GameLoad load = loadGame(file, currentGame());
    ASSERT_TRUE(load.game) << load.error.toStdString();
    EXPECT_EQ(load.chronicle.status, ChronicleRead::Status::Read);
    EXPECT_EQ(load.chronicle.entries, chronicle.entries);

    // A damaged chronicle: the game loads all the same, and the player hears why.
    writeFileBytes(file, bytesOf(knownBytes() + "\"junk\",1,0\r\n"));
    load = loadGame(file, currentGame());
    ASSERT_TRUE(load.game);
    EXPECT_TRUE(load.error.isEmpty());
    EXPECT_EQ(load.game->state, expectedAfterLoad(knownState(), kKnownBars, 17));
    ASSERT_EQ(load.chronicle.status, ChronicleRead::Status::Damaged);
    EXPECT_EQ(chronicleDamagedMessage(load.chronicle.problem),
              QStringLiteral("Игра загружена, но летопись правления прочитать не удалось (после "
                             "записи игры идёт что-то другое). Летопись начнётся заново с "
                             "загруженного года."));
}

// The file is read in pieces: a record at the end of exactly 1 MB (blanks before its first
// field) loads whole; one byte more is refused.
TEST_F(SavedGameFile, FilesUpToTheLimitAreReadWhole) {
    const QString atLimit = path("limit.txt");
    const QByteArray bytes = QByteArray(qsizetype(kMaxRecordFileSize - knownBytes().size()), ' ') +
                             bytesOf(knownBytes());
    writeFileBytes(atLimit, bytes);
    const GameLoad result = loadGame(atLimit, currentGame());
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
    EXPECT_EQ(readFileBytes(file), bytesOf(knownBytes()));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"game.txt"});
}

TEST_F(SavedGameFile, LoadFailuresNameTheFile) {
    const QString missing = path("нет.txt");
    GameLoad result = loadGame(missing, currentGame());
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
    writeFileBytes(big, bytesOf(knownBytes()) + QByteArray(1024 * 1024, '\n'));
    EXPECT_EQ(loadGame(big, {}).error,
              QStringLiteral("Файл «%1» слишком велик: в нём больше 1 МБ.").arg(big));

    const QString bad = path("bad.txt");
    writeFileBytes(bad, bytesOf(withField(28, "99999")));
    EXPECT_EQ(loadGame(bad, {}).error,
              QStringLiteral("Файл «%1» повреждён: поле 28 (годы до битвы) — число «99999» "
                             "выходит за пределы от -32768 до 32767.")
                  .arg(bad));
}

// The failures of file modes are made for a player whom they bind: a child process without the
// superuser's rights loads and saves (the folder is opened to it first).
TEST_F(SavedGameFile, UnreadableFileIsReported) {
    const QString file = path("locked.txt");
    writeFileBytes(file, bytesOf(knownBytes()));
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
    const QByteArray old = bytesOf(writeSavedGame(busyState(), busyHall(), kBusyBars));
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
        underFileSizeLimit(long(knownBytes().size()),
                           [&] { return saveGame(file, knownState(), knownHall(), kKnownBars); }),
        std::nullopt);
    EXPECT_EQ(readFileBytes(file), bytesOf(knownBytes()));
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
    writeFileBytes(closed + "/inner/game.txt", bytesOf(knownBytes()));
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
    EXPECT_EQ(readFileBytes(inside), bytesOf(knownBytes()));
}
