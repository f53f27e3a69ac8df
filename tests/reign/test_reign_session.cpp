// The course of a reign through its session: every step a player takes, the battle, the end of
// the reign and the table, loaded games, and whole reigns on fixed seeds.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/random.h"
#include "reign/bar_maxima.h"
#include "reign/reign_session.h"
#include "sim/new_game.h"
#include "sim/year.h"
#include "support/careful_king.h"
#include "support/chronicle_reign.h"
#include "support/session_reign.h"

namespace {

// A store whose table cannot be read or written, as a full or damaged disk leaves it.
class BrokenScoresStore final : public ScoresStore {
public:
    ScoresStoreRead load() override {
        return {std::nullopt, ScoresStoreProblem{ScoresStoreProblem::Kind::Unusable, "unreadable"}};
    }
    std::optional<ScoresStoreProblem> save(const HallOfFame&) override {
        return ScoresStoreProblem{ScoresStoreProblem::Kind::NotWritten, "not written"};
    }
};

class ReignSessionTest : public ::testing::Test {
protected:
    ScriptedRandom random;
    MemoryScoresStore scores;
    ReignSession session{random, scores};

    // A new kingdom: prices 1025, 75, 37, 525; 45 workers, 35 soldiers, 26 gold, 95 land,
    // 211 grain, 26 oil; the last year of peace is 6.
    void begin() {
        random.push({0.25f, 0.25f, 0.25f, 0.25f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
        session.beginReign("Иван");
        ASSERT_EQ(random.remaining(), 0u);
    }
    // The kingdom as it stands, changed by `edit`, loaded over the reign.
    template <typename Edit> void load(Edit edit) {
        KingdomState state = session.state();
        edit(state);
        session.installLoadedGame(state, session.table(), {});
    }
    // A fed year of peace with a flood: 6 children born, 5 soldiers run away.
    void pushQuietYear() { random.push({0.f, 0.f, 0.f, 0.f, 0.5f, 0.35f, 0.5f, 0.5f}); }
    // Year 7 ends in a battle the king wins (32 against 24), with its draws.
    void setUpWonBattle() {
        load([](KingdomState& s) {
            s.year = 7;
            s.warCountdown = 1;
            s.enemyArmy = 20;
            s.grain = 1000;
            s.land = 1000;
        });
        random.push({0.f, 0.f, 0.f, 0.f, 0.1f, 0.f, 0.f, 0.5f});
        random.push({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    }
    // Year 99 of peace whose seven zero draws score 8 points, ending with `rating`.
    void setUpLastYear(double rating) {
        load([rating](KingdomState& s) {
            s.year = 99;
            s.lastPeaceYear = 1000;
            s.land = 1e9;
            s.rating = rating - 8;
        });
        random.push({0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f});
    }
    std::vector<Notice::Kind> noticeKinds() {
        std::vector<Notice::Kind> kinds;
        for (const Notice& notice : session.takeNotices()) {
            kinds.push_back(notice.kind);
        }
        return kinds;
    }
};

TEST_F(ReignSessionTest, aReignBeginsInBuyModeWithItsFiguresShown) {
    EXPECT_EQ(session.phase(), ReignPhase::NoReign);
    begin();
    const ReignScreen& screen = session.screen();
    EXPECT_EQ(screen.phase, ReignPhase::Buying);
    EXPECT_EQ(screen.told, Told::ReignBegun);
    EXPECT_EQ(screen.king, "Иван");
    EXPECT_EQ(screen.year, 1);
    EXPECT_TRUE(screen.commandsEnabled);
    EXPECT_TRUE(screen.goodsForBuying);
    EXPECT_EQ(screen.status, (StatusFigures{10000, 45, 35, 80, 80, 240, false, false, 2.0}));
    EXPECT_EQ(screen.goods[0], (GoodsRow{Good::Gold, 26, 1025, 9, 26, 9}));
    EXPECT_EQ(screen.goods[2], (GoodsRow{Good::Grain, 211, 37, 270, 211, 270}));
    // The mercenaries bar keeps the range it is built with until its panel opens.
    EXPECT_EQ(session.barMaxima(), (BarMaxima{26, 95, 211, 26, 32767, 9, 133, 270, 19}));
    EXPECT_TRUE(session.chronicle().entries.empty());
    EXPECT_TRUE(session.notices().empty());
}

TEST_F(ReignSessionTest, thePanelsRefreshWhatTheyShow) {
    begin();
    const std::uint64_t refreshes = session.screen().marketRefreshes;
    session.showSelling();
    EXPECT_EQ(session.phase(), ReignPhase::Selling);
    EXPECT_FALSE(session.screen().goodsForBuying);
    EXPECT_EQ(session.screen().marketRefreshes, refreshes + 1);
    session.showMercenaries();
    EXPECT_EQ(session.phase(), ReignPhase::Mercenaries);
    EXPECT_EQ(session.screen().told, Told::MercenariesShown);
    EXPECT_EQ(session.screen().mercenaries, (MercenaryRow{100, 100, 100}));
    EXPECT_EQ(session.screen().marketRefreshes, refreshes + 1);
    session.showBuying();
    EXPECT_EQ(session.phase(), ReignPhase::Buying);
    EXPECT_TRUE(session.screen().goodsForBuying);
}

TEST_F(ReignSessionTest, tradesRunInTheirModeAndRefreshTheFigures) {
    begin();
    EXPECT_EQ(session.buyTyped(Good::Land, "20"), TradeResult::Done);
    EXPECT_EQ(session.screen().told, Told::Traded);
    EXPECT_EQ(session.screen().toldGood, Good::Land);
    EXPECT_EQ(session.state().land, 115);
    EXPECT_EQ(session.screen().status.money, 8500);
    EXPECT_EQ(session.screen().goods[1].stock, 115);
    EXPECT_EQ(session.screen().goods[1].purchaseMax, 113);

    // A sale in buy mode, a hire outside its panel, a bar past its range: nothing happens.
    const KingdomState before = session.state();
    EXPECT_EQ(session.sellTyped(Good::Gold, "1"), TradeResult::Ignored);
    EXPECT_EQ(session.hireByBar(1), TradeResult::Ignored);
    EXPECT_EQ(session.buyByBar(Good::Gold, 10), TradeResult::Ignored);
    EXPECT_EQ(session.buyByBar(Good::Gold, -1), TradeResult::Ignored);
    EXPECT_EQ(session.state(), before);
    EXPECT_EQ(session.screen().told, Told::Nothing);

    session.showSelling();
    EXPECT_EQ(session.sellByBar(Good::Oil, 26), TradeResult::Done);
    EXPECT_EQ(session.state().oil, 0);
    EXPECT_EQ(session.screen().goods[3].sellBarMax, 0);
    // Gold and oil leave the status column's people as they were, the money follows the trade.
    EXPECT_EQ(session.screen().status.money, 8500 + 26 * 525);
}

TEST_F(ReignSessionTest, aRefusedTradeIsAResultAndChangesNoStock) {
    begin();
    const std::uint64_t refreshes = session.screen().marketRefreshes;
    EXPECT_EQ(session.buyTyped(Good::Gold, "10"), TradeResult::Refused);
    EXPECT_EQ(session.screen().told, Told::TradeRefused);
    EXPECT_EQ(session.state().gold, 26);
    EXPECT_EQ(session.state().money, 10000);
    EXPECT_EQ(session.screen().marketRefreshes, refreshes);
    EXPECT_EQ(session.buyTyped(Good::Gold, ""), TradeResult::Ignored);
    session.showSelling();
    EXPECT_EQ(session.sellTyped(Good::Grain, "212"), TradeResult::Refused);
    EXPECT_EQ(session.state().grain, 211);
}

TEST_F(ReignSessionTest, hiresRaiseTheArmyAndResetTheBar) {
    begin();
    session.showMercenaries();
    EXPECT_EQ(session.hireByBar(37), TradeResult::Done);
    EXPECT_EQ(session.screen().told, Told::Hired);
    EXPECT_EQ(session.state().money, 6300);
    EXPECT_EQ(session.state().soldiers, 72);
    EXPECT_EQ(session.screen().status.soldiers, 72);
    EXPECT_EQ(session.screen().mercenaries, (MercenaryRow{100, 63, 63}));
    EXPECT_EQ(session.screen().mercenaryBarResets, 1u);
    EXPECT_EQ(session.barMaxima()[4], 63);

    EXPECT_EQ(session.hireTyped("64"), TradeResult::Refused);
    EXPECT_EQ(session.screen().told, Told::TradeRefused);
    EXPECT_EQ(session.state().soldiers, 72);
    EXPECT_EQ(session.hireTyped("63"), TradeResult::Done);
    EXPECT_EQ(session.state().money, 0);
    EXPECT_EQ(session.screen().mercenaries.barMax, 0);
}

TEST_F(ReignSessionTest, aQuietYearShowsItsReportAndItsChronicle) {
    begin();
    session.showMercenaries();
    pushQuietYear();
    session.nextYear();
    const ReignScreen& screen = session.screen();
    EXPECT_EQ(screen.phase, ReignPhase::YearReport);
    EXPECT_EQ(screen.told, Told::YearEnded);
    EXPECT_EQ(screen.year, 2);
    EXPECT_EQ(screen.report.rfind("Господин президент!", 0), 0u);
    EXPECT_TRUE(session.state().report.empty());
    EXPECT_EQ(screen.status.workers, session.state().workers);
    ASSERT_EQ(session.chronicle().entries.size(), 1u);
    EXPECT_EQ(session.chronicle().entries[0].report, screen.report);
    EXPECT_TRUE(session.notices().empty());
}

TEST_F(ReignSessionTest, aBattleHoldsTheReignUntilItIsAcknowledged) {
    begin();
    setUpWonBattle();
    session.nextYear();
    ASSERT_EQ(session.phase(), ReignPhase::Battle);
    EXPECT_EQ(session.screen().told, Told::BattleFought);
    EXPECT_FALSE(session.screen().commandsEnabled);
    ASSERT_TRUE(session.screen().battle);
    EXPECT_EQ(session.screen().battle->outcome, BattleOutcome::Victory);
    EXPECT_EQ(session.screen().year, 7);
    EXPECT_TRUE(session.chronicle().battlePending);

    // Only the war panel's OK goes on.
    session.showBuying();
    session.showMercenaries();
    session.nextYear();
    EXPECT_EQ(session.phase(), ReignPhase::Battle);
    EXPECT_EQ(random.remaining(), 0u);

    session.acknowledgeBattle();
    EXPECT_EQ(session.phase(), ReignPhase::YearReport);
    EXPECT_EQ(session.screen().told, Told::BattleAcknowledged);
    EXPECT_TRUE(session.screen().commandsEnabled);
    EXPECT_FALSE(session.screen().battle);
    EXPECT_FALSE(session.screen().report.empty());
    EXPECT_TRUE(session.state().report.empty());
    EXPECT_EQ(session.chronicle().entries.back().report, session.screen().report);
    // A second OK closes nothing.
    session.acknowledgeBattle();
    EXPECT_EQ(session.screen().told, Told::Nothing);
}

TEST_F(ReignSessionTest, aLoadDuringABattleEndsItInBuyMode) {
    begin();
    KingdomState saved = session.state();
    saved.money = 4321;
    setUpWonBattle();
    session.nextYear();
    ASSERT_EQ(session.phase(), ReignPhase::Battle);

    session.installLoadedGame(saved, session.table(), {});
    EXPECT_EQ(session.phase(), ReignPhase::Buying);
    EXPECT_EQ(session.screen().told, Told::GameLoaded);
    EXPECT_FALSE(session.screen().battle);
    EXPECT_TRUE(session.screen().commandsEnabled);
    EXPECT_EQ(session.state().money, 4321);
    EXPECT_EQ(session.screen().status.money, 4321);
    session.acknowledgeBattle();
    EXPECT_EQ(session.phase(), ReignPhase::Buying);
}

TEST_F(ReignSessionTest, aRefusedLoadChangesNothing) {
    for (const bool inBattle : {false, true}) {
        SCOPED_TRACE(inBattle);
        begin();
        session.showMercenaries();
        if (inBattle) {
            setUpWonBattle();
            session.showMercenaries();
        } else {
            pushQuietYear();
        }
        const BarMaxima bars = session.barMaxima();
        session.nextYear();
        const KingdomState before = session.state();
        const std::size_t entries = session.chronicle().entries.size();

        session.loadRefused();
        // Buy mode refreshes the purchase maxima, as entering it always does; nothing else moves.
        EXPECT_EQ(session.state().year, before.year);
        EXPECT_EQ(session.state().money, before.money);
        EXPECT_EQ(session.state().soldiers, before.soldiers);
        EXPECT_EQ(session.state().report, before.report);
        EXPECT_EQ(session.chronicle().entries.size(), entries);
        // The mercenaries bar keeps its maximum: a save now writes what it wrote before.
        EXPECT_EQ(session.barMaxima()[4], bars[4]);
        EXPECT_EQ(session.phase(), inBattle ? ReignPhase::Battle : ReignPhase::Buying);
        EXPECT_EQ(session.screen().battle.has_value(), inBattle);
    }
}

// The tools that save a bare kingdom (the soak test, the fuzzers' seeds) work the bars out the
// way the session does, and a loaded game's bars are what the session takes on load.
TEST_F(ReignSessionTest, theBarsOfABareKingdomAreTheSessionsBars) {
    begin();
    pushQuietYear();
    session.nextYear();
    // A year on, the bars still hold what they were given before it, until the market and the
    // panel are shown again.
    session.showBuying();
    session.showMercenaries();
    KingdomState bare = session.state();
    EXPECT_EQ(currentBarMaxima(bare), session.barMaxima());

    KingdomState carried = session.state();
    carried.sliderMax1 = 2.5; // half-way goes to the even neighbour
    carried.sliderMax2 = 3.5;
    carried.sliderMax3 = carried.sliderMax4 = carried.sliderMax7 = carried.sliderMax8 = 0;
    carried.sliderMax5 = 1e9; // a bar holds 16 bits
    carried.sliderMax6 = -1e9;
    carried.sliderMax9 = std::nan("");
    const BarMaxima bars = carriedBarMaxima(carried);
    EXPECT_EQ(bars, (BarMaxima{2, 4, 0, 0, 32767, -32768, 0, 0, 0}));
    ASSERT_FALSE(session.loadGame(writeSavedGame(carried, session.table(), bars)));
    EXPECT_EQ(session.barMaxima()[kMercenaryBarSlot], 32767);
}

TEST_F(ReignSessionTest, aSavedGameCarriesTheBarsAsTheyStand) {
    begin();
    pushQuietYear();
    session.nextYear();
    session.showSelling();
    session.showMercenaries();
    session.hireByBar(50);
    const SavedGameFileWrite file = session.saveGame();
    ASSERT_FALSE(file.problem);
    EXPECT_EQ(file.bytes, writeSavedGameFile(session.state(), session.table(), session.barMaxima(),
                                             session.chronicle())
                              .bytes);
    const SavedGameFileRead read = readSavedGameFile(file.bytes, KingdomState{});
    ASSERT_TRUE(read.game);
    const KingdomState& saved = read.game->state;
    EXPECT_EQ(session.barMaxima()[4], 50);
    EXPECT_EQ((BarMaxima{std::int16_t(saved.sliderMax1), std::int16_t(saved.sliderMax2),
                         std::int16_t(saved.sliderMax3), std::int16_t(saved.sliderMax4),
                         std::int16_t(saved.sliderMax5), std::int16_t(saved.sliderMax6),
                         std::int16_t(saved.sliderMax7), std::int16_t(saved.sliderMax8),
                         std::int16_t(saved.sliderMax9)}),
              session.barMaxima());
    EXPECT_EQ(read.chronicle.status, ChronicleRead::Status::Read);
    EXPECT_EQ(read.chronicle.entries, session.chronicle().entries);

    // Loaded, the goods bars get new ranges at once in buy mode; the mercenaries bar keeps the
    // one the game carries until its panel opens.
    KingdomState loaded = session.state();
    loaded.sliderMax5 = 7;
    loaded.sliderMax1 = 1;
    session.installLoadedGame(loaded, session.table(), {});
    EXPECT_EQ(session.barMaxima()[4], 7);
    EXPECT_EQ(session.barMaxima()[0], std::int16_t(session.state().gold));
    session.showMercenaries();
    EXPECT_EQ(session.barMaxima()[4], 50);
}

TEST_F(ReignSessionTest, aGameSavedAndLoadedGoesOnAsItWas) {
    begin();
    pushQuietYear();
    session.nextYear();
    const SavedGameFileWrite file = session.saveGame();
    ASSERT_FALSE(file.problem);
    const KingdomState before = session.state();
    const std::vector<ChronicleEntry> entries = session.chronicle().entries;

    MemoryScoresStore otherScores;
    ScriptedRandom otherRandom;
    ReignSession other(otherRandom, otherScores);
    ASSERT_FALSE(other.loadGame(file.bytes));
    EXPECT_EQ(other.phase(), ReignPhase::Buying);
    EXPECT_EQ(other.screen().told, Told::GameLoaded);
    EXPECT_EQ(other.state().year, before.year);
    EXPECT_EQ(other.state().money, before.money);
    EXPECT_EQ(other.chronicle().entries, entries);
    // Loading goes on in buy mode, which works the purchase maxima out afresh, as the saved
    // reign does when it enters buy mode.
    session.showBuying();
    EXPECT_EQ(other.saveGame().bytes, session.saveGame().bytes);
}

TEST_F(ReignSessionTest, aFileThatCannotBeReadChangesNothing) {
    begin();
    setUpWonBattle();
    session.nextYear();
    ASSERT_EQ(session.phase(), ReignPhase::Battle);
    const KingdomState before = session.state();
    const std::vector<ChronicleEntry> entries = session.chronicle().entries;
    const std::string whole = session.saveGame().bytes;

    for (const std::string& bytes :
         {std::string(), whole.substr(0, whole.size() / 3), std::string("\"a\",1,2\r\n")}) {
        const std::optional<SavedGameProblem> problem = session.loadGame(bytes);
        EXPECT_TRUE(problem);
        EXPECT_EQ(session.state(), before);
        EXPECT_EQ(session.chronicle().entries, entries);
        EXPECT_EQ(session.phase(), ReignPhase::Battle);
        EXPECT_TRUE(session.notices().empty());
    }
}

TEST_F(ReignSessionTest, aDamagedChronicleLoadsTheGameAndSaysSo) {
    begin();
    pushQuietYear();
    session.nextYear();
    KingdomState state = session.state();
    state.year = 42;
    const std::string record =
        writeSavedGameFile(state, session.table(), session.barMaxima()).bytes;
    // A chronicle that promises five entries and holds none.
    ASSERT_FALSE(session.loadGame(record + "\"\xcb\xe5\xf2\xee\xef\xe8\xf1\xfc\",1,5\r\n"));
    EXPECT_EQ(session.state().year, 42);
    EXPECT_TRUE(session.chronicle().entries.empty());
    const std::vector<Notice> notices = session.takeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].kind, Notice::Kind::ChronicleDamaged);
    EXPECT_EQ(notices[0].problem.kind, ChronicleProblem::Kind::TooFewRecords);
    EXPECT_EQ(notices[0].problem.promised, 5u);

    ChronicleRead read;
    read.status = ChronicleRead::Status::Read;
    read.entries.resize(3);
    session.installLoadedGame(state, session.table(), read);
    EXPECT_EQ(session.chronicle().entries.size(), 3u);
    EXPECT_TRUE(session.notices().empty());
}

TEST_F(ReignSessionTest, overthrowAndStarvationEndTheReign) {
    for (const bool starve : {false, true}) {
        SCOPED_TRACE(starve);
        begin();
        if (starve) {
            load([](KingdomState& s) { s.workers = 0; });
            random.push({0.f, 0.f, 0.f, 0.f, 0.1f, 0.9f});
        } else {
            load([](KingdomState& s) {
                s.discontentYears = 4;
                s.land = 80;
            });
            random.push({0.f, 0.f, 0.f, 0.f});
        }
        session.nextYear();
        EXPECT_EQ(random.remaining(), 0u);
        EXPECT_EQ(session.phase(), ReignPhase::NoReign);
        EXPECT_EQ(session.screen().told, Told::ReignEnded);
        EXPECT_EQ(noticeKinds(), std::vector<Notice::Kind>{starve ? Notice::Kind::Starved
                                                                  : Notice::Kind::Overthrown});
        // Nothing more happens until the next reign begins.
        session.nextYear();
        session.showBuying();
        EXPECT_EQ(session.phase(), ReignPhase::NoReign);
    }
}

TEST_F(ReignSessionTest, yearOneHundredEntersTheTableThenANewGameFollows) {
    begin();
    session.showSelling();
    setUpLastYear(200);
    session.nextYear();
    EXPECT_EQ(session.phase(), ReignPhase::EndOfReign);
    EXPECT_EQ(session.screen().year, 100);
    const std::vector<Notice> notices = session.takeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].kind, Notice::Kind::Rating);
    EXPECT_EQ(notices[0].rating, 200);
    EXPECT_EQ(session.table().bestNames[0], "Иван");
    EXPECT_EQ(session.table().bestScores[0], 200);
    EXPECT_EQ(session.table().bestNames[1], "Велимир I");
    ASSERT_TRUE(scores.stored);
    EXPECT_EQ(*scores.stored, session.table());
    // Nothing of the game goes on but the table.
    session.showBuying();
    session.nextYear();
    EXPECT_EQ(session.phase(), ReignPhase::EndOfReign);

