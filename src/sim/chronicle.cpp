// The chronicle of a reign: what each year end leaves in it, and its events in short.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/chronicle.h"

#include <array>
#include <string_view>
#include <utility>

#include "core/number_text.h"
#include "core/report.h"

namespace {

constexpr int kEventKinds = int(ChronicleEventKind::OverthrownByRating) + 1;

// In the order of ChronicleEventKind; a battle's phrase is put together below. A text with %1
// carries the event's figure, written as plain number text.
constexpr std::array<RuleText, kEventKinds> kPhrases = {
    RULE_TEXT("RuleTexts", "народ голодал"),
    RULE_TEXT("RuleTexts", "земли хватило не всем"),
    RULE_TEXT("RuleTexts", "поля не засеяны"),
    RULE_TEXT("RuleTexts", "хороший урожай"),
    RULE_TEXT("RuleTexts", "отличный урожай"),
    RULE_TEXT("RuleTexts", "крысы съели часть урожая"),
    RULE_TEXT("RuleTexts", "наводнение погубило часть урожая"),
    RULE_TEXT("RuleTexts", "пожар: весь урожай сгорел"),
    RULE_TEXT("RuleTexts", "собран урожай"),
    RULE_TEXT("RuleTexts", "урожая нет"),
    RULE_TEXT("RuleTexts", "родилось детей: %1"),
    RULE_TEXT("RuleTexts", "умерло людей: %1"),
    RULE_TEXT("RuleTexts", "пришло в армию: %1"),
    RULE_TEXT("RuleTexts", "сбежало из армии: %1"),
    RULE_TEXT("RuleTexts", "объявлена война, армия врага: %1"),
    RuleText{}, // the battle
    RULE_TEXT("RuleTexts", "не осталось ни одного рабочего: страна вымерла"),
    RULE_TEXT("RuleTexts", "конец правления, рейтинг %1"),
    RULE_TEXT("RuleTexts", "пятый год недовольства: народ сверг короля"),
    RULE_TEXT("RuleTexts", "рейтинг упал до 1: народ сверг короля"),
};

bool hasFigure(ChronicleEventKind kind) {
    return kPhrases[std::size_t(kind)].source.find("%1") != std::string_view::npos;
}

RuleText battleTemplate(BattleOutcome outcome) {
    switch (outcome) {
    case BattleOutcome::Victory:
        //: %1 and %2 are the king's and the enemy's armies, %3 the list of what was taken.
        return RULE_TEXT("RuleTexts", "битва, %1 против %2: победа, захвачено %3");
    case BattleOutcome::Draw:
        //: %1 and %2 are the king's and the enemy's armies.
        return RULE_TEXT("RuleTexts", "битва, %1 против %2: ничья, обе армии погибли");
    case BattleOutcome::Defeat:
        break;
    }
    //: %1 and %2 are the king's and the enemy's armies, %3 the list of what was lost.
    return RULE_TEXT("RuleTexts", "битва, %1 против %2: поражение, потеряно %3");
}

// What a battle wins or loses, in the order of BattleReport::amounts; only what changed is named.
constexpr std::array<RuleText, 7> kSpoils = {
    RULE_TEXT("RuleTexts", "золото %1"),  RULE_TEXT("RuleTexts", "земля %1"),
    RULE_TEXT("RuleTexts", "зерно %1"),   RULE_TEXT("RuleTexts", "нефть %1"),
    RULE_TEXT("RuleTexts", "солдаты %1"), RULE_TEXT("RuleTexts", "рабочие %1"),
    RULE_TEXT("RuleTexts", "деньги %1"),
};
constexpr RuleText kNothingChanged = RULE_TEXT("RuleTexts", "ничего");
constexpr std::string_view kSpoilSeparator = ", ";

std::string battleText(const BattleReport& battle, const RuleTextWriter& writer) {
    const std::string king = plainNumberText(battle.kingArmy);
    const std::string enemy = plainNumberText(battle.enemyArmy);
    if (battle.outcome == BattleOutcome::Draw) {
        return writer.write(battleTemplate(battle.outcome), {king, enemy});
    }
    std::string spoils;
    for (std::size_t i = 0; i < kSpoils.size(); ++i) {
        if (battle.amounts[i] != 0) {
            if (!spoils.empty()) {
                spoils += kSpoilSeparator;
            }
            spoils += writer.write(kSpoils[i], {plainNumberText(battle.amounts[i])});
        }
    }
    if (spoils.empty()) {
        spoils = writer.write(kNothingChanged, {});
    }
    return writer.write(battleTemplate(battle.outcome), {king, enemy, spoils});
}

std::optional<BattleReport> readBattle(std::string_view phrase) {
    for (const BattleOutcome outcome :
         {BattleOutcome::Victory, BattleOutcome::Draw, BattleOutcome::Defeat}) {
        const auto figures = matchRuleText(battleTemplate(outcome).source, phrase);
        if (!figures || figures->size() < 2) {
            continue;
        }
        BattleReport battle;
        battle.outcome = outcome;
        const auto king = readNumberText((*figures)[0]);
        const auto enemy = readNumberText((*figures)[1]);
        if (!king || !enemy) {
            continue;
        }
        battle.kingArmy = *king;
        battle.enemyArmy = *enemy;
        if (figures->size() == 3 && (*figures)[2] != kNothingChanged.source) {
            std::string_view rest = (*figures)[2];
            std::size_t next = 0;
            while (!rest.empty()) {
                const std::size_t end = rest.find(kSpoilSeparator);
                const std::string_view item = rest.substr(0, end);
                rest = end == std::string_view::npos ? std::string_view()
                                                     : rest.substr(end + kSpoilSeparator.size());
                // Each holding once, in their order.
                for (; next < kSpoils.size(); ++next) {
                    const auto amount = matchRuleText(kSpoils[next].source, item);
                    if (amount && amount->size() == 1) {
                        if (const auto value = readNumberText((*amount)[0])) {
                            battle.amounts[next++] = *value;
                            break;
                        }
                    }
                }
            }
        }
        // Only a phrase written exactly so reads back (no zero named, no holding twice).
        if (battleText(battle, RuleTextWriter()) == phrase) {
            return battle;
        }
    }
    return std::nullopt;
}

std::optional<ChronicleEvent> readEvent(std::string_view phrase) {
    if (const auto battle = readBattle(phrase)) {
        return ChronicleEvent{ChronicleEventKind::Battle, 0, *battle};
    }
    for (int k = 0; k < kEventKinds; ++k) {
        const auto kind = ChronicleEventKind(k);
        if (kind == ChronicleEventKind::Battle) {
            continue;
        }
        const std::string_view pattern = kPhrases[std::size_t(k)].source;
        if (!hasFigure(kind)) {
            if (phrase == pattern) {
                return ChronicleEvent{kind, 0, {}};
            }
            continue;
        }
        const auto figures = matchRuleText(pattern, phrase);
        if (!figures || figures->size() != 1) {
            continue;
        }
        const auto figure = readNumberText((*figures)[0]);
        if (figure && chronicleEventText({kind, *figure, {}}) == phrase) {
            return ChronicleEvent{kind, *figure, {}};
        }
    }
    return std::nullopt;
}

// The report's lines worth a place in the table; the good years' feeding, land and mood lines
// say nothing the figures do not.
std::optional<ChronicleEventKind> eventOfLine(ReportLineKind line) {
    switch (line) {
    case ReportLineKind::Hungry:
        return ChronicleEventKind::Hungry;
    case ReportLineKind::LandShort:
        return ChronicleEventKind::LandShort;
    case ReportLineKind::SownNothing:
        return ChronicleEventKind::NothingSown;
    case ReportLineKind::GoodHarvest:
        return ChronicleEventKind::GoodHarvest;
    case ReportLineKind::ExcellentHarvest:
        return ChronicleEventKind::ExcellentHarvest;
    case ReportLineKind::Rats:
        return ChronicleEventKind::Rats;
    case ReportLineKind::Flood:
        return ChronicleEventKind::Flood;
    case ReportLineKind::Fire:
        return ChronicleEventKind::Fire;
    case ReportLineKind::HungryHarvest:
        return ChronicleEventKind::HungryHarvest;
    case ReportLineKind::Births:
        return ChronicleEventKind::Births;
    case ReportLineKind::Deaths:
        return ChronicleEventKind::Deaths;
    case ReportLineKind::ArmyJoined:
        return ChronicleEventKind::ArmyJoined;
    case ReportLineKind::ArmyDeserted:
        return ChronicleEventKind::ArmyDeserted;
    case ReportLineKind::WarAnnounced:
        return ChronicleEventKind::WarAnnounced;
    default:
        return std::nullopt;
    }
}

bool isHarvest(ReportLineKind line) {
    return line >= ReportLineKind::HungryHarvest && line <= ReportLineKind::Fire;
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

std::string chronicleEventText(const ChronicleEvent& event, const RuleTextWriter& writer) {
    if (event.kind == ChronicleEventKind::Battle) {
        return battleText(event.battle, writer);
    }
    const RuleText text = kPhrases[std::size_t(event.kind)];
    if (!hasFigure(event.kind)) {
        return writer.write(text, {});
    }
    return writer.write(text, {plainNumberText(event.figure)}, event.figure);
}

std::vector<ChroniclePhrase> readChronicleEvents(std::string_view events) {
    std::vector<ChroniclePhrase> phrases;
    for (;;) {
        const std::size_t end = events.find(kChronicleEventSeparator);
        const std::string_view text = events.substr(0, end);
        phrases.push_back({text, readEvent(text)});
        if (end == std::string_view::npos) {
            return phrases;
        }
        events.remove_prefix(end + kChronicleEventSeparator.size());
    }
}

std::vector<ChronicleEvent> yearEndEvents(const KingdomState& state, const YearResult& result,
                                          std::string_view report) {
    std::vector<ChronicleEvent> events;
    bool harvestLine = false;
    for (const ReportPart& part : readReport(report)) {
        if (!part.line) {
            continue;
        }
        const auto kind = eventOfLine(part.line->kind);
        if (!kind) {
            continue;
        }
        harvestLine = harvestLine || isHarvest(part.line->kind);
        // Births follow the harvest's line in a fed year; without one no grain came in.
        if (!harvestLine && *kind == ChronicleEventKind::Births) {
            events.push_back({ChronicleEventKind::NoHarvest, 0, {}});
        }
        events.push_back({*kind, part.line->figure, {}});
    }
    if (result.battle) {
        events.push_back({ChronicleEventKind::Battle, 0, *result.battle});
    }
    if (result.starved) {
        events.push_back({ChronicleEventKind::Starved, 0, {}});
    }
    if (result.reignComplete) {
        events.push_back({ChronicleEventKind::ReignComplete, state.rating, {}});
    }
    if (result.overthrown) {
        events.push_back({result.stoppedBeforeHarvest && state.discontentYears == 5
                              ? ChronicleEventKind::OverthrownByDiscontent
                              : ChronicleEventKind::OverthrownByRating,
                          0,
                          {}});
    }
    return events;
}

std::string chronicleEvents(const KingdomState& state, const YearResult& result,
                            const std::string& report) {
    std::string text;
    for (const ChronicleEvent& event : yearEndEvents(state, result, report)) {
        if (!text.empty()) {
            text += kChronicleEventSeparator;
        }
        text += chronicleEventText(event);
    }
    return text;
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
