// The game's one source of random numbers, a scripted source for tests, and how draws become
// whole numbers.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <random>

// Draws are single-precision numbers in [0, 1), as the game's formulas expect.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float draw() = 0;
    // Reseeds from the clock (a new game, and the harvest of every fed year).
    virtual void reseed() = 0;
};

class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    // A fixed seed makes the whole run repeatable: reseeding then draws the new seed from the
    // generator itself instead of the clock (soak tests and benchmarks).
    explicit ClockRandom(std::uint64_t seed);
    float draw() override;
    void reseed() override;

private:
    std::uint64_t next();

    // SplitMix64: reseeding is a single store, which matters because every fed year reseeds.
    std::uint64_t m_state = 0;
    bool m_fixedSeed = false;
};

// Hands out exactly the draws a test gives it; running out is a test error and throws.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> draws);
    void push(float value);
    void push(std::initializer_list<float> draws);
    float draw() override;
    void reseed() override { ++m_reseeds; }

    std::size_t remaining() const { return m_draws.size(); }
    int reseeds() const { return m_reseeds; }
    int drawsTaken() const { return m_taken; }

private:
    std::deque<float> m_draws;
    int m_reseeds = 0;
    int m_taken = 0;
};

// The largest draw the source can produce: the single-precision number just below 1.
inline constexpr float kLargestDraw = 0x1.fffffep-1f;

// Int(x) of a single-precision product, kept inside the range the formula promises: near a draw
// of 1 the single-precision sum can round up to the next whole number.
int truncatedDraw(float value, int highest);
