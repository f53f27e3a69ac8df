// The saved-game record: its 73 fields in file order, writing, reading and the file itself.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/saved_game.h"

#include <array>
#include <cmath>
#include <string_view>

#include <QCoreApplication>

#include "storage/file_access.h"
#include "storage/text_record.h"

namespace {

constexpr int kFieldCount = 73;

// The player's messages about saved games, and the names of the fields they speak of.
class SavedGame {
    Q_DECLARE_TR_FUNCTIONS(SavedGame)
};

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
    const char* name = ""; // for the player, in messages (translated there)
    double KingdomState::*real = nullptr;
    std::int16_t KingdomState::*small = nullptr;
    std::string KingdomState::*text = nullptr;
    int index = 0; // the bar, or the place in the hall of fame
};

constexpr FieldSpec real(const char* name, double KingdomState::*member) {
    return {Kind::Real, name, member, nullptr, nullptr, 0};
}
constexpr FieldSpec spare(const char* name, double KingdomState::*member) {
    return {Kind::Spare, name, member, nullptr, nullptr, 0};
}
constexpr FieldSpec price(const char* name, double KingdomState::*member) {
    return {Kind::Price, name, member, nullptr, nullptr, 0};
}
constexpr FieldSpec small(const char* name, std::int16_t KingdomState::*member) {
    return {Kind::Small, name, nullptr, member, nullptr, 0};
}
constexpr FieldSpec text(const char* name, std::string KingdomState::*member) {
    return {Kind::Text, name, nullptr, nullptr, member, 0};
}
constexpr FieldSpec bar(const char* name, double KingdomState::*member, int index) {
    return {Kind::Bar, name, member, nullptr, nullptr, index};
}

constexpr std::array<FieldSpec, kFieldCount> makeFields() {
    using S = KingdomState;
    std::array<FieldSpec, kFieldCount> f{};
    int i = 0;
    //: The name of a field of the saved game, in messages such as "поле 1 (цена золота)". So
    //: are the names that follow.
    f[i++] = price(QT_TRANSLATE_NOOP("SavedGame", "цена золота"), &S::goldPrice);
    f[i++] = price(QT_TRANSLATE_NOOP("SavedGame", "цена земли"), &S::landPrice);
    f[i++] = price(QT_TRANSLATE_NOOP("SavedGame", "цена зерна"), &S::grainPrice);
    f[i++] = price(QT_TRANSLATE_NOOP("SavedGame", "цена нефти"), &S::oilPrice);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "рабочие"), &S::workers);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "солдаты"), &S::soldiers);
    f[i++] = price(QT_TRANSLATE_NOOP("SavedGame", "цена наёмника"), &S::mercenaryPrice);
    f[i++] = spare(QT_TRANSLATE_NOOP("SavedGame", "запасное значение 3"), &S::spareValue3);
    f[i++] = spare(QT_TRANSLATE_NOOP("SavedGame", "запасное значение 4"), &S::spareValue4);
    f[i++] = spare(QT_TRANSLATE_NOOP("SavedGame", "запасное значение 5"), &S::spareValue5);
    f[i++] = spare(QT_TRANSLATE_NOOP("SavedGame", "запасное значение 6"), &S::spareValue6);
    f[i++] = spare(QT_TRANSLATE_NOOP("SavedGame", "запасное значение 7"), &S::spareValue7);
    f[i++] = spare(QT_TRANSLATE_NOOP("SavedGame", "запасное значение 8"), &S::spareValue8);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "казна"), &S::money);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "сумма сделки"), &S::tradeSum);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "рост армии"), &S::armyGrowthLevel);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "настроение"), &S::moodLevel);
    f[i++] = spare(QT_TRANSLATE_NOOP("SavedGame", "запасное значение 1"), &S::spareValue1);
    f[i++] = small(QT_TRANSLATE_NOOP("SavedGame", "народ накормлен"), &S::fedFlag);
    f[i++] = small(QT_TRANSLATE_NOOP("SavedGame", "земли хватило"), &S::landFlag);
    f[i++] = small(QT_TRANSLATE_NOOP("SavedGame", "посев"), &S::sownFlag);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "годы недовольства"), &S::discontentYears);
    f[i++] = small(QT_TRANSLATE_NOOP("SavedGame", "посев для урожая"), &S::harvestSownFlag);
    f[i++] = spare(QT_TRANSLATE_NOOP("SavedGame", "запасное значение 2"), &S::spareValue2);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "год"), &S::year);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "последний мирный год"), &S::lastPeaceYear);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "армия врага"), &S::enemyArmy);
    f[i++] = small(QT_TRANSLATE_NOOP("SavedGame", "годы до битвы"), &S::warCountdown);
    f[i++] = spare(QT_TRANSLATE_NOOP("SavedGame", "запасное значение 9"), &S::spareValue9);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "население"), &S::population);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "нужное зерно"), &S::grainNeeded);
    f[i++] = text(QT_TRANSLATE_NOOP("SavedGame", "отчёт"), &S::report);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "урожай"), &S::harvestRoll);
    f[i++] = bar(QT_TRANSLATE_NOOP("SavedGame", "продажа золота"), &S::sliderMax1, 0);
    f[i++] = bar(QT_TRANSLATE_NOOP("SavedGame", "продажа земли"), &S::sliderMax2, 1);
    f[i++] = bar(QT_TRANSLATE_NOOP("SavedGame", "продажа зерна"), &S::sliderMax3, 2);
    f[i++] = bar(QT_TRANSLATE_NOOP("SavedGame", "продажа нефти"), &S::sliderMax4, 3);
    f[i++] = bar(QT_TRANSLATE_NOOP("SavedGame", "наёмники"), &S::sliderMax5, 4);
    f[i++] = bar(QT_TRANSLATE_NOOP("SavedGame", "покупка золота"), &S::sliderMax6, 5);
    f[i++] = bar(QT_TRANSLATE_NOOP("SavedGame", "покупка земли"), &S::sliderMax7, 6);
    f[i++] = bar(QT_TRANSLATE_NOOP("SavedGame", "покупка зерна"), &S::sliderMax8, 7);
    f[i++] = bar(QT_TRANSLATE_NOOP("SavedGame", "покупка нефти"), &S::sliderMax9, 8);
    f[i++] = text(QT_TRANSLATE_NOOP("SavedGame", "имя короля"), &S::kingName);
    for (int place = 0; place < 10; ++place) {
        f[i++] = {Kind::BestName, QT_TRANSLATE_NOOP("SavedGame", "имя в таблице лучших"),
                  nullptr,        nullptr,
                  nullptr,        place};
    }
    for (int place = 0; place < 10; ++place) {
        f[i++] = {Kind::BestScore, QT_TRANSLATE_NOOP("SavedGame", "счёт в таблице лучших"),
                  nullptr,         nullptr,
                  nullptr,         place};
    }
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "очки короля"), &S::rating);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "золото"), &S::gold);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "земля"), &S::land);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "зерно"), &S::grain);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "нефть"), &S::oil);
    f[i++] =
        real(QT_TRANSLATE_NOOP("SavedGame", "наёмников по карману"), &S::mercenariesAffordable);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "покупка золота до"), &S::goldMax);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "покупка земли до"), &S::landMax);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "покупка зерна до"), &S::grainMax);
    f[i++] = real(QT_TRANSLATE_NOOP("SavedGame", "покупка нефти до"), &S::oilMax);
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

