// The files' problems in the player's words: the desktop's messages, through the page's
// catalogue (the contexts SavedGame, ChronicleFile, Scores and FileAccess).
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/problem_words.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "web/catalogue.h"

namespace {

std::string savedGame(const char* source) {
    return translate("SavedGame", source);
}
std::string chronicleFile(const char* source, double count = 1) {
    return translate("ChronicleFile", source, count);
}
std::string scores(const char* source) {
    return translate("Scores", source);
}

std::string quoted(const std::string& fileName) {
    return arg(translate("FileAccess", "«%1»"), fileName);
}

std::string subject(const std::string& fileName) {
    if (fileName.empty()) {
        return savedGame("Файл");
    }
    return arg(savedGame("Файл %1"), quoted(fileName));
}

// The field's name as the formats keep it, in the page's language.
std::string fieldName(int number) {
    return savedGame(savedGameFieldName(number).source.data());
}

std::string fieldLabel(int number) {
    const std::string name = fieldName(number);
    if (savedGameFieldKind(number) != SavedGameFieldKind::Game) {
        return arg(arg(arg(savedGame("поле %1 (%2, место %3)"), std::to_string(number)), name),
                   std::to_string(savedGameFieldPlace(number)));
    }
    return arg(arg(savedGame("поле %1 (%2)"), std::to_string(number)), name);
}

std::string shownContent(const SavedGameProblem& problem) {
    std::string content = problem.content;
    if (problem.contentCut) {
        content += "…";
    }
    return arg(savedGame("«%1»"), content);
}

std::string valueProblem(const SavedGameProblem& problem) {
    using Kind = SavedGameProblem::Kind;
    switch (problem.kind) {
    case Kind::PriceNotPositive:
        return arg(savedGame("цена %1, а она должна быть больше нуля."), shownContent(problem));
    case Kind::PriceTooSmall:
        return arg(savedGame("цена %1 слишком мала: она должна быть не меньше 1."),
                   shownContent(problem));
    default: {
        char limit[32];
        std::snprintf(limit, sizeof limit, "%.15g", kMaxGameValue);
        return arg(arg(savedGame("число %1 слишком велико: игра считает только до %2."),
                       shownContent(problem)),
                   limit);
    }
    }
}

std::string fieldPrefix(const SavedGameProblem& problem, const std::string& fileName) {
    if (problem.saving) {
        return savedGame("Игру нельзя сохранить: ");
    }
    return arg(savedGame("%1 повреждён: "), subject(fileName));
}

std::string chronicleProblemText(const ChronicleProblem& problem) {
    using Kind = ChronicleProblem::Kind;
    const auto inRecord = [&problem](const std::string& what) {
        if (problem.record == 0) {
            return arg(chronicleFile("заголовок: %1"), what);
        }
        return arg(arg(chronicleFile("запись %1: %2"), std::to_string(problem.record)), what);
    };
    switch (problem.kind) {
    case Kind::RecordCut:
        return inRecord(chronicleFile("запись обрывается"));
    case Kind::NoCommaAfterText:
        return inRecord(chronicleFile("после текста нет запятой"));
    case Kind::TooManyFields:
        return inRecord(
            arg(chronicleFile("в записи больше %1 полей"), std::to_string(problem.fieldCount)));
    case Kind::NotAChronicle:
        return chronicleFile("после записи игры идёт что-то другое");
    case Kind::OtherVersion:
        return chronicleFile("она записана другой версией игры");
    case Kind::BadCount:
        return chronicleFile("в заголовке неверное число записей");
    case Kind::TooFewRecords: {
        const auto promised = (long long)std::min<std::size_t>(problem.promised, INT_MAX);
        return arg(
            withCount(chronicleFile("она обрывается: прочитано %1 записей из %n", double(promised)),
                      promised),
            std::to_string(problem.read));
    }
    case Kind::NotANumber:
        return inRecord(arg(chronicleFile("поле %1 — не число"), std::to_string(problem.field)));
    case Kind::NotAText:
        return inRecord(arg(chronicleFile("поле %1 — не текст"), std::to_string(problem.field)));
    case Kind::TrailingData:
        return chronicleFile("после последней записи есть лишние данные");
    }
    return {};
}

} // namespace

