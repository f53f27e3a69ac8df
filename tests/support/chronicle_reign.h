// A whole reign played by the careful king through the reign's session, its chronicle as the game
// records it.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "session_reign.h"
#include "sim/chronicle.h"

// Plays from a new kingdom until the reign ends; true when it lasted to year 100.
inline bool playChronicledReign(Chronicle& chronicle, std::uint64_t seed) {
    ClockRandom random(seed);
    MemoryScoresStore scores;
    ReignSession session(random, scores);
    session.beginReign("Летописец");
    const PlayedEnd end = playCarefulReign(session, 2);
    restartChronicle(chronicle);
    chronicle.entries = session.chronicle().entries;
    return end == PlayedEnd::Complete;
}

// A reign of a hundred years with 26 battles: the first seed this king lasts to year 100 with
// (the careful king is often overthrown; searching for it takes most of a minute).
inline void playFullReign(Chronicle& chronicle) {
    playChronicledReign(chronicle, 125871);
}
