// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>

#include "game/game.h"
#include "ui/options/form2.h"

class QWidget;

namespace ui {

// The options button's command: creates the options dialog if it is not open (else reuses the
// open one), fills it from the game state, and shows it centred over the main window, without
// an owner and without blocking. OK applies the values to game through Change_setting, then
// closes the dialog. The dialog is destroyed with the main window at the latest.
void openOptionsDialog(QPointer<Form2> &dialog, QWidget *mainWindow, game::Game &game);

}  // namespace ui
