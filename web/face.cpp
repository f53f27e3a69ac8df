// The page's door into the game: C functions over one ReignSession, each handing back the screen
// the page draws as JSON, with every text the rules or the files wrote already in words.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <emscripten/emscripten.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "core/number_text.h"
#include "core/report.h"
#include "core/rule_text.h"
#include "formats/chronicle_file.h"
#include "formats/rules_file.h"
#include "formats/saved_game.h"
#include "formats/scores.h"
#include "reign/reign_session.h"
#include "sim/chronicle.h"
#include "sim/end_of_reign.h"
#include "sim/year.h"
#include "war/battle.h"

#include "web/catalogue.h"
#include "web/problem_words.h"

namespace {

// ---------------------------------------------------------------------------------------------
// The random source: the browser's entropy (crypto.getRandomValues behind getentropy), mixed in
// wherever the desktop reseeds from its clock.

class BrowserRandom final : public RandomSource {
public:
    BrowserRandom() { reseed(); }
    float draw() override {
        // The top 24 bits of SplitMix64: a single-precision number in [0, 1).
        return float(next() >> 40) * 0x1.0p-24f;
    }
    void reseed() override {
        std::uint64_t fresh = 0;
        if (getentropy(&fresh, sizeof fresh) != 0) {
            fresh = std::uint64_t(emscripten_get_now() * 1000.0);
        }
        m_state ^= fresh;
    }

private:
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    std::uint64_t m_state = 0;
};

// ---------------------------------------------------------------------------------------------
// The table of the best kings in the browser's storage, as the bytes of scores.tab.

// clang-format off
EM_JS(int, storedScoresSize, (), {
    return Module.velScores ? Module.velScores.size() : -1;
});
EM_JS(void, readStoredScores, (char* out), {
    HEAPU8.set(Module.velScores.bytes(), out);
});
EM_JS(int, writeStoredScores, (const char* bytes, int size), {
    return Module.velScores.write(HEAPU8.slice(bytes, bytes + size)) ? 1 : 0;
});
EM_JS(void, keepUnusableScores, (), {
    Module.velScores.keepAside();
});
// clang-format on

class BrowserScoresStore final : public ScoresStore {
public:
    ScoresStoreRead load() override {
        const int size = storedScoresSize();
        if (size < 0) {
            return {};
        }
        std::string bytes(std::size_t(size), '\0');
        readStoredScores(bytes.data());
        const auto read = readScoresFile(bytes);
        if (read.hall) {
            return {*read.hall, std::nullopt};
        }
        // Kept aside as the desktop keeps an unusable file, so the next table is a fresh one.
        keepUnusableScores();
        return {std::nullopt, ScoresStoreProblem{ScoresStoreProblem::Kind::Unusable,
                                                 unusableScoresText(*read.problem)}};
    }
    std::optional<ScoresStoreProblem> save(const HallOfFame& table) override {
        const auto written = writeScoresFile(table);
        if (written.problem) {
            return ScoresStoreProblem{ScoresStoreProblem::Kind::NotWritten,
                                      scoresProblemText(*written.problem)};
        }
        if (!writeStoredScores(written.bytes.data(), int(written.bytes.size()))) {
            return ScoresStoreProblem{
                ScoresStoreProblem::Kind::NotWritten,
                translate("WebPage", "Таблицу не удалось сохранить в браузере.")};
        }
        return std::nullopt;
    }
};

// ---------------------------------------------------------------------------------------------
// JSON

void appendJson(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

struct Json {
    std::string out = "{";
    bool first = true;
    Json& key(std::string_view name) {
        if (!first) {
            out += ',';
        }
        first = false;
        appendJson(out, name);
        out += ':';
        return *this;
    }
    Json& text(std::string_view name, std::string_view value) {
        key(name);
        appendJson(out, value);
        return *this;
    }
    Json& number(std::string_view name, double value) {
        key(name);
        out += std::isfinite(value) ? plainNumberText(value) : "null";
        return *this;
    }
    Json& flag(std::string_view name, bool value) {
        key(name);
        out += value ? "true" : "false";
        return *this;
    }
    Json& raw(std::string_view name, std::string_view json) {
        key(name);
        out += json;
        return *this;
    }
    std::string done() { return out + '}'; }
};

// ---------------------------------------------------------------------------------------------
// The game

struct Game {
    BrowserRandom random;
    BrowserScoresStore scores;
    ReignSession session{random, scores};
    std::string saved; // the bytes of the last save, for the page to download
    std::string answer;
    // Messages for the page, in order: title and text, from the session's notices and the files.
    std::vector<std::pair<std::string, std::string>> messages;
};

Game& game() {
    static Game* const theGame = new Game;
    return *theGame;
}

const char* kPhases[] = {"NoReign",    "Buying", "Selling",   "Mercenaries",
                         "YearReport", "Battle", "EndOfReign"};
const char* kTold[] = {
    "Nothing",    "ReignBegun",   "TradingShown", "MercenariesShown", "Traded",
    "Hired",      "TradeRefused", "YearEnded",    "BattleFought",     "BattleAcknowledged",
    "ReignEnded", "GameLoaded",   "LoadRefused",  "TableShown"};

std::string wordedNotice(const Notice& notice) {
    const CatalogueWriter writer;
    switch (notice.kind) {
    case Notice::Kind::Overthrown:
        return overthrowMessage(writer);
    case Notice::Kind::Starved:
        return starvationMessage(writer);
    case Notice::Kind::Rating:
        return ratingMessage(notice.rating, writer);
    case Notice::Kind::ChronicleDamaged:
        return chronicleDamagedMessage(notice.problem);
    case Notice::Kind::TableProblem:
        return notice.detail;
    }
    return {};
}

void takeNotices(Game& g) {
    const std::string title = translatedRule(kMainCaptionPrefixText) + g.session.screen().king;
    for (const Notice& notice : g.session.takeNotices()) {
        std::string heading = title;
        if (notice.kind == Notice::Kind::ChronicleDamaged) {
            heading = translate("GameController", "Загрузить");
        }
        g.messages.emplace_back(heading, wordedNotice(notice));
    }
}

std::string screenJson(Game& g) {
    takeNotices(g);
    const ReignScreen& s = g.session.screen();
    const CatalogueWriter writer;
    Json json;
    json.text("phase", kPhases[int(s.phase)]);
    json.text("king", s.king);
    json.text("yearLabel", yearLabelText(s.year, writer));
    json.number("year", s.year);
    {
        Json status;
        status.text("money", numberText(s.status.money));
        status.text("workers", numberText(s.status.workers));
        status.text("soldiers", numberText(s.status.soldiers));
        status.text("total", numberText(s.status.total));
        status.text("landNeeded", numberText(s.status.landNeeded));
        status.text("grainNeeded", numberText(s.status.grainNeeded));
        status.flag("landShort", s.status.landShort);
        status.flag("grainShort", s.status.grainShort);
        if (s.status.moodLevel) {
            if (const auto word = moodTemplate(*s.status.moodLevel)) {
                status.text("mood", writer.write(*word, {}));
            }
        }
        json.raw("status", status.done());
    }
    std::string goods = "[";
    for (const GoodsRow& row : s.goods) {
        Json item;
        item.text("caption", writer.write(goodCaptionTemplate(row.good), {}));
        item.text("stock", numberText(row.stock));
        item.text("price", numberText(row.price));
        item.text("purchaseMax", plainNumberText(row.purchaseMax));
        item.number("sellBarMax", row.sellBarMax);
        item.text("sellBarMaxText", numberText(row.sellBarMax));
        item.number("buyBarMax", row.buyBarMax);
        item.text("buyBarMaxText", numberText(row.buyBarMax));
        goods += (goods.size() > 1 ? "," : "") + item.done();
    }
    json.raw("goods", goods + "]");
    json.flag("goodsForBuying", s.goodsForBuying);
    json.number("marketRefreshes", double(s.marketRefreshes));
    {
        Json merc;
        merc.text("price", numberText(s.mercenaries.price));
        merc.number("barMax", s.mercenaries.barMax);
        merc.text("barMaxText", numberText(s.mercenaries.barMax));
        merc.text("payable", plainNumberText(s.mercenaries.payable));
        json.raw("mercenaries", merc.done());
    }
    json.number("mercenaryBarResets", double(s.mercenaryBarResets));
    json.text("report", wordedReport(s.report));
    if (s.battle) {
        Json battle;
        battle.text("king", numberText(s.battle->kingArmy));
        battle.text("enemy", numberText(s.battle->enemyArmy));
        battle.text("outcome", battleOutcomeText(s.battle->outcome, writer));
        battle.text("heading", battleHeading(s.battle->outcome, writer));
        battle.text("goods", trophyGoodsText(*s.battle, writer));
        battle.text("people", trophyPeopleText(*s.battle, writer));
        json.raw("battle", battle.done());
    }
    json.flag("commandsEnabled", s.commandsEnabled);
    json.text("told", kTold[int(s.told)]);
    json.number("toldGood", goodIndex(s.toldGood));
    std::string messages = "[";
    for (const auto& [title, text] : g.messages) {
        Json message;
        message.text("title", title);
        message.text("text", text);
        messages += (messages.size() > 1 ? "," : "") + message.done();
    }
    g.messages.clear();
    json.raw("messages", messages + "]");
    return json.done();
}

const char* answer(std::string text) {
    game().answer = std::move(text);
    return game().answer.c_str();
}

const char* screenAnswer() {
    return answer(screenJson(game()));
}

Good goodAt(int index) {
    return kGoods[std::size_t(index < 0 || index > 3 ? 0 : index)];
}

const char* tradeAnswer(TradeResult result) {
    (void)result; // the screen tells a refusal (TradeRefused)
    return screenAnswer();
}

} // namespace

extern "C" {

// Russian and English words for texts the C++ side writes: the page hands over its catalogue's
// entries of the contexts the rules and the files use (forms in order, empty for none).
EMSCRIPTEN_KEEPALIVE void vel_translation(const char* context, const char* source,
                                          const char* form0, const char* form1) {
    addTranslation(context, source, form0, form1);
}

EMSCRIPTEN_KEEPALIVE const char* vel_screen() {
    return screenAnswer();
}

EMSCRIPTEN_KEEPALIVE const char* vel_begin(const char* name) {
    game().session.beginReign(name);
    return screenAnswer();
}

EMSCRIPTEN_KEEPALIVE const char* vel_buying() {
    game().session.showBuying();
    return screenAnswer();
}

EMSCRIPTEN_KEEPALIVE const char* vel_selling() {
    game().session.showSelling();
    return screenAnswer();
}

EMSCRIPTEN_KEEPALIVE const char* vel_mercenaries() {
    game().session.showMercenaries();
    return screenAnswer();
}

// buying: 1 to buy, 0 to sell; byBar: the bar's value, else the box's text.
EMSCRIPTEN_KEEPALIVE const char* vel_trade_by_bar(int buying, int good, int value) {
    ReignSession& session = game().session;
    return tradeAnswer(buying ? session.buyByBar(goodAt(good), value)
                              : session.sellByBar(goodAt(good), value));
}

EMSCRIPTEN_KEEPALIVE const char* vel_trade_typed(int buying, int good, const char* text) {
    ReignSession& session = game().session;
    return tradeAnswer(buying ? session.buyTyped(goodAt(good), text)
                              : session.sellTyped(goodAt(good), text));
}

EMSCRIPTEN_KEEPALIVE const char* vel_hire_by_bar(int count) {
    return tradeAnswer(game().session.hireByBar(count));
}

EMSCRIPTEN_KEEPALIVE const char* vel_hire_typed(const char* text) {
    return tradeAnswer(game().session.hireTyped(text));
}

EMSCRIPTEN_KEEPALIVE const char* vel_next_year() {
    game().session.nextYear();
    return screenAnswer();
}

EMSCRIPTEN_KEEPALIVE const char* vel_acknowledge_battle() {
    game().session.acknowledgeBattle();
    return screenAnswer();
}

EMSCRIPTEN_KEEPALIVE const char* vel_new_game() {
    game().session.newGame();
    return screenAnswer();
}

// The table of the best kings: names and scores as the window shows them.
EMSCRIPTEN_KEEPALIVE const char* vel_open_table() {
    game().session.openTable();
    return screenAnswer();
}

EMSCRIPTEN_KEEPALIVE const char* vel_table() {
    const HallOfFame& table = game().session.table();
    std::string rows = "[";
    for (std::size_t place = 0; place < table.bestNames.size(); ++place) {
        Json row;
        row.text("name", table.bestNames[place]);
        row.text("score", plainNumberText(table.bestScores[place]));
        rows += (place ? "," : "") + row.done();
    }
    return answer(rows + "]");
}

// Returns 1 when a new game follows (year 100).
EMSCRIPTEN_KEEPALIVE int vel_close_table() {
    return game().session.closeTable() ? 1 : 0;
}

// Save: the file's bytes are kept for vel_saved_bytes; the answer is the message when the game
// cannot be saved, else empty.
EMSCRIPTEN_KEEPALIVE const char* vel_save() {
    Game& g = game();
    const SavedGameFileWrite written = g.session.saveGame();
    if (written.problem) {
        g.saved.clear();
        return answer(savedGameProblemText(*written.problem, {}));
    }
    g.saved = written.bytes;
    return answer({});
}

EMSCRIPTEN_KEEPALIVE const char* vel_saved_bytes() {
    return game().saved.data();
}

EMSCRIPTEN_KEEPALIVE int vel_saved_size() {
    return int(game().saved.size());
}

// Load: all or nothing. The answer is the screen; a refusal comes with its message (title
// "Загрузить"), in the desktop's words with the file's name.
EMSCRIPTEN_KEEPALIVE const char* vel_load(const char* bytes, int size, const char* fileName) {
    Game& g = game();
    const std::string_view data(bytes, std::size_t(size < 0 ? 0 : size));
    if (const std::optional<SavedGameProblem> problem = g.session.loadGame(data)) {
        g.messages.emplace_back(translate("GameController", "Загрузить"),
                                savedGameProblemText(*problem, fileName));
        g.session.loadRefused();
    }
    return screenAnswer();
}

// The load dialog closed without a file: the game is as it was.
EMSCRIPTEN_KEEPALIVE const char* vel_load_refused() {
    game().session.loadRefused();
    return screenAnswer();
}

// The chronicle, oldest first: figures as number text, the mood and events in words, the report.
EMSCRIPTEN_KEEPALIVE const char* vel_chronicle() {
    std::string rows = "[";
    bool first = true;
    for (const ChronicleEntry& entry : game().session.chronicle().entries) {
        Json row;
        row.number("year", entry.year);
        row.number("workers", entry.workers);
        row.number("soldiers", entry.soldiers);
        row.number("total", entry.total);
        row.number("land", entry.land);
        row.number("grain", entry.grain);
        row.number("money", entry.money);
        row.number("gold", entry.gold);
        row.number("oil", entry.oil);
        row.text("mood", wordedChronicleMood(entry.mood));
        row.number("rating", entry.rating);
        row.text("events", wordedChronicleEvents(entry.events));
        row.text("report", wordedReport(entry.report));
        rows += (first ? "" : ",") + row.done();
        first = false;
    }
    return answer(rows + "]");
}

// The rules file's bytes as the desktop's viewer reads them: the file's title and its topics in
// order, each with its context number, level, title, keywords and its part of the file's HTML.
EMSCRIPTEN_KEEPALIVE const char* vel_rules(const char* bytes, int size) {
    const std::string_view html(bytes, std::size_t(size < 0 ? 0 : size));
    const std::vector<RulesTopic> topics = parseRulesTopics(html);
    const std::vector<std::string_view> bodies = rulesTopicBodies(html);
    std::string list = "[";
    for (std::size_t i = 0; i < topics.size(); ++i) {
        std::string keywords = "[";
        for (const std::string& keyword : topics[i].keywords) {
            if (keywords.size() > 1) {
                keywords += ',';
            }
            appendJson(keywords, keyword);
        }
        Json topic;
        topic.number("context", topics[i].context);
        topic.number("level", topics[i].level);
        topic.text("title", topics[i].title);
        topic.raw("keywords", keywords + "]");
        topic.text("body", bodies[i]);
        list += (i ? "," : "") + topic.done();
    }
    Json rules;
    rules.text("title", rulesFileTitle(html));
    rules.raw("topics", list + "]");
    return answer(rules.done());
}

// A figure as the game writes it, for the page's own labels.
EMSCRIPTEN_KEEPALIVE const char* vel_number_text(double value) {
    return answer(numberText(value));
}

} // extern "C"
