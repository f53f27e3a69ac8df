// Helpers shared by the storage tests: files on disk and whether permissions bind this process.
#pragma once

#include <ostream>

#include <QByteArray>
#include <QString>

// Failures show messages as text rather than as bytes.
void PrintTo(const QString& text, std::ostream* out);

QByteArray readFileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);

// Root ignores file modes, so tests that rely on chmod skip themselves under it.
bool permissionsBind();
