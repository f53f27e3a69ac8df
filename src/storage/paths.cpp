// Finding the files that ship with the program.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString programFileIn(const QString& programFolder, const QString& name) {
    const QDir folder(programFolder);
    const QString beside = folder.filePath(name);
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral("../share/veloria/") + name));
    if (QFileInfo::exists(installed)) {
        return installed;
    }
    return beside;
}

QString programFile(const QString& name) {
    return programFileIn(QCoreApplication::applicationDirPath(), name);
}
