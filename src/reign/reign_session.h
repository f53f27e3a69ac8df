// The one owner of a reign: the kingdom, its phase, the market's limits, the chronicle and the
// table of the best kings, with every step a player can take, for any front end to draw.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/kingdom_state.h"
#include "core/random.h"
#include "core/typed_amount.h"
#include "formats/chronicle_file.h"
#include "formats/saved_game.h"
#include "market/goods.h"
#include "market/market.h"
#include "reign/scores_store.h"
#include "sim/chronicle.h"
#include "war/battle.h"

// The longest king's name a reign keeps: both files cut a name to it, so a front end's name box
// takes no more.
inline constexpr int kLongestKingName = kMaxKingNameLength;

enum class ReignPhase {
    NoReign,     // no king yet: a front end asks for a name
    Buying,      // the goods panels in buy mode
    Selling,     // the goods panels in sell mode
    Mercenaries, // the mercenaries panel
    YearReport,  // the report of the year just ended
    Battle,      // the war panel: only its acknowledgement goes on
    EndOfReign,  // year 100: the rating and the table, then a new game
};

// The status column as it stands: the figures change only where the game refreshes them, so a
// front end that draws this draws what the player has been shown.
struct StatusFigures {
    double money = 0;
    double workers = 0;
    double soldiers = 0;
    double total = 0;        // workers + soldiers
    double landNeeded = 0;   // one unit a person
    double grainNeeded = 0;  // three tons a person
    bool landShort = false;  // fewer units of land than people: the figure warns
    bool grainShort = false; // less than two tons a person: the figure warns
    // The level whose mood word is shown; nothing before the first word.
    std::optional<double> moodLevel;

    bool operator==(const StatusFigures&) const = default;
};

// One goods panel as the market's last refresh left it.
struct GoodsRow {
    Good good = Good::Gold;
    double stock = 0;
    double price = 0;
    double purchaseMax = 0;      // uncapped: the lower limit in buy mode
    std::int16_t sellBarMax = 0; // the sell bar's range, its limit in sell mode
    std::int16_t buyBarMax = 0;  // the buy bar's range

    bool operator==(const GoodsRow&) const = default;
};

// The mercenaries panel as it was last opened.
struct MercenaryRow {
    double price = 0;
    std::int16_t barMax = 32767; // the bar's range
    double payable = 0;          // the most the treasury pays for, uncapped

    bool operator==(const MercenaryRow&) const = default;
};

// What the last step did, for a front end to tell the player (a screen reader, a beep).
enum class Told {
    Nothing,
    ReignBegun,
    TradingShown, // buy or sell mode entered
    MercenariesShown,
    Traded, // `good` was traded
    Hired,
    TradeRefused,       // a typed amount the treasury or the stock cannot cover: beep
    YearEnded,          // the report is shown
    BattleFought,       // the war panel is shown
    BattleAcknowledged, // the war panel went, its report is shown
    ReignEnded,         // the year ended the reign with nothing else shown; notices say how
    GameLoaded,
    LoadRefused, // the game is as it was
    TableShown,
};

// The one value a front end draws.
struct ReignScreen {
    ReignPhase phase = ReignPhase::NoReign;
    std::string king;
    double year = 0; // as the year label shows it
    StatusFigures status;
    std::array<GoodsRow, 4> goods{};
    // Buy or sell limits on the goods panels: the mode of the market's last refresh.
    bool goodsForBuying = true;
    // Grows with every refresh of the market: the bars stand at 0 again.
    std::uint64_t marketRefreshes = 0;
    MercenaryRow mercenaries;
    // Grows with every hire by bar: the mercenaries bar stands at 0 again.
    std::uint64_t mercenaryBarResets = 0;
    // The report panel's text, as the rules wrote it (the last one shown).
    std::string report;
    // The war panel while the battle is on.
    std::optional<BattleReport> battle;
    // The four command buttons: not while a battle is on.
    bool commandsEnabled = false;
    Told told = Told::Nothing;
    Good toldGood = Good::Gold; // the good of Told::Traded
};

