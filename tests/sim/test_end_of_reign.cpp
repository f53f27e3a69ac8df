// The end of a reign: its messages and the table of the ten best kings.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "sim/end_of_reign.h"

TEST(EndMessages, Overthrow) {
    EXPECT_EQ(overthrowMessage(), "Ну, что же, Вы на славу поиздевались над своим народом и были "
                                  "свергнуты народом с трона!\r\n"
                                  "                       Чтобы начать игру заново, нажмите OK!");
}

TEST(EndMessages, Starvation) {
    EXPECT_EQ(starvationMessage(),
              "Вы уморили голодом всю страну и были свергнуты народом с трона!\r\n"
              "                       Чтобы начать игру заново, нажмите OK!");
}

TEST(EndMessages, RatingKeepsTheBlankOfItsNumber) {
    EXPECT_EQ(ratingMessage(57), "Поздравляю Вас Ваше Величество, Ваш рейтинг -  57\r\n"
                                 "          Поищите себя в таблице лучших королей!");
    EXPECT_EQ(ratingMessage(-3), "Поздравляю Вас Ваше Величество, Ваш рейтинг - -3\r\n"
                                 "          Поищите себя в таблице лучших королей!");
}

TEST(EndMessages, TitlePrefix) {
    EXPECT_EQ(kMainCaptionPrefix, "Король Велории - ");
}

namespace {
// Scores 100, 90, ..., 10 held by kings "K0".."K9".
HallOfFame descendingTable() {
    HallOfFame table;
    for (int i = 0; i < 10; ++i) {
        table.bestScores[i] = 100 - 10 * i;
        table.bestNames[i] = std::string("K").append(std::to_string(i));
    }
    return table;
}
} // namespace

TEST(PlaceKing, InsertsAndMovesTheRestDown) {
    HallOfFame table = descendingTable();
    EXPECT_EQ(placeKing(table, 95, "Новый"), 1);
    EXPECT_EQ(table.bestNames[0], "K0");
    EXPECT_EQ(table.bestScores[1], 95);
    EXPECT_EQ(table.bestNames[1], "Новый");
    for (int i = 2; i < 10; ++i) {
        EXPECT_EQ(table.bestScores[i], 100 - 10 * (i - 1));
        EXPECT_EQ(table.bestNames[i], std::string("K").append(std::to_string(i - 1)));
    }
}

TEST(PlaceKing, AnEqualScoreGoesBelow) {
    HallOfFame table = descendingTable();
    EXPECT_EQ(placeKing(table, 90, "Равный"), 2);
    EXPECT_EQ(table.bestNames[1], "K1");
    EXPECT_EQ(table.bestNames[2], "Равный");
    EXPECT_EQ(table.bestNames[3], "K2");
    EXPECT_EQ(table.bestNames[9], "K8");
}

TEST(PlaceKing, ANewBestKeepsTheFormerBest) {
    HallOfFame table = descendingTable();
    EXPECT_EQ(placeKing(table, 250, "Лучший"), 0);
    EXPECT_EQ(table.bestNames[0], "Лучший");
    EXPECT_EQ(table.bestScores[0], 250);
    EXPECT_EQ(table.bestNames[1], "K0");
    EXPECT_EQ(table.bestScores[1], 100);
    EXPECT_EQ(table.bestNames[9], "K8");
}

TEST(PlaceKing, BeatingOnlyTheLastReplacesIt) {
    HallOfFame table = descendingTable();
    EXPECT_EQ(placeKing(table, 15, "Последний"), 9);
    EXPECT_EQ(table.bestNames[8], "K8");
    EXPECT_EQ(table.bestNames[9], "Последний");
}

TEST(PlaceKing, NoPlaceLeavesTheTableAlone) {
    HallOfFame table = descendingTable();
    const HallOfFame before = table;
    EXPECT_EQ(placeKing(table, 10, "Равный последнему"), -1);
    EXPECT_EQ(placeKing(table, -40, "Худший"), -1);
    EXPECT_EQ(table, before);
}

TEST(PlaceKing, AnEmptyTableTakesAnyPositiveScore) {
    HallOfFame table;
    EXPECT_EQ(placeKing(table, 0, "Ноль"), -1);
    EXPECT_EQ(placeKing(table, 3, "Первый"), 0);
    EXPECT_EQ(placeKing(table, 7, "Второй"), 0);
    EXPECT_EQ(table.bestNames[1], "Первый");
    EXPECT_EQ(table.bestNames[2], "");
}
