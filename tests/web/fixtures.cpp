// Writes the saved games the page's tests load, as the desktop writes them, and what the page
// must save right after loading one: the desktop's own session and writer on the same bytes; and
// the rules' topics as the desktop's reader finds them.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "core/random.h"
#include "formats/rules_file.h"
#include "formats/saved_game.h"
#include "reign/reign_session.h"

namespace {

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return bool(out);
}

// A kingdom begun on a fixed seed, then changed by `edit`, saved with an empty chronicle.
template <class Edit> std::string savedKingdom(Edit edit) {
    ClockRandom random(42);
    MemoryScoresStore scores;
    ReignSession session(random, scores);
    session.beginReign("Всеслав");
    KingdomState state = session.state();
    edit(state);
    const Chronicle none;
    return writeSavedGameFile(state, session.table(), session.barMaxima(), none).bytes;
}

// What a session saves right after loading `file`.
std::string resaved(const std::string& file) {
    ClockRandom random(1);
    MemoryScoresStore scores;
    ReignSession session(random, scores);
    session.beginReign("Гость");
    if (session.loadGame(file)) {
        return {};
    }
    return session.saveGame().bytes;
}

// The rules' topics as the desktop's viewer lists them, one a line: context, level and title.
std::string rulesTopicLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string html{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string lines;
    for (const RulesTopic& topic : parseRulesTopics(html)) {
        lines += std::to_string(topic.context) + '\t' + std::to_string(topic.level) + '\t' +
                 topic.title + '\n';
    }
    return lines;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: veloria_web_fixtures FOLDER\n";
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    // Year 7 with a war due at the next press: 100 soldiers against an announced 10.
    const std::string warDue = savedKingdom([](KingdomState& s) {
        s.year = 7;
        s.lastPeaceYear = 3;
        s.warCountdown = 1;
        s.enemyArmy = 10;
        s.soldiers = 100;
        s.grain = 5000;
        s.land = 1000;
    });
    // Year 3 of a peace that lasts, with grain and land for years and a rating far from 1.
    const std::string peace = savedKingdom([](KingdomState& s) {
        s.year = 3;
        s.lastPeaceYear = 1000;
        s.rating = 60;
        s.grain = 100000;
        s.land = 10000;
    });
    // Year 99 of peace with a rating that takes the first place of the table.
    const std::string lastYear = savedKingdom([](KingdomState& s) {
        s.year = 99;
        s.lastPeaceYear = 1000;
        s.rating = 500;
        s.grain = 5000;
        s.land = 1000;
    });
    const bool written =
        writeFile(folder + "war_due.txt", warDue) &&
        writeFile(folder + "war_due_resaved.txt", resaved(warDue)) &&
        writeFile(folder + "peace.txt", peace) && writeFile(folder + "year99.txt", lastYear) &&
        writeFile(folder + "damaged.txt", warDue.substr(0, warDue.size() / 3)) &&
        writeFile(folder + "rules_ru.tsv", rulesTopicLines(VELORIA_DATA "/throne.hlp")) &&
        writeFile(folder + "rules_en.tsv", rulesTopicLines(VELORIA_DATA "/throne_en.hlp"));
    return written ? 0 : 1;
}
