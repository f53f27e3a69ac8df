// The end of a reign: its three messages and the king's place among the ten best.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/end_of_reign.h"

#include "core/number_text.h"

namespace {
std::string restartLine() {
    return std::string(23, ' ') + "Чтобы начать игру заново, нажмите OK!";
}
} // namespace

std::string overthrowMessage() {
    return "Ну, что же, Вы на славу поиздевались над своим народом и были свергнуты народом с "
           "трона!\r\n" +
           restartLine();
}

std::string starvationMessage() {
    return "Вы уморили голодом всю страну и были свергнуты народом с трона!\r\n" + restartLine();
}

std::string ratingMessage(double rating) {
    return "Поздравляю Вас Ваше Величество, Ваш рейтинг - " + numberText(rating) + "\r\n" +
           std::string(10, ' ') + "Поищите себя в таблице лучших королей!";
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
