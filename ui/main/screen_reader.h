// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace ui {

// What a screen reader says for cell n (1..81) holding letter (game::kEmpty, kS or kO):
// "Row 3, column 7: S", "Row 3, column 7: O" or "Row 3, column 7: empty".
QString cellReading(int n, int letter);

// What it says for a struck line: "S-O-S from row 1, column 1 to row 1, column 3".
QString strikeReading(int firstCell, int lastCell);

// Makes the command buttons read as push buttons that assistive technology can press, and
// the cells and the struck-lines layer as texts. Installed once; later calls do nothing.
void installAccessibleControls();

}  // namespace ui
