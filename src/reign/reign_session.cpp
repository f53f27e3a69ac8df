// The course of a reign, from the first year to its end, kept apart from every window.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reign/reign_session.h"

#include <algorithm>
#include <utility>

#include "market/trade.h"
#include "reign/bar_maxima.h"
#include "sim/end_of_reign.h"
#include "sim/new_game.h"
#include "sim/status.h"
#include "sim/year.h"
#include "war/mercenaries.h"

ReignSession::ReignSession(RandomSource& random, ScoresStore& scores)
    : m_state(m_ownKingdom), m_table(m_ownTable), m_random(random), m_scores(scores) {}

ReignSession::ReignSession(KingdomState& kingdom, HallOfFame& table, RandomSource& random,
                           ScoresStore& scores)
    : m_state(kingdom), m_table(table), m_random(random), m_scores(scores) {}

std::vector<Notice> ReignSession::takeNotices() {
    return std::exchange(m_notices, {});
}

HallOfFame ReignSession::defaultTable() {
    HallOfFame rows;
    rows.bestNames = {"Велимир I", "Светозар", "Добромир", "Радослав", "Всеволод",
                      "Любомир",   "Остромир", "Ратибор",  "Мирослав", "Богдан"};
    for (std::size_t place = 0; place < rows.bestScores.size(); ++place) {
        rows.bestScores[place] = 100 - 10 * static_cast<double>(place);
    }
    return rows;
}

BarMaxima ReignSession::barMaxima() const {
    return barMaximaOf(m_limits, m_screen.mercenaries.barMax);
}

void ReignSession::notify(Notice notice) {
    m_notices.push_back(std::move(notice));
}

// ---------------------------------------------------------------------------------------------
// What the screen shows, refreshed where the game refreshes it

void ReignSession::refreshStatus() {
    const StatusView view = statusView(m_state);
    StatusFigures& status = m_screen.status;
    const double people = m_state.workers + m_state.soldiers;
    status.money = m_state.money;
    status.workers = m_state.workers;
    status.soldiers = m_state.soldiers;
    status.total = people;
    status.landNeeded = people;
    status.grainNeeded = 3 * people;
    status.landShort = view.landWarning;
    status.grainShort = view.grainWarning;
    if (view.moodWord) {
        status.moodLevel = m_state.moodLevel;
    }
}

void ReignSession::refreshMarket(bool buying) {
    m_limits = ::refreshMarket(m_state);
    for (const Good good : kGoods) {
        const auto i = static_cast<std::size_t>(goodIndex(good));
        m_screen.goods[i] = {good,
                             stockOf(m_state, good),
                             priceOf(m_state, good),
                             purchaseMaxOf(m_state, good),
                             m_limits.sellBarMax[i],
                             m_limits.buyBarMax[i]};
    }
    m_screen.goodsForBuying = buying;
    ++m_screen.marketRefreshes;
    m_screen.status.money = m_state.money;
}

void ReignSession::openMercenaries() {
    const MercenaryLimits limits = mercenaryLimits(m_state);
    m_screen.mercenaries = {m_state.mercenaryPrice, limits.barMax, limits.payable};
}

// ---------------------------------------------------------------------------------------------
// The reign's steps

void ReignSession::beginReign(std::string_view kingName) {
    m_notices.clear();
    m_state.kingName = std::string(kingName);
    initKingdom(m_state, m_random);
    restartChronicle(m_chronicle);
    m_limits = {};
    m_screen = {};
    m_screen.king = m_state.kingName;
    m_screen.commandsEnabled = true;
    refreshStatus();
    enterBuying();
    m_screen.told = Told::ReignBegun;
}

namespace {
// The phases in which the player can choose what the central area shows.
bool canChoosePanel(ReignPhase phase) {
    return phase != ReignPhase::NoReign && phase != ReignPhase::Battle &&
           phase != ReignPhase::EndOfReign;
}
} // namespace

void ReignSession::showBuying() {
    if (!canChoosePanel(m_screen.phase)) {
        return;
    }
    enterBuying();
}

void ReignSession::enterBuying() {
    m_screen.told = Told::TradingShown;
    m_screen.phase = ReignPhase::Buying;
    m_screen.year = m_state.year;
    refreshStatus();
    refreshMarket(true);
}

void ReignSession::showSelling() {
    if (!canChoosePanel(m_screen.phase)) {
        return;
    }
    m_screen.told = Told::TradingShown;
    m_screen.phase = ReignPhase::Selling;
    refreshMarket(false);
}

