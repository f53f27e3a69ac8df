// Writes the fuzzers' seed files: saved games from a reign played through the session and saved by
// it, and a few typed-amount sessions. Usage: fuzz_make_seeds <corpus folder>
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "../support/session_reign.h"
#include "core/random.h"
#include "reign/reign_session.h"
#include "reign/scores_store.h"

namespace {

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

// The game as the save button writes it (the record, then the chronicle), checked to load whole.
std::string savedBytes(const ReignSession& session) {
    const SavedGameFileWrite file = session.saveGame();
    if (file.problem) {
        std::fprintf(stderr, "cannot save the game\n");
        std::exit(1);
    }
    // A seed the game would refuse teaches the fuzzer nothing about a loaded game.
    ClockRandom random(1);
    MemoryScoresStore scores;
    ReignSession loader(random, scores);
    if (loader.loadGame(file.bytes) || loader.takeNotices().size() != 0) {
        std::fprintf(stderr, "a saved seed does not load whole\n");
        std::exit(1);
    }
    return file.bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];

    HallOfFame hall;
    const char* names[] = {"Велимир I", "Святозар", "Добромир", "Радослав", "Всеволод",
                           "Любомир",   "Остромир", "Ратибор",  "Мирослав", "Богдан"};
    for (int i = 0; i < 10; ++i) {
        hall.bestNames[std::size_t(i)] = names[i];
        hall.bestScores[std::size_t(i)] = 100 - 10 * i;
    }

    // A new game saves with an empty table, as before anybody finished a reign.
    {
        ClockRandom random(2026);
        MemoryScoresStore scores;
        ReignSession session(random, scores);
        session.beginReign("Ярослав");
        writeFile(root + "/saved_game/new_game.txt", savedBytes(session));
    }

    // The same reign played on by the careful king, saved now and then.
    ClockRandom random(2026);
    MemoryScoresStore scores;
    KingdomState kingdom;
    ReignSession session(kingdom, hall, random, scores);
    session.beginReign("Ярослав");
    int saved = 0;
    int press = 0;
    playCarefulReign(session, 3, 120, [&](ReignSession& played) {
        if (saved < 6 && played.phase() == ReignPhase::Battle) {
            // Saved with the battle on screen: the report waits for the war panel's OK.
            writeFile(root + "/saved_game/battle_" + std::to_string(press) + ".txt",
                      savedBytes(played));
            ++saved;
        } else if (saved < 6 && press % 17 == 3) {
            writeFile(root + "/saved_game/year_" + std::to_string(press) + ".txt",
                      savedBytes(played));
            ++saved;
        }
        ++press;
    });

    // The amount sessions: a kingdom's digit, then one action a line (see fuzz_amount.cpp).
    const char* sessions[][2] = {
        {"new_game", "0012\n45\n83\n9\n:\n;\n"},
        {"refusals", "101\n4-5\n61.5\n81e9\n2 7\n3+3\n"},
        {"fraction", "26101\n6100\n:\n:\n"},
        {"long_digits",
         "30000000000000000000000000000000000000000000000000000000000000000000000007\n"
         "499999999999999999999999999999999999999999999999999999999999999999999999999\n"},
        {"exact_limits", "409007199254740991\n49007199254740992\n89007199254740991\n"},
        {"empty_boxes", "60\n4\n8\n;\n9\n"},
        {"edge_of_reals", "70999999999999999999999999999999\n41\n8123456789012345678901234\n"},
    };
    for (const auto& session : sessions) {
        writeFile(root + "/amount/" + session[0], session[1]);
    }
    return 0;
}
