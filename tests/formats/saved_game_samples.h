// The sample games and tables the file tests write and read, on the disk and as bytes.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/kingdom_state.h"
#include "formats/saved_game.h"

// A game in year 12 with a war announced, and the file it gives, written out by hand.
KingdomState knownState();
HallOfFame knownHall();
inline constexpr BarMaxima kKnownBars{10, 20, 30, 40, 100, 9, 101, 333, 18};
std::string knownBytes();

// Every field different, with fractions, negatives and texts that test the syntax.
KingdomState busyState();
HallOfFame busyHall();
inline constexpr BarMaxima kBusyBars{0, 1, 32767, -32768, 5, 6, 7, 8, -1};

// The state as it must come back: the bars land in sliderMax, typedAmount stays the current one.
KingdomState expectedAfterLoad(KingdomState saved, const BarMaxima& bars, double typedAmount);

// The known file with one field (1-based) replaced by other bytes.
std::string withField(int number, const std::string& replacement);

// The game running when a file is loaded: typedAmount 17, a name of its own.
KingdomState currentGame();

// A table of ten kings "Царь 0" to "Царь 9" scoring 100 down to 10, and its file.
HallOfFame tenKings();
extern const char kTenKingsFile[];
