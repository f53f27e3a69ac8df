// The saved-game record: its 73 fields in file order, writing and reading it, and the whole file.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/saved_game.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "formats/text_record.h"

namespace {

constexpr int kFieldCount = kSavedGameFieldCount;

enum class Kind {
    Real,  // a real the game computes with: within kMaxGameValue
    Spare, // a real the game only carries: any finite value
    Price, // a real the game divides by: from kMinPrice to kMaxGameValue
    Small, // a flag or a count: 16 bits
    Text,
    Bar, // written from the bar maxima, read into sliderMax1..9
    BestName,
    BestScore,
};

struct FieldSpec {
    Kind kind = Kind::Real;
    RuleText name; // for the player, in messages (translated there)
    double KingdomState::*real = nullptr;
    std::int16_t KingdomState::*small = nullptr;
    std::string KingdomState::*text = nullptr;
    int index = 0; // the bar, or the place in the hall of fame
};

constexpr FieldSpec real(RuleText name, double KingdomState::*member) {
    return {Kind::Real, name, member, nullptr, nullptr, 0};
}
constexpr FieldSpec spare(RuleText name, double KingdomState::*member) {
    return {Kind::Spare, name, member, nullptr, nullptr, 0};
}
constexpr FieldSpec price(RuleText name, double KingdomState::*member) {
    return {Kind::Price, name, member, nullptr, nullptr, 0};
}
constexpr FieldSpec small(RuleText name, std::int16_t KingdomState::*member) {
    return {Kind::Small, name, nullptr, member, nullptr, 0};
}
constexpr FieldSpec text(RuleText name, std::string KingdomState::*member) {
    return {Kind::Text, name, nullptr, nullptr, member, 0};
}
constexpr FieldSpec bar(RuleText name, double KingdomState::*member, int index) {
    return {Kind::Bar, name, member, nullptr, nullptr, index};
}

constexpr std::array<FieldSpec, kFieldCount> makeFields() {
    using S = KingdomState;
    std::array<FieldSpec, kFieldCount> f{};
    int i = 0;
    //: The name of a field of the saved game, in messages such as "поле 1 (цена золота)". So
    //: are the names that follow.
    f[i++] = price(FILE_TEXT("SavedGame", "цена золота"), &S::goldPrice);
    f[i++] = price(FILE_TEXT("SavedGame", "цена земли"), &S::landPrice);
    f[i++] = price(FILE_TEXT("SavedGame", "цена зерна"), &S::grainPrice);
    f[i++] = price(FILE_TEXT("SavedGame", "цена нефти"), &S::oilPrice);
    f[i++] = real(FILE_TEXT("SavedGame", "рабочие"), &S::workers);
    f[i++] = real(FILE_TEXT("SavedGame", "солдаты"), &S::soldiers);
    f[i++] = price(FILE_TEXT("SavedGame", "цена наёмника"), &S::mercenaryPrice);
    f[i++] = spare(FILE_TEXT("SavedGame", "запасное значение 3"), &S::spareValue3);
    f[i++] = spare(FILE_TEXT("SavedGame", "запасное значение 4"), &S::spareValue4);
    f[i++] = spare(FILE_TEXT("SavedGame", "запасное значение 5"), &S::spareValue5);
    f[i++] = spare(FILE_TEXT("SavedGame", "запасное значение 6"), &S::spareValue6);
    f[i++] = spare(FILE_TEXT("SavedGame", "запасное значение 7"), &S::spareValue7);
    f[i++] = spare(FILE_TEXT("SavedGame", "запасное значение 8"), &S::spareValue8);
    f[i++] = real(FILE_TEXT("SavedGame", "казна"), &S::money);
    f[i++] = real(FILE_TEXT("SavedGame", "сумма сделки"), &S::tradeSum);
    f[i++] = real(FILE_TEXT("SavedGame", "рост армии"), &S::armyGrowthLevel);
    f[i++] = real(FILE_TEXT("SavedGame", "настроение"), &S::moodLevel);
    f[i++] = spare(FILE_TEXT("SavedGame", "запасное значение 1"), &S::spareValue1);
    f[i++] = small(FILE_TEXT("SavedGame", "народ накормлен"), &S::fedFlag);
    f[i++] = small(FILE_TEXT("SavedGame", "земли хватило"), &S::landFlag);
    f[i++] = small(FILE_TEXT("SavedGame", "посев"), &S::sownFlag);
    f[i++] = real(FILE_TEXT("SavedGame", "годы недовольства"), &S::discontentYears);
    f[i++] = small(FILE_TEXT("SavedGame", "посев для урожая"), &S::harvestSownFlag);
    f[i++] = spare(FILE_TEXT("SavedGame", "запасное значение 2"), &S::spareValue2);
    f[i++] = real(FILE_TEXT("SavedGame", "год"), &S::year);
    f[i++] = real(FILE_TEXT("SavedGame", "последний мирный год"), &S::lastPeaceYear);
    f[i++] = real(FILE_TEXT("SavedGame", "армия врага"), &S::enemyArmy);
    f[i++] = small(FILE_TEXT("SavedGame", "годы до битвы"), &S::warCountdown);
    f[i++] = spare(FILE_TEXT("SavedGame", "запасное значение 9"), &S::spareValue9);
    f[i++] = real(FILE_TEXT("SavedGame", "население"), &S::population);
    f[i++] = real(FILE_TEXT("SavedGame", "нужное зерно"), &S::grainNeeded);
    f[i++] = text(FILE_TEXT("SavedGame", "отчёт"), &S::report);
    f[i++] = real(FILE_TEXT("SavedGame", "урожай"), &S::harvestRoll);
    f[i++] = bar(FILE_TEXT("SavedGame", "продажа золота"), &S::sliderMax1, 0);
    f[i++] = bar(FILE_TEXT("SavedGame", "продажа земли"), &S::sliderMax2, 1);
    f[i++] = bar(FILE_TEXT("SavedGame", "продажа зерна"), &S::sliderMax3, 2);
    f[i++] = bar(FILE_TEXT("SavedGame", "продажа нефти"), &S::sliderMax4, 3);
    f[i++] = bar(FILE_TEXT("SavedGame", "наёмники"), &S::sliderMax5, 4);
    f[i++] = bar(FILE_TEXT("SavedGame", "покупка золота"), &S::sliderMax6, 5);
    f[i++] = bar(FILE_TEXT("SavedGame", "покупка земли"), &S::sliderMax7, 6);
    f[i++] = bar(FILE_TEXT("SavedGame", "покупка зерна"), &S::sliderMax8, 7);
    f[i++] = bar(FILE_TEXT("SavedGame", "покупка нефти"), &S::sliderMax9, 8);
    f[i++] = text(FILE_TEXT("SavedGame", "имя короля"), &S::kingName);
    for (int place = 0; place < 10; ++place) {
        f[i++] = {Kind::BestName, FILE_TEXT("SavedGame", "имя в таблице лучших"),
                  nullptr,        nullptr,
                  nullptr,        place};
    }
    for (int place = 0; place < 10; ++place) {
        f[i++] = {Kind::BestScore, FILE_TEXT("SavedGame", "счёт в таблице лучших"),
                  nullptr,         nullptr,
                  nullptr,         place};
    }
    f[i++] = real(FILE_TEXT("SavedGame", "очки короля"), &S::rating);
    f[i++] = real(FILE_TEXT("SavedGame", "золото"), &S::gold);
    f[i++] = real(FILE_TEXT("SavedGame", "земля"), &S::land);
    f[i++] = real(FILE_TEXT("SavedGame", "зерно"), &S::grain);
    f[i++] = real(FILE_TEXT("SavedGame", "нефть"), &S::oil);
    f[i++] = real(FILE_TEXT("SavedGame", "наёмников по карману"), &S::mercenariesAffordable);
    f[i++] = real(FILE_TEXT("SavedGame", "покупка золота до"), &S::goldMax);
    f[i++] = real(FILE_TEXT("SavedGame", "покупка земли до"), &S::landMax);
    f[i++] = real(FILE_TEXT("SavedGame", "покупка зерна до"), &S::grainMax);
    f[i++] = real(FILE_TEXT("SavedGame", "покупка нефти до"), &S::oilMax);
    return f;
}

constexpr std::array<FieldSpec, kFieldCount> kFields = makeFields();

TextRecordWriter buildRecord(const KingdomState& state, const HallOfFame& hall,
                             const BarMaxima& bars) {
    TextRecordWriter writer;
    for (const FieldSpec& spec : kFields) {
        switch (spec.kind) {
        case Kind::Real:
        case Kind::Spare:
        case Kind::Price:
            writer.addReal(state.*spec.real);
            break;
        case Kind::Small:
            // Only the flags have the #TRUE#/#FALSE# spelling; the countdown is always digits.
            if (spec.small == &KingdomState::warCountdown) {
                writer.addInteger(state.*spec.small);
            } else {
                writer.addFlag(state.*spec.small);
            }
            break;
        case Kind::Text:
            writer.addText(state.*spec.text, spec.text == &KingdomState::kingName
                                                 ? kMaxKingNameLength
                                                 : kMaxRecordFileSize);
            break;
        case Kind::Bar:
            writer.addInteger(bars[std::size_t(spec.index)]);
            break;
        case Kind::BestName:
            writer.addText(hall.bestNames[std::size_t(spec.index)], kMaxKingNameLength);
            break;
        case Kind::BestScore:
            writer.addReal(hall.bestScores[std::size_t(spec.index)]);
            break;
        }
    }
    return writer;
}

SavedGameProblem problemOf(SavedGameProblem::Kind kind) {
    SavedGameProblem problem;
    problem.kind = kind;
    return problem;
}

// A problem with field `number`, showing the start of what the file holds there.
SavedGameProblem fieldProblem(SavedGameProblem::Kind kind, int number, const RecordField& field) {
    SavedGameProblem problem = problemOf(kind);
    problem.field = number;
    // Characters, not bytes: each byte of the file is one character.
    problem.contentCut = field.bytes.size() > kShownContentLength;
    problem.content = readText(field, kShownContentLength);
    return problem;
}

// What is wrong with a real the game is to compute with, or nothing.
std::optional<SavedGameProblem::Kind> realProblem(Kind kind, double value) {
    using Problem = SavedGameProblem::Kind;
    if (kind == Kind::Price) {
        if (!(value > 0)) {
            return Problem::PriceNotPositive;
        }
        if (value < kMinPrice) {
            return Problem::PriceTooSmall;
        }
    }
    if ((kind == Kind::Price || kind == Kind::Real) && std::fabs(value) > kMaxGameValue) {
        return Problem::NumberTooLarge;
    }
    return std::nullopt;
}

SavedGameRecordRead failed(const SavedGameProblem& problem) {
    SavedGameRecordRead result;
    result.problem = problem;
    return result;
}

} // namespace

