// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace ui {

// Shows a secondary top-level window centred over the main window (kept on the main
// window's screen) and brings it to the front. Works for a window opened the first time
// and for one that is already open.
void showCentredOver(QWidget *window, const QWidget *mainWindow);

}  // namespace ui