void ReignSession::showMercenaries() {
    if (!canChoosePanel(m_screen.phase)) {
        return;
    }
    m_screen.told = Told::MercenariesShown;
    m_screen.phase = ReignPhase::Mercenaries;
    openMercenaries();
}

TradeResult ReignSession::afterTrade(TradeResult result, Good good, bool buying) {
    if (result == TradeResult::Refused) {
        m_screen.told = Told::TradeRefused;
    } else if (result == TradeResult::Done) {
        refreshMarket(buying);
        if (tradeRefreshesStatus(good)) {
            refreshStatus();
        }
        m_screen.told = Told::Traded;
        m_screen.toldGood = good;
    }
    return result;
}

namespace {
// A bar stands inside its range, which starts at 0 even where its maximum is below.
bool onBar(int value, std::int16_t maximum) {
    return value >= 0 && value <= std::max<int>(maximum, 0);
}
} // namespace

TradeResult ReignSession::buyByBar(Good good, int barValue) {
    m_screen.told = Told::Nothing;
    if (m_screen.phase != ReignPhase::Buying ||
        !onBar(barValue, m_limits.buyBarMax[static_cast<std::size_t>(goodIndex(good))])) {
        return TradeResult::Ignored;
    }
    return afterTrade(::buyByBar(m_state, good, barValue), good, true);
}

TradeResult ReignSession::sellByBar(Good good, int barValue) {
    m_screen.told = Told::Nothing;
    if (m_screen.phase != ReignPhase::Selling ||
        !onBar(barValue, m_limits.sellBarMax[static_cast<std::size_t>(goodIndex(good))])) {
        return TradeResult::Ignored;
    }
    return afterTrade(::sellByBar(m_state, good, barValue), good, false);
}

TradeResult ReignSession::buyTyped(Good good, std::string_view text) {
    m_screen.told = Told::Nothing;
    if (m_screen.phase != ReignPhase::Buying) {
        return TradeResult::Ignored;
    }
    return afterTrade(::buyTyped(m_state, good, text), good, true);
}

TradeResult ReignSession::sellTyped(Good good, std::string_view text) {
    m_screen.told = Told::Nothing;
    if (m_screen.phase != ReignPhase::Selling) {
        return TradeResult::Ignored;
    }
    return afterTrade(::sellTyped(m_state, good, text), good, false);
}

TradeResult ReignSession::hireByBar(int count) {
    m_screen.told = Told::Nothing;
    if (m_screen.phase != ReignPhase::Mercenaries || !onBar(count, m_screen.mercenaries.barMax)) {
        return TradeResult::Ignored;
    }
    ::hireByBar(m_state, count);
    refreshStatus();
    ++m_screen.mercenaryBarResets;
    openMercenaries();
    m_screen.told = Told::Hired;
    return TradeResult::Done;
}

TradeResult ReignSession::hireTyped(std::string_view text) {
    m_screen.told = Told::Nothing;
    if (m_screen.phase != ReignPhase::Mercenaries) {
        return TradeResult::Ignored;
    }
    const TradeResult result = ::hireTyped(m_state, text);
    if (result == TradeResult::Refused) {
        m_screen.told = Told::TradeRefused;
    } else if (result == TradeResult::Done) {
        refreshStatus();
        openMercenaries();
        m_screen.told = Told::Hired;
    }
    return result;
}

void ReignSession::nextYear() {
    m_screen.told = Told::Nothing;
    const ReignPhase phase = m_screen.phase;
    if (phase == ReignPhase::NoReign || phase == ReignPhase::Battle ||
        phase == ReignPhase::EndOfReign) {
        return;
    }
    m_screen.phase = ReignPhase::YearReport;

    const YearResult year = ::nextYear(m_state, m_random);
    recordYearEnd(m_chronicle, m_state, year);
    if (moodWord(m_state.moodLevel)) {
        m_screen.status.moodLevel = m_state.moodLevel;
    }
    if (!year.stoppedBeforeHarvest) {
        if (year.starved) {
            // Only what the population step changed is shown under the message.
            m_screen.status.workers = m_state.workers;
            m_screen.status.total = m_state.soldiers + m_state.workers;
            notify({Notice::Kind::Starved, 0, {}, {}});
            m_screen.told = Told::ReignEnded;
            m_screen.phase = ReignPhase::NoReign;
            return;
        }
        refreshStatus();
        if (year.battle) {
            m_screen.phase = ReignPhase::Battle;
            m_screen.battle = *year.battle;
            m_screen.commandsEnabled = false;
            m_screen.told = Told::BattleFought;
        } else if (year.shownReport) {
            m_screen.report = *year.shownReport;
            m_screen.told = Told::YearEnded;
        }
        m_screen.year = m_state.year;
        if (year.reignComplete) {
            endReign();
        }
    }
    if (year.overthrown) {
        // A report or a battle shown first stays what was told; the notice tells the end.
        notify({Notice::Kind::Overthrown, 0, {}, {}});
        if (m_screen.told == Told::Nothing) {
            m_screen.told = Told::ReignEnded;
        }
        m_screen.phase = ReignPhase::NoReign;
    }
}

