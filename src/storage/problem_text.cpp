// The player's messages about the files' problems, in the game's language through tr().
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/problem_text.h"

#include <climits>

#include <QCoreApplication>

#include "formats/text_record.h"
#include "storage/file_access.h"

namespace {

// The player's messages about saved games, and the names of the fields they speak of.
class SavedGame {
    Q_DECLARE_TR_FUNCTIONS(SavedGame)
};

// The player's messages about a chronicle that cannot be read.
class ChronicleFile {
    Q_DECLARE_TR_FUNCTIONS(ChronicleFile)
};

// The player's messages about the table of the best kings.
class Scores {
    Q_DECLARE_TR_FUNCTIONS(Scores)
};

QString subject(const QString& path) {
    if (path.isEmpty()) {
        //: The file a message is about, when its name is not known; it starts the message.
        return SavedGame::tr("Файл");
    }
    //: The file a message is about; it starts the message.
    return SavedGame::tr("Файл %1").arg(quotedFileName(path));
}

QString fieldLabel(int number) {
    // The name is a literal, so its data ends in the NUL that tr() wants.
    const QString name = SavedGame::tr(savedGameFieldName(number).source.data());
    if (savedGameFieldKind(number) != SavedGameFieldKind::Game) {
        //: A field of the table of the best kings in a saved game: its number, its name, the
        //: place in the table.
        return SavedGame::tr("поле %1 (%2, место %3)")
            .arg(QString::number(number), name, QString::number(savedGameFieldPlace(number)));
    }
    //: A field of the saved game: its number and its name.
    return SavedGame::tr("поле %1 (%2)").arg(QString::number(number), name);
}

// The start of a bad field, as the problem carries it.
QString shownContent(const SavedGameProblem& problem) {
    QString content = QString::fromStdString(problem.content);
    if (problem.contentCut) {
        content += QStringLiteral("…");
    }
    //: What the file holds in a field, quoted as the messages quote it.
    return SavedGame::tr("«%1»").arg(content);
}

// What is wrong with a field's value, after "поле 1 (цена золота) — ".
QString valueProblem(const SavedGameProblem& problem) {
    using Kind = SavedGameProblem::Kind;
    switch (problem.kind) {
    case Kind::PriceNotPositive:
        //: What is wrong with a field; %1: what the file holds there, in quotes.
        return SavedGame::tr("цена %1, а она должна быть больше нуля.").arg(shownContent(problem));
    case Kind::PriceTooSmall:
        return SavedGame::tr("цена %1 слишком мала: она должна быть не меньше 1.")
            .arg(shownContent(problem));
    default: {
        const QString limit = QString::fromLatin1(QByteArray::number(kMaxGameValue, 'g', 15));
        //: %1: what the file holds there, in quotes; %2: the largest number the game uses.
        return SavedGame::tr("число %1 слишком велико: игра считает только до %2.")
            .arg(shownContent(problem), limit);
    }
    }
}

// "Файл «…» повреждён: " when loading, "Игру нельзя сохранить: " when a game is checked before
// it is written: the start of a message about a field the game cannot use.
QString fieldPrefix(const SavedGameProblem& problem, const QString& path) {
    if (problem.saving) {
        //: The start of a message about a field of the game; the field follows.
        return SavedGame::tr("Игру нельзя сохранить: ");
    }
    //: The start of a message about a field; %1: the file ("Файл «…»"). The field follows.
    return SavedGame::tr("%1 повреждён: ").arg(subject(path));
}

} // namespace

QString savedGameProblemText(const SavedGameProblem& problem, const QString& path) {
    using Kind = SavedGameProblem::Kind;
    const QString who = subject(path);
    switch (problem.kind) {
    case Kind::TooLarge:
        return SavedGame::tr("%1 слишком велик: в нём больше 1 МБ.").arg(who);
    case Kind::Empty:
        return SavedGame::tr("%1 пуст.").arg(who);
    case Kind::TooFewFields:
        //: %1: the file ("Файл «…»"); %2 fields of the %3 a saved game has were found.
        return SavedGame::tr("%1 обрывается: в нём только %2 из %3 полей сохранённой игры.")
            .arg(who, QString::number(problem.fieldsRead), QString::number(kSavedGameFieldCount));
    case Kind::UnclosedText:
        //: %1: the file ("Файл «…»"); %2: the field ("поле 12 (отчёт)").
        return SavedGame::tr("%1 обрывается: %2 — текст без закрывающей кавычки.")
            .arg(who, fieldLabel(problem.field));
    case Kind::NoCommaAfterText:
        return SavedGame::tr("%1 повреждён: %2 — после закрывающей кавычки нет запятой.")
            .arg(who, fieldLabel(problem.field));
    case Kind::LastFieldUnfinished:
        return SavedGame::tr("%1 обрывается: последнее поле не закончено.").arg(who);
    case Kind::PriceNotPositive:
    case Kind::PriceTooSmall:
    case Kind::NumberTooLarge:
        return fieldPrefix(problem, path) + fieldLabel(problem.field) + QStringLiteral(" — ") +
               valueProblem(problem);
    case Kind::NotFinite:
        //: %1: the field ("поле 1 (цена золота)"); %2: what the file holds there, in quotes.
        return fieldPrefix(problem, path) +
               SavedGame::tr("%1 — недопустимое число %2.")
                   .arg(fieldLabel(problem.field), shownContent(problem));
    case Kind::OutOfSmallRange:
        return fieldPrefix(problem, path) +
               SavedGame::tr("%1 — число %2 выходит за пределы "
                             "от -32768 до 32767.")
                   .arg(fieldLabel(problem.field), shownContent(problem));
    case Kind::ValueNotANumber:
        return SavedGame::tr("Игру нельзя сохранить: одно из её значений не является числом.");
    case Kind::GameTooLarge:
        return SavedGame::tr("Игру нельзя сохранить: она заняла бы больше 1 МБ.");
    }
    return {};
}

