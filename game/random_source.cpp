// SPDX-License-Identifier: MIT
#include "random_source.h"

#include <chrono>

namespace game {

void ClockRandom::reseed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    m_engine.seed(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

double ClockRandom::next() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}

}  // namespace game
