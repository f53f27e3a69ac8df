// The clock-seeded generator, the scripted one, and whole numbers from draws.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/random.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

namespace {
std::uint64_t clockSeed() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

ClockRandom::ClockRandom() : m_state(clockSeed()) {}

ClockRandom::ClockRandom(std::uint64_t seed) : m_state(seed), m_fixedSeed(true) {}

std::uint64_t ClockRandom::next() {
    std::uint64_t z = (m_state += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

float ClockRandom::draw() {
    // 24 random bits give every float of the form k / 2^24, so 0 <= draw < 1 always holds.
    return static_cast<float>(next() >> 40) * 0x1p-24f;
}

void ClockRandom::reseed() {
    // The clock alone would repeat a sequence when two reseeds fall on the same tick; mixing
    // it into the state keeps them apart.
    m_state = m_fixedSeed ? next() : (m_state ^ clockSeed());
}

ScriptedRandom::ScriptedRandom(std::initializer_list<float> draws) : m_draws(draws) {}

void ScriptedRandom::push(float value) {
    m_draws.push_back(value);
}

void ScriptedRandom::push(std::initializer_list<float> draws) {
    m_draws.insert(m_draws.end(), draws);
}

float ScriptedRandom::draw() {
    if (m_draws.empty()) {
        throw std::logic_error("ScriptedRandom: no draws left");
    }
    float value = m_draws.front();
    m_draws.pop_front();
    ++m_taken;
    return value;
}

int truncatedDraw(float value, int highest) {
    // A draw just below 1 can push the single-precision sum onto the next whole number; the
    // promised top of the range is the most the formula may yield.
    const float whole = std::floor(value);
    if (!(whole < static_cast<float>(highest))) {
        return highest;
    }
    return static_cast<int>(whole);
}
