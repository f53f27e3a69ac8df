// The hall-of-fame file "scores.tab" on the desktop's disk: where it is kept, reading and writing
// it. SPDX-FileCopyrightText: 2026 The Veloria developers SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <utility>

#include <QString>

#include "core/kingdom_state.h"
#include "reign/scores_store.h"

// The file's place: the program's folder when it can be written, else the player's own data
// folder, seeded from the copy that ships with the program.
QString scoresFilePath();

// The choice behind scoresFilePath(), its places given: the shipped file when it and its folder
// can be written, else "scores.tab" in the user's folder, copied from the shipped file the first
// time.
QString scoresFilePathFor(const QString& shippedFile, bool shippedFolderWritable,
                          const QString& userDataFolder);

struct ScoresLoad {
    std::optional<HallOfFame> hall; // nothing when the file is missing or cannot be used
    // For a file that exists but cannot be used: what is wrong and where its kings are kept,
    // in Russian. The file is moved aside at once, so the next load finds none and says nothing.
    QString problem;
};

// Reads the table; a file that cannot be used is moved to "scores.tab.bad" (see keepAside) so
// that no later save writes over its kings.
ScoresLoad loadScoresFile(const QString& path);
// loadScoresFile without the message.
std::optional<HallOfFame> loadScores(const QString& path);
// Atomic; returns a message for the player on failure. An existing file that is not a usable
// table is first moved aside, and if it cannot be, nothing is written.
std::optional<QString> saveScores(const QString& path, const HallOfFame& hall);

// The table of the best kings in its file, for the reign's session: the same reading, writing and
// keeping aside as above, the messages in the game's language (UTF-8).
class ScoresFileStore final : public ScoresStore {
public:
    explicit ScoresFileStore(QString path) : m_path(std::move(path)) {}

    ScoresStoreRead load() override;
    std::optional<ScoresStoreProblem> save(const HallOfFame& table) override;

    const QString& path() const { return m_path; }

private:
    QString m_path;
};
