// The table of the best kings kept in "scores.tab" on the desktop's disk, for the reign's session.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "reign/scores_store.h"

// A file that cannot be used is put aside as it is read (see loadScoresFile), so the player hears
// of it once; the problems are worded for the player.
class ScoresFile final : public ScoresStore {
public:
    explicit ScoresFile(QString path);

    ScoresStoreRead load() override;
    std::optional<ScoresStoreProblem> save(const HallOfFame& table) override;

private:
    QString m_path;
};