RuleText savedGameFieldName(int field) {
    if (field < 1 || field > kFieldCount) {
        return {};
    }
    return kFields[std::size_t(field - 1)].name;
}

SavedGameFieldKind savedGameFieldKind(int field) {
    if (field < 1 || field > kFieldCount) {
        return SavedGameFieldKind::Game;
    }
    switch (kFields[std::size_t(field - 1)].kind) {
    case Kind::BestName:
        return SavedGameFieldKind::BestName;
    case Kind::BestScore:
        return SavedGameFieldKind::BestScore;
    default:
        return SavedGameFieldKind::Game;
    }
}

int savedGameFieldPlace(int field) {
    return savedGameFieldKind(field) == SavedGameFieldKind::Game
               ? 0
               : kFields[std::size_t(field - 1)].index + 1;
}

std::string writeSavedGame(const KingdomState& state, const HallOfFame& hall,
                           const BarMaxima& bars) {
    return buildRecord(state, hall, bars).record();
}

SavedGameRecordRead readSavedGame(std::string_view bytes, const KingdomState& current) {
    using Problem = SavedGameProblem::Kind;
    if (bytes.size() > kMaxRecordFileSize) {
        return failed(problemOf(Problem::TooLarge));
    }
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    if (std::all_of(bytes.begin(), bytes.end(), blank)) {
        return failed(problemOf(Problem::Empty));
    }
    // What follows the record (another line, an editor's end-of-file mark) is not ours to judge;
    // but a last field that runs into the end of the data may have been cut short.
    const ParsedRecord record = parseRecord(bytes, kFieldCount);
    if (!allFieldsRead(record) || record.problem == RecordProblem::MissingRecordEnd) {
        SavedGameProblem problem;
        switch (record.problem) {
        case RecordProblem::MissingFields:
            problem.kind = Problem::TooFewFields;
            problem.fieldsRead = record.fields.size();
            break;
        case RecordProblem::UnclosedText:
            problem.kind = Problem::UnclosedText;
            problem.field = record.problemField;
            break;
        case RecordProblem::JunkAfterText:
            problem.kind = Problem::NoCommaAfterText;
            problem.field = record.problemField;
            break;
        default:
            problem.kind = Problem::LastFieldUnfinished;
            break;
        }
        return failed(problem);
    }

    LoadedGame game{current, HallOfFame{}};
    for (int number = 1; number <= kFieldCount; ++number) {
        const FieldSpec& spec = kFields[std::size_t(number - 1)];
        const RecordField& field = record.fields[std::size_t(number - 1)];
        FieldStatus status = FieldStatus::Ok;
        switch (spec.kind) {
        case Kind::Real:
        case Kind::Spare:
        case Kind::Price:
        case Kind::BestScore: {
            const RealField value = readReal(field);
            status = value.status;
            if (status != FieldStatus::Ok) {
                break;
            }
            if (const auto problem = realProblem(spec.kind, value.value)) {
                return failed(fieldProblem(*problem, number, field));
            }
            if (spec.kind == Kind::BestScore) {
                game.hall.bestScores[std::size_t(spec.index)] = value.value;
            } else {
                game.state.*spec.real = value.value;
            }
            break;
        }
        case Kind::Small: {
            const SmallField value = readSmall(field);
            status = value.status;
            game.state.*spec.small = value.value;
            break;
        }
        case Kind::Bar: {
            // The bar takes the value rounded to 16 bits later; one it could not hold is refused
            // here rather than wrapped around there.
            status = readSmall(field).status;
            game.state.*spec.real = readReal(field).value;
            break;
        }
        case Kind::Text:
            game.state.*spec.text = spec.text == &KingdomState::kingName
                                        ? readText(field, kMaxKingNameLength)
                                        : readText(field);
            break;
        case Kind::BestName:
            game.hall.bestNames[std::size_t(spec.index)] = readText(field, kMaxKingNameLength);
            break;
        }
        if (status == FieldStatus::NotFinite) {
            return failed(fieldProblem(Problem::NotFinite, number, field));
        }
        if (status == FieldStatus::OutOfRange) {
            return failed(fieldProblem(Problem::OutOfSmallRange, number, field));
        }
    }
    SavedGameRecordRead result;
    result.game = std::move(game);
    result.recordEnd = record.end;
    return result;
}

