// The chronicle's records after the saved game's record: writing, finding and reading them.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/chronicle_file.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "formats/text_record.h"

namespace {

// The game's own record; the chronicle begins after its line end.
constexpr int kGameFieldCount = 73;
constexpr int kEntryFieldCount = 13;
constexpr int kVersion = 1;
// Part of the file, which is the same in every language.
constexpr std::string_view kTag = "Летопись";

std::string headerRecord(std::size_t count) {
    TextRecordWriter writer;
    writer.addText(kTag);
    writer.addInteger(kVersion);
    writer.addReal(double(count));
    return writer.record();
}

std::string entryRecord(const ChronicleEntry& entry) {
    TextRecordWriter writer;
    for (double value : {entry.year, entry.workers, entry.soldiers, entry.total, entry.land,
                         entry.grain, entry.money, entry.gold, entry.oil}) {
        writer.addReal(value);
    }
    writer.addText(entry.mood);
    writer.addReal(entry.rating);
    writer.addText(entry.events);
    writer.addText(entry.report);
    return writer.record();
}

// What an old file, an editor or a copy to a floppy may leave after the last record.
bool onlyFiller(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\x1a';
    });
}

ChronicleProblem problemIn(std::size_t record, ChronicleProblem::Kind kind) {
    ChronicleProblem problem;
    problem.kind = kind;
    problem.record = record;
    return problem;
}

// One record from the front of `rest`, which then starts after it; or what is wrong with it.
std::optional<ChronicleProblem> takeRecord(std::string_view& rest, std::size_t number, int count,
                                           ParsedRecord& record) {
    record = parseRecord(rest, count);
    // More records may follow one closed by its line end; one closed by a comma has a field too
    // many.
    const bool closedByLineEnd =
        record.end > 0 && (rest[record.end - 1] == '\n' || rest[record.end - 1] == '\r');
    const bool moreFollows = record.problem == RecordProblem::TrailingData && closedByLineEnd;
    if (record.problem == RecordProblem::None || moreFollows) {
        rest.remove_prefix(record.end);
        return std::nullopt;
    }
    using Kind = ChronicleProblem::Kind;
    switch (record.problem) {
    case RecordProblem::MissingFields:
    case RecordProblem::UnclosedText:
    case RecordProblem::MissingRecordEnd:
        return problemIn(number, Kind::RecordCut);
    case RecordProblem::JunkAfterText:
        return problemIn(number, Kind::NoCommaAfterText);
    default: {
        ChronicleProblem problem = problemIn(number, Kind::TooManyFields);
        problem.fieldCount = count;
        return problem;
    }
    }
}

ChronicleRead damaged(const ChronicleProblem& problem) {
    ChronicleRead result;
    result.status = ChronicleRead::Status::Damaged;
    result.problem = problem;
    return result;
}

ChronicleRead damagedField(std::size_t record, ChronicleProblem::Kind kind, int field) {
    ChronicleProblem problem = problemIn(record, kind);
    problem.field = field;
    return damaged(problem);
}

} // namespace

std::string writeChronicle(const Chronicle& chronicle, std::size_t budget) {
    std::vector<std::string> records;
    records.reserve(chronicle.entries.size());
    std::size_t size = headerRecord(chronicle.entries.size()).size();
    // The latest entries first, as many as fit; the header's count only shrinks meanwhile.
    for (auto entry = chronicle.entries.rbegin(); entry != chronicle.entries.rend(); ++entry) {
        std::string record = entryRecord(*entry);
        if (size > budget || record.size() > budget - size) {
            break;
        }
        size += record.size();
        records.push_back(std::move(record));
    }
    std::string bytes = headerRecord(records.size());
    if (bytes.size() > budget) {
        return {};
    }
    bytes.reserve(size);
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        bytes += *record;
    }
    return bytes;
}

std::string_view bytesAfterGameRecord(std::string_view file) {
    const ParsedRecord record = parseRecord(file, kGameFieldCount);
    if (!allFieldsRead(record)) {
        return {};
    }
    return file.substr(record.end);
}

ChronicleRead readChronicle(std::string_view bytes) {
    using Kind = ChronicleProblem::Kind;
    if (onlyFiller(bytes)) {
        return {};
    }
    std::string_view rest = bytes;
    ParsedRecord record;
    if (const auto problem = takeRecord(rest, 0, 3, record)) {
        return damaged(*problem);
    }
    double version = 0;
    double count = 0;
    if (!record.fields[0].quoted || readText(record.fields[0]) != kTag) {
        return damaged(problemIn(0, Kind::NotAChronicle));
    }
    if (!readStrictReal(record.fields[1], version) || version != kVersion) {
        return damaged(problemIn(0, Kind::OtherVersion));
    }
    if (!readStrictReal(record.fields[2], count) || count < 0 || count != std::floor(count) ||
        count > double(kMaxRecordFileSize)) {
        return damaged(problemIn(0, Kind::BadCount));
    }

    ChronicleRead result;
    const auto total = std::size_t(count);
    result.entries.reserve(std::min(total, kChronicleLimit));
    for (std::size_t number = 1; number <= total; ++number) {
        if (onlyFiller(rest)) {
            ChronicleProblem problem = problemIn(0, Kind::TooFewRecords);
            problem.read = number - 1;
            problem.promised = total;
            return damaged(problem);
        }
        if (const auto problem = takeRecord(rest, number, kEntryFieldCount, record)) {
            return damaged(*problem);
        }
        const auto& f = record.fields;
        ChronicleEntry entry;
        double* const numbers[] = {&entry.year,  &entry.workers, &entry.soldiers,
                                   &entry.total, &entry.land,    &entry.grain,
                                   &entry.money, &entry.gold,    &entry.oil};
        for (std::size_t i = 0; i < std::size(numbers); ++i) {
            if (!readStrictReal(f[i], *numbers[i])) {
                return damagedField(number, Kind::NotANumber, int(i + 1));
            }
        }
        if (!readStrictReal(f[10], entry.rating)) {
            return damagedField(number, Kind::NotANumber, 11);
        }
        for (std::size_t i : {9u, 11u, 12u}) {
            if (!f[i].quoted) {
                return damagedField(number, Kind::NotAText, int(i + 1));
            }
        }
        entry.mood = readText(f[9]);
        entry.events = readText(f[11]);
        entry.report = readText(f[12]);
        result.entries.push_back(std::move(entry));
        // Only the latest entries are kept; older ones in a long file are read and let go.
        if (result.entries.size() > kChronicleLimit) {
            result.entries.erase(result.entries.begin());
        }
    }
    if (!onlyFiller(rest)) {
        return damaged(problemIn(0, Kind::TrailingData));
    }
    result.status = ChronicleRead::Status::Read;
    return result;
}
