// Text records: writing fields in Windows-1251, splitting a record and converting its fields.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/text_record.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <system_error>

#include "core/decimal.h"
#include "core/number_text.h"
#include "core/rounding.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// For a number text that from_chars found out of range: whether it is too large (rather than too
// close to 0). Its decimal magnitude decides: the position of the first significant digit
// relative to the point, plus the exponent.
bool beyondLargest(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    long long magnitude = 0;
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == '0') {
        ++pos;
    }
    long long whole = 0;
    while (pos < text.size() && (text[pos] >= '0' && text[pos] <= '9')) {
        ++whole;
        ++pos;
    }
    if (whole > 0) {
        magnitude = whole - 1;
    } else if (pos < text.size() && text[pos] == '.') {
        ++pos;
        long long zeros = 0;
        while (pos < text.size() && text[pos] == '0') {
            ++zeros;
            ++pos;
        }
        magnitude = -zeros - 1;
    }
    const std::size_t exponentAt = text.find_first_of("eE");
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::size_t at = exponentAt + 1;
        const bool negative = at < text.size() && text[at] == '-';
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
            ++at;
        }
        for (; at < text.size(); ++at) {
            exponent = std::min<long long>(exponent * 10 + (text[at] - '0'), 1'000'000'000);
        }
        exponent = negative ? -exponent : exponent;
    }
    return magnitude + exponent > 0;
}

double largestOfSign(bool negative) {
    const double largest = std::numeric_limits<double>::max();
    return negative ? -largest : largest;
}

// The number as the labels show it, unless that text would not read back as a number.
std::string realText(double value) {
    std::string fifteen = plainNumberText(value);
    double back = 0;
    const auto [ptr, error] = readDecimal(fifteen.data(), fifteen.data() + fifteen.size(), back);
    if (error == std::errc() || !std::isfinite(value)) {
        return fifteen;
    }
    char buffer[64];
    return std::string(buffer, writeShortestDecimal(buffer, buffer + sizeof buffer, value));
}

} // namespace

void TextRecordWriter::beginField() {
    if (m_fields > 0) {
        m_bytes += ',';
    }
    ++m_fields;
}

void TextRecordWriter::addText(std::string_view utf8, std::size_t maxBytes) {
    beginField();
    m_bytes += '"';
    const std::string text = encodeRecordText(utf8);
    m_bytes.append(text, 0, std::min(text.size(), maxBytes));
    m_bytes += '"';
}

void TextRecordWriter::addFlag(std::int16_t value) {
    if (value == -1) {
        beginField();
        m_bytes += "#TRUE#";
    } else if (value == 0) {
        beginField();
        m_bytes += "#FALSE#";
    } else {
        addInteger(value);
    }
}

void TextRecordWriter::addInteger(std::int16_t value) {
    beginField();
    m_bytes += std::to_string(value);
}

void TextRecordWriter::addReal(double value) {
    beginField();
    if (!std::isfinite(value)) {
        m_nonFinite = true;
    }
    m_bytes += realText(value);
}

std::string TextRecordWriter::record() const {
    return m_bytes + "\r\n";
}

