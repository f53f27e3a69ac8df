// The hall-of-fame file on disk: where it is kept, reading it, writing it, keeping a bad one aside.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/scores.h"

#include <string_view>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "formats/scores.h"
#include "storage/file_access.h"
#include "storage/paths.h"
#include "storage/problem_text.h"

namespace {

const char* const kFileName = "scores.tab";

std::string_view viewOf(const QByteArray& bytes) {
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

bool missing(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}

} // namespace

QString scoresFilePathFor(const QString& shippedFile, bool shippedFolderWritable,
                          const QString& userDataFolder) {
    // A read-only file in a writable folder would refuse every new king just the same.
    const QFileInfo shipped(shippedFile);
    const bool fileWritable = !shipped.exists() || shipped.isWritable();
    if ((shippedFolderWritable && fileWritable) || userDataFolder.isEmpty()) {
        return shippedFile;
    }
    const QString own = QDir(userDataFolder).filePath(QString::fromLatin1(kFileName));
    if (QFileInfo::exists(own)) {
        return own;
    }
    QDir().mkpath(userDataFolder);
    if (QFileInfo(shippedFile).isFile() && QFile::copy(shippedFile, own)) {
        // The copy keeps the shipped file's read-only mode, which would refuse the first save.
        QFile::setPermissions(own, QFile::permissions(own) | QFileDevice::ReadOwner |
                                       QFileDevice::WriteOwner);
    }
    return own;
}

QString scoresFilePath() {
    const QString shipped = programFile(QString::fromLatin1(kFileName));
    const bool writable = QFileInfo(QFileInfo(shipped).absolutePath()).isWritable();
    return scoresFilePathFor(shipped, writable,
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

ScoresLoad loadScoresFile(const QString& path) {
    ScoresLoad result;
    if (missing(path)) {
        return result;
    }
    const FileBytes file = readWholeFile(path);
    QString reason;
    if (file.error.isEmpty()) {
        const ScoresRead table = readScoresFile(viewOf(file.bytes));
        if (table.hall) {
            result.hall = table.hall;
            return result;
        }
        //: %1: the file, quoted; %2: why.
        reason = QCoreApplication::translate(
                     "Scores", "Таблицу лучших королей из файла %1 прочитать нельзя: %2.")
                     .arg(quotedFileName(path), scoresProblemText(*table.problem));
    } else {
        //: The file's own message follows the blank.
        reason =
            QCoreApplication::translate("Scores", "Таблицу лучших королей прочитать нельзя. ") +
            file.error;
    }
    const QString aside = keepAside(path);
    result.problem = reason + QLatin1Char(' ');
    if (aside.isEmpty()) {
        //: Follows the reason the table cannot be read.
        result.problem += QCoreApplication::translate(
            "Scores", "Отложить файл не удалось, и новые короли в него записаны не будут.");
    } else {
        //: Follows the reason the table cannot be read; %1: where the old file is kept.
        result.problem += QCoreApplication::translate(
                              "Scores", "Файл сохранён под именем %1, а таблица начата заново.")
                              .arg(quotedFileName(aside));
    }
    return result;
}

ScoresStoreRead ScoresFileStore::load() {
    ScoresLoad file = loadScoresFile(m_path);
    ScoresStoreRead result;
    result.table = std::move(file.hall);
    if (!file.problem.isEmpty()) {
        result.problem =
            ScoresStoreProblem{ScoresStoreProblem::Kind::Unusable, file.problem.toStdString()};
    }
    return result;
}

std::optional<ScoresStoreProblem> ScoresFileStore::save(const HallOfFame& table) {
    if (const std::optional<QString> error = saveScores(m_path, table)) {
        return ScoresStoreProblem{ScoresStoreProblem::Kind::NotWritten, error->toStdString()};
    }
    return std::nullopt;
}

std::optional<HallOfFame> loadScores(const QString& path) {
    return loadScoresFile(path).hall;
}

std::optional<QString> saveScores(const QString& path, const HallOfFame& hall) {
    const ScoresWrite table = writeScoresFile(hall);
    if (table.problem) {
        return scoresProblemText(*table.problem);
    }
    // Whatever stands there now, if it is not a table we can read, may hold kings: it goes
    // aside rather than under the new table.
    if (!missing(path) && QFileInfo(path).isFile()) {
        const FileBytes file = readWholeFile(path);
        if ((!file.error.isEmpty() || !readScores(viewOf(file.bytes))) &&
            keepAside(path).isEmpty()) {
            return QCoreApplication::translate(
                       "Scores", "Не удалось записать файл %1: прежнюю таблицу в нём прочитать "
                                 "нельзя, а отложить её не удалось.")
                .arg(quotedFileName(path));
        }
    }
    return writeWholeFile(path, QByteArray::fromStdString(table.bytes));
}
