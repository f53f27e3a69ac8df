// The saved-game file: the game's record of 73 fields, then the chronicle; writing and reading it
// whole, and what can be wrong with one.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/kingdom_state.h"
#include "core/rule_text.h"
#include "formats/chronicle_file.h"

// A text of the files for the player, marked where it is written: lupdate takes FILE_TEXT for
// QT_TRANSLATE_NOOP (src/CMakeLists.txt), so the translation knows it under its context.
#define FILE_TEXT(context, text) (RuleText{text, false})

inline constexpr int kSavedGameFieldCount = 73;

// The nine bars' maxima in file order: sell bars of gold, land, grain, oil, the mercenaries bar,
// buy bars of gold, land, grain, oil.
using BarMaxima = std::array<std::int16_t, 9>;

// A king's name (the player's and each of the hall of fame) is kept to this many characters in
// both files; longer ones are cut when written and when read, so writer and reader agree and the
// hall-of-fame file stays a few kilobytes whatever names the games carried.
inline constexpr int kMaxKingNameLength = 255;

// The largest amount, stock, count of people or points a game may carry (by absolute value): the
// product of two such values (a stock sold at a price) still stays inside the range of a real.
// A treasury grows past 10^15 in long careful reigns, so the limit lies far beyond play.
inline constexpr double kMaxGameValue = 1e150;
// The least price (of a good or of a mercenary) a game may carry: the game divides the treasury
// by the prices, and the quotients must stay within kMaxGameValue too.
inline constexpr double kMinPrice = 1;

// What a problem shows of a bad field: enough to recognise it, never a whole report.
inline constexpr std::size_t kShownContentLength = 24;

// Why a saved game cannot be read, or a game cannot be saved. Each front end words it; the
// figures it needs are here.
struct SavedGameProblem {
    enum class Kind {
        // The file.
        TooLarge,            // more than kMaxRecordFileSize bytes
        Empty,               // nothing but blanks and line ends
        TooFewFields,        // it ends after `fieldsRead` of the kSavedGameFieldCount fields
        UnclosedText,        // it ends inside the text of `field`
        NoCommaAfterText,    // something else than a separator follows the text of `field`
        LastFieldUnfinished, // the last field runs into the end of the data: cut short
        // A field the game cannot use (also found in a game about to be saved: `saving`).
        PriceNotPositive, // a price of 0 or less, or no number
        PriceTooSmall,    // a price below kMinPrice
        NumberTooLarge,   // beyond kMaxGameValue
        NotFinite,        // "inf", "nan", or beyond the range of a real
        OutOfSmallRange,  // a flag, a count or a bar beyond -32768..32767
        // A game that cannot be saved.
        ValueNotANumber, // one of its reals is infinite or undefined
        GameTooLarge,    // the file would be larger than kMaxRecordFileSize
    };
    Kind kind = Kind::Empty;
    int field = 0;              // 1-based number of the field, for the field's kinds
    std::size_t fieldsRead = 0; // for TooFewFields
    // For the field's kinds: what the field holds, decoded, at most kShownContentLength
    // characters; contentCut when there was more.
    std::string content;
    bool contentCut = false;
    bool saving = false; // found in a game being saved, not in a file being read

    bool operator==(const SavedGameProblem&) const = default;
};

// The name of field 1 to 73 for the player, in Russian ("цена золота"), as the translation knows
// it under the context "SavedGame"; every place of the hall of fame shares its field's name. Empty
// for a number that is no field.
RuleText savedGameFieldName(int field);

// What a field is, for a front end that names it: field numbers 44 to 53 are the places of the
// hall of fame's names, 54 to 63 of its scores.
enum class SavedGameFieldKind { Game, BestName, BestScore };
SavedGameFieldKind savedGameFieldKind(int field);
// For BestName and BestScore: the place in the table, 1 to 10.
int savedGameFieldPlace(int field);

// The record's bytes: Windows-1251, '.' as decimal point whatever the locale, CR LF at the end.
// Nothing is checked: see writeSavedGameFile.
std::string writeSavedGame(const KingdomState& state, const HallOfFame& hall,
                           const BarMaxima& bars);

struct LoadedGame {
    KingdomState state;
    HallOfFame hall;
};

struct SavedGameRecordRead {
    std::optional<LoadedGame> game;          // set only when the whole record was read
    std::optional<SavedGameProblem> problem; // set otherwise
    // Just past the line end (or the comma) that closed the record's last field: what follows
    // is not the game's record.
    std::size_t recordEnd = 0;
};

// Reads the game's record over a copy of `current`: fields the file does not carry (typedAmount)
// keep their values; the bar maxima land in sliderMax1..9. Nothing of `current` changes.
SavedGameRecordRead readSavedGame(std::string_view bytes, const KingdomState& current);

// The whole file: the game's record, then as much of the chronicle (its latest entries) as the
// size limit leaves room for.
struct SavedGameFileWrite {
    std::string bytes; // the file, when there is no problem
    std::optional<SavedGameProblem> problem;
};

// A game with a value the reader would refuse, or one too large for the file, is not written:
// the problem says why (ValueNotANumber, GameTooLarge, or a field's kind with `saving` set).
SavedGameFileWrite writeSavedGameFile(const KingdomState& state, const HallOfFame& hall,
                                      const BarMaxima& bars, const Chronicle& chronicle);
// The same without a chronicle: the game's record alone, as files from before the chronicle.
SavedGameFileWrite writeSavedGameFile(const KingdomState& state, const HallOfFame& hall,
                                      const BarMaxima& bars);

struct SavedGameFileRead {
    // The game, when its record was read whole; then `chronicle` says what became of the
    // chronicle after it (absent, read, or damaged: the game loads all the same).
    std::optional<LoadedGame> game;
    ChronicleRead chronicle;
    std::optional<SavedGameProblem> problem; // when the game could not be read
};

// All or nothing: the game and its chronicle, or the problem and nothing of the game.
SavedGameFileRead readSavedGameFile(std::string_view bytes, const KingdomState& current);
