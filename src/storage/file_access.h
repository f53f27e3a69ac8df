// Whole-file reading and atomic writing, with messages for the player.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

struct FileBytes {
    QByteArray bytes;
    QString error; // empty when the bytes were read
};

// Refuses folders, devices, pipes and files larger than the largest record before reading.
FileBytes readWholeFile(const QString& path);

// Writes through a temporary file that replaces the old one only when everything was written,
// so a failed write leaves an existing file as it was. Returns the reason on failure.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes);

// Moves a file the game cannot use out of the way, to "<path>.bad" or, when older ones are kept,
// "<path>.bad.2" and on, never over another file. When an older one holds the same bytes the
// file is only removed. Returns where its bytes are kept, or nothing when it could not be moved.
QString keepAside(const QString& path);

// "«name»" as the messages quote a file.
QString quotedFileName(const QString& path);
