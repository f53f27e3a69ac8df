// The text-record convention shared by saved games and the hall-of-fame file.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/code_page.h"

// No record of ours comes near this; anything larger is refused before it is read, so a wrong
// file picked by mistake (a film, a disk image) cannot fill the memory.
inline constexpr std::size_t kMaxRecordFileSize = 1024 * 1024;

// Builds one record: fields joined by commas, CR LF after the last one, Windows-1251 bytes.
class TextRecordWriter {
public:
    // The format has no escape, so a double quote is written as an apostrophe; characters that
    // Windows-1251 lacks are written as '?'. Either way the record stays readable. A text longer
    // than maxBytes (in the file's code page) is cut to that length.
    void addText(std::string_view utf8, std::size_t maxBytes = kMaxRecordFileSize);
    void addFlag(std::int16_t value); // #TRUE# for -1, #FALSE# for 0, digits for anything else
    void addInteger(std::int16_t value);
    // 15 significant digits, as the labels show numbers; only where those would not read back as
    // a number (the top of the range, which they round up past the largest real) the shortest
    // text that reads back exactly.
    void addReal(double value);

    std::string record() const;
    int fieldCount() const { return m_fields; }
    // An infinite or undefined real was written: no reader accepts the record.
    bool hasNonFinite() const { return m_nonFinite; }

private:
    void beginField();

    std::string m_bytes;
    int m_fields = 0;
    bool m_nonFinite = false;
};

struct RecordField {
    std::string bytes; // a quoted field without its quotes
    bool quoted = false;
};

enum class RecordProblem {
    None,
    MissingFields,    // the data ends before the last field begins
    UnclosedText,     // the data ends inside a quoted text
    JunkAfterText,    // something other than a separator follows a closing quote
    MissingRecordEnd, // the last field is not followed by a line end: the file was cut short
    TrailingData,     // more than blanks and line ends after the record
};

struct ParsedRecord {
    std::vector<RecordField> fields; // the fields read completely
    RecordProblem problem = RecordProblem::None;
    int problemField = 0; // 1-based number of the field the problem was met in
    // Where a reader that stops after the last field stands: just past the comma or the line end
    // (CR LF counted as one) that closed it, or the end of the data. Set when all fields were read.
    std::size_t end = 0;
};

// Every field was read; what follows the record (MissingRecordEnd, TrailingData) is for the
// caller to judge.
bool allFieldsRead(const ParsedRecord& record);

// Reads exactly `count` fields: blanks before a field are skipped; a field that begins with a
// double quote runs to the next double quote, line breaks and commas included; any other field
// runs to the next comma or line end.
ParsedRecord parseRecord(std::string_view bytes, int count);

enum class FieldStatus {
    Ok,
    NotFinite,  // "inf", "nan", or a number beyond the range of a double (one too close to 0 for
                // a double is not: it reads as 0)
    OutOfRange, // a whole number the 16-bit field cannot hold
};

struct RealField {
    // For NotFinite: the largest real of the same sign for an infinity or a number too large,
    // 0 for "nan", so a reader that keeps such a field still gets a usable number.
    double value = 0;
    FieldStatus status = FieldStatus::Ok;
};

struct SmallField {
    std::int16_t value = 0;
    FieldStatus status = FieldStatus::Ok;
};

// A field that does not hold a number reads as 0; "#TRUE#" and "#FALSE#" read as -1 and 0.
RealField readReal(const RecordField& field);
// The same, rounded to the nearest whole number (halves to the even one).
SmallField readSmall(const RecordField& field);
std::string readText(const RecordField& field);
// A text field's bytes kept to `maxBytes`, then decoded.
std::string readText(const RecordField& field, std::size_t maxBytes);
// A number field that must hold a number, and nothing else: unquoted, finite, blanks around it
// allowed. Nothing when it does not.
bool readStrictReal(const RecordField& field, double& value);
