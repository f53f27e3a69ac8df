// Where a front end keeps the table of the best kings: the session asks, the store reads and
// writes it wherever its platform keeps files.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/kingdom_state.h"

// Why the table could not be read or written, in the store's own words for the player.
struct ScoresStoreProblem {
    enum class Kind {
        Unusable,   // the stored table cannot be read; the store has kept it aside
        NotWritten, // the table could not be stored
    };
    Kind kind = Kind::Unusable;
    std::string message;

    bool operator==(const ScoresStoreProblem&) const = default;
};

struct ScoresStoreRead {
    std::optional<HallOfFame> table;           // nothing: no usable table is stored
    std::optional<ScoresStoreProblem> problem; // a stored table that could not be used
};

class ScoresStore {
public:
    virtual ~ScoresStore() = default;
    virtual ScoresStoreRead load() = 0;
    // Nothing when the table was stored.
    virtual std::optional<ScoresStoreProblem> save(const HallOfFame& table) = 0;
};

// A table kept in memory alone (tests, and a front end without files).
class MemoryScoresStore final : public ScoresStore {
public:
    ScoresStoreRead load() override { return {stored, std::nullopt}; }
    std::optional<ScoresStoreProblem> save(const HallOfFame& table) override {
        stored = table;
        ++saves;
        return std::nullopt;
    }

    std::optional<HallOfFame> stored;
    int saves = 0;
};
