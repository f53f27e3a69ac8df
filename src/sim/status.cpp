// The status column's figures, computed afresh from the people and the stocks.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/status.h"

#include "core/number_text.h"
#include "sim/year.h"

StatusView statusView(const KingdomState& state) {
    const double people = state.workers + state.soldiers;
    StatusView view;
    view.money = numberText(state.money);
    view.workers = numberText(state.workers);
    view.soldiers = numberText(state.soldiers);
    view.total = numberText(people);
    view.landNeeded = numberText(people);
    // The label asks for three tons a head, but only less than the two that are eaten warns.
    view.grainNeeded = numberText(3 * people);
    view.grainWarning = 2 * people > state.grain;
    view.landWarning = people > state.land;
    view.moodWord = moodWord(state.moodLevel);
    return view;
}