void ReignSession::acknowledgeBattle() {
    m_screen.told = Told::Nothing;
    if (m_screen.phase != ReignPhase::Battle) {
        return;
    }
    m_screen.phase = ReignPhase::YearReport;
    const std::string report = closeBattle(m_state);
    recordBattleClosed(m_chronicle, report);
    m_screen.battle.reset();
    m_screen.commandsEnabled = true;
    m_screen.report = report;
    m_screen.told = Told::BattleAcknowledged;
}

void ReignSession::loadTable() {
    ScoresStoreRead read = m_scores.load();
    // Without a usable table the default rows stand, so that what is shown is what a later save
    // writes.
    m_table = read.table ? *read.table : defaultTable();
    if (read.problem) {
        notify({Notice::Kind::TableProblem, 0, read.problem->message, {}});
    }
}

void ReignSession::endReign() {
    m_screen.phase = ReignPhase::EndOfReign;
    loadTable();
    notify({Notice::Kind::Rating, m_state.rating, {}, {}});
    placeKing(m_table, m_state.rating, m_state.kingName);
    if (const std::optional<ScoresStoreProblem> problem = m_scores.save(m_table)) {
        notify({Notice::Kind::TableProblem, 0, problem->message, {}});
    }
}

void ReignSession::openTable() {
    loadTable();
    m_screen.told = Told::TableShown;
}

bool ReignSession::closeTable() {
    m_screen.told = Told::Nothing;
    // The table that ends a reign is followed by a new game; one opened during a game just goes.
    if (m_screen.phase != ReignPhase::NoReign && m_state.year == 100) {
        newGame();
        return true;
    }
    return false;
}

void ReignSession::newGame() {
    m_screen.phase = ReignPhase::NoReign;
    m_screen.battle.reset();
    m_screen.commandsEnabled = false;
}

// ---------------------------------------------------------------------------------------------
// Saved games

SavedGameFileWrite ReignSession::saveGame() const {
    return writeSavedGameFile(m_state, m_table, barMaxima(), m_chronicle);
}

std::optional<SavedGameProblem> ReignSession::loadGame(std::string_view bytes) {
    SavedGameFileRead read = readSavedGameFile(bytes, m_state);
    if (!read.game) {
        return read.problem;
    }
    installLoadedGame(read.game->state, read.game->hall, std::move(read.chronicle));
    return std::nullopt;
}

void ReignSession::installLoadedGame(const KingdomState& state, const HallOfFame& hall,
                                     ChronicleRead chronicle) {
    m_state = state;
    m_table = hall;
    if (chronicle.status == ChronicleRead::Status::Read) {
        restoreChronicle(m_chronicle, std::move(chronicle.entries));
    } else {
        restartChronicle(m_chronicle);
    }
    // The bars take the maxima the game carries; entering buy mode gives the goods bars new
    // ones at once, while the mercenaries bar keeps its until the panel opens.
    const BarMaxima carried = carriedBarMaxima(state);
    for (std::size_t i = 0; i < m_limits.sellBarMax.size(); ++i) {
        m_limits.sellBarMax[i] = carried[i];
        m_limits.buyBarMax[i] = carried[kMercenaryBarSlot + 1 + i];
    }
    m_screen.mercenaries.barMax = carried[kMercenaryBarSlot];
    if (m_screen.phase == ReignPhase::NoReign) {
        m_screen.king = m_state.kingName;
    }
    // Whatever was on screen, a loaded game is played on from buy mode: a battle is over. The
    // caption keeps the name the reign began with.
    m_screen.battle.reset();
    m_screen.commandsEnabled = true;
    enterBuying();
    m_screen.told = Told::GameLoaded;
    if (chronicle.status == ChronicleRead::Status::Damaged) {
        notify({Notice::Kind::ChronicleDamaged, 0, {}, chronicle.problem});
    }
}

void ReignSession::loadRefused() {
    // The game is unchanged; only a battle keeps its panel, whose OK alone goes on from there.
    if (canChoosePanel(m_screen.phase)) {
        enterBuying();
    }
    m_screen.told = Told::LoadRefused;
}
