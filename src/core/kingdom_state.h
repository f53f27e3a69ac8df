// The record of every value of one game, and the hall-of-fame lists that outlive games.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Yes/no values are kept as -1 and 0 because saved games store them that way.
using Flag = std::int16_t;
using Count = std::int16_t;
inline constexpr Flag kYes = -1;
inline constexpr Flag kNo = 0;

// Texts are UTF-8; the report's lines end in "\r\n".
struct KingdomState {
    // Population and year.
    double workers = 0;
    double soldiers = 0;
    double population = 0;
    double grainNeeded = 0;
    double year = 0;
    double rating = 0;
    double moodLevel = 0;
    double discontentYears = 0;
    Flag fedFlag = 0;
    Flag landFlag = 0;
    Flag sownFlag = 0;
    Flag harvestSownFlag = 0;
    double harvestRoll = 0;
    double armyGrowthLevel = 0;
    std::string report;
    std::string kingName;

    // Values no rule reads; saved games carry them so their layout stays as it is.
    double spareValue1 = 0;
    double spareValue2 = 0;
    double spareValue3 = 0;
    double spareValue4 = 0;
    double spareValue5 = 0;
    double spareValue6 = 0;
    double spareValue7 = 0;
    double spareValue8 = 0;
    double spareValue9 = 0;

    // Market.
    double money = 0;
    double gold = 0;
    double land = 0;
    double grain = 0;
    double oil = 0;
    double goldPrice = 0;
    double landPrice = 0;
    double grainPrice = 0;
    double oilPrice = 0;
    double goldMax = 0;
    double landMax = 0;
    double grainMax = 0;
    double oilMax = 0;
    double tradeSum = 0;
    double typedAmount = 0;

    // Army and war.
    double mercenaryPrice = 0;
    double mercenariesAffordable = 0;
    double lastPeaceYear = 0;
    double enemyArmy = 0;
    Count warCountdown = 0;

    // A loaded game's scroll-bar maxima, in file order: sell bars of gold, land, grain, oil,
    // the mercenaries bar, then the buy bars of gold, land, grain, oil.
    double sliderMax1 = 0;
    double sliderMax2 = 0;
    double sliderMax3 = 0;
    double sliderMax4 = 0;
    double sliderMax5 = 0;
    double sliderMax6 = 0;
    double sliderMax7 = 0;
    double sliderMax8 = 0;
    double sliderMax9 = 0;

    bool operator==(const KingdomState&) const = default;
};

// The table of the ten best kings, best first.
struct HallOfFame {
    std::array<std::string, 10> bestNames{};
    std::array<double, 10> bestScores{};

    bool operator==(const HallOfFame&) const = default;
};
