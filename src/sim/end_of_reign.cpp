// The end of a reign: its three messages and the king's place among the ten best.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/end_of_reign.h"

#include "core/number_text.h"

namespace {
// A message's second line is set in by blanks, as the message box centres nothing itself.
std::string indented(std::size_t blanks, std::string line) {
    return std::string(blanks, ' ') + line;
}

std::string restartLine(const RuleTextWriter& writer) {
    //: The second line of the overthrow and starvation messages, set in by 23 blanks to stand
    //: roughly under the middle of the first line: blanks in front of a translation set it in
    //: further.
    return indented(
        23, writer.write(RULE_TEXT("RuleTexts", "Чтобы начать игру заново, нажмите OK!"), {}));
}
} // namespace

std::string overthrowMessage(const RuleTextWriter& writer) {
    return writer.write(RULE_TEXT("RuleTexts", "Ну, что же, Вы на славу поиздевались над своим "
                                               "народом и были свергнуты народом с трона!"),
                        {}) +
           "\r\n" + restartLine(writer);
}

std::string starvationMessage(const RuleTextWriter& writer) {
    return writer.write(
               RULE_TEXT("RuleTexts",
                         "Вы уморили голодом всю страну и были свергнуты народом с трона!"),
               {}) +
           "\r\n" + restartLine(writer);
}

std::string ratingMessage(double rating, const RuleTextWriter& writer) {
    //: %1 is the rating as the game writes it, with a blank before it unless it is negative.
    const RuleText congratulation =
        RULE_TEXT("RuleTexts", "Поздравляю Вас Ваше Величество, Ваш рейтинг - %1");
    return writer.write(congratulation, {numberText(rating)}, rating) + "\r\n" +
           indented(10, writer.write(
                            RULE_TEXT("RuleTexts", "Поищите себя в таблице лучших королей!"), {}));
}

int placeKing(HallOfFame& table, double rating, const std::string& name) {
    const int places = static_cast<int>(table.bestScores.size());
    for (int place = 0; place < places; ++place) {
        if (table.bestScores[place] < rating) {
            // Everybody from here down moves one place down; the last one leaves the table.
            for (int below = places - 1; below > place; --below) {
                table.bestScores[below] = table.bestScores[below - 1];
                table.bestNames[below] = std::move(table.bestNames[below - 1]);
            }
            table.bestScores[place] = rating;
            table.bestNames[place] = name;
            return place;
        }
    }
    return -1;
}
