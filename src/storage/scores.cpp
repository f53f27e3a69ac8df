// The hall-of-fame file: its record of ten names and ten scores, and where it is kept.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/scores.h"

#include <cmath>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "storage/file_access.h"
#include "storage/paths.h"
#include "storage/saved_game.h"
#include "storage/text_record.h"

namespace {

constexpr int kPlaces = 10;
constexpr int kScoresFieldCount = 2 * kPlaces;
const char* const kFileName = "scores.tab";

// The player's messages about the table of the best kings.
class Scores {
    Q_DECLARE_TR_FUNCTIONS(Scores)
};

} // namespace

QByteArray writeScores(const HallOfFame& hall) {
    TextRecordWriter writer;
    for (const std::string& name : hall.bestNames) {
        writer.addText(name, kMaxKingNameLength);
    }
    for (double score : hall.bestScores) {
        writer.addReal(score);
    }
    return writer.record();
}

namespace {

// The table, or why there is none.
std::optional<HallOfFame> readTable(QByteArrayView bytes, QString* reason) {
    if (bytes.size() > kMaxRecordFileSize) {
        //: Why the table's file cannot be read: it follows "…прочитать нельзя: ", and a full stop
        //: ends it. So do the reasons below.
        *reason = Scores::tr("в нём больше 1 МБ");
        return std::nullopt;
    }
    const ParsedRecord record = parseRecord(bytes, kScoresFieldCount);
    if (!allFieldsRead(record)) {
        switch (record.problem) {
        case RecordProblem::UnclosedText:
            *reason =
                Scores::tr("в поле %1 текст без закрывающей кавычки").arg(record.problemField);
            break;
        case RecordProblem::JunkAfterText:
            *reason = Scores::tr("в поле %1 после закрывающей кавычки нет запятой")
                          .arg(record.problemField);
            break;
        default:
            *reason = record.fields.empty() ? Scores::tr("он пуст")
                                            : Scores::tr("в нём только %1 из %2 полей")
                                                  .arg(record.fields.size())
                                                  .arg(kScoresFieldCount);
            break;
        }
        return std::nullopt;
    }
    HallOfFame hall;
    for (int place = 0; place < kPlaces; ++place) {
        const RecordField& name = record.fields[std::size_t(place)];
        hall.bestNames[std::size_t(place)] = readText({name.bytes.left(kMaxKingNameLength), true});
        // A score beyond a real still says "better than anyone": the largest real keeps that.
        hall.bestScores[std::size_t(place)] =
            readReal(record.fields[std::size_t(kPlaces + place)]).value;
    }
    return hall;
}

bool missing(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}

} // namespace

std::optional<HallOfFame> readScores(const QByteArray& bytes) {
    QString reason;
    return readTable(bytes, &reason);
}

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
        result.hall = readTable(file.bytes, &reason);
        if (result.hall) {
            return result;
        }
        //: %1: the file, quoted; %2: why.
        reason = Scores::tr("Таблицу лучших королей из файла %1 прочитать нельзя: %2.")
                     .arg(quotedFileName(path), reason);
    } else {
        //: The file's own message follows the blank.
        reason = Scores::tr("Таблицу лучших королей прочитать нельзя. ") + file.error;
    }
    const QString aside = keepAside(path);
    result.problem = reason + QLatin1Char(' ');
    if (aside.isEmpty()) {
        //: Follows the reason the table cannot be read.
        result.problem +=
            Scores::tr("Отложить файл не удалось, и новые короли в него записаны не будут.");
    } else {
        //: Follows the reason the table cannot be read; %1: where the old file is kept.
        result.problem += Scores::tr("Файл сохранён под именем %1, а таблица начата заново.")
                              .arg(quotedFileName(aside));
    }
    return result;
}

std::optional<HallOfFame> loadScores(const QString& path) {
    return loadScoresFile(path).hall;
}

std::optional<QString> saveScores(const QString& path, const HallOfFame& hall) {
    for (int place = 0; place < kPlaces; ++place) {
        if (!std::isfinite(hall.bestScores[std::size_t(place)])) {
            return Scores::tr("Таблицу нельзя сохранить: счёт на месте %1 не является числом.")
                .arg(place + 1);
        }
    }
    // Whatever stands there now, if it is not a table we can read, may hold kings: it goes
    // aside rather than under the new table.
    if (!missing(path) && QFileInfo(path).isFile()) {
        const FileBytes file = readWholeFile(path);
        QString reason;
        if ((!file.error.isEmpty() || !readTable(file.bytes, &reason)) &&
            keepAside(path).isEmpty()) {
            return Scores::tr("Не удалось записать файл %1: прежнюю таблицу в нём прочитать "
                              "нельзя, а отложить её не удалось.")
                .arg(quotedFileName(path));
        }
    }
    return writeWholeFile(path, writeScores(hall));
}
