// Tests of the hall-of-fame file, its shipped copy, its place, and the program-file lookup.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <limits>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "storage/paths.h"
#include "storage/saved_game.h"
#include "storage/scores.h"
#include "storage_test_support.h"

namespace {

HallOfFame tenKings() {
    HallOfFame hall;
    for (std::size_t i = 0; i < 10; ++i) {
        hall.bestNames[i] = "Царь " + std::to_string(i);
        hall.bestScores[i] = 100 - double(i) * 10;
    }
    return hall;
}

const char kTenKingsFile[] =
    "\"\xD6\xE0\xF0\xFC 0\",\"\xD6\xE0\xF0\xFC 1\",\"\xD6\xE0\xF0\xFC 2\",\"\xD6\xE0\xF0\xFC 3\","
    "\"\xD6\xE0\xF0\xFC 4\",\"\xD6\xE0\xF0\xFC 5\",\"\xD6\xE0\xF0\xFC 6\",\"\xD6\xE0\xF0\xFC 7\","
    "\"\xD6\xE0\xF0\xFC 8\",\"\xD6\xE0\xF0\xFC 9\",100,90,80,70,60,50,40,30,20,10\r\n";

class ScoresFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

} // namespace

TEST(ScoresFormat, WritesTheRecordOfTwentyFields) {
    EXPECT_EQ(writeScores(tenKings()), QByteArray(kTenKingsFile));
    const std::optional<HallOfFame> read = readScores(kTenKingsFile);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, tenKings());
}

TEST(ScoresFormat, FractionalScoresKeepTheirPoint) {
    HallOfFame hall = tenKings();
    hall.bestScores[4] = 57.5;
    const QByteArray bytes = writeScores(hall);
    EXPECT_TRUE(bytes.contains(",70,57.5,50,"));
    EXPECT_EQ(readScores(bytes), hall);
}

TEST(ScoresFormat, ScoreThatIsNotANumberReadsAsZero) {
    QByteArray bytes(kTenKingsFile);
    bytes.replace(",90,", ",много,");
    const std::optional<HallOfFame> read = readScores(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->bestScores[1], 0);
    EXPECT_EQ(read->bestScores[2], 80);
}

TEST(ScoresFormat, MalformedFilesGiveNothing) {
    const QByteArray good(kTenKingsFile);
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("\r\n"), good.left(good.size() - 4), good.left(5),
          QByteArray("\0\xFF\"\x01", 4), QByteArray(2 * 1024 * 1024, ',')}) {
        EXPECT_EQ(readScores(bytes), std::nullopt) << bytes.left(40).toStdString();
    }
}

TEST(ScoresFormat, ReadsTheTwentyFieldsAndNothingAfter) {
    const QByteArray good(kTenKingsFile);
    const QByteArray cut = good.chopped(2);
    for (const QByteArray& bytes :
         {cut, good + "\"extra\"\r\n", cut + ",5,6", cut + "\r\n\x1A", cut + "\n\n\"Иван\""}) {
        EXPECT_EQ(readScores(bytes), tenKings()) << bytes.right(12).toStdString();
    }
}

TEST(ScoresFormat, ScoresBeyondARealStayOnTopAndWriteBackExactly) {
    const double largest = std::numeric_limits<double>::max();
    QByteArray bytes(kTenKingsFile);
    bytes.replace("100,90,", "1e999,inf,");
    bytes.replace(",10\r\n", ",-1e-400\r\n");
    const std::optional<HallOfFame> read = readScores(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->bestScores[0], largest);
    EXPECT_EQ(read->bestScores[1], largest);
    EXPECT_EQ(read->bestScores[9], 0);
    const QByteArray written = writeScores(*read);
    EXPECT_TRUE(written.contains(",1.7976931348623157e+308,1.7976931348623157e+308,80,"));
    EXPECT_EQ(readScores(written), read);
}