    EXPECT_TRUE(session.closeTable());
    EXPECT_EQ(session.phase(), ReignPhase::NoReign);
}

TEST_F(ReignSessionTest, aRatingThatBeatsNoScoreLeavesTheTableAsItWasButStoresIt) {
    begin();
    HallOfFame full = ReignSession::defaultTable();
    scores.stored = full;
    setUpLastYear(10);
    session.nextYear();
    EXPECT_EQ(session.table(), full);
    EXPECT_EQ(scores.saves, 1);
}

TEST_F(ReignSessionTest, yearOneHundredWithRatingOneEndsTheReignThenOverthrows) {
    begin();
    // The year's first steps score 8 and leave -1; births and a growing army bring it to 1.
    setUpLastYear(-1);
    load([](KingdomState& s) { s.armyGrowthLevel = 3; });
    session.nextYear();
    EXPECT_EQ(noticeKinds(),
              (std::vector<Notice::Kind>{Notice::Kind::Rating, Notice::Kind::Overthrown}));
    EXPECT_EQ(session.phase(), ReignPhase::NoReign);
}

TEST_F(ReignSessionTest, theStoresProblemsAreNoticesInTheirPlace) {
    BrokenScoresStore broken;
    ReignSession brokenSession(random, broken);
    random.push({0.25f, 0.25f, 0.25f, 0.25f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    brokenSession.beginReign("Пётр");
    brokenSession.openTable();
    EXPECT_EQ(brokenSession.screen().told, Told::TableShown);
    // An unusable table gives way to the default rows, so what is shown is what a save writes.
    EXPECT_EQ(brokenSession.table(), ReignSession::defaultTable());
    std::vector<Notice> notices = brokenSession.takeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].detail, "unreadable");

    KingdomState last = brokenSession.state();
    last.year = 99;
    last.lastPeaceYear = 1000;
    last.land = 1e9;
    last.rating = 192;
    brokenSession.installLoadedGame(last, brokenSession.table(), {});
    random.push({0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f});
    brokenSession.nextYear();
    notices = brokenSession.takeNotices();
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices[0].detail, "unreadable");
    EXPECT_EQ(notices[1].kind, Notice::Kind::Rating);
    EXPECT_EQ(notices[2].detail, "not written");
    EXPECT_EQ(brokenSession.table().bestNames[0], "Пётр");
}