namespace {

SavedGameFileWrite writeFile(const KingdomState& state, const HallOfFame& hall,
                             const BarMaxima& bars, const Chronicle* chronicle) {
    SavedGameFileWrite result;
    const TextRecordWriter writer = buildRecord(state, hall, bars);
    // Such a file could never be loaded again; better to say so now than at loading time.
    if (writer.hasNonFinite()) {
        result.problem = problemOf(SavedGameProblem::Kind::ValueNotANumber);
        return result;
    }
    std::string bytes = writer.record();
    // The chronicle follows the game's record, as much of it as the file may hold.
    const std::string following =
        chronicle == nullptr ? std::string()
                             : writeChronicle(*chronicle, bytes.size() < kMaxRecordFileSize
                                                              ? kMaxRecordFileSize - bytes.size()
                                                              : 0);
    if (bytes.size() + following.size() > kMaxRecordFileSize) {
        result.problem = problemOf(SavedGameProblem::Kind::GameTooLarge);
        return result;
    }
    // The game is written only if it will load again.
    SavedGameRecordRead check = readSavedGame(bytes, state);
    if (!check.game) {
        result.problem = check.problem;
        result.problem->saving = true;
        return result;
    }
    result.bytes = std::move(bytes) + following;
    return result;
}

} // namespace

SavedGameFileWrite writeSavedGameFile(const KingdomState& state, const HallOfFame& hall,
                                      const BarMaxima& bars, const Chronicle& chronicle) {
    return writeFile(state, hall, bars, &chronicle);
}

SavedGameFileWrite writeSavedGameFile(const KingdomState& state, const HallOfFame& hall,
                                      const BarMaxima& bars) {
    return writeFile(state, hall, bars, nullptr);
}

SavedGameFileRead readSavedGameFile(std::string_view bytes, const KingdomState& current) {
    SavedGameFileRead result;
    SavedGameRecordRead record = readSavedGame(bytes, current);
    if (!record.game) {
        result.problem = std::move(record.problem);
        return result;
    }
    result.game = std::move(record.game);
    result.chronicle = readChronicle(bytes.substr(record.recordEnd));
    return result;
}