TEST(ScoresFormat, NamesAreKeptToTheirLimitSoTheTableStaysSmall) {
    HallOfFame hall = tenKings();
    hall.bestNames.fill(std::string(600000, 'n'));
    const QByteArray bytes = writeScores(hall);
    EXPECT_LT(bytes.size(), 3000);
    EXPECT_EQ(readScores(bytes)->bestNames[0], std::string(kMaxKingNameLength, 'n'));
    QByteArray crafted(kTenKingsFile);
    crafted.replace("\xD6\xE0\xF0\xFC 0", QByteArray(5000, 'x'));
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
    const QByteArray bytes = readFileBytes(VELORIA_SHIPPED_SCORES);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), 1);
    const std::optional<HallOfFame> hall = readScores(bytes);
    ASSERT_TRUE(hall);
    for (std::size_t i = 0; i < 10; ++i) {
        const QString name = QString::fromStdString(hall->bestNames[i]);
        EXPECT_FALSE(name.isEmpty());
        EXPECT_LE(name.size(), 12) << name.toStdString();
        // Windows-1251 Cyrillic, not UTF-8 read as single bytes.
        EXPECT_GE(name.at(0).unicode(), 0x0410) << name.toStdString();
        EXPECT_LE(name.at(0).unicode(), 0x042F) << name.toStdString();
        EXPECT_EQ(hall->bestScores[i], 100 - double(i) * 10);
    }
    EXPECT_EQ(writeScores(*hall), bytes);
}

TEST(ShippedScores, LiesBesideTheProgram) {
    const QString beside = QCoreApplication::applicationDirPath() + "/scores.tab";
    EXPECT_EQ(programFile("scores.tab"), beside);
    // A table, though not always the shipped one: reigns played from the build tree enter it.
    EXPECT_TRUE(readScores(readFileBytes(beside)));
}

TEST_F(ScoresFile, SavesAndLoads) {
    const QString file = path("scores.tab");
    EXPECT_EQ(saveScores(file, tenKings()), std::nullopt);
    EXPECT_EQ(readFileBytes(file), QByteArray(kTenKingsFile));
    EXPECT_EQ(loadScores(file), tenKings());
}

TEST_F(ScoresFile, MissingOrMalformedFileGivesNothingAndTheNextSaveMendsIt) {
    const QString file = path("scores.tab");
    EXPECT_EQ(loadScores(file), std::nullopt);
    writeFileBytes(file, "\"Иван\",\"Пётр");
    EXPECT_EQ(loadScores(file), std::nullopt);
    EXPECT_EQ(loadScores(m_dir.path()), std::nullopt);
    EXPECT_EQ(loadScores("/dev/zero"), std::nullopt);

    EXPECT_EQ(saveScores(file, tenKings()), std::nullopt);
    EXPECT_EQ(loadScores(file), tenKings());
}

TEST_F(ScoresFile, FailedSaveKeepsTheFileAndSaysWhy) {
    const QString file = path(QString(250, QLatin1Char('s')));
    writeFileBytes(file, kTenKingsFile);
    HallOfFame changed = tenKings();
    changed.bestScores[0] = 200;
    const std::optional<QString> error = saveScores(file, changed);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->startsWith(QStringLiteral("Не удалось записать файл «%1»: ").arg(file)));
    EXPECT_EQ(loadScores(file), tenKings());

    EXPECT_EQ(saveScores("/dev/null/scores.tab", tenKings()),
              QStringLiteral("Не удалось записать файл «/dev/null/scores.tab»: папки «/dev/null» "
                             "нет."));

    changed.bestScores[9] = std::numeric_limits<double>::infinity();
    EXPECT_EQ(saveScores(path("other.tab"), changed),
              QStringLiteral("Таблицу нельзя сохранить: счёт на месте 10 не является числом."));
    EXPECT_FALSE(QFileInfo::exists(path("other.tab")));
}

TEST_F(ScoresFile, WritableProgramFolderKeepsTheShippedFile) {
    const QString shipped = path("bin/scores.tab");
    EXPECT_EQ(scoresFilePathFor(shipped, true, path("user")), shipped);
    EXPECT_FALSE(QFileInfo::exists(path("user")));
}

TEST_F(ScoresFile, ReadOnlyProgramFolderSeedsTheUsersCopy) {
    QDir().mkpath(path("share"));
    const QString shipped = path("share/scores.tab");
    writeFileBytes(shipped, kTenKingsFile);
    ASSERT_EQ(chmod(QFile::encodeName(shipped).constData(), 0444), 0);

    const QString own = scoresFilePathFor(shipped, false, path("user/data"));
    EXPECT_EQ(own, path("user/data/scores.tab"));
    EXPECT_EQ(readFileBytes(own), QByteArray(kTenKingsFile));
    // The first save must be able to replace the copy.
    EXPECT_TRUE(QFile::permissions(own) & QFileDevice::WriteOwner);
    HallOfFame changed = tenKings();
    changed.bestNames[0] = "Новый";
    EXPECT_EQ(saveScores(own, changed), std::nullopt);

    // Once there, the player's copy is never seeded again.
    EXPECT_EQ(scoresFilePathFor(shipped, false, path("user/data")), own);
    EXPECT_EQ(loadScores(own), changed);
}

