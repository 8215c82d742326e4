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

std::string clockText(int hours, int minutes, int seconds) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hours, minutes, seconds);
    return text;
}

}  // namespace game