std::string savedGameProblemText(const SavedGameProblem& problem, const std::string& fileName) {
    using Kind = SavedGameProblem::Kind;
    const std::string who = subject(fileName);
    switch (problem.kind) {
    case Kind::TooLarge:
        return arg(savedGame("%1 слишком велик: в нём больше 1 МБ."), who);
    case Kind::Empty:
        return arg(savedGame("%1 пуст."), who);
    case Kind::TooFewFields:
        return arg(
            arg(arg(savedGame("%1 обрывается: в нём только %2 из %3 полей сохранённой игры."), who),
                std::to_string(problem.fieldsRead)),
            std::to_string(kSavedGameFieldCount));
    case Kind::UnclosedText:
        return arg(arg(savedGame("%1 обрывается: %2 — текст без закрывающей кавычки."), who),
                   fieldLabel(problem.field));
    case Kind::NoCommaAfterText:
        return arg(arg(savedGame("%1 повреждён: %2 — после закрывающей кавычки нет запятой."), who),
                   fieldLabel(problem.field));
    case Kind::LastFieldUnfinished:
        return arg(savedGame("%1 обрывается: последнее поле не закончено."), who);
    case Kind::PriceNotPositive:
    case Kind::PriceTooSmall:
    case Kind::NumberTooLarge:
        return fieldPrefix(problem, fileName) + fieldLabel(problem.field) + " — " +
               valueProblem(problem);
    case Kind::NotFinite:
        return fieldPrefix(problem, fileName) +
               arg(arg(savedGame("%1 — недопустимое число %2."), fieldLabel(problem.field)),
                   shownContent(problem));
    case Kind::OutOfSmallRange:
        return fieldPrefix(problem, fileName) +
               arg(arg(savedGame("%1 — число %2 выходит за пределы от -32768 до 32767."),
                       fieldLabel(problem.field)),
                   shownContent(problem));
    case Kind::ValueNotANumber:
        return savedGame("Игру нельзя сохранить: одно из её значений не является числом.");
    case Kind::GameTooLarge:
        return savedGame("Игру нельзя сохранить: она заняла бы больше 1 МБ.");
    }
    return {};
}

std::string chronicleDamagedMessage(const ChronicleProblem& problem) {
    return arg(chronicleFile("Игра загружена, но летопись правления прочитать не удалось (%1). "
                             "Летопись начнётся заново с загруженного года."),
               chronicleProblemText(problem));
}

std::string scoresProblemText(const ScoresProblem& problem) {
    using Kind = ScoresProblem::Kind;
    switch (problem.kind) {
    case Kind::TooLarge:
        return scores("в нём больше 1 МБ");
    case Kind::UnclosedText:
        return arg(scores("в поле %1 текст без закрывающей кавычки"),
                   std::to_string(problem.field));
    case Kind::NoCommaAfterText:
        return arg(scores("в поле %1 после закрывающей кавычки нет запятой"),
                   std::to_string(problem.field));
    case Kind::Empty:
        return scores("он пуст");
    case Kind::TooFewFields:
        return arg(arg(scores("в нём только %1 из %2 полей"), std::to_string(problem.fieldsRead)),
                   std::to_string(kScoresFieldCount));
    case Kind::ScoreNotANumber:
        return arg(scores("Таблицу нельзя сохранить: счёт на месте %1 не является числом."),
                   std::to_string(problem.place));
    }
    return {};
}

std::string unusableScoresText(const ScoresProblem& problem) {
    return arg(arg(scores("Таблицу лучших королей из файла %1 прочитать нельзя: %2."),
                   quoted("scores.tab")),
               scoresProblemText(problem)) +
           " " +
           arg(scores("Файл сохранён под именем %1, а таблица начата заново."),
               quoted("scores.tab.unusable"));
}
