// The table of the best kings in its file, for the reign's session.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/scores_file.h"

#include <utility>

#include "storage/scores.h"

ScoresFile::ScoresFile(QString path) : m_path(std::move(path)) {}

ScoresStoreRead ScoresFile::load() {
    const ScoresLoad table = loadScoresFile(m_path);
    ScoresStoreRead read{table.hall, std::nullopt};
    if (!table.problem.isEmpty()) {
        read.problem =
            ScoresStoreProblem{ScoresStoreProblem::Kind::Unusable, table.problem.toStdString()};
    }
    return read;
}

std::optional<ScoresStoreProblem> ScoresFile::save(const HallOfFame& table) {
    if (const std::optional<QString> error = saveScores(m_path, table)) {
        return ScoresStoreProblem{ScoresStoreProblem::Kind::NotWritten, error->toStdString()};
    }
    return std::nullopt;
}
