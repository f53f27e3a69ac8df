// The hall-of-fame file: its record of ten names and ten scores.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/scores.h"

#include <cmath>

#include "formats/saved_game.h"
#include "formats/text_record.h"

namespace {

constexpr int kPlaces = 10;

} // namespace

std::string writeScores(const HallOfFame& hall) {
    TextRecordWriter writer;
    for (const std::string& name : hall.bestNames) {
        writer.addText(name, kMaxKingNameLength);
    }
    for (double score : hall.bestScores) {
        writer.addReal(score);
    }
    return writer.record();
}

ScoresWrite writeScoresFile(const HallOfFame& hall) {
    ScoresWrite result;
    for (int place = 0; place < kPlaces; ++place) {
        if (!std::isfinite(hall.bestScores[std::size_t(place)])) {
            ScoresProblem problem;
            problem.kind = ScoresProblem::Kind::ScoreNotANumber;
            problem.place = place + 1;
            result.problem = problem;
            return result;
        }
    }
    result.bytes = writeScores(hall);
    return result;
}

ScoresRead readScoresFile(std::string_view bytes) {
    ScoresRead result;
    using Kind = ScoresProblem::Kind;
    if (bytes.size() > kMaxRecordFileSize) {
        ScoresProblem problem;
        problem.kind = Kind::TooLarge;
        result.problem = problem;
        return result;
    }
    const ParsedRecord record = parseRecord(bytes, kScoresFieldCount);
    if (!allFieldsRead(record)) {
        ScoresProblem problem;
        problem.field = record.problemField;
        problem.fieldsRead = record.fields.size();
        switch (record.problem) {
        case RecordProblem::UnclosedText:
            problem.kind = Kind::UnclosedText;
            break;
        case RecordProblem::JunkAfterText:
            problem.kind = Kind::NoCommaAfterText;
            break;
        default:
            problem.kind = record.fields.empty() ? Kind::Empty : Kind::TooFewFields;
            break;
        }
        result.problem = problem;
        return result;
    }
    HallOfFame hall;
    for (int place = 0; place < kPlaces; ++place) {
        hall.bestNames[std::size_t(place)] =
            readText(record.fields[std::size_t(place)], kMaxKingNameLength);
        // A score beyond a real still says "better than anyone": the largest real keeps that.
        hall.bestScores[std::size_t(place)] =
            readReal(record.fields[std::size_t(kPlaces + place)]).value;
    }
    result.hall = std::move(hall);
    return result;
}

std::optional<HallOfFame> readScores(std::string_view bytes) {
    return readScoresFile(bytes).hall;
}
