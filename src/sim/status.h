// The status column's figures and warnings.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/kingdom_state.h"

struct StatusView {
    std::string money;                        // number text of money
    std::string workers;                      // of workers
    std::string soldiers;                     // of soldiers
    std::string total;                        // of workers + soldiers
    std::string landNeeded;                   // of workers + soldiers
    std::string grainNeeded;                  // of 3 x (workers + soldiers)
    bool landWarning = false;                 // fewer units of land than people
    bool grainWarning = false;                // less than two tons of grain a person
    std::optional<std::string_view> moodWord; // nothing: leave the shown word as it is
};

StatusView statusView(const KingdomState& state);
