// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

namespace ui {

// Where cell n (1..81) stands, as a screen reader says it: "row 3, column 7".
QString place(int n);

// A cell's content (game::kEmpty, kS or kO) as a screen reader says it: "empty", "S" or "O".
QString letterReading(int letter);

// What a screen reader says for cell n (1..81) holding letter (game::kEmpty, kS or kO):
// "Row 3, column 7: S", "Row 3, column 7: O" or "Row 3, column 7: empty".
QString cellReading(int n, int letter);

// What it says for a struck line: "S-O-S from row 1, column 1 to row 1, column 3".
QString strikeReading(int firstCell, int lastCell);

// Makes the command buttons read as push buttons that assistive technology can press, the
// cells as texts it can place S or O in and have their lines read, the main window as a window
// that reads the score, the turn and the last move, the result window and the About box as
// windows it can close, and the struck-lines layer as a text. Installed once; later calls do
// nothing.
void installAccessibleControls();

// Tells assistive technology that control now has the focus (the keyboard's cursor moved).
void announceFocus(QWidget *control);

}  // namespace ui
