// Reading and writing whole files for the storage layer.
#include "storage/file_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "storage/text_record.h"

namespace {

QString reasonFor(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("нет прав на запись");
    case QFileDevice::ResourceError:
        return QStringLiteral("на диске не хватает места");
    case QFileDevice::WriteError:
        return QStringLiteral("ошибка записи на диск");
    case QFileDevice::RenameError:
        return QStringLiteral("старый файл не удалось заменить");
    case QFileDevice::OpenError:
        return QStringLiteral("файл не удаётся создать");
    default:
        return QStringLiteral("файловая система отказала в записи");
    }
}

QString tooLarge(const QString& path) {
    return QStringLiteral("Файл %1 слишком велик: в нём больше 1 МБ.").arg(quotedFileName(path));
}

} // namespace

QString quotedFileName(const QString& path) {
    return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path));
}

FileBytes readWholeFile(const QString& path) {
    FileBytes result;
    if (path.isEmpty()) {
        result.error = QStringLiteral("Не указано имя файла.");
        return result;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = QStringLiteral("Файл %1 не найден.").arg(quotedFileName(path));
        return result;
    }
    if (info.isDir()) {
        result.error = QStringLiteral("%1 — это папка, а не файл.").arg(quotedFileName(path));
        return result;
    }
    // A pipe or a device would block or never end; only regular files are read.
    if (!info.isFile()) {
        result.error = QStringLiteral("%1 — не обычный файл.").arg(quotedFileName(path));
        return result;
    }
    if (info.size() > kMaxRecordFileSize) {
        result.error = tooLarge(path);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!info.isReadable()) {
            result.error = QStringLiteral("Не удалось открыть файл %1: нет прав на чтение.")
                               .arg(quotedFileName(path));
        } else {
            result.error = QStringLiteral("Не удалось открыть файл %1.").arg(quotedFileName(path));
        }
        return result;
    }
    // Read as far as one byte past the limit, which tells a file that grew since it was
    // measured. In pieces: asking for the whole limit at once would reserve a megabyte for every
    // hall-of-fame file of a few hundred bytes.
    QByteArray bytes;
    while (bytes.size() <= kMaxRecordFileSize) {
        const QByteArray piece =
            file.read(qMin<qint64>(64 * 1024, kMaxRecordFileSize + 1 - bytes.size()));
        if (piece.isEmpty()) {
            break;
        }
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError) {
        result.error = QStringLiteral("Не удалось прочитать файл %1.").arg(quotedFileName(path));
        return result;
    }
    if (bytes.size() > kMaxRecordFileSize) {
        result.error = tooLarge(path);
        return result;
    }
    result.bytes = std::move(bytes);
    return result;
}

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) {
        return QStringLiteral("Не указано имя файла.");
    }
    const QString prefix =
        QStringLiteral("Не удалось записать файл %1: ").arg(quotedFileName(path));
    const QFileInfo info(path);
    if (info.isDir()) {
        return prefix + QStringLiteral("под этим именем уже есть папка.");
    }
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir()) {
        return prefix + QStringLiteral("папки %1 нет.").arg(quotedFileName(folder.filePath()));
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (info.exists() && !info.isWritable()) {
            return prefix + QStringLiteral("файл защищён от записи.");
        }
        if (!folder.isWritable()) {
            return prefix + QStringLiteral("нет прав на запись в папку %1.")
                                .arg(quotedFileName(folder.filePath()));
        }
        return prefix + reasonFor(file.error()) + QLatin1Char('.');
    }
    if (file.write(bytes) != bytes.size()) {
        const QFileDevice::FileError error = file.error();
        file.cancelWriting();
        return prefix + reasonFor(error == QFileDevice::NoError ? QFileDevice::WriteError : error) +
               QLatin1Char('.');
    }
    if (!file.commit()) {
        const QFileDevice::FileError error = file.error();
        return prefix +
               reasonFor(error == QFileDevice::NoError ? QFileDevice::RenameError : error) +
               QLatin1Char('.');
    }
    return std::nullopt;
}