TEST_F(ScoresFile, NoShippedFileLeavesTheUsersPathEmpty) {
    const QString own = scoresFilePathFor(path("none/scores.tab"), false, path("user"));
    EXPECT_EQ(own, path("user/scores.tab"));
    EXPECT_FALSE(QFileInfo::exists(own));
    EXPECT_EQ(saveScores(own, tenKings()), std::nullopt);
}

TEST_F(ScoresFile, ProgramFilesAreFoundBesideTheProgramThenInTheDataFolder) {
    QDir().mkpath(path("prefix/bin"));
    QDir().mkpath(path("prefix/share/veloria"));
    const QString bin = path("prefix/bin");
    writeFileBytes(path("prefix/share/veloria/help.txt"), "installed");
    EXPECT_EQ(programFileIn(bin, "help.txt"), path("prefix/share/veloria/help.txt"));
    writeFileBytes(path("prefix/bin/help.txt"), "beside");
    EXPECT_EQ(programFileIn(bin, "help.txt"), path("prefix/bin/help.txt"));
    EXPECT_EQ(programFileIn(bin, "missing.txt"), path("prefix/bin/missing.txt"));
}

TEST_F(ScoresFile, AFileThatCannotBeUsedIsSaidOnceAndKeptAside) {
    const QString file = path("scores.tab");
    const QByteArray broken = QByteArray(kTenKingsFile).left(60);
    writeFileBytes(file, broken);
    const ScoresLoad first = loadScoresFile(file);
    EXPECT_EQ(first.hall, std::nullopt);
    EXPECT_EQ(
        first.problem,
        QStringLiteral(
            "Таблицу лучших королей из файла «%1» прочитать нельзя: в поле 7 "
            "текст без закрывающей кавычки. Файл сохранён под именем «%1.bad», а таблица начата "
            "заново.")
            .arg(file));
    EXPECT_EQ(readFileBytes(file + ".bad"), broken);
    EXPECT_TRUE(loadScoresFile(file).problem.isEmpty());

    // The next reign writes its table; the old kings stay where they were put.
    EXPECT_EQ(saveScores(file, tenKings()), std::nullopt);
    EXPECT_EQ(loadScoresFile(file).hall, tenKings());
    EXPECT_EQ(readFileBytes(file + ".bad"), broken);

    // A file broken behind the game's back goes beside the first, kept aside by the save.
    writeFileBytes(file, "\"Иван");
    EXPECT_EQ(saveScores(file, tenKings()), std::nullopt);
    EXPECT_EQ(readFileBytes(file + ".bad.2"), QByteArray("\"Иван"));
    EXPECT_EQ(readFileBytes(file + ".bad"), broken);
}

TEST_F(ScoresFile, AFullDiskKeepsTheTable) {
    const QString file = path("scores.tab");
    writeFileBytes(file, kTenKingsFile);
    HallOfFame changed = tenKings();
    changed.bestNames[0] = "Новый";
    EXPECT_EQ(underFileSizeLimit(50, [&] { return saveScores(file, changed); }),
              QStringLiteral("Не удалось записать файл «%1»: файл превысил разрешённый ему размер.")
                  .arg(file));
    EXPECT_EQ(readFileBytes(file), QByteArray(kTenKingsFile));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(ScoresFile, ReadOnlyFileInAWritableFolderMovesToTheUsersCopy) {
    const QString shipped = path("bin/scores.tab");
    QDir().mkpath(path("bin"));
    writeFileBytes(shipped, kTenKingsFile);
    ASSERT_EQ(chmod(QFile::encodeName(shipped).constData(), 0444), 0);
    // Superuser or not, the choice is made by a player whom the file's mode binds.
    QDir().mkpath(path("user"));
    for (const QString& folder : {m_dir.path(), path("bin"), path("user")}) {
        chmod(QFile::encodeName(folder).constData(), 0777);
    }
    const std::optional<QString> own = withoutRootRights(
        [&]() -> std::optional<QString> { return scoresFilePathFor(shipped, true, path("user")); });
    EXPECT_EQ(own, path("user/scores.tab"));
    EXPECT_EQ(readFileBytes(path("user/scores.tab")), QByteArray(kTenKingsFile));
}