QString subject(const QString& path) {
    if (path.isEmpty()) {
        //: The file a message is about, when its name is not known; it starts the message.
        return SavedGame::tr("Файл");
    }
    //: The file a message is about; it starts the message.
    return SavedGame::tr("Файл %1").arg(quotedFileName(path));
}

QString fieldLabel(int number) {
    const FieldSpec& spec = kFields[std::size_t(number - 1)];
    const QString name = SavedGame::tr(spec.name);
    if (spec.kind == Kind::BestName || spec.kind == Kind::BestScore) {
        //: A field of the table of the best kings in a saved game: its number, its name, the
        //: place in the table.
        return SavedGame::tr("поле %1 (%2, место %3)")
            .arg(QString::number(number), name, QString::number(spec.index + 1));
    }
    //: A field of the saved game: its number and its name.
    return SavedGame::tr("поле %1 (%2)").arg(QString::number(number), name);
}

// Enough of a bad field to recognise it, never a whole report.
QString shownContent(const RecordField& field) {
    QString content = QString::fromStdString(readText(field));
    if (content.size() > 24) {
        content = content.left(24) + QStringLiteral("…");
    }
    //: What the file holds in a field, quoted as the messages quote it.
    return SavedGame::tr("«%1»").arg(content);
}

QString recordProblemMessage(const ParsedRecord& record, const QString& path) {
    const QString who = subject(path);
    switch (record.problem) {
    case RecordProblem::MissingFields:
        //: %1: the file ("Файл «…»"); %2 fields of the %3 a saved game has were found.
        return SavedGame::tr("%1 обрывается: в нём только %2 из %3 полей сохранённой игры.")
            .arg(who, QString::number(record.fields.size()), QString::number(kFieldCount));
    case RecordProblem::UnclosedText:
        //: %1: the file ("Файл «…»"); %2: the field ("поле 12 (отчёт)").
        return SavedGame::tr("%1 обрывается: %2 — текст без закрывающей кавычки.")
            .arg(who, fieldLabel(record.problemField));
    case RecordProblem::JunkAfterText:
        return SavedGame::tr("%1 повреждён: %2 — после закрывающей кавычки нет запятой.")
            .arg(who, fieldLabel(record.problemField));
    case RecordProblem::MissingRecordEnd:
        return SavedGame::tr("%1 обрывается: последнее поле не закончено.").arg(who);
    case RecordProblem::TrailingData: // what follows a whole record is not read
    case RecordProblem::None:
        break;
    }
    return {};
}

