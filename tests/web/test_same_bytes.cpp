// A whole reign played through the session on a fixed seed, saved: the file's bytes and its
// chronicle are the same on the desktop and in the browser's wasm (this test runs in both).
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "core/random.h"
#include "formats/saved_game.h"
#include "reign/reign_session.h"
#include "support/session_reign.h"

namespace {

// FNV-1a: one figure that tells two runs' bytes apart.
std::uint64_t fingerprint(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    return hash;
}

struct Played {
    std::string file;
    std::size_t chronicleEntries = 0;
    PlayedEnd end = PlayedEnd::OutOfPresses;
};

Played playAndSave(std::uint64_t seed, int presses) {
    ClockRandom random(seed);
    MemoryScoresStore scores;
    ReignSession session(random, scores);
    session.beginReign("Ярослав");
    Played played;
    played.end = playCarefulReign(session, 2, presses);
    const SavedGameFileWrite written = session.saveGame();
    EXPECT_FALSE(written.problem);
    played.file = written.bytes;
    played.chronicleEntries = session.chronicle().entries.size();
    return played;
}

} // namespace

TEST(SameBytes, AShortReignOverthrownSavesTheSameFileEverywhere) {
    const Played played = playAndSave(20261209, 20);
    EXPECT_EQ(played.end, PlayedEnd::Overthrown);
    EXPECT_EQ(played.chronicleEntries, 17u);
    EXPECT_EQ(played.file.size(), 9636u);
    EXPECT_EQ(fingerprint(played.file), 10349034599891162674ULL);
}

TEST(SameBytes, ALongerReignOverthrownSavesTheSameFileEverywhere) {
    const Played played = playAndSave(7, 1000);
    EXPECT_EQ(played.end, PlayedEnd::Overthrown);
    EXPECT_EQ(played.chronicleEntries, 38u);
    EXPECT_EQ(played.file.size(), 21140u);
    EXPECT_EQ(fingerprint(played.file), 13500795809927887456ULL);
}
