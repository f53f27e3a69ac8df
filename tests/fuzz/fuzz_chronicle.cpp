// Any bytes as the chronicle after a saved game's record: damage is reported, and a chronicle
// that reads must write and read back to the same entries, its texts read as the windows read them.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/report.h"
#include "formats/chronicle_file.h"
#include "fuzz_check.h"
#include "sim/chronicle.h"

namespace {

bool sameNumber(double a, double b) {
    // 15 significant digits are what the file keeps of a real.
    return a == b || std::fabs(a - b) <= std::fabs(a) * 1e-14;
}

bool sameEntry(const ChronicleEntry& a, const ChronicleEntry& b) {
    const double x[] = {a.year,  a.workers, a.soldiers, a.total, a.land,
                        a.grain, a.money,   a.gold,     a.oil,   a.rating};
    const double y[] = {b.year,  b.workers, b.soldiers, b.total, b.land,
                        b.grain, b.money,   b.gold,     b.oil,   b.rating};
    for (std::size_t i = 0; i < std::size(x); ++i) {
        if (!sameNumber(x[i], y[i])) {
            return false;
        }
    }
    return a.mood == b.mood && a.events == b.events && a.report == b.report;
}

// The windows show an entry's report and events from what the rules read in them: the parts
// must give back the text, and what is read must write back as it stood.
void readTexts(const ChronicleEntry& entry) {
    const std::vector<ReportPart> parts = readReport(entry.report);
    std::string report;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        report.append(i == 0 ? "" : "\r\n").append(parts[i].text);
        FUZZ_CHECK(!parts[i].line || reportLineText(*parts[i].line) == parts[i].text,
                   "a line must read back");
    }
    FUZZ_CHECK(report == entry.report, "a report's parts must give it back");
    const std::vector<ChroniclePhrase> phrases = readChronicleEvents(entry.events);
    std::string events;
    for (std::size_t i = 0; i < phrases.size(); ++i) {
        events.append(i == 0 ? "" : "; ").append(phrases[i].text);
        FUZZ_CHECK(!phrases[i].event || chronicleEventText(*phrases[i].event) == phrases[i].text,
                   "a phrase must read back");
    }
    FUZZ_CHECK(events == entry.events, "the phrases must give the events back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)bytesAfterGameRecord(bytes);

    const ChronicleRead first = readChronicle(bytes);
    if (first.status == ChronicleRead::Status::Damaged) {
        FUZZ_CHECK(first.entries.empty(), "a damaged chronicle gives no entries");
        return 0;
    }
    FUZZ_CHECK(first.entries.size() <= kChronicleLimit, "only the latest entries are kept");
    Chronicle chronicle;
    restoreChronicle(chronicle, first.entries);
    const ChronicleRead second = readChronicle(writeChronicle(chronicle));
    FUZZ_CHECK(second.status == ChronicleRead::Status::Read, "a written chronicle must read");
    FUZZ_CHECK(second.entries.size() == first.entries.size(), "every entry must come back");
    for (std::size_t i = 0; i < first.entries.size(); ++i) {
        FUZZ_CHECK(sameEntry(first.entries[i], second.entries[i]), "an entry must survive");
        readTexts(first.entries[i]);
    }
    return 0;
}
