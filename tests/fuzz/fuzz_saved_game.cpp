// Any bytes as a saved game: a file that loads must re-save and reload to the same bytes, and the
// kingdom it carries must survive a year without undefined behaviour.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/random.h"
#include "formats/saved_game.h"
#include "formats/text_record.h"
#include "fuzz_check.h"
#include "market/market.h"
#include "reign/bar_maxima.h"
#include "sim/status.h"
#include "sim/year.h"
#include "war/mercenaries.h"

namespace {

// The game as it stands when the player loads: typedAmount is not in the file and must survive.
KingdomState runningGame() {
    KingdomState s;
    s.typedAmount = 37;
    s.kingName = "Игрок";
    return s;
}

bool sameNumber(double a, double b) {
    if (a == b) {
        return true;
    }
    // 15 significant digits are what the file keeps of a real.
    return std::fabs(a - b) <= std::fabs(a) * 1e-14;
}

// Whatever the file held, the rules run on it: the market's arithmetic, the status column, the
// mercenaries panel and one press of «Дальше» (with the war panel's OK if a battle came).
void playOneYear(KingdomState state) {
    refreshMarket(state);
    (void)statusView(state);
    (void)mercenaryLimits(state);
    ClockRandom random(1);
    const YearResult result = nextYear(state, random);
    if (result.battle) {
        (void)trophyGoodsText(*result.battle);
        (void)trophyPeopleText(*result.battle);
        (void)closeBattle(state);
    }
    (void)yearLabelText(state.year);
    refreshMarket(state);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const KingdomState current = runningGame();

    const SavedGameRecordRead first = readSavedGame(bytes, current);
    if (!first.game) {
        FUZZ_CHECK(first.problem.has_value(), "a refused file must say why");
        FUZZ_CHECK(!readSavedGameFile(bytes, current).game, "the whole file is refused too");
        return 0;
    }
    FUZZ_CHECK(!first.problem, "a loaded file must not carry a problem");
    const KingdomState& loaded = first.game->state;
    FUZZ_CHECK(loaded.typedAmount == current.typedAmount, "typedAmount is not in the file");

    const std::string saved = writeSavedGame(loaded, first.game->hall, carriedBarMaxima(loaded));
    const SavedGameRecordRead second = readSavedGame(saved, current);
    FUZZ_CHECK(second.game.has_value(), "a loaded game, saved again, must load");
    const KingdomState& reloaded = second.game->state;
    const std::string again =
        writeSavedGame(reloaded, second.game->hall, carriedBarMaxima(reloaded));
    FUZZ_CHECK(again == saved, "save, load, save must give the same bytes");

    // What survives a round trip: counts and flags exactly, reals to 15 digits, texts as texts
    // unless a character has no place in the code page.
    FUZZ_CHECK(reloaded.fedFlag == loaded.fedFlag && reloaded.landFlag == loaded.landFlag &&
                   reloaded.sownFlag == loaded.sownFlag &&
                   reloaded.harvestSownFlag == loaded.harvestSownFlag &&
                   reloaded.warCountdown == loaded.warCountdown,
               "flags and the countdown must survive a round trip");
    const double before[] = {loaded.money,       loaded.workers,   loaded.soldiers,
                             loaded.gold,        loaded.land,      loaded.grain,
                             loaded.oil,         loaded.rating,    loaded.year,
                             loaded.harvestRoll, loaded.goldPrice, loaded.spareValue6};
    const double after[] = {reloaded.money,       reloaded.workers,   reloaded.soldiers,
                            reloaded.gold,        reloaded.land,      reloaded.grain,
                            reloaded.oil,         reloaded.rating,    reloaded.year,
                            reloaded.harvestRoll, reloaded.goldPrice, reloaded.spareValue6};
    for (std::size_t i = 0; i < std::size(before); ++i) {
        FUZZ_CHECK(std::isfinite(before[i]), "a loaded real must be finite");
        FUZZ_CHECK(sameNumber(before[i], after[i]), "a real must survive to 15 digits");
    }
    if (decodeRecordText(encodeRecordText(loaded.report)) == loaded.report) {
        FUZZ_CHECK(reloaded.report == loaded.report, "the report must survive a round trip");
    }

    // The whole file: the same game, and a chronicle that is absent, read or damaged with a cause;
    // saved whole again, the game and every entry read come back.
    const SavedGameFileRead whole = readSavedGameFile(bytes, current);
    FUZZ_CHECK(whole.game && whole.game->state == loaded, "the whole file gives the same game");
    Chronicle chronicle;
    restoreChronicle(chronicle, whole.chronicle.entries);
    const SavedGameFileWrite rewritten =
        writeSavedGameFile(loaded, first.game->hall, carriedBarMaxima(loaded), chronicle);
    if (!rewritten.problem) {
        FUZZ_CHECK(rewritten.bytes.starts_with(saved), "the game's record comes first");
        const SavedGameFileRead back = readSavedGameFile(rewritten.bytes, current);
        FUZZ_CHECK(back.game.has_value(), "a game saved whole must load");
        FUZZ_CHECK(back.chronicle.status == ChronicleRead::Status::Read,
                   "the chronicle saved with it must read");
        FUZZ_CHECK(back.chronicle.entries.size() <= chronicle.entries.size(),
                   "only the latest entries may be left out");
    }

    playOneYear(loaded);
    return 0;
}
