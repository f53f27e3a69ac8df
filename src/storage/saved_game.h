// The saved-game file: one record of 73 fields.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
    // What the file holds after the game's record (further records, or nothing).
    QByteArray following = {};
};

// A king's name (the player's and each of the hall of fame) is kept to this many characters in
// both files; longer ones are cut when written and when read, so writer and reader agree and the
// hall-of-fame file stays a few kilobytes whatever names the games carried.
inline constexpr int kMaxKingNameLength = 255;

// The largest amount, stock, count of people or points a game may carry (by absolute value): the
// product of two such values (a stock sold at a price) still stays inside the range of a real.
// A treasury grows past 10^15 in long careful reigns, so the limit lies far beyond play.
inline constexpr double kMaxGameValue = 1e150;
// The least price (of a good or of a mercenary) a game may carry: the game divides the treasury
// by the prices, and the quotients must stay within kMaxGameValue too.
inline constexpr double kMinPrice = 1;

struct LoadResult {
    std::optional<LoadedGame> game; // set only when the whole record was read
    QString error;                  // a message for the player otherwise, in Russian
    // Just past the line end (or the comma) that closed the record's last field: what follows
    // is not the game's, and is read by nothing here.
    qsizetype recordEnd = 0;
};

// Reads a record over a copy of `current`: fields the file does not carry (typedAmount) keep
// their values; the bar maxima land in sliderMax1..9. Nothing of `current` changes.
LoadResult readSavedGame(const QByteArray& bytes, const KingdomState& current);

// Writes the file atomically, `following` (further records) after the game's record: on failure
// an existing file is left as it was and the message says why. A game with a value the reader
// would refuse is not written. Returns nothing on success.
std::optional<QString> saveGame(const QString& path, const KingdomState& state,
                                const HallOfFame& hall, const BarMaxima& bars,
                                const QByteArray& following = {});

// Reads the whole file; a missing, unreadable, short or unusable file gives an error.
LoadResult loadGame(const QString& path, const KingdomState& current);
