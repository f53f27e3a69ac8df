// Whole reigns with a random player who trades, hires, saves and loads at random moments through
// the real storage code, with the kingdom's promises checked after every step.
//
// Size: VELORIA_SOAK_GAMES reigns (default below), starting at seed VELORIA_SOAK_SEED. A failure
// names the game's seed, so `VELORIA_SOAK_SEED=<seed> VELORIA_SOAK_GAMES=1` replays it alone.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <QTemporaryDir>

#include "core/random.h"
#include "formats/saved_game.h"
#include "market/market.h"
#include "market/trade.h"
#include "reign/bar_maxima.h"
#include "sim/end_of_reign.h"
#include "sim/new_game.h"
#include "sim/year.h"
#include "storage/problem_text.h"
#include "storage/saved_game.h"
#include "storage/scores.h"
#include "war/mercenaries.h"

namespace {

// Under the sanitizers every allocation costs many times more; the default shrinks to match.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kDefaultGames = 150;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr long kDefaultGames = 150;
#else
constexpr long kDefaultGames = 2000;
#endif
#else
constexpr long kDefaultGames = 2000;
#endif

long fromEnvironment(const char* name, long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return (end != nullptr && *end == '\0' && value >= 0) ? value : fallback;
}

// The player's dice, apart from the game's own generator.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : m_random(seed) {}
    // 0 to highest, both included.
    int upTo(int highest) {
        if (highest <= 0) {
            return 0;
        }
        const int value = static_cast<int>(m_random.draw() * static_cast<float>(highest + 1));
        return value > highest ? highest : value;
    }
    bool chance(float probability) { return m_random.draw() < probability; }

private:
    ClockRandom m_random;
};

// A count for the dice: a rich kingdom's stocks run far beyond what an int holds.
int capped(double value) {
    return value > 1e9 ? 1000000000 : value < 0 ? 0 : static_cast<int>(value);
}

std::string digits(double value) {
    return std::to_string(static_cast<long long>(value < 0 ? 0 : value));
}

// What a paste can put into an amount box besides digits.
constexpr std::array<std::string_view, 8> kPastes = {
    "-5", "1.5", "12a", " 7", "1e3", "+3", "99999999999999999999999999999999", "0x10",
};

bool sameHoldings(const KingdomState& a, const KingdomState& b) {
    return a.money == b.money && a.gold == b.gold && a.land == b.land && a.grain == b.grain &&
           a.oil == b.oil && a.soldiers == b.soldiers && a.workers == b.workers;
}

