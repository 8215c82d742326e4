// SPDX-License-Identifier: MIT
#pragma once

#include <random>

namespace game {

// Uniform numbers in [0, 1) for the computer's random fallback.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Called before each random fallback: production re-seeds from the time of day.
    virtual void reseed() = 0;
    virtual double next() = 0;
};

// The production source: a Mersenne twister re-seeded from the clock.
class ClockRandom final : public RandomSource {
public:
    void reseed() override;
    double next() override;

private:
    std::mt19937_64 m_engine{std::random_device{}()};
};

}  // namespace game
