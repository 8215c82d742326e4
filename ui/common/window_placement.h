// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace ui {

// Shows a secondary top-level window and brings it to the front. Opened the first time, it
// is centred over the main window (kept on the main window's screen); one already open stays
// where it is.
void showCentredOver(QWidget *window, const QWidget *mainWindow);

}  // namespace ui
