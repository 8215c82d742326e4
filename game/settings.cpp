// SPDX-License-Identifier: MIT
#include "settings.h"

#include <string>

namespace game {

double numericValue(std::string_view text) {
    // Keep only what counts: blanks, tabs and line feeds are dropped wherever they stand.
    std::string compact;
    for (char ch : text) {
        if (ch != ' ' && ch != '\t' && ch != '\n') compact += ch;
    }

    std::size_t i = 0;
    double sign = 1.0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        if (compact[i] == '-') sign = -1.0;
        ++i;
    }
    double value = 0.0;
    bool seenPoint = false;
    double scale = 1.0;
    for (; i < compact.size(); ++i) {
        const char ch = compact[i];
        if (ch >= '0' && ch <= '9') {
            if (seenPoint) {
                scale /= 10.0;
                value += (ch - '0') * scale;
            } else {
                value = value * 10.0 + (ch - '0');
            }
        } else if (ch == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    return sign * value;
}

bool targetAcceptable(const Options &options) {
    return options.untilFull || numericValue(options.targetText) >= 1.0;
}

}  // namespace game