ParsedRecord parseRecord(std::string_view data, int count) {
    ParsedRecord result;
    std::size_t pos = 0;
    // How the last field read was closed: by a comma, a line end, or the end of the data.
    enum class Closed { Comma, LineEnd, DataEnd } closed = Closed::DataEnd;

    for (int number = 1; number <= count; ++number) {
        while (pos < data.size() && isBlank(data[pos])) {
            ++pos;
        }
        if (pos >= data.size()) {
            result.problem = RecordProblem::MissingFields;
            result.problemField = number;
            return result;
        }
        RecordField field;
        if (data[pos] == '"') {
            const std::size_t close = data.find('"', pos + 1);
            if (close == std::string_view::npos) {
                result.problem = RecordProblem::UnclosedText;
                result.problemField = number;
                return result;
            }
            field.bytes = std::string(data.substr(pos + 1, close - pos - 1));
            field.quoted = true;
            pos = close + 1;
            while (pos < data.size() && isBlank(data[pos])) {
                ++pos;
            }
            if (pos < data.size() && data[pos] != ',' && !isLineEnd(data[pos])) {
                result.problem = RecordProblem::JunkAfterText;
                result.problemField = number;
                return result;
            }
        } else {
            std::size_t end = pos;
            while (end < data.size() && data[end] != ',' && !isLineEnd(data[end])) {
                ++end;
            }
            field.bytes = std::string(data.substr(pos, end - pos));
            pos = end;
        }
        result.fields.push_back(std::move(field));

        if (pos >= data.size()) {
            closed = Closed::DataEnd;
        } else if (data[pos] == ',') {
            closed = Closed::Comma;
            ++pos;
        } else {
            closed = Closed::LineEnd;
            if (data[pos] == '\r' && pos + 1 < data.size() && data[pos + 1] == '\n') {
                ++pos;
            }
            ++pos;
        }
    }

    result.end = pos;
    // A record always ends in a line end; without it the last field may have been cut short.
    if (closed == Closed::DataEnd) {
        result.problem = RecordProblem::MissingRecordEnd;
        result.problemField = count;
    } else if (closed == Closed::Comma) {
        result.problem = RecordProblem::TrailingData;
        result.problemField = count + 1;
    } else {
        result.end = pos;
        for (; pos < data.size(); ++pos) {
            if (!isBlank(data[pos]) && !isLineEnd(data[pos])) {
                result.problem = RecordProblem::TrailingData;
                result.problemField = count + 1;
                break;
            }
        }
    }
    return result;
}

bool allFieldsRead(const ParsedRecord& record) {
    return record.problem == RecordProblem::None ||
           record.problem == RecordProblem::MissingRecordEnd ||
           record.problem == RecordProblem::TrailingData;
}

RealField readReal(const RecordField& field) {
    std::string_view text = trimmed(field.bytes);
    if (!field.quoted) {
        if (text == "#TRUE#") {
            return {-1, FieldStatus::Ok};
        }
        if (text == "#FALSE#") {
            return {0, FieldStatus::Ok};
        }
    }
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = readDecimal(text.data(), end, value);
    const bool whole = ptr == end && !text.empty();
    if (!whole || (error != std::errc() && error != std::errc::result_out_of_range)) {
        return {0, FieldStatus::Ok}; // not a number: reads as 0
    }
    const bool negative = text.front() == '-';
    if (error == std::errc::result_out_of_range) {
        // Too close to 0 for a real is 0, as the arithmetic itself would round it.
        if (!beyondLargest(text)) {
            return {0, FieldStatus::Ok};
        }
        return {largestOfSign(negative), FieldStatus::NotFinite};
    }
    if (std::isnan(value)) {
        return {0, FieldStatus::NotFinite};
    }
    if (std::isinf(value)) {
        return {largestOfSign(negative), FieldStatus::NotFinite};
    }
    return {value, FieldStatus::Ok};
}

SmallField readSmall(const RecordField& field) {
    const RealField real = readReal(field);
    if (real.status != FieldStatus::Ok) {
        return {0, real.status};
    }
    const double rounded = roundHalfEven(real.value);
    if (rounded < -32768 || rounded > 32767) {
        return {0, FieldStatus::OutOfRange};
    }
    return {std::int16_t(rounded), FieldStatus::Ok};
}

std::string readText(const RecordField& field) {
    return decodeRecordText(field.bytes);
}

std::string readText(const RecordField& field, std::size_t maxBytes) {
    return decodeRecordText(std::string_view(field.bytes).substr(0, maxBytes));
}

bool readStrictReal(const RecordField& field, double& value) {
    if (field.quoted) {
        return false;
    }
    const std::string_view text = trimmed(field.bytes);
    const char* end = text.data() + text.size();
    const auto [ptr, error] = readDecimal(text.data(), end, value);
    return !text.empty() && ptr == end && error == std::errc() && std::isfinite(value);
}
