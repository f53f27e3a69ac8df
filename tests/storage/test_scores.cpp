// Tests of the hall-of-fame file on disk: saving, loading, its place, a file kept aside, the
// shipped copy beside the program and the program-file lookup.
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

#include "formats/scores.h"
#include "formats/text_record.h"
#include "saved_game_samples.h"
#include "storage/paths.h"
#include "storage/problem_text.h"
#include "storage/scores.h"
#include "storage_test_support.h"

namespace {

class ScoresFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

} // namespace

TEST(ShippedScores, LiesBesideTheProgram) {
    const QString beside = QCoreApplication::applicationDirPath() + "/scores.tab";
    EXPECT_EQ(programFile("scores.tab"), beside);
    // A table, though not always the shipped one: reigns played from the build tree enter it.
    EXPECT_TRUE(readScores(readFileBytes(beside).toStdString()));
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

// Why a table cannot be read, in the game's words, from real bytes.
TEST(ScoresWords, EachReasonInTheGamesWords) {
    const std::string good(kTenKingsFile);
    std::string noComma = good;
    noComma.replace(noComma.find("1\","), 3, "1\"x,");
    struct Case {
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {std::string(kMaxRecordFileSize + 1, ' '), "в нём больше 1 МБ"},
        {"", "он пуст"},
        {"\r\n", "в нём только 1 из 20 полей"},
        {good.substr(0, 60), "в поле 7 текст без закрывающей кавычки"},
        {noComma, "в поле 2 после закрывающей кавычки нет запятой"},
        {good.substr(0, good.find(",90,") + 1), "в нём только 11 из 20 полей"},
    };
    for (const Case& c : cases) {
        const ScoresRead read = readScoresFile(c.bytes);
        ASSERT_TRUE(read.problem) << c.reason;
        EXPECT_EQ(scoresProblemText(*read.problem), QString::fromUtf8(c.reason));
    }
}

// The session's store: the same file, the same keeping aside, the same words.
TEST_F(ScoresFile, TheSessionsStoreKeepsTheTableInTheFile) {
    const QString file = path("scores.tab");
    ScoresFileStore store(file);
    ScoresStoreRead read = store.load();
    EXPECT_FALSE(read.table);
    EXPECT_FALSE(read.problem);

    EXPECT_EQ(store.save(tenKings()), std::nullopt);
    EXPECT_EQ(readFileBytes(file), QByteArray(kTenKingsFile));
    read = store.load();
    EXPECT_EQ(read.table, tenKings());
    EXPECT_FALSE(read.problem);

    writeFileBytes(file, "\"Иван");
    read = store.load();
    EXPECT_FALSE(read.table);
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(read.problem->kind, ScoresStoreProblem::Kind::Unusable);
    EXPECT_EQ(
        QString::fromStdString(read.problem->message),
        QStringLiteral("Таблицу лучших королей из файла «%1» прочитать нельзя: в поле 1 текст "
                       "без закрывающей кавычки. Файл сохранён под именем «%1.bad», а "
                       "таблица начата заново.")
            .arg(file));
    EXPECT_FALSE(store.load().problem);

    ScoresFileStore nowhere(QStringLiteral("/dev/null/scores.tab"));
    const std::optional<ScoresStoreProblem> failed = nowhere.save(tenKings());
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->kind, ScoresStoreProblem::Kind::NotWritten);
    EXPECT_EQ(QString::fromStdString(failed->message),
              QStringLiteral("Не удалось записать файл «/dev/null/scores.tab»: папки «/dev/null» "
                             "нет."));
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
