// The saved-game file: one record of 73 fields.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QString>

#include "core/kingdom_state.h"

// The nine bars' maxima in file order: sell bars of gold, land, grain, oil, the mercenaries bar,
// buy bars of gold, land, grain, oil.
using BarMaxima = std::array<std::int16_t, 9>;

// The record's bytes: Windows-1251, '.' as decimal point whatever the locale, CR LF at the end.
QByteArray writeSavedGame(const KingdomState& state, const HallOfFame& hall, const BarMaxima& bars);

struct LoadedGame {
    KingdomState state;
    HallOfFame hall;
};

struct LoadResult {
    std::optional<LoadedGame> game; // set only when the whole record was read
    QString error;                  // a message for the player otherwise, in Russian
};

// Reads a record over a copy of `current`: fields the file does not carry (typedAmount) keep
// their values; the bar maxima land in sliderMax1..9. Nothing of `current` changes.
LoadResult readSavedGame(const QByteArray& bytes, const KingdomState& current);

// Writes the file atomically: on failure an existing file is left as it was and the message
// says why. Returns nothing on success.
std::optional<QString> saveGame(const QString& path, const KingdomState& state,
                                const HallOfFame& hall, const BarMaxima& bars);

// Reads the whole file; a missing, unreadable, short or unusable file gives an error.
LoadResult loadGame(const QString& path, const KingdomState& current);