TEST_F(ReignSessionTest, theMenuTableLeavesThePhaseAsItWas) {
    begin();
    session.showSelling();
    session.openTable();
    EXPECT_FALSE(session.closeTable());
    EXPECT_EQ(session.phase(), ReignPhase::Selling);
}

TEST_F(ReignSessionTest, aNewGameEndsTheReignAndTheNextBeginsAfresh) {
    begin();
    pushQuietYear();
    session.nextYear();
    session.newGame();
    EXPECT_EQ(session.phase(), ReignPhase::NoReign);
    EXPECT_FALSE(session.screen().commandsEnabled);
    begin();
    EXPECT_EQ(session.screen().year, 1);
    EXPECT_TRUE(session.chronicle().entries.empty());
    EXPECT_EQ(session.screen().mercenaries.barMax, 32767);
}

// Whole reigns of the careful king on fixed seeds: the course of the game must not drift.
TEST(ReignSessionGolden, wholeReignsOnFixedSeeds) {
    struct Golden {
        std::uint64_t seed;
        PlayedEnd end;
        double year;
        double rating;
        std::size_t entries;
    };
    const Golden reigns[] = {
        {1, PlayedEnd::Overthrown, 31, 1, 37},
        {7, PlayedEnd::Overthrown, 32, 1, 38},
        {125871, PlayedEnd::Complete, 100, 1455, 125},
    };
    for (const Golden& golden : reigns) {
        SCOPED_TRACE(golden.seed);
        ClockRandom random(golden.seed);
        MemoryScoresStore scores;
        ReignSession session(random, scores);
        session.beginReign("Летописец");
        const PlayedEnd playedEnd = playCarefulReign(session, 2);
        EXPECT_EQ(playedEnd, golden.end);
        EXPECT_EQ(session.state().year, golden.year);
        EXPECT_EQ(session.state().rating, golden.rating);
        EXPECT_EQ(session.chronicle().entries.size(), golden.entries);
    }
}

// The session plays the game the rules play: the careful king through it keeps the chronicle
// the rules alone record, press by press.
TEST(ReignSessionGolden, theSessionPlaysTheRulesOwnGame) {
    Chronicle direct;
    {
        ClockRandom random(125871);
        KingdomState state;
        state.kingName = "Летописец";
        initKingdom(state, random);
        restartChronicle(direct);
        for (;;) {
            carefulKing(state, 2);
            const YearResult year = nextYear(state, random);
            recordYearEnd(direct, state, year);
            if (year.battle) {
                recordBattleClosed(direct, closeBattle(state));
            }
            if (year.reignComplete || year.overthrown || year.starved) {
                break;
            }
        }
    }
    Chronicle played;
    EXPECT_TRUE(playChronicledReign(played, 125871));
    EXPECT_EQ(played.entries, direct.entries);
}

} // namespace
