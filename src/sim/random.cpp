// The clock-seeded generator and the scripted one.
#include "sim/random.h"

#include <chrono>
#include <stdexcept>

namespace {
std::uint64_t clockSeed() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

ClockRandom::ClockRandom() : m_engine(static_cast<std::mt19937::result_type>(clockSeed())) {}

ClockRandom::ClockRandom(std::uint64_t seed)
    : m_engine(static_cast<std::mt19937::result_type>(seed)), m_fixedSeed(true) {}

float ClockRandom::draw() {
    // 24 random bits give every float of the form k / 2^24, so 0 <= draw < 1 always holds.
    return static_cast<float>(m_engine() >> 8) * 0x1p-24f;
}

void ClockRandom::reseed() {
    m_engine.seed(m_fixedSeed ? m_engine() : static_cast<std::mt19937::result_type>(clockSeed()));
}

ScriptedRandom::ScriptedRandom(std::initializer_list<float> draws) : m_draws(draws) {}

void ScriptedRandom::push(float value) { m_draws.push_back(value); }

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
