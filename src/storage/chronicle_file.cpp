// The chronicle's records after the saved game's record: writing, finding and reading them.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/chronicle_file.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string_view>

#include <QCoreApplication>

#include "storage/text_record.h"

namespace {

// The game's own record; the chronicle begins after its line end.
constexpr int kGameFieldCount = 73;
constexpr int kEntryFieldCount = 13;
constexpr int kVersion = 1;
// Part of the file, which is the same in every language.
const std::string kTag = "Летопись";

// The player's messages about a chronicle that cannot be read.
class ChronicleFile {
    Q_DECLARE_TR_FUNCTIONS(ChronicleFile)
};

QByteArray headerRecord(qsizetype count) {
    TextRecordWriter writer;
    writer.addText(kTag);
    writer.addInteger(kVersion);
    writer.addReal(double(count));
    return writer.record();
}

QByteArray entryRecord(const ChronicleEntry& entry) {
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
bool onlyFiller(QByteArrayView bytes) {
    for (char c : bytes) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\x1a') {
            return false;
        }
    }
    return true;
}

// A number field must hold a number: the chronicle has no reason to carry anything else.
bool strictReal(const RecordField& field, double& value) {
    if (field.quoted) {
        return false;
    }
    std::string_view text(field.bytes.constData(), std::size_t(field.bytes.size()));
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && ptr == end && error == std::errc() && std::isfinite(value);
}

// One record from the front of `rest`, which then starts after it. Empty reason on success.
QString takeRecord(QByteArrayView& rest, int count, ParsedRecord& record) {
    record = parseRecord(rest, count);
    // More records may follow one closed by its line end; one closed by a comma has a field too
    // many.
    const bool closedByLineEnd =
        record.end > 0 && (rest[record.end - 1] == '\n' || rest[record.end - 1] == '\r');
    const bool moreFollows = record.problem == RecordProblem::TrailingData && closedByLineEnd;
    if (record.problem == RecordProblem::None || moreFollows) {
        rest = rest.sliced(record.end);
        return {};
    }
    switch (record.problem) {
    case RecordProblem::MissingFields:
    case RecordProblem::UnclosedText:
    case RecordProblem::MissingRecordEnd:
        //: What is wrong with a record of the chronicle; it follows "заголовок: " or
        //: "запись 3: ". So do the two below.
        return ChronicleFile::tr("запись обрывается");
    case RecordProblem::JunkAfterText:
        return ChronicleFile::tr("после текста нет запятой");
    default:
        return ChronicleFile::tr("в записи больше %1 полей").arg(count);
    }
}

ChronicleRead damaged(const QString& reason) {
    ChronicleRead result;
    result.status = ChronicleRead::Status::Damaged;
    result.reason = reason;
    return result;
}

} // namespace

QByteArray writeChronicle(const Chronicle& chronicle) {
    return writeChronicle(chronicle, std::numeric_limits<qsizetype>::max());
}

QByteArray writeChronicle(const Chronicle& chronicle, qsizetype budget) {
    std::vector<QByteArray> records;
    records.reserve(chronicle.entries.size());
    qsizetype size = headerRecord(qsizetype(chronicle.entries.size())).size();
    // The latest entries first, as many as fit; the header's count only shrinks meanwhile.
    for (auto entry = chronicle.entries.rbegin(); entry != chronicle.entries.rend(); ++entry) {
        QByteArray record = entryRecord(*entry);
        if (record.size() > budget - size) {
            break;
        }
        size += record.size();
        records.push_back(std::move(record));
    }
    QByteArray bytes = headerRecord(qsizetype(records.size()));
    if (bytes.size() > budget) {
        return {};
    }
    bytes.reserve(size);
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        bytes += *record;
    }
    return bytes;
}

QByteArrayView bytesAfterGameRecord(QByteArrayView file) {
    const ParsedRecord record = parseRecord(file, kGameFieldCount);
    if (!allFieldsRead(record)) {
        return {};
    }
    return file.sliced(record.end);
}

ChronicleRead readChronicle(QByteArrayView bytes) {
    if (onlyFiller(bytes)) {
        return {};
    }
    QByteArrayView rest = bytes;
    ParsedRecord record;
    if (const QString problem = takeRecord(rest, 3, record); !problem.isEmpty()) {
        //: Why the chronicle cannot be read; %1: what is wrong with its header record. This and
        //: the reasons below go into "…прочитать не удалось (%1)…".
        return damaged(ChronicleFile::tr("заголовок: %1").arg(problem));
    }
    double version = 0;
    double count = 0;
    if (!record.fields[0].quoted || readText(record.fields[0]) != kTag) {
        return damaged(ChronicleFile::tr("после записи игры идёт что-то другое"));
    }
    if (!strictReal(record.fields[1], version) || version != kVersion) {
        return damaged(ChronicleFile::tr("она записана другой версией игры"));
    }
    if (!strictReal(record.fields[2], count) || count < 0 || count != std::floor(count) ||
        count > double(kMaxRecordFileSize)) {
        return damaged(ChronicleFile::tr("в заголовке неверное число записей"));
    }

    ChronicleRead result;
    const auto total = std::size_t(count);
    result.entries.reserve(std::min(total, kChronicleLimit));
    for (std::size_t number = 1; number <= total; ++number) {
        const auto at = [number](const QString& what) {
            //: %1: the record's number; %2: what is wrong with it.
            return ChronicleFile::tr("запись %1: %2").arg(number).arg(what);
        };
        if (onlyFiller(rest)) {
            //: %1 of the %n records the header promises were read.
            return damaged(ChronicleFile::tr("она обрывается: прочитано %1 записей из %n", nullptr,
                                             int(std::min<std::size_t>(total, INT_MAX)))
                               .arg(number - 1));
        }
        if (const QString problem = takeRecord(rest, kEntryFieldCount, record);
            !problem.isEmpty()) {
            return damaged(at(problem));
        }
        const auto& f = record.fields;
        ChronicleEntry entry;
        double* const numbers[] = {&entry.year,  &entry.workers, &entry.soldiers,
                                   &entry.total, &entry.land,    &entry.grain,
                                   &entry.money, &entry.gold,    &entry.oil};
        for (std::size_t i = 0; i < std::size(numbers); ++i) {
            if (!strictReal(f[i], *numbers[i])) {
                //: %1: the field's number.
                return damaged(at(ChronicleFile::tr("поле %1 — не число").arg(i + 1)));
            }
        }
        if (!strictReal(f[10], entry.rating)) {
            return damaged(at(ChronicleFile::tr("поле %1 — не число").arg(11)));
        }
        for (std::size_t i : {9u, 11u, 12u}) {
            if (!f[i].quoted) {
                return damaged(at(ChronicleFile::tr("поле %1 — не текст").arg(i + 1)));
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
        return damaged(ChronicleFile::tr("после последней записи есть лишние данные"));
    }
    result.status = ChronicleRead::Status::Read;
    return result;
}

QString chronicleDamagedMessage(const QString& reason) {
    //: %1: why the chronicle could not be read.
    return ChronicleFile::tr("Игра загружена, но летопись правления прочитать не удалось (%1). "
                             "Летопись начнётся заново с загруженного года.")
        .arg(reason);
}