std::vector<std::string_view> reportLines(std::string_view report) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < report.size()) {
        const std::size_t end = report.find("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.push_back(report.substr(pos)); // unterminated: the caller fails on it
            break;
        }
        lines.push_back(report.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

bool isHarvestLine(std::string_view line) {
    for (std::string_view known :
         {"Был собран хороший урожай", "Крысы сожрали чась урожая",
          "Наводнение уничтожило чась урожая", "Из-за сильного пожара, весь урожай сгорел",
          "Был собран отличный урожай", "Собран урожай"}) {
        if (line == known) {
            return true;
        }
    }
    return false;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

class Soak {
public:
    Soak(std::uint64_t seed, const QString& folder)
        : m_seed(seed), m_random(seed), m_dice(seed * 7919 + 17), m_folder(folder) {}

    void playReign();

    long presses = 0;
    long battles = 0;
    long loads = 0;
    long fileLoads = 0;
    bool completed = false;
    bool overthrown = false;

private:
    std::string where() const {
        return "seed " + std::to_string(m_seed) + ", year " + std::to_string(m_state.year) +
               ", step " + std::to_string(m_step) + " (" + m_action + ")";
    }
    void step(const char* action);
    void expectSound();
    void roundTrip();
    void tradeAtRandom(Good good);
    void carefulKing();
    void hireAtRandom(bool careful);
    void maybeLoad();
    void expectReport(const std::string& report, bool announced);

    std::uint64_t m_seed;
    ClockRandom m_random;
    Dice m_dice;
    QString m_folder;
    KingdomState m_state;
    HallOfFame m_hall;
    long m_step = 0;
    std::string m_action;
};

void Soak::step(const char* action) {
    ++m_step;
    m_action = action;
    expectSound();
    roundTrip();
}

void Soak::expectSound() {
    const KingdomState& s = m_state;
    const double numbers[] = {
        s.workers,     s.soldiers,      s.population,      s.grainNeeded,
        s.year,        s.rating,        s.moodLevel,       s.money,
        s.gold,        s.land,          s.grain,           s.oil,
        s.enemyArmy,   s.goldPrice,     s.landPrice,       s.grainPrice,
        s.oilPrice,    s.goldMax,       s.landMax,         s.grainMax,
        s.oilMax,      s.tradeSum,      s.typedAmount,     s.mercenaryPrice,
        s.harvestRoll, s.lastPeaceYear, s.discontentYears, s.mercenariesAffordable};
    for (double number : numbers) {
        ASSERT_TRUE(std::isfinite(number)) << where();
    }
    for (double held : {s.workers, s.soldiers, s.money, s.gold, s.land, s.grain, s.oil}) {
        ASSERT_GE(held, 0) << where();
    }
    ASSERT_TRUE(s.moodLevel == 0 || s.moodLevel == 1 || s.moodLevel == 2 || s.moodLevel == 3 ||
                s.moodLevel == 4)
        << where() << ": mood " << s.moodLevel;
    ASSERT_TRUE(s.goldPrice >= 1000 && s.goldPrice <= 1099) << where() << ": " << s.goldPrice;
    ASSERT_TRUE(s.landPrice >= 50 && s.landPrice <= 149) << where() << ": " << s.landPrice;
    ASSERT_TRUE(s.grainPrice >= 30 && s.grainPrice <= 59) << where() << ": " << s.grainPrice;
    ASSERT_TRUE(s.oilPrice >= 500 && s.oilPrice <= 599) << where() << ": " << s.oilPrice;
    for (double price : {s.goldPrice, s.landPrice, s.grainPrice, s.oilPrice}) {
        ASSERT_EQ(price, std::floor(price)) << where();
    }
    ASSERT_EQ(s.mercenaryPrice, 100) << where();
    ASSERT_TRUE(s.discontentYears >= 0 && s.discontentYears <= 5) << where();
    ASSERT_TRUE(s.warCountdown >= 0 && s.warCountdown <= 5) << where();
    ASSERT_TRUE(s.lastPeaceYear >= 4 && s.lastPeaceYear <= 7) << where();
    ASSERT_TRUE(s.year >= 1 && s.year <= 100) << where();
    ASSERT_TRUE(s.harvestRoll >= 0 && s.harvestRoll < 10) << where();
    ASSERT_GE(s.enemyArmy, 0) << where();
    for (Flag flag : {s.fedFlag, s.landFlag, s.sownFlag, s.harvestSownFlag}) {
        ASSERT_TRUE(flag == kYes || flag == kNo) << where();
    }
}

struct RealField {
    const char* name;
    double KingdomState::*member;
};

#define VELORIA_REAL(field)                                                                        \
    RealField {                                                                                    \
#field, &KingdomState::field                                                               \
    }
const RealField kReals[] = {
    VELORIA_REAL(workers),        VELORIA_REAL(soldiers),
    VELORIA_REAL(population),     VELORIA_REAL(grainNeeded),
    VELORIA_REAL(year),           VELORIA_REAL(rating),
    VELORIA_REAL(moodLevel),      VELORIA_REAL(discontentYears),
    VELORIA_REAL(harvestRoll),    VELORIA_REAL(armyGrowthLevel),
    VELORIA_REAL(spareValue1),    VELORIA_REAL(spareValue2),
    VELORIA_REAL(spareValue3),    VELORIA_REAL(spareValue4),
    VELORIA_REAL(spareValue5),    VELORIA_REAL(spareValue6),
    VELORIA_REAL(spareValue7),    VELORIA_REAL(spareValue8),
    VELORIA_REAL(spareValue9),    VELORIA_REAL(money),
    VELORIA_REAL(gold),           VELORIA_REAL(land),
    VELORIA_REAL(grain),          VELORIA_REAL(oil),
    VELORIA_REAL(goldPrice),      VELORIA_REAL(landPrice),
    VELORIA_REAL(grainPrice),     VELORIA_REAL(oilPrice),
    VELORIA_REAL(goldMax),        VELORIA_REAL(landMax),
    VELORIA_REAL(grainMax),       VELORIA_REAL(oilMax),
    VELORIA_REAL(tradeSum),       VELORIA_REAL(typedAmount),
    VELORIA_REAL(mercenaryPrice), VELORIA_REAL(mercenariesAffordable),
    VELORIA_REAL(lastPeaceYear),  VELORIA_REAL(enemyArmy),
    VELORIA_REAL(sliderMax1),     VELORIA_REAL(sliderMax2),
    VELORIA_REAL(sliderMax3),     VELORIA_REAL(sliderMax4),
    VELORIA_REAL(sliderMax5),     VELORIA_REAL(sliderMax6),
    VELORIA_REAL(sliderMax7),     VELORIA_REAL(sliderMax8),
    VELORIA_REAL(sliderMax9),
};
#undef VELORIA_REAL

// Every step: the game as it stands saves, loads back to itself and saves to the same bytes.
void Soak::roundTrip() {
    KingdomState probe = m_state;
    const BarMaxima bars = currentBarMaxima(probe);
    const std::string saved = writeSavedGame(m_state, m_hall, bars);
    const SavedGameRecordRead loaded = readSavedGame(saved, m_state);
    ASSERT_TRUE(loaded.game.has_value())
        << where() << ": " << savedGameProblemText(*loaded.problem).toStdString() << "\n"
        << saved;
    ASSERT_EQ(writeSavedGame(loaded.game->state, loaded.game->hall, bars), saved) << where();
    ASSERT_EQ(loaded.game->hall, m_hall) << where();

    KingdomState expected = m_state;
    double* barSlots[] = {&expected.sliderMax1, &expected.sliderMax2, &expected.sliderMax3,
                          &expected.sliderMax4, &expected.sliderMax5, &expected.sliderMax6,
                          &expected.sliderMax7, &expected.sliderMax8, &expected.sliderMax9};
    for (std::size_t i = 0; i < std::size(barSlots); ++i) {
        *barSlots[i] = bars[i];
    }
    // Texts, flags and counts come back unchanged, whole numbers of up to 15 digits exactly, and
    // the game's fractions (a good harvest adds 1.7 times what was eaten, the harvest draw is a
    // single-precision number times 10) to the 15 digits the file keeps.
    const KingdomState& back = loaded.game->state;
    for (const RealField& real : kReals) {
        const double want = expected.*real.member;
        const double got = back.*real.member;
        if (want == std::floor(want) && std::fabs(want) < 1e15) {
            ASSERT_EQ(got, want) << where() << ": " << real.name;
        } else {
            ASSERT_NEAR(got, want, std::fabs(want) * 1e-14) << where() << ": " << real.name;
        }
        expected.*real.member = got;
    }
    ASSERT_EQ(back.report, expected.report) << where();
    ASSERT_EQ(back.kingName, expected.kingName) << where();
    ASSERT_TRUE(back == expected) << where() << ": a flag or a count changed";
}

void Soak::maybeLoad() {
    if (!m_dice.chance(0.03f)) {
        return;
    }
    KingdomState probe = m_state;
    const BarMaxima bars = currentBarMaxima(probe);
    // Mostly in memory, now and then through a real file in the temporary folder.
    if (m_dice.chance(0.2f)) {
        const QString path = m_folder + QStringLiteral("/game%1.txt").arg(m_seed % 4);
        const std::optional<QString> failure = saveGame(path, m_state, m_hall, bars);
        ASSERT_FALSE(failure.has_value()) << where() << ": " << failure->toStdString();
        // The player goes on for a moment, then changes his mind and loads.
        KingdomState later = m_state;
        later.money += 1;
        const GameLoad loaded = loadGame(path, later);
        ASSERT_TRUE(loaded.game.has_value()) << where() << ": " << loaded.error.toStdString();
        m_state = loaded.game->state;
        m_hall = loaded.game->hall;
        ++fileLoads;
    } else {
        const SavedGameRecordRead loaded =
            readSavedGame(writeSavedGame(m_state, m_hall, bars), m_state);
        ASSERT_TRUE(loaded.game.has_value())
            << where() << ": " << savedGameProblemText(*loaded.problem).toStdString();
        m_state = loaded.game->state;
        m_hall = loaded.game->hall;
    }
    ++loads;
    step("load");
}

void Soak::tradeAtRandom(Good good) {
    const MarketLimits limits = refreshMarket(m_state);
    const std::size_t i = std::size_t(goodIndex(good));
    const KingdomState before = m_state;
    TradeResult result = TradeResult::Done;
    switch (m_dice.upTo(6)) {
    case 0:
        result = buyByBar(m_state, good, m_dice.upTo(limits.buyBarMax[i]));
        m_action = "buy by bar";
        break;
    case 1:
        result = sellByBar(m_state, good, m_dice.upTo(limits.sellBarMax[i]));
        m_action = "sell by bar";
        break;
    case 2:
        // Sometimes more than the treasury pays for: refused.
        result =
            buyTyped(m_state, good, digits(m_dice.upTo(capped(purchaseMaxOf(m_state, good)) + 3)));
        m_action = "buy typed";
        break;
    case 3:
        result = sellTyped(m_state, good, digits(m_dice.upTo(capped(stockOf(m_state, good)) + 3)));
        m_action = "sell typed";
        break;
    case 4:
        result = (m_dice.chance(0.5f) ? buyTyped : sellTyped)(
            m_state, good, kPastes[std::size_t(m_dice.upTo(int(kPastes.size()) - 1))]);
        ASSERT_NE(result, TradeResult::Done) << where() << ": a paste must not trade";
        m_action = "paste";
        break;
    case 5:
        result = buyTyped(m_state, good, "");
        ASSERT_EQ(result, TradeResult::Ignored) << where();
        m_action = "empty box";
        break;
    default:
        return;
    }
    if (result != TradeResult::Done) {
        ASSERT_TRUE(sameHoldings(before, m_state)) << where() << ": a refusal changed holdings";
    }
    step(m_action.c_str());
}

// Mostly a careful king, so that reigns last and wars come: sell some gold and oil, then buy
// land and grain for everybody with seed to spare.
void Soak::carefulKing() {
    refreshMarket(m_state);
    sellTyped(m_state, Good::Gold, digits(m_state.gold / 2));
    sellTyped(m_state, Good::Oil, digits(m_state.oil / 2));
    step("careful sales");
    refreshMarket(m_state);
    const double people = m_state.workers + m_state.soldiers;
    const double landShort = people * 1.2 + 2 - m_state.land;
    if (landShort > 0) {
        buyTyped(m_state, Good::Land, digits(std::min(landShort, m_state.landMax)));
    }
    refreshMarket(m_state);
    const double grainShort = people * 2 + m_state.land * 1.1 + 5 - m_state.grain;
    if (grainShort > 0) {
        buyTyped(m_state, Good::Grain, digits(std::min(grainShort, m_state.grainMax)));
    }
    step("careful purchases");
}

void Soak::hireAtRandom(bool careful) {
    refreshMarket(m_state);
    const MercenaryLimits limits = mercenaryLimits(m_state);
    // A careful king sees the war coming: the enemy gains up to a fifth of his army before the
    // battle, and the army itself shrinks in the year's desertion first.
    const double needed = (m_state.enemyArmy + 2) / 0.64 + 2 - m_state.soldiers;
    int count = m_dice.upTo(int(std::min(limits.payable, 30000.0)) / 12 + 2);
    if (careful && m_state.warCountdown == 1 && needed > 0) {
        count = int(std::min({needed, limits.payable / 2, 30000.0}));
    }
    if (m_dice.chance(0.5f)) {
        hireByBar(m_state, std::min(count, int(limits.barMax)));
        step("hire by bar");
    } else {
        const KingdomState before = m_state;
        const TradeResult result = hireTyped(m_state, digits(count));
        if (result != TradeResult::Done) {
            ASSERT_TRUE(sameHoldings(before, m_state)) << where();
        }
        step("hire typed");
    }
}

// The report of one year: header, the four steps, the harvest if any, births or deaths, the
// army, and the announcement of a war when one came.
void Soak::expectReport(const std::string& report, bool announced) {
    ASSERT_TRUE(report.size() >= 2 && report.substr(report.size() - 2) == "\r\n") << where();
    const std::vector<std::string_view> lines = reportLines(report);
    for (std::string_view line : lines) {
        ASSERT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << where() << ": " << report;
    }
    ASSERT_GE(lines.size(), 8u) << where() << ":\n" << report;
    const bool harvest = isHarvestLine(lines[6]);
    const std::size_t expected = 8 + (harvest ? 1 : 0) + (announced ? 1 : 0);
    ASSERT_EQ(lines.size(), expected) << where() << ":\n" << report;
    EXPECT_EQ(lines[0], kReportTitle) << where();
    EXPECT_EQ(lines[1], std::string(89, '_')) << where();
    const std::size_t births = harvest ? 7 : 6;
    EXPECT_TRUE(startsWith(lines[births], "В этом году родилось ") ||
                startsWith(lines[births], "В этом году умерло "))
        << where() << ":\n"
        << report;
    EXPECT_TRUE(startsWith(lines[births + 1], "Ваша армия пополнинилась ") ||
                startsWith(lines[births + 1], "Из Вашей армии сбежало "))
        << where() << ":\n"
        << report;
    if (announced) {
        EXPECT_TRUE(startsWith(lines.back(), "Возможно война! Готовтесь!")) << where();
    }
}

void Soak::playReign() {
    m_state = KingdomState{};
    m_state.kingName = "Король " + std::to_string(m_seed);
    initKingdom(m_state, m_random);
    // A treasury of 10000 lasts a careful king a few decades at most; every third reign starts
    // rich, as a hand-edited saved game could, so that thousands of reigns see their hundredth
    // year and the bars meet treasuries and stocks beyond their 32767.
    if (m_seed % 3 == 0) {
        m_state.money = 1e12;
    }
    step("new game");
    const bool careful = m_dice.chance(0.9f);

    for (int press = 0; press < 200; ++press) {
        for (Good good : kGoods) {
            if (m_dice.chance(0.4f)) {
                tradeAtRandom(good);
                if (::testing::Test::HasFatalFailure()) {
                    return;
                }
            }
        }
        if (m_dice.chance(0.5f) || (careful && m_state.warCountdown == 1)) {
            hireAtRandom(careful);
        }
        if (careful) {
            carefulKing();
        }
        maybeLoad();
        if (::testing::Test::HasFatalFailure()) {
            return;
        }

        const double year = m_state.year;
        const bool announced = year > m_state.lastPeaceYear && m_state.warCountdown <= 0;
        const YearResult result = nextYear(m_state, m_random);
        ++presses;
        step("Дальше");
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
        if (result.stoppedBeforeHarvest || result.starved) {
            ASSERT_EQ(m_state.year, year) << where();
            overthrown = true;
            return;
        }
        if (result.battle) {
            ++battles;
            ASSERT_EQ(m_state.year, year) << where();
            ASSERT_FALSE(result.shownReport.has_value()) << where();
            // The player may save with the battle on screen: the report waits in the file.
            maybeLoad();
            const std::string report = closeBattle(m_state);
            expectReport(report, false);
            step("war panel OK");
        } else {
            ASSERT_TRUE(result.shownReport.has_value()) << where();
            ASSERT_EQ(m_state.year, year + 1) << where();
            expectReport(*result.shownReport, announced);
        }
        ASSERT_EQ(m_state.report, "") << where();
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
        if (result.reignComplete) {
            completed = true;
            // The king enters the table, which goes to its file and back.
            placeKing(m_hall, m_state.rating, m_state.kingName);
            const QString path = m_folder + QStringLiteral("/scores.tab");
            ASSERT_FALSE(saveScores(path, m_hall).has_value()) << where();
            const std::optional<HallOfFame> table = loadScores(path);
            ASSERT_TRUE(table.has_value()) << where();
            ASSERT_EQ(*table, m_hall) << where();
            return;
        }
        if (result.overthrown) {
            overthrown = true;
            return;
        }
    }
    FAIL() << where() << ": a reign lasted more than 200 presses";
}

} // namespace

TEST(Soak, RandomReignsWithSavesAndLoadsKeepEveryPromise) {
    const long games = fromEnvironment("VELORIA_SOAK_GAMES", kDefaultGames);
    const long firstSeed = fromEnvironment("VELORIA_SOAK_SEED", 1);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    long presses = 0;
    long battles = 0;
    long loads = 0;
    long fileLoads = 0;
    long completed = 0;
    long overthrown = 0;
    for (long game = 0; game < games; ++game) {
        Soak soak(std::uint64_t(firstSeed + game), folder.path());
        soak.playReign();
        if (HasFatalFailure()) {
            return;
        }
        presses += soak.presses;
        battles += soak.battles;
        loads += soak.loads;
        fileLoads += soak.fileLoads;
        completed += soak.completed ? 1 : 0;
        overthrown += soak.overthrown ? 1 : 0;
    }
    RecordProperty("games", int(games));
    RecordProperty("presses", int(presses));
    RecordProperty("battles", int(battles));
    RecordProperty("loads", int(loads));
    RecordProperty("completed", int(completed));
    std::printf("%ld reigns: %ld presses, %ld battles, %ld loads (%ld through files), %ld reached "
                "year 100, %ld overthrown or starved\n",
                games, presses, battles, loads, fileLoads, completed, overthrown);
    // The run must reach what it is meant to check: long reigns, wars, loads of every kind.
    if (games >= 100) {
        EXPECT_GT(completed, games / 10);
        EXPECT_GT(battles, games);
        EXPECT_GT(fileLoads, 0);
    }
}
