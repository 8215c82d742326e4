// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "game_state.h"

namespace game {

// One tick of the game clock: one more second, carried into minutes and hours.
void advanceClock(GameState &state);

// "hh:mm:ss", each field at least two digits; hours grow past two (as "100:00:00").
std::string clockText(int hours, int minutes, int seconds);

}  // namespace game