// A message for the player, in order; the front end words it.
struct Notice {
    enum class Kind {
        Overthrown,       // the people overthrew the king; a new game follows
        Starved,          // no workers were left; a new game follows
        Rating,           // year 100: the rating, then the table
        ChronicleDamaged, // the game loaded, its chronicle starts anew; problem says why
        TableProblem,     // the table could not be read or written; detail says why
    };
    Kind kind = Kind::Overthrown;
    double rating = 0;        // Rating
    std::string detail;       // TableProblem: the store's words
    ChronicleProblem problem; // ChronicleDamaged: what the reader found
};

class ReignSession {
public:
    // Both outlive the session, which keeps the kingdom and the table itself.
    ReignSession(RandomSource& random, ScoresStore& scores);
    // The kingdom and the table kept by the program that runs the session (the desktop's main,
    // whose window tests set a kingdom up in place); nothing else changes them while it runs.
    ReignSession(KingdomState& kingdom, HallOfFame& table, RandomSource& random,
                 ScoresStore& scores);
    ReignSession(const ReignSession&) = delete;
    ReignSession& operator=(const ReignSession&) = delete;

    // What to draw, and what to tell since the last takeNotices().
    const ReignScreen& screen() const { return m_screen; }
    std::vector<Notice> takeNotices();
    const std::vector<Notice>& notices() const { return m_notices; }

    ReignPhase phase() const { return m_screen.phase; }
    const KingdomState& state() const { return m_state; }
    const Chronicle& chronicle() const { return m_chronicle; }
    // The table of the best kings as last read, placed into or shown.
    const HallOfFame& table() const { return m_table; }
    // The bars' maxima as last applied; a saved game carries them.
    BarMaxima barMaxima() const;

    // A new kingdom for the king of that name, in buy mode.
    void beginReign(std::string_view kingName);
    void showBuying();
    void showSelling();
    void showMercenaries();

    // The trades of the goods panels: by the bar's value or by the box's text. A purchase only in
    // buy mode, a sale only in sell mode; anything else is Ignored.
    TradeResult buyByBar(Good good, int barValue);
    TradeResult sellByBar(Good good, int barValue);
    TradeResult buyTyped(Good good, std::string_view text);
    TradeResult sellTyped(Good good, std::string_view text);
    // The mercenaries panel's hires, only while it is open.
    TradeResult hireByBar(int count);
    TradeResult hireTyped(std::string_view text);

    // «Дальше»: one year, from any phase but a battle, the end of a reign or none.
    void nextYear();
    // The war panel's OK.
    void acknowledgeBattle();

    // The table from the store, to show (the menu's command); a store problem is a notice.
    void openTable();
    // The table window closed: in year 100 a new game follows. Returns whether it did.
    bool closeTable();
    // The reign is over: a front end asks for the next king.
    void newGame();

    // The saved game's file: the game's record, the bars as they stand and the chronicle; or why
    // the game cannot be saved (a value no reader would take back).
    SavedGameFileWrite saveGame() const;
    // A saved game's file, all or nothing: a file that cannot be read changes nothing and says
    // why; a read one replaces the kingdom as installLoadedGame does.
    std::optional<SavedGameProblem> loadGame(std::string_view bytes);
    // A loaded game replaces the kingdom whole and is played on from buy mode; a battle on
    // screen is over. A damaged chronicle is a notice.
    void installLoadedGame(const KingdomState& state, const HallOfFame& hall,
                           ChronicleRead chronicle);
    // A load that did not happen: the game is as it was; buy mode, unless a battle is on.
    void loadRefused();

    // The rows the table holds before any file is read.
    static HallOfFame defaultTable();

private:
    void enterBuying();
    void refreshStatus();
    void refreshMarket(bool buying);
    void openMercenaries();
    TradeResult afterTrade(TradeResult result, Good good, bool buying);
    void endReign();
    void notify(Notice notice);
    void loadTable();

    // The table is empty until it is first read, as a saved game then carries it.
    KingdomState m_ownKingdom;
    HallOfFame m_ownTable;
    KingdomState& m_state;
    HallOfFame& m_table;
    RandomSource& m_random;
    ScoresStore& m_scores;
    Chronicle m_chronicle;
    MarketLimits m_limits{};
    ReignScreen m_screen;
    std::vector<Notice> m_notices;
};
