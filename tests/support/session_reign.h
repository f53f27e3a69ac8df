// A reign played through the session alone, the way a player does it: the careful king hires
// before a battle, buys land and grain, presses «Дальше» and closes every battle. For the tests,
// the benchmarks and the fuzzers' seeds.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "reign/reign_session.h"

// How the played reign ended.
enum class PlayedEnd { Complete, Overthrown, Starved, OutOfPresses };

// The king's trading between two years: hires 1/hireDivisor of the mercenaries bar the year
// before a battle, then buys land for everybody and grain to feed everybody and sow the land.
inline void playCarefulTrading(ReignSession& session, int hireDivisor) {
    const KingdomState& state = session.state();
    if (state.warCountdown == 1) {
        session.showMercenaries();
        session.hireByBar(session.screen().mercenaries.barMax / hireDivisor);
    }
    session.showBuying();
    const double people = state.workers + state.soldiers;
    const double landShort = people + 1 - state.land;
    if (landShort > 0) {
        session.buyTyped(Good::Land, std::to_string(static_cast<long long>(landShort)));
    }
    const double grainShort = 2 * people + state.land - state.grain;
    if (grainShort > 0) {
        session.buyTyped(Good::Grain, std::to_string(static_cast<long long>(grainShort) + 1));
    }
}

// Plays on from where the session stands until the reign ends or `presses` presses of «Дальше»
// are made. `afterYear` sees every year end (a battle before its acknowledgement); a battle is
// then acknowledged. Returns how the reign ended.
inline PlayedEnd playCarefulReign(ReignSession& session, int hireDivisor, int presses = 1000,
                                  const std::function<void(ReignSession&)>& afterYear = {}) {
    for (int press = 0; press < presses; ++press) {
        playCarefulTrading(session, hireDivisor);
        session.nextYear();
        if (afterYear) {
            afterYear(session);
        }
        if (session.phase() == ReignPhase::Battle) {
            session.acknowledgeBattle();
        }
        for (const Notice& notice : session.notices()) {
            switch (notice.kind) {
            case Notice::Kind::Overthrown:
                return PlayedEnd::Overthrown;
            case Notice::Kind::Starved:
                return PlayedEnd::Starved;
            default:
                break;
            }
        }
        if (session.phase() == ReignPhase::EndOfReign) {
            return PlayedEnd::Complete;
        }
        session.takeNotices();
    }
    return PlayedEnd::OutOfPresses;
}
