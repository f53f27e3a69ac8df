// The chronicle in a saved game: further text records after the game's own record.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "sim/chronicle.h"

// A header record «"Летопись",1,count» and one record per entry: year, workers, soldiers,
// total, land, grain, money, gold, oil, "mood", rating, "events", "report". Same convention as
// the game's record: Windows-1251, commas, texts in double quotes (a double quote inside a text
// becomes an apostrophe), CR LF. Appended after the game's record, which stays as it was, so a
// reader that stops after the game's last field still loads the file.
//
// With a budget, only as many of the latest entries as fit in `budget` bytes are kept (the game
// and its chronicle together must stay within the size a saved game may have); nothing at all
// when not even the header fits.
std::string writeChronicle(const Chronicle& chronicle,
                           std::size_t budget = std::numeric_limits<std::size_t>::max());

// What follows the game's record in a saved-game file: empty when the record itself is not
// complete (the game's reader then says what is wrong).
std::string_view bytesAfterGameRecord(std::string_view file);

// Why a chronicle cannot be read. Each front end words it.
struct ChronicleProblem {
    enum class Kind {
        NotAChronicle,    // the header is not the chronicle's
        OtherVersion,     // the header names another version of the format
        BadCount,         // the header's count of entries is no whole number in range
        RecordCut,        // `record` ends before its last field (or inside a text)
        NoCommaAfterText, // in `record`, something else than a separator follows a text
        TooManyFields,    // `record` has more than its `fieldCount` fields
        NotANumber,       // `field` of `record` does not hold a number
        NotAText,         // `field` of `record` does not hold a text
        TooFewRecords,    // the data ends after `read` of the `promised` entries
        TrailingData,     // something follows the last entry
    };
    Kind kind = Kind::NotAChronicle;
    std::size_t record = 0; // 0 for the header, 1 for the first entry
    int field = 0;          // 1-based, for NotANumber and NotAText
    int fieldCount = 0;     // for TooManyFields: how many fields the record has
    std::size_t read = 0;   // for TooFewRecords
    std::size_t promised = 0;

    bool operator==(const ChronicleProblem&) const = default;
};

struct ChronicleRead {
    enum class Status {
        Absent,  // nothing but blank lines or Ctrl-Z after the record: a file from before
        Read,    // entries holds the chronicle
        Damaged, // the game loads, its chronicle starts anew; problem says why
    };
    Status status = Status::Absent;
    std::vector<ChronicleEntry> entries;
    ChronicleProblem problem; // for Damaged
};

// Reads the bytes after the game's record. Never fails otherwise: damage is reported.
ChronicleRead readChronicle(std::string_view bytes);
