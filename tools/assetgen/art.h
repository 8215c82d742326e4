// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// Painters of every picture of the program. Each returns an opaque picture of the exact pixel
// size its window shows it at; the pictures depend on nothing but the loaded fonts.
namespace assetgen {

// Main window.
QImage paintBoardBackground();  // 532 x 393: board grid, title, score panel, turn bar
QImage paintLetterS();          // 33 x 34: blue shaded S on white
QImage paintLetterO();          // 33 x 34: red glossy O on white

// The image buttons tombol(0..2): "Start Game", "Options", "About..".
enum class ButtonLook { Normal, Highlighted, Pressed };
QImage paintButton(int index, ButtonLook look);  // 150 x 45

// Options dialog.
QImage paintOptionsBackground();  // 340 x 220

// Result window.
QImage paintResultWinner();   // 479 x 385
QImage paintResultLoser();    // 479 x 380
QImage paintResultDraw();     // 479 x 384
QImage paintResultInitial();  // 479 x 385: the winner picture with a light flare

// About box.
QImage paintAbout();  // 400 x 300

// Icons, with transparency; the ICO writer maps them to 16 colours.
QImage paintProgramIcon();          // 32 x 32: blue three-by-three grid with S and O marks
QImage paintSpannerIcon(int size);  // 32 or 16: grey spanner

}  // namespace assetgen
