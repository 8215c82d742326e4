// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace ui {

// Asks whether a running game may be thrown away: "Are you serious to reset the game !!",
// Yes or No, Yes the default, modal to the whole program. True for Yes.
bool askResetGame(QWidget *mainWindow);

}  // namespace ui
