// Helpers shared by the storage tests: files on disk, a file size limit, a player without rights.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <ostream>

#include <QByteArray>
#include <QString>

// Failures show messages as text rather than as bytes.
void PrintTo(const QString& text, std::ostream* out);

QByteArray readFileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);

// Runs `write` in a child process whose files may not grow past `limit` bytes (SIGXFSZ ignored,
// so a write beyond it fails with EFBIG as on a full disk). Returns the message `write` gave, or
// nothing when it reported success.
std::optional<QString> underFileSizeLimit(long limit,
                                          const std::function<std::optional<QString>()>& write);

// Runs `work` in a child process that, if this one is the superuser, gives up its rights (to the
// user "nobody"), so that file modes bind it. Returns what `work` returned.
std::optional<QString> withoutRootRights(const std::function<std::optional<QString>()>& work);
