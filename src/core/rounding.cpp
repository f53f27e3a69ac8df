// Rounding halves to the even neighbour, and the range of a scroll bar.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rounding.h"

#include <cmath>

double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) {
        return below + 1;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::int16_t barRange(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double whole = roundHalfEven(value);
    if (whole > 32767) {
        return 32767;
    }
    if (whole < -32768) {
        return -32768;
    }
    return static_cast<std::int16_t>(whole);
}
