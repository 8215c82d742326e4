// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace game {

// What the options dialog hands to Change_setting, read off its controls.
struct OptionValues {
    bool mode1Blue = true;   // "Vs Player" shows the selected colour
    bool mode2Blue = false;  // "Vs Computer" shows the selected colour
    std::string name1;       // UTF-8, as typed
    std::string name2;
    bool soundOn = true;     // "ON" is selected
    bool untilFull = true;   // "Until All box filled" is checked
    std::string targetText;  // the score target box, as typed
};

// The number a text starts with: blanks, tabs and line feeds are skipped wherever they
// stand; an optional sign, digits and one decimal point are read as far as they go; the
// first other character ends it. No number at the start gives 0.
double numericValue(std::string_view text);

// Whether OK may apply these values: false when a target is wanted (untilFull off) and
// its numeric value is below 1.
bool targetAcceptable(const OptionValues &values);

}  // namespace game
