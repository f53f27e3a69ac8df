// One year of the reign: feeding, land, sowing, mood, harvest, births and the army, in order.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/year.h"

#include <array>
#include <cmath>

#include "market/prices.h"

namespace {

// The share of a group that is born, dies, joins or deserts: 10 % up to just under 20 %. The
// single-precision sum would reach 20 for the largest draw, so it is held just below.
float growthPercent(float draw) {
    constexpr float kBelowTwenty = 0x1.3ffffep4f; // the float just under 20
    const float percent = draw * 10.0f + 10.0f;
    return percent < 20.0f ? percent : kBelowTwenty;
}
} // namespace

void feedPeople(KingdomState& state) {
    if (state.grain >= state.grainNeeded) {
        appendReportLine(state, ReportLineKind::Fed);
        state.fedFlag = kYes;
        state.grain -= state.grainNeeded;
        state.rating += 3;
    } else {
        appendReportLine(state, ReportLineKind::Hungry);
        // The people eat what there is, and the harvest is measured on that.
        state.grainNeeded = state.grain;
        state.grain = 0;
        state.fedFlag = kNo;
        state.rating -= 2;
    }
}

void distributeLand(KingdomState& state) {
    if (state.land > state.population) {
        appendReportLine(state, ReportLineKind::LandForAll);
        state.landFlag = kYes;
        state.rating += 2;
    } else {
        appendReportLine(state, ReportLineKind::LandShort);
        state.landFlag = kNo;
        state.rating -= 1;
    }
}

void sowFields(KingdomState& state) {
    if (state.grain >= state.land) {
        appendReportLine(state, ReportLineKind::SownAll);
        state.sownFlag = kYes;
        state.rating += 5;
    } else if (state.grain == 0) {
        appendReportLine(state, ReportLineKind::SownNothing);
        state.sownFlag = kNo;
        state.rating -= 3;
    } else {
        appendReportLine(state, ReportLineKind::SownPart);
        state.sownFlag = kYes;
        state.rating += 1;
    }
    state.harvestSownFlag = state.sownFlag;
}

void updateMood(KingdomState& state) {
    if (state.fedFlag == kYes && state.landFlag == kYes && state.sownFlag == kYes) {
        appendReportLine(state, ReportLineKind::MoodBetter);
        state.moodLevel += 1;
        state.discontentYears = 0;
    } else {
        appendReportLine(state, ReportLineKind::MoodWorse);
        state.moodLevel -= 1;
        state.discontentYears += 1;
    }
    state.rating += 2;
    if (state.moodLevel > 4) {
        state.moodLevel = 4;
    }
    if (state.moodLevel < 0) {
        state.moodLevel = 0;
    }
}

void checkDiscontent(KingdomState& state) {
    if (state.discontentYears == 5) {
        state.rating = 1; // the overthrow marker nextYear looks for
    }
}

namespace {
// From the worst mood to the best: the level is the index.
constexpr std::array<RuleText, 5> kMoodWords = {
    RULE_TEXT("RuleTexts", "Плохое"),         RULE_TEXT("RuleTexts", "Неплохое"),
    RULE_TEXT("RuleTexts", "Хорошее"),        RULE_TEXT("RuleTexts", "Отличное"),
    RULE_TEXT("RuleTexts", "Вас Боготворят"),
};
} // namespace

std::optional<RuleText> moodTemplate(double moodLevel) {
    if (moodLevel <= 0) {
        return kMoodWords[0];
    }
    if (moodLevel >= 4) {
        return kMoodWords[4];
    }
    for (std::size_t level = 1; level < 4; ++level) {
        if (moodLevel == double(level)) {
            return kMoodWords[level];
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> moodWord(double moodLevel) {
    if (const auto text = moodTemplate(moodLevel)) {
        return text->source;
    }
    return std::nullopt;
}

std::optional<double> moodLevelOfWord(std::string_view word) {
    for (std::size_t level = 0; level < kMoodWords.size(); ++level) {
        if (word == kMoodWords[level].source) {
            return double(level);
        }
    }
    return std::nullopt;
}

void gatherHarvest(KingdomState& state, RandomSource& random) {
    if (state.fedFlag == kYes) {
        rollHarvest(state, random);
    } else if (state.harvestSownFlag == kYes) {
        // Only a kingdom without land counts as sown after a hungry year.
        state.grain = state.grainNeeded * 1.5;
        appendReportLine(state, ReportLineKind::HungryHarvest);
    }
}

void rollHarvest(KingdomState& state, RandomSource& random) {
    random.reseed();
    state.harvestRoll = random.draw() * 10.0f;
    if (state.harvestRoll <= 2) {
        state.grain += state.grainNeeded * 1.7;
        appendReportLine(state, ReportLineKind::GoodHarvest);
    } else if (state.harvestRoll <= 7) {
        rollDisaster(state, random);
    } else if (state.harvestRoll <= 9) {
        state.grain += state.grainNeeded * 2;
        appendReportLine(state, ReportLineKind::ExcellentHarvest);
    }
}

void rollDisaster(KingdomState& state, RandomSource& random) {
    const float disaster = random.draw() * 10.0f;
    if (disaster <= 3) {
        state.grain += std::floor(state.grainNeeded * 2 / 1.5);
        appendReportLine(state, ReportLineKind::Rats);
    } else if (disaster <= 8) {
        state.grain += std::floor(state.grainNeeded * 3 / 2);
        appendReportLine(state, ReportLineKind::Flood);
    } else if (disaster <= 9) {
        appendReportLine(state, ReportLineKind::Fire);
    }
}

bool growPopulation(KingdomState& state, RandomSource& random) {
    const double change = std::floor(growthPercent(random.draw()) * state.workers / 100);
    if (state.fedFlag == kYes) {
        state.workers += change;
        appendReportLine(state, ReportLineKind::Births, change);
        state.rating += 1;
    } else {
        state.workers -= change;
        appendReportLine(state, ReportLineKind::Deaths, change);
        state.rating -= 1;
    }
    if (!(state.workers > 0)) {
        state.workers = 0;
        return true;
    }

    const double army = std::floor(growthPercent(random.draw()) * state.soldiers / 100);
    if (state.armyGrowthLevel > 2) {
        state.soldiers += army;
        appendReportLine(state, ReportLineKind::ArmyJoined, army);
        state.rating += 1;
    } else {
        state.soldiers -= army;
        appendReportLine(state, ReportLineKind::ArmyDeserted, army);
        state.rating -= 1;
    }
    if (state.soldiers < 0) {
        state.soldiers = 0;
    }
    return false;
}

YearResult nextYear(KingdomState& state, RandomSource& random) {
    YearResult result;
    state.population = state.soldiers + state.workers;
    state.grainNeeded = state.population * 2;
    startReport(state);
    rollPrices(state, random);

    feedPeople(state);
    distributeLand(state);
    sowFields(state);
    updateMood(state);
    checkDiscontent(state);
    if (state.rating == 1) {
        result.stoppedBeforeHarvest = true;
        result.overthrown = true;
        return result;
    }

    gatherHarvest(state, random);
    if (growPopulation(state, random)) {
        result.starved = true;
        return result;
    }

    if (state.year > state.lastPeaceYear) {
        WarTurnResult war = warTurn(state, random);
        result.shownReport = std::move(war.shownReport);
        result.battle = war.battle;
    } else {
        result.shownReport = takeReport(state);
        state.year += 1;
    }

    result.reignComplete = state.year == 100;
    result.overthrown = state.rating == 1;
    return result;
}

std::string closeBattle(KingdomState& state) {
    return takeReport(state);
}
