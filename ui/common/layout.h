// SPDX-License-Identifier: MIT
#pragma once

// Where everything sits in the program's windows, in one unit: twips of a window's client
// area, 15 to the pixel at 96 dots per inch. Standard C++ only, so that the windows, the asset
// generator and the tests all read the same table.

#include "game/game_state.h"

namespace layout {

// A rectangle in twips; width and height 0 where a control takes the size of its content.
struct Box {
    int left = 0, top = 0, width = 0, height = 0;
};

// A twip figure as the nearest whole pixel (half a pixel rounds up).
constexpr int px(int twips) {
    return (twips * 2 + 15) / 30;
}

// The main window.
inline constexpr Box kMainClient{0, 0, 7950, 5880};
inline constexpr int kCellSide = 525;                  // a cell is a square
inline constexpr int kCellLeft = 160, kCellTop = 130;  // cell 1
inline constexpr int kCellPitch = 575;                 // from one cell to the next
constexpr Box cell(int n) {
    return {kCellLeft + kCellPitch * (game::columnOf(n) - 1),
            kCellTop + kCellPitch * (game::rowOf(n) - 1), kCellSide, kCellSide};
}
constexpr Box commandButton(int i) {  // Start Game 0, Options 1 and About 2
    return {5520, 1440 + 720 * i, 2250, 675};
}
inline constexpr Box kTimeLabel{6720, 5520, 0, 0};
inline constexpr Box kTurnLabel{3360, 5520, 0, 0};
constexpr Box nameLabel(int slot) {  // slots 1 and 2
    return {5640, slot == 1 ? 4080 : 4320, 0, 0};
}
constexpr Box scoreLabel(int slot) {
    return {6960, slot == 1 ? 4080 : 4320, 0, 0};
}
// The labels' fonts: every one is bold kLabelFace, at its own point size.
inline constexpr const char *kLabelFace = "MS Sans Serif";
inline constexpr double kTimeLabelPoints = 12;
inline constexpr double kTurnLabelPoints = 13.5;
inline constexpr double kScoreLabelPoints = 9.75;
inline constexpr double kNameLabelPoints = 8.25;

// The options dialog.
inline constexpr Box kOptionsClient{0, 0, 5145, 3435};
constexpr Box modeLabel(int i) {  // i: 1 "Vs Player", 2 "Vs Computer"
    return {i == 1 ? 2160 : 3120, 1080, 0, 0};
}
inline constexpr Box kTargetBox{3240, 1400, 375, 285};
inline constexpr Box kUntilFull{3720, 1320, 1215, 495};
constexpr Box nameBox(int i) {  // i: 1, 2
    return {1800, i == 1 ? 1680 : 2040, 1335, 285};
}
constexpr Box soundButton(int i) {  // i: 1 "ON", 2 "OFF"
    return i == 1 ? Box{2160, 2400, 375, 255} : Box{2640, 2400, 495, 255};
}
inline constexpr Box kCancel{3240, 3000, 855, 375};
inline constexpr Box kOkey{4200, 3000, 855, 375};

// The result window and the About box: no frame, so the client area is the window.
inline constexpr Box kResultClient{0, 0, 7200, 5820};
inline constexpr Box kResultName{3720, 840, 3375, 630};
inline constexpr Box kAboutClient{0, 0, 6000, 4485};

}  // namespace layout