QString chronicleProblemText(const ChronicleProblem& problem) {
    using Kind = ChronicleProblem::Kind;
    // What is wrong inside one record, and which record it is.
    const auto inRecord = [&problem](const QString& what) {
        if (problem.record == 0) {
            //: Why the chronicle cannot be read; %1: what is wrong with its header record. This
            //: and the reasons below go into "…прочитать не удалось (%1)…".
            return ChronicleFile::tr("заголовок: %1").arg(what);
        }
        //: %1: the record's number; %2: what is wrong with it.
        return ChronicleFile::tr("запись %1: %2").arg(problem.record).arg(what);
    };
    switch (problem.kind) {
    case Kind::RecordCut:
        //: What is wrong with a record of the chronicle; it follows "заголовок: " or
        //: "запись 3: ". So do the two below.
        return inRecord(ChronicleFile::tr("запись обрывается"));
    case Kind::NoCommaAfterText:
        return inRecord(ChronicleFile::tr("после текста нет запятой"));
    case Kind::TooManyFields:
        return inRecord(ChronicleFile::tr("в записи больше %1 полей").arg(problem.fieldCount));
    case Kind::NotAChronicle:
        return ChronicleFile::tr("после записи игры идёт что-то другое");
    case Kind::OtherVersion:
        return ChronicleFile::tr("она записана другой версией игры");
    case Kind::BadCount:
        return ChronicleFile::tr("в заголовке неверное число записей");
    case Kind::TooFewRecords:
        //: %1 of the %n records the header promises were read.
        return ChronicleFile::tr("она обрывается: прочитано %1 записей из %n", nullptr,
                                 int(std::min<std::size_t>(problem.promised, INT_MAX)))
            .arg(problem.read);
    case Kind::NotANumber:
        //: %1: the field's number.
        return inRecord(ChronicleFile::tr("поле %1 — не число").arg(problem.field));
    case Kind::NotAText:
        return inRecord(ChronicleFile::tr("поле %1 — не текст").arg(problem.field));
    case Kind::TrailingData:
        return ChronicleFile::tr("после последней записи есть лишние данные");
    }
    return {};
}

QString chronicleDamagedMessage(const ChronicleProblem& problem) {
    //: %1: why the chronicle could not be read.
    return ChronicleFile::tr("Игра загружена, но летопись правления прочитать не удалось (%1). "
                             "Летопись начнётся заново с загруженного года.")
        .arg(chronicleProblemText(problem));
}

QString scoresProblemText(const ScoresProblem& problem) {
    using Kind = ScoresProblem::Kind;
    switch (problem.kind) {
    case Kind::TooLarge:
        //: Why the table's file cannot be read: it follows "…прочитать нельзя: ", and a full stop
        //: ends it. So do the reasons below.
        return Scores::tr("в нём больше 1 МБ");
    case Kind::UnclosedText:
        return Scores::tr("в поле %1 текст без закрывающей кавычки").arg(problem.field);
    case Kind::NoCommaAfterText:
        return Scores::tr("в поле %1 после закрывающей кавычки нет запятой").arg(problem.field);
    case Kind::Empty:
        return Scores::tr("он пуст");
    case Kind::TooFewFields:
        return Scores::tr("в нём только %1 из %2 полей")
            .arg(problem.fieldsRead)
            .arg(kScoresFieldCount);
    case Kind::ScoreNotANumber:
        return Scores::tr("Таблицу нельзя сохранить: счёт на месте %1 не является числом.")
            .arg(problem.place);
    }
    return {};
}
