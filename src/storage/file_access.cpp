// Reading and writing whole files for the storage layer.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/file_access.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "formats/text_record.h"

namespace {

// The largest file the game reads: its largest record.
constexpr qsizetype kMaxFileSize = qsizetype(kMaxRecordFileSize);

// The player's messages about files.
class FileAccess {
    Q_DECLARE_TR_FUNCTIONS(FileAccess)
};

QString reasonFor(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::PermissionsError:
        //: Why a file could not be written: it follows "Не удалось записать файл «…»: ", and a
        //: full stop ends it. So do the reasons below.
        return FileAccess::tr("нет прав на запись");
    case QFileDevice::ResourceError:
        return FileAccess::tr("на диске не хватает места");
    case QFileDevice::WriteError:
        return FileAccess::tr("ошибка записи на диск");
    case QFileDevice::RenameError:
        return FileAccess::tr("старый файл не удалось заменить");
    case QFileDevice::OpenError:
        return FileAccess::tr("файл не удаётся создать");
    default:
        return FileAccess::tr("файловая система отказала в записи");
    }
}

// QSaveFile writes beside the file, under its name followed by a dot and six characters.
constexpr qsizetype kTemporarySuffix = 7;

// Why a failed write failed: the system's code says more than Qt's kind of error.
QString writeFailure(int code, QFileDevice::FileError error) {
    switch (code) {
    case ENOSPC:
        return FileAccess::tr("на диске не хватает места");
    case EDQUOT:
        return FileAccess::tr("исчерпана дисковая квота");
    case EFBIG:
        return FileAccess::tr("файл превысил разрешённый ему размер");
    case EIO:
        return FileAccess::tr("ошибка ввода-вывода на диске");
    default:
        return reasonFor(error == QFileDevice::NoError ? QFileDevice::WriteError : error);
    }
}

// The first folder on the way to `path` that may not be entered.
QString closedFolder(const QString& path) {
    QString folder = QFileInfo(path).absolutePath();
    QStringList chain;
    for (QDir dir(folder);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp()) {
            break;
        }
    }
    for (const QString& step : chain) {
        if (::access(QFile::encodeName(step).constData(), X_OK) != 0) {
            return step;
        }
    }
    return folder;
}

// The reason a path cannot be reached, for the codes where "not found" would not be true.
QString unreachable(int code, const QString& path) {
    switch (code) {
    case ENAMETOOLONG:
        //: Why a file cannot be reached: it follows "Не удалось открыть файл «…»: " or
        //: "Не удалось записать файл «…»: ", and a full stop ends it.
        return FileAccess::tr("имя файла слишком длинное для этой файловой системы");
    case EACCES:
        return FileAccess::tr("нет доступа к папке %1").arg(quotedFileName(closedFolder(path)));
    case ELOOP:
        return FileAccess::tr("символические ссылки в пути замыкаются в петлю");
    default:
        return {};
    }
}

QString tooLarge(const QString& path) {
    return FileAccess::tr("Файл %1 слишком велик: в нём больше 1 МБ.").arg(quotedFileName(path));
}

} // namespace

QString quotedFileName(const QString& path) {
    //: A file's name as the messages quote it.
    return FileAccess::tr("«%1»").arg(QDir::toNativeSeparators(path));
}

