// The sample games the saved-game tests write and read, and the known file written out by hand.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_game_samples.h"

#include <cstdlib>

// A game in year 12 with a war announced, written out by hand below.
KingdomState knownState() {
    KingdomState s;
    s.goldPrice = 1050;
    s.landPrice = 99;
    s.grainPrice = 30;
    s.oilPrice = 555;
    s.workers = 45;
    s.soldiers = 20;
    s.mercenaryPrice = 100;
    s.spareValue5 = -7.25;
    s.spareValue6 = 1e20;
    s.money = 10000;
    s.moodLevel = 2;
    s.spareValue1 = 2;
    s.fedFlag = kYes;
    s.landFlag = kNo;
    s.sownFlag = kYes;
    s.discontentYears = 1;
    s.harvestSownFlag = kYes;
    s.year = 12;
    s.lastPeaceYear = 6;
    s.enemyArmy = 37;
    s.warCountdown = 2;
    s.population = 65;
    s.grainNeeded = 130;
    s.report = "Год 12\r\nМир.\r\n";
    s.harvestRoll = 7.5;
    s.kingName = "Олег";
    s.rating = -2;
    s.gold = 12;
    s.land = 80;
    s.grain = 20.4;
    s.oil = 7;
    s.mercenariesAffordable = 100;
    s.goldMax = 9;
    s.landMax = 101;
    s.grainMax = 333;
    s.oilMax = 18;
    return s;
}

HallOfFame knownHall() {
    HallOfFame hall;
    hall.bestNames[0] = "Ёж";
    hall.bestScores[0] = 100;
    return hall;
}

namespace {

const char kKnownFile[] =
    "1050,99,30,555,45,20,100,0,0,-7.25,1e+20,0,0,10000,0,0,2,2,#TRUE#,#FALSE#,#TRUE#,1,#TRUE#,"
    "0,12,6,37,2,0,65,130,\"\xC3\xEE\xE4 12\r\n\xCC\xE8\xF0.\r\n\",7.5,"
    "10,20,30,40,100,9,101,333,18,"
    "\"\xCE\xEB\xE5\xE3\","
    "\"\xA8\xE6\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
    "100,0,0,0,0,0,0,0,0,0,"
    "-2,12,80,20.4,7,100,9,101,333,18\r\n";

} // namespace

// Every field different, with fractions, negatives and texts that test the syntax.
KingdomState busyState() {
    KingdomState s;
    double next = 1;
    for (double* field : {&s.workers,
                          &s.soldiers,
                          &s.population,
                          &s.grainNeeded,
                          &s.year,
                          &s.rating,
                          &s.moodLevel,
                          &s.discontentYears,
                          &s.harvestRoll,
                          &s.armyGrowthLevel,
                          &s.spareValue1,
                          &s.spareValue2,
                          &s.spareValue3,
                          &s.spareValue4,
                          &s.spareValue5,
                          &s.spareValue6,
                          &s.spareValue7,
                          &s.spareValue8,
                          &s.spareValue9,
                          &s.money,
                          &s.gold,
                          &s.land,
                          &s.grain,
                          &s.oil,
                          &s.goldPrice,
                          &s.landPrice,
                          &s.grainPrice,
                          &s.oilPrice,
                          &s.goldMax,
                          &s.landMax,
                          &s.grainMax,
                          &s.oilMax,
                          &s.tradeSum,
                          &s.mercenaryPrice,
                          &s.mercenariesAffordable,
                          &s.lastPeaceYear,
                          &s.enemyArmy}) {
        *field = next * 1.25;
        next += 1;
    }
    s.grain = 20.4;
    s.money = 123456789.012345; // 15 significant digits
    s.rating = -57.5;
    s.spareValue3 = -1e-7;
    s.spareValue4 = 9.87654321098765e+250;
    s.spareValue7 = -0.0001;
    s.fedFlag = kYes;
    s.landFlag = kNo;
    s.sownFlag = kNo;
    s.harvestSownFlag = kYes;
    s.warCountdown = -5;
    s.report = "Год 3\r\n  Урожай: 20.4, отлично!\r\n\r\n";
    s.kingName = "  Святослав, сын Игоря ";
    return s;
}

HallOfFame busyHall() {
    HallOfFame hall;
    for (std::size_t i = 0; i < 10; ++i) {
        hall.bestNames[i] = "Король №" + std::to_string(i + 1);
        hall.bestScores[i] = 100.5 - double(i) * 10;
    }
    hall.bestNames[9] = "";
    return hall;
}

// The state as it must come back: the bars land in sliderMax, typedAmount stays the current one.
KingdomState expectedAfterLoad(KingdomState saved, const BarMaxima& bars, double typedAmount) {
    saved.sliderMax1 = bars[0];
    saved.sliderMax2 = bars[1];
    saved.sliderMax3 = bars[2];
    saved.sliderMax4 = bars[3];
    saved.sliderMax5 = bars[4];
    saved.sliderMax6 = bars[5];
    saved.sliderMax7 = bars[6];
    saved.sliderMax8 = bars[7];
    saved.sliderMax9 = bars[8];
    saved.typedAmount = typedAmount;
    return saved;
}

std::string knownBytes() {
    return std::string(kKnownFile, sizeof kKnownFile - 1);
}

// The known file with one field (1-based) replaced by other bytes.
std::string withField(int number, const std::string& replacement) {
    std::string bytes = knownBytes();
    int field = 1;
    std::size_t start = 0;
    bool inText = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '"') {
            inText = !inText;
        } else if (!inText && (c == ',' || c == '\r')) {
            if (field == number) {
                bytes.replace(start, i - start, replacement);
                return bytes;
            }
            ++field;
            start = i + 1;
        }
    }
    std::abort(); // the known file has every field
}

KingdomState currentGame() {
    KingdomState s;
    s.kingName = "Текущий";
    s.typedAmount = 17;
    s.sliderMax1 = 555;
    return s;
}

HallOfFame tenKings() {
    HallOfFame hall;
    for (std::size_t i = 0; i < 10; ++i) {
        hall.bestNames[i] = "Царь " + std::to_string(i);
        hall.bestScores[i] = 100 - double(i) * 10;
    }
    return hall;
}

const char kTenKingsFile[] =
    "\"\xD6\xE0\xF0\xFC 0\",\"\xD6\xE0\xF0\xFC 1\",\"\xD6\xE0\xF0\xFC 2\",\"\xD6\xE0\xF0\xFC 3\","
    "\"\xD6\xE0\xF0\xFC 4\",\"\xD6\xE0\xF0\xFC 5\",\"\xD6\xE0\xF0\xFC 6\",\"\xD6\xE0\xF0\xFC 7\","
    "\"\xD6\xE0\xF0\xFC 8\",\"\xD6\xE0\xF0\xFC 9\",100,90,80,70,60,50,40,30,20,10\r\n";
