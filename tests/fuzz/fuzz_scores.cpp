// Any bytes as "scores.tab": a table that loads must write and read back to the same bytes, and
// a new king must fit into it without undefined behaviour.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "formats/scores.h"
#include "fuzz_check.h"
#include "sim/end_of_reign.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ScoresRead read = readScoresFile(bytes);
    FUZZ_CHECK(read.hall.has_value() != read.problem.has_value(), "a table, or why there is none");
    const std::optional<HallOfFame>& first = read.hall;
    if (!first) {
        return 0;
    }
    for (double score : first->bestScores) {
        FUZZ_CHECK(std::isfinite(score), "a loaded score must be finite");
        (void)plainNumberText(score);
    }

    const ScoresWrite checked = writeScoresFile(*first);
    FUZZ_CHECK(!checked.problem, "a table that loaded can be written");
    const std::string written = writeScores(*first);
    FUZZ_CHECK(checked.bytes == written, "the checked table is the same bytes");
    const std::optional<HallOfFame> second = readScores(written);
    FUZZ_CHECK(second.has_value(), "a table that loaded, written again, must load");
    FUZZ_CHECK(writeScores(*second) == written, "write, read, write must give the same bytes");
    for (std::size_t i = 0; i < first->bestScores.size(); ++i) {
        const double a = first->bestScores[i];
        const double b = second->bestScores[i];
        FUZZ_CHECK(a == b || std::fabs(a - b) <= std::fabs(a) * 1e-14,
                   "a score must survive to 15 digits");
    }

    // The end of a reign enters a king with a rating from the same table's range.
    HallOfFame table = *second;
    const int place = placeKing(table, first->bestScores[0] + 1, "Новый король");
    FUZZ_CHECK(place >= -1 && place < 10, "a place is one of the ten, or none");
    FUZZ_CHECK(readScores(writeScores(table)).has_value(), "the new table must load");
    return 0;
}
