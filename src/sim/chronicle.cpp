// The chronicle of a reign: what each year end leaves in it, and its events in short.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/chronicle.h"

#include <array>
#include <string_view>
#include <utility>

#include "core/number_text.h"
#include "war/battle.h"

namespace {

// The number that follows a line's opening words: number text stands between blanks
// ("родилось  6 детей."), whatever its form ("1.5e+16").
std::string numberAfter(std::string_view rest) {
    const std::size_t first = rest.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(rest.substr(first, rest.find(' ', first) - first));
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

struct KnownLine {
    std::string_view start;  // how the report's line begins
    std::string_view phrase; // what the chronicle says
    bool withNumber = false; // the line's number follows the phrase
    bool isHarvest = false;
};

// The report's lines worth a place in the table; the good years' feeding, land and mood lines
// say nothing the figures do not.
constexpr std::array<KnownLine, 14> kKnownLines = {{
    {"Население не удалось прокормить", "народ голодал", false, false},
    {"Земля досталась не всем", "земли хватило не всем", false, false},
    {"В этом году ничего не засеяли", "поля не засеяны", false, false},
    {"Был собран хороший урожай", "хороший урожай", false, true},
    {"Был собран отличный урожай", "отличный урожай", false, true},
    {"Крысы сожрали", "крысы съели часть урожая", false, true},
    {"Наводнение уничтожило", "наводнение погубило часть урожая", false, true},
    {"Из-за сильного пожара", "пожар: весь урожай сгорел", false, true},
    {"Собран урожай", "собран урожай", false, true},
    {"В этом году родилось", "родилось детей: ", true, false},
    {"В этом году умерло", "умерло людей: ", true, false},
    {"Ваша армия пополнинилась", "пришло в армию: ", true, false},
    {"Из Вашей армии сбежало", "сбежало из армии: ", true, false},
    {"Возможно война! Готовтесь! По разведданным армия врага составляет",
     "объявлена война, армия врага: ", true, false},
}};

std::string battleText(const BattleReport& battle) {
    std::string text = "битва, ";
    text += plainNumberText(battle.kingArmy) + " против " + plainNumberText(battle.enemyArmy);
    switch (battle.outcome) {
    case BattleOutcome::Victory:
        text += ": победа, захвачено";
        break;
    case BattleOutcome::Draw:
        return text + ": ничья, обе армии погибли";
    case BattleOutcome::Defeat:
        text += ": поражение, потеряно";
        break;
    }
    static constexpr std::array<std::string_view, 7> kNames = {
        "золото", "земля", "зерно", "нефть", "солдаты", "рабочие", "деньги"};
    bool any = false;
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (battle.amounts[i] != 0) {
            text += any ? ", " : " ";
            text += std::string(kNames[i]) + " " + plainNumberText(battle.amounts[i]);
            any = true;
        }
    }
    return any ? text : text + " ничего";
}

// Cuts an over-long text at a character boundary: UTF-8 continuation bytes are 10xxxxxx.
std::string bounded(std::string text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    text.resize(cut);
    return text;
}

void keepLatest(Chronicle& chronicle) {
    auto& entries = chronicle.entries;
    if (entries.size() > kChronicleLimit) {
        const std::size_t extra = entries.size() - kChronicleLimit;
        entries.erase(entries.begin(), entries.begin() + std::ptrdiff_t(extra));
        chronicle.dropped += extra;
    }
}

} // namespace

std::string chronicleEvents(const KingdomState& state, const YearResult& result,
                            const std::string& report) {
    std::string events;
    const auto add = [&events](std::string_view phrase) {
        if (!events.empty()) {
            events += "; ";
        }
        events += phrase;
    };

    bool harvestLine = false;
    std::string_view rest = report;
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
        for (const KnownLine& known : kKnownLines) {
            if (!startsWith(line, known.start)) {
                continue;
            }
            harvestLine = harvestLine || known.isHarvest;
            // Births follow the harvest's line in a fed year; without one no grain came in.
            if (!harvestLine && startsWith(known.start, "В этом году родилось")) {
                add("урожая нет");
            }
            std::string phrase(known.phrase);
            if (known.withNumber) {
                phrase += numberAfter(line.substr(known.start.size()));
            }
            add(phrase);
            break;
        }
    }
    if (result.battle) {
        add(battleText(*result.battle));
    }
    if (result.starved) {
        add("не осталось ни одного рабочего: страна вымерла");
    }
    if (result.reignComplete) {
        add("конец правления, рейтинг " + plainNumberText(state.rating));
    }
    if (result.overthrown) {
        add(result.stoppedBeforeHarvest && state.discontentYears == 5
                ? "пятый год недовольства: народ сверг короля"
                : "рейтинг упал до 1: народ сверг короля");
    }
    return events;
}

void restartChronicle(Chronicle& chronicle) {
    chronicle.entries.clear();
    chronicle.dropped = 0;
    chronicle.battlePending = false;
    ++chronicle.generation;
}

void restoreChronicle(Chronicle& chronicle, std::vector<ChronicleEntry> entries) {
    restartChronicle(chronicle);
    chronicle.entries = std::move(entries);
    keepLatest(chronicle);
    chronicle.dropped = 0;
}

void recordYearEnd(Chronicle& chronicle, const KingdomState& state, const YearResult& result) {
    ChronicleEntry entry;
    // Only an ordinary year end or an announcement advances the year; the entry keeps the year
    // that ended.
    entry.year = result.shownReport ? state.year - 1 : state.year;
    entry.workers = state.workers;
    entry.soldiers = state.soldiers;
    entry.total = state.workers + state.soldiers;
    entry.land = state.land;
    entry.grain = state.grain;
    entry.money = state.money;
    entry.gold = state.gold;
    entry.oil = state.oil;
    if (const auto word = moodWord(state.moodLevel)) {
        entry.mood = std::string(*word);
    } else if (!chronicle.entries.empty()) {
        entry.mood = chronicle.entries.back().mood; // a fraction leaves the shown word as it was
    }
    entry.rating = state.rating;
    // The battle's report waits in the state for the war panel's OK; at starvation or an
    // overthrow before the harvest it is never shown, but it tells how the year went.
    const std::string& report = result.shownReport ? *result.shownReport : state.report;
    entry.events = chronicleEvents(state, result, report);
    entry.report = bounded(report, kChronicleReportLimit);

    chronicle.entries.push_back(std::move(entry));
    chronicle.battlePending = result.battle.has_value();
    keepLatest(chronicle);
}

void recordBattleClosed(Chronicle& chronicle, const std::string& shownReport) {
    if (chronicle.battlePending && !chronicle.entries.empty()) {
        chronicle.entries.back().report = bounded(shownReport, kChronicleReportLimit);
    }
    chronicle.battlePending = false;
}
