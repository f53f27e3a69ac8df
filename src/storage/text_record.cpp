// Text records: writing fields in Windows-1251, splitting a record and converting its fields.
#include "storage/text_record.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include "sim/number_text.h"

namespace {

constexpr const char* kCodePage = "windows-1251";

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

// Without the code page (a Qt built without ICU) Cyrillic cannot be written at all; plain ASCII
// still can, so the record stays well formed and the caller reports the missing code page.
QByteArray asciiOnly(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit < 0x80) {
            out += char(unit);
        } else if (!text.at(i).isLowSurrogate()) {
            out += '?';
        }
    }
    return out;
}

} // namespace

bool recordCodePageAvailable() {
    return QStringEncoder(kCodePage).isValid() && QStringDecoder(kCodePage).isValid();
}

QByteArray encodeRecordText(const std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    text.replace(QLatin1Char('"'), QLatin1Char('\''));

    QStringEncoder encoder(kCodePage);
    if (!encoder.isValid()) {
        return asciiOnly(text);
    }
    QByteArray whole = encoder.encode(text);
    if (!encoder.hasError()) {
        return whole;
    }
    // The encoder's own substitute is the control byte SUB; a question mark is what a reader of
    // the file expects to see for a character that was lost.
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        qsizetype length = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            length = 2;
        }
        // A fresh encoder each time: after an error Qt's ICU encoder cannot be reset reliably.
        QStringEncoder single(kCodePage);
        QByteArray one = single.encode(QStringView(text).mid(i, length));
        if (single.hasError() || one.isEmpty()) {
            out += '?';
        } else {
            out += one;
        }
        i += length;
    }
    return out;
}

std::string decodeRecordText(QByteArrayView bytes) {
    QStringDecoder decoder(kCodePage);
    if (!decoder.isValid()) {
        return QString::fromLatin1(bytes).toStdString();
    }
    QString text = decoder.decode(bytes);
    return text.toStdString();
}

void TextRecordWriter::beginField() {
    if (m_fields > 0) {
        m_bytes += ',';
    }
    ++m_fields;
}

void TextRecordWriter::addText(const std::string& utf8) {
    beginField();
    m_bytes += '"';
    m_bytes += encodeRecordText(utf8);
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
    m_bytes += QByteArray::number(value);
}

void TextRecordWriter::addReal(double value) {
    beginField();
    if (!std::isfinite(value)) {
        m_nonFinite = true;
    }
    m_bytes += QByteArray::fromStdString(plainNumberText(value));
}

QByteArray TextRecordWriter::record() const {
    return m_bytes + "\r\n";
}

ParsedRecord parseRecord(QByteArrayView bytes, int count) {
    ParsedRecord result;
    const std::string_view data(bytes.data(), std::size_t(bytes.size()));
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
            field.bytes = QByteArray(data.data() + pos + 1, qsizetype(close - pos - 1));
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
            field.bytes = QByteArray(data.data() + pos, qsizetype(end - pos));
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

    // A record always ends in a line end; without it the last field may have been cut short.
    if (closed == Closed::DataEnd) {
        result.problem = RecordProblem::MissingRecordEnd;
        result.problemField = count;
    } else if (closed == Closed::Comma) {
        result.problem = RecordProblem::TrailingData;
        result.problemField = count + 1;
    } else {
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

double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) {
        return below + 1;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

RealField readReal(const RecordField& field) {
    std::string_view text(field.bytes.constData(), std::size_t(field.bytes.size()));
    text = trimmed(text);
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
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    const bool whole = ptr == end && !text.empty();
    if (!whole || (error != std::errc() && error != std::errc::result_out_of_range)) {
        return {0, FieldStatus::Ok}; // not a number: reads as 0
    }
    if (error == std::errc::result_out_of_range || !std::isfinite(value)) {
        return {0, FieldStatus::NotFinite};
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
