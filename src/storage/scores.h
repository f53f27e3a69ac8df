// The hall-of-fame file "scores.tab": one record of ten names and ten scores.
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "core/kingdom_state.h"

QByteArray writeScores(const HallOfFame& hall);
std::optional<HallOfFame> readScores(const QByteArray& bytes);

// The file's place: the program's folder when it can be written, else the player's own data
// folder, seeded from the copy that ships with the program.
QString scoresFilePath();

// The choice behind scoresFilePath(), its places given: the shipped file when its folder can be
// written, else "scores.tab" in the user's folder, copied from the shipped file the first time.
QString scoresFilePathFor(const QString& shippedFile, bool shippedFolderWritable,
                          const QString& userDataFolder);

// Nothing when the file is missing or malformed: the table then shows its design rows.
std::optional<HallOfFame> loadScores(const QString& path);
// Atomic; returns a message for the player on failure.
std::optional<QString> saveScores(const QString& path, const HallOfFame& hall);
