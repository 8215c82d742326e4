// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "game_state.h"

namespace game {

// The options as the player chose them in the options dialog.
struct Options {
    GameMode mode = GameMode::TwoPlayers;
    std::string name1;  // UTF-8, as typed; empty gives the default name
    std::string name2;
    bool soundOn = true;
    bool untilFull = true;   // play until the board is full; the target text is then ignored
    std::string targetText;  // the winning score, as typed
};

// The number a text starts with: blanks, tabs and line feeds are skipped wherever they
// stand; an optional sign, digits and one decimal point are read as far as they go; the
// first other character ends it. No number at the start gives 0.
double numericValue(std::string_view text);

// Whether the options may be taken over: false when a target is wanted (untilFull off) and
// its numeric value is below 1.
bool targetAcceptable(const Options &options);

}  // namespace game
