// The hall-of-fame file "scores.tab": one record of ten names and ten scores.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/kingdom_state.h"

inline constexpr int kScoresFieldCount = 20;

// Why a table cannot be read, or written. Each front end words it.
struct ScoresProblem {
    enum class Kind {
        TooLarge,         // more than kMaxRecordFileSize bytes
        Empty,            // not one field
        TooFewFields,     // only `fieldsRead` of the kScoresFieldCount fields
        UnclosedText,     // it ends inside the text of `field`
        NoCommaAfterText, // something else than a separator follows the text of `field`
        ScoreNotANumber,  // writing: the score of `place` is infinite or undefined
    };
    Kind kind = Kind::Empty;
    int field = 0; // 1-based
    std::size_t fieldsRead = 0;
    int place = 0; // 1-based, for ScoreNotANumber

    bool operator==(const ScoresProblem&) const = default;
};

// Names longer than kMaxKingNameLength are cut, here and when read. Nothing is checked.
std::string writeScores(const HallOfFame& hall);

struct ScoresWrite {
    std::string bytes; // when there is no problem
    std::optional<ScoresProblem> problem;
};
// The same, refusing a table the reader would not give back (a score that is not a number).
ScoresWrite writeScoresFile(const HallOfFame& hall);

struct ScoresRead {
    std::optional<HallOfFame> hall;
    std::optional<ScoresProblem> problem; // when there is no table
};

// Reads the ten names and ten scores and nothing after them: a missing line end after the last
// score or anything that follows is no reason to refuse the table. A score that does not hold a
// number reads as 0; one beyond the range of a real ("1e999", "inf") as the largest real, so its
// king stays on top and the table stays in falling order.
ScoresRead readScoresFile(std::string_view bytes);
// The table alone, nothing when the fields are not there.
std::optional<HallOfFame> readScores(std::string_view bytes);
