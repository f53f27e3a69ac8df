// The hall-of-fame file: its record of ten names and ten scores, and where it is kept.
#include "storage/scores.h"

#include <cmath>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "storage/file_access.h"
#include "storage/paths.h"
#include "storage/text_record.h"

namespace {

constexpr int kPlaces = 10;
constexpr int kFieldCount = 2 * kPlaces;
const char* const kFileName = "scores.tab";

} // namespace

QByteArray writeScores(const HallOfFame& hall) {
    TextRecordWriter writer;
    for (const std::string& name : hall.bestNames) {
        writer.addText(name);
    }
    for (double score : hall.bestScores) {
        writer.addReal(score);
    }
    return writer.record();
}

std::optional<HallOfFame> readScores(const QByteArray& bytes) {
    if (bytes.size() > kMaxRecordFileSize) {
        return std::nullopt;
    }
    const ParsedRecord record = parseRecord(bytes, kFieldCount);
    if (record.problem != RecordProblem::None) {
        return std::nullopt;
    }
    HallOfFame hall;
    for (int place = 0; place < kPlaces; ++place) {
        hall.bestNames[std::size_t(place)] = readText(record.fields[std::size_t(place)]);
        const RealField score = readReal(record.fields[std::size_t(kPlaces + place)]);
        if (score.status != FieldStatus::Ok) {
            return std::nullopt;
        }
        hall.bestScores[std::size_t(place)] = score.value;
    }
    return hall;
}

QString scoresFilePathFor(const QString& shippedFile, bool shippedFolderWritable,
                          const QString& userDataFolder) {
    if (shippedFolderWritable || userDataFolder.isEmpty()) {
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

std::optional<HallOfFame> loadScores(const QString& path) {
    const FileBytes file = readWholeFile(path);
    if (!file.error.isEmpty()) {
        return std::nullopt;
    }
    return readScores(file.bytes);
}

std::optional<QString> saveScores(const QString& path, const HallOfFame& hall) {
    for (int place = 0; place < kPlaces; ++place) {
        if (!std::isfinite(hall.bestScores[std::size_t(place)])) {
            return QStringLiteral("Таблицу нельзя сохранить: счёт на месте %1 не является числом.")
                .arg(place + 1);
        }
    }
    return writeWholeFile(path, writeScores(hall));
}
