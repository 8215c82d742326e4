// SPDX-License-Identifier: MIT
#include "game_clock.h"

#include <cstdio>

namespace game {

void advanceClock(GameState &state) {
    state.clock_seconds = static_cast<std::int16_t>(state.clock_seconds + 1);
    if (state.clock_seconds >= 60) {
        state.clock_minutes += 1;
        state.clock_seconds = static_cast<std::int16_t>(state.clock_seconds - 60);
    }
    if (state.clock_minutes >= 60) {
        state.clock_hours += 1;
        state.clock_minutes -= 60;
    }
}

std::string clockText(const GameState &state) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", state.clock_hours, state.clock_minutes,
                  static_cast<int>(state.clock_seconds));
    return text;
}

}  // namespace game
