// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// Painters of every picture of the program. Each returns an opaque picture of the exact pixel
// size its window shows it at (each size is defined once, beside its painter); the pictures
// depend on nothing but the loaded fonts.
namespace assetgen {

// Main window.
QImage paintBoardBackground();  // board grid, title, score panel, turn bar
QImage paintLetterS();          // blue shaded S on white
QImage paintLetterO();          // red glossy O on white

// The command buttons 0..2: "Start Game", "Options", "About..".
enum class ButtonLook { Normal, Highlighted, Pressed };
QImage paintButton(int index, ButtonLook look);

// Options dialog: heading and the captions of the rows of controls.
QImage paintOptionsBackground();

// Result window: the three outcomes, each its own height.
QImage paintResultWinner();
QImage paintResultLoser();
QImage paintResultDraw();
QImage paintResultInitial();  // the winner picture with a light flare

// About box.
QImage paintAbout();

// Icons, with transparency; the ICO writer maps them to 16 colours.
QImage paintProgramIcon();          // 32 x 32: blue three-by-three grid with S and O marks
QImage paintSpannerIcon(int size);  // 32 or 16: grey spanner

}  // namespace assetgen