FileBytes readWholeFile(const QString& path) {
    FileBytes result;
    if (path.isEmpty()) {
        result.error = FileAccess::tr("Не указано имя файла.");
        return result;
    }
    const QFileInfo info(path);
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        const QString reason = unreachable(errno, path);
        result.error = reason.isEmpty()
                           ? FileAccess::tr("Файл %1 не найден.").arg(quotedFileName(path))
                           : FileAccess::tr("Не удалось открыть файл %1: %2.")
                                 .arg(quotedFileName(path), reason);
        return result;
    }
    if (info.isDir()) {
        result.error = FileAccess::tr("%1 — это папка, а не файл.").arg(quotedFileName(path));
        return result;
    }
    // A pipe or a device would block or never end; only regular files are read.
    if (!info.isFile()) {
        result.error = FileAccess::tr("%1 — не обычный файл.").arg(quotedFileName(path));
        return result;
    }
    if (info.size() > kMaxFileSize) {
        result.error = tooLarge(path);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!info.isReadable()) {
            result.error = FileAccess::tr("Не удалось открыть файл %1: нет прав на чтение.")
                               .arg(quotedFileName(path));
        } else {
            result.error = FileAccess::tr("Не удалось открыть файл %1.").arg(quotedFileName(path));
        }
        return result;
    }
    // Read as far as one byte past the limit, which tells a file that grew since it was
    // measured. In pieces: asking for the whole limit at once would reserve a megabyte for every
    // hall-of-fame file of a few hundred bytes.
    QByteArray bytes;
    while (bytes.size() <= kMaxFileSize) {
        const QByteArray piece =
            file.read(qMin<qint64>(64 * 1024, kMaxFileSize + 1 - bytes.size()));
        if (piece.isEmpty()) {
            break;
        }
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError) {
        result.error = FileAccess::tr("Не удалось прочитать файл %1.").arg(quotedFileName(path));
        return result;
    }
    if (bytes.size() > kMaxFileSize) {
        result.error = tooLarge(path);
        return result;
    }
    result.bytes = std::move(bytes);
    return result;
}

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) {
        return FileAccess::tr("Не указано имя файла.");
    }
    //: The start of a message: the reason follows the blank.
    const QString prefix =
        FileAccess::tr("Не удалось записать файл %1: ").arg(quotedFileName(path));
    const QFileInfo info(path);
    if (info.isDir()) {
        return prefix + FileAccess::tr("под этим именем уже есть папка.");
    }
    const QFileInfo folder(info.absolutePath());
    struct stat status {};
    if (::stat(QFile::encodeName(folder.filePath()).constData(), &status) != 0) {
        const QString reason = unreachable(errno, path);
        return prefix +
               (reason.isEmpty()
                    ? FileAccess::tr("папки %1 нет.").arg(quotedFileName(folder.filePath()))
                    : reason + QLatin1Char('.'));
    }
    if (!S_ISDIR(status.st_mode)) {
        return prefix + FileAccess::tr("папки %1 нет.").arg(quotedFileName(folder.filePath()));
    }
    // The temporary file beside it needs a few more characters than the name itself.
    long nameMax = ::pathconf(QFile::encodeName(folder.filePath()).constData(), _PC_NAME_MAX);
    if (nameMax <= 0) {
        nameMax = 255;
    }
    if (QFile::encodeName(info.fileName()).size() + kTemporarySuffix > nameMax) {
        return prefix + unreachable(ENAMETOOLONG, path) + QLatin1Char('.');
    }
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        // A device or a pipe (or a link to one) would be replaced by a plain file, or, written
        // into, would swallow the game.
        if (!S_ISREG(status.st_mode)) {
            return prefix + FileAccess::tr("это не обычный файл, а устройство или канал.");
        }
    } else if (errno != ENOENT) {
        const QString reason = unreachable(errno, path);
        if (!reason.isEmpty()) {
            return prefix + reason + QLatin1Char('.');
        }
    }

    // Unbuffered, so that every write reaches the file system here and its failure is seen
    // before commit() puts the new file in place of the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (info.exists() && !info.isWritable()) {
            return prefix + FileAccess::tr("файл защищён от записи.");
        }
        if (!folder.isWritable()) {
            return prefix + FileAccess::tr("нет прав на запись в папку %1.")
                                .arg(quotedFileName(folder.filePath()));
        }
        return prefix + reasonFor(file.error()) + QLatin1Char('.');
    }
    // A write may take only part of the data; the next one then tells why it stopped.
    qsizetype written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 piece = file.write(bytes.constData() + written, bytes.size() - written);
        if (piece <= 0) {
            const int code = errno;
            const QFileDevice::FileError error = file.error();
            file.cancelWriting();
            return prefix + writeFailure(code, error) + QLatin1Char('.');
        }
        written += qsizetype(piece);
    }
    // Some file systems find out that the disk is full only when the data goes to the disk.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        const int code = errno;
        file.cancelWriting();
        return prefix + writeFailure(code, QFileDevice::WriteError) + QLatin1Char('.');
    }
    if (!file.commit()) {
        const QFileDevice::FileError error = file.error();
        return prefix +
               reasonFor(error == QFileDevice::NoError ? QFileDevice::RenameError : error) +
               QLatin1Char('.');
    }
    return std::nullopt;
}

QString keepAside(const QString& path) {
    // Only a plain file is moved: a folder, a device or a pipe of that name is not ours to move.
    const QFileInfo info(path);
    if (!info.isFile()) {
        return {};
    }
    // Equal bytes are looked for only in files small enough to compare at once.
    const auto bytesOf = [](const QString& file) {
        QFile handle(file);
        return handle.size() <= 16 * kMaxFileSize && handle.open(QIODevice::ReadOnly)
                   ? handle.readAll()
                   : QByteArray();
    };
    const QByteArray bytes = bytesOf(path);
    for (int number = 1; number < 100; ++number) {
        const QString aside =
            path + (number == 1 ? QStringLiteral(".bad") : QStringLiteral(".bad.%1").arg(number));
        const QFileInfo older(aside);
        if (older.isSymLink() || older.exists()) {
            // The same bytes are kept already: this copy may go.
            if (!bytes.isEmpty() && older.isFile() && bytesOf(aside) == bytes) {
                return QFile::remove(path) ? aside : QString();
            }
            continue;
        }
        // rename() never replaces an existing file, so an older one is safe even if it appeared
        // just now.
        return QFile::rename(path, aside) ? aside : QString();
    }
    return {};
}