// What is wrong with a real the game is to compute with, or nothing.
std::optional<QString> realProblem(Kind kind, double value, const RecordField& field) {
    const QString limit = QString::fromLatin1(QByteArray::number(kMaxGameValue, 'g', 15));
    if (kind == Kind::Price) {
        if (!(value > 0)) {
            //: What is wrong with a field; %1: what the file holds there, in quotes.
            return SavedGame::tr("цена %1, а она должна быть больше нуля.")
                .arg(shownContent(field));
        }
        if (value < kMinPrice) {
            return SavedGame::tr("цена %1 слишком мала: она должна быть не меньше 1.")
                .arg(shownContent(field));
        }
    }
    if ((kind == Kind::Price || kind == Kind::Real) && std::fabs(value) > kMaxGameValue) {
        //: %1: what the file holds there, in quotes; %2: the largest number the game uses.
        return SavedGame::tr("число %1 слишком велико: игра считает только до %2.")
            .arg(shownContent(field), limit);
    }
    return std::nullopt;
}

// `fieldPrefix` starts the message for a field the game cannot use: "Файл «…» повреждён: " when
// loading, "Игру нельзя сохранить: " when a game is checked before it is written.
LoadResult readSavedGameFrom(QByteArrayView bytes, const KingdomState& current, const QString& path,
                             const QString& fieldPrefix) {
    LoadResult result;
    const QString who = subject(path);
    if (bytes.size() > kMaxRecordFileSize) {
        result.error = SavedGame::tr("%1 слишком велик: в нём больше 1 МБ.").arg(who);
        return result;
    }
    if (QByteArray(bytes.data(), bytes.size()).trimmed().isEmpty()) {
        result.error = SavedGame::tr("%1 пуст.").arg(who);
        return result;
    }
    // What follows the record (another line, an editor's end-of-file mark) is not ours to judge;
    // but a last field that runs into the end of the data may have been cut short.
    const ParsedRecord record = parseRecord(bytes, kFieldCount);
    if (!allFieldsRead(record) || record.problem == RecordProblem::MissingRecordEnd) {
        result.error = recordProblemMessage(record, path);
        return result;
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
            if (const auto problem = realProblem(spec.kind, value.value, field)) {
                result.error = fieldPrefix + fieldLabel(number) + QStringLiteral(" — ") + *problem;
                return result;
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
                                        ? readText({field.bytes.left(kMaxKingNameLength), true})
                                        : readText(field);
            break;
        case Kind::BestName:
            game.hall.bestNames[std::size_t(spec.index)] =
                readText({field.bytes.left(kMaxKingNameLength), true});
            break;
        }
        if (status == FieldStatus::NotFinite) {
            //: %1: the field ("поле 1 (цена золота)"); %2: what the file holds there, in quotes.
            result.error = fieldPrefix + SavedGame::tr("%1 — недопустимое число %2.")
                                             .arg(fieldLabel(number), shownContent(field));
            return result;
        }
        if (status == FieldStatus::OutOfRange) {
            result.error = fieldPrefix + SavedGame::tr("%1 — число %2 выходит за пределы "
                                                       "от -32768 до 32767.")
                                             .arg(fieldLabel(number), shownContent(field));
            return result;
        }
    }
    result.game = std::move(game);
    result.recordEnd = record.end;
    return result;
}

QString damagedPrefix(const QString& path) {
    //: The start of a message about a field; %1: the file ("Файл «…»"). The field follows.
    return SavedGame::tr("%1 повреждён: ").arg(subject(path));
}

} // namespace

QByteArray writeSavedGame(const KingdomState& state, const HallOfFame& hall,
                          const BarMaxima& bars) {
    return buildRecord(state, hall, bars).record();
}

LoadResult readSavedGame(const QByteArray& bytes, const KingdomState& current) {
    return readSavedGameFrom(bytes, current, QString(), damagedPrefix(QString()));
}

std::optional<QString> saveGame(const QString& path, const KingdomState& state,
                                const HallOfFame& hall, const BarMaxima& bars,
                                const QByteArray& following) {
    const TextRecordWriter writer = buildRecord(state, hall, bars);
    // Such a file could never be loaded again; better to say so now than at loading time.
    if (writer.hasNonFinite()) {
        return SavedGame::tr("Игру нельзя сохранить: одно из её значений не является числом.");
    }
    const QByteArray bytes = writer.record();
    if (bytes.size() + following.size() > kMaxRecordFileSize) {
        return SavedGame::tr("Игру нельзя сохранить: она заняла бы больше 1 МБ.");
    }
    // The game is written only if it will load again.
    const LoadResult check =
        //: The start of a message about a field of the game; the field follows.
        readSavedGameFrom(bytes, state, QString(), SavedGame::tr("Игру нельзя сохранить: "));
    if (!check.game) {
        return check.error;
    }
    return writeWholeFile(path, bytes + following);
}

LoadResult loadGame(const QString& path, const KingdomState& current) {
    FileBytes file = readWholeFile(path);
    if (!file.error.isEmpty()) {
        LoadResult result;
        result.error = file.error;
        return result;
    }
    LoadResult result = readSavedGameFrom(file.bytes, current, path, damagedPrefix(path));
    if (result.game) {
        result.game->following = file.bytes.sliced(result.recordEnd);
    }
    return result;
}
