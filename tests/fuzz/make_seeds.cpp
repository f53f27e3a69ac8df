// Writes the fuzzers' seed files: saved games from real reigns, written by the game's own writer,
// and a few typed-amount sessions. Usage: fuzz_make_seeds <corpus folder>
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "../support/careful_king.h"
#include "formats/saved_game.h"
#include "market/market.h"
#include "market/trade.h"
#include "reign/bar_maxima.h"
#include "sim/new_game.h"
#include "sim/year.h"
#include "war/mercenaries.h"

namespace {

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
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

    ClockRandom random(2026);
    KingdomState state;
    state.kingName = "Ярослав";
    initKingdom(state, random);
    writeFile(root + "/saved_game/new_game.txt",
              writeSavedGame(state, HallOfFame{}, currentBarMaxima(state)));

    int saved = 0;
    for (int press = 0; press < 120 && saved < 6; ++press) {
        carefulKing(state, 3);
        const YearResult result = nextYear(state, random);
        if (result.battle) {
            // Saved with the battle on screen: the report waits for the war panel's OK.
            if (saved < 6) {
                writeFile(root + "/saved_game/battle_" + std::to_string(press) + ".txt",
                          writeSavedGame(state, hall, currentBarMaxima(state)));
                ++saved;
            }
            closeBattle(state);
        } else if (press % 17 == 3) {
            state.report = result.shownReport.value_or("");
            writeFile(root + "/saved_game/year_" + std::to_string(press) + ".txt",
                      writeSavedGame(state, hall, currentBarMaxima(state)));
            state.report.clear();
            ++saved;
        }
        if (result.overthrown || result.starved || result.reignComplete ||
            result.stoppedBeforeHarvest) {
            break;
        }
    }

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
