// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

#include "game/game_state.h"

namespace ui {

// The window is laid out in twips, 15 to the pixel at 96 dots per inch. A twip figure
// becomes the nearest whole pixel.
constexpr int fromTwips(int twips) {
    return (twips * 2 + 15) / 30;
}

constexpr QPoint fromTwips(int left, int top) {
    return {fromTwips(left), fromTwips(top)};
}

constexpr QRect fromTwips(int left, int top, int width, int height) {
    return {fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height)};
}

// Cell n (1..81): 525 twips square, 575 twips from one cell to the next, the first cell
// at left 160, top 130.
inline constexpr int kCellSize = 35;

constexpr QPoint cellPosition(int n) {
    return fromTwips(160 + 575 * (game::columnOf(n) - 1), 130 + 575 * (game::rowOf(n) - 1));
}

}  // namespace ui
