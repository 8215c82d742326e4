// SPDX-License-Identifier: MIT
#pragma once

namespace ui {

// The window's labels ask for "MS Sans Serif", which Linux desktops lack; Liberation Sans
// is the closest face that is always installed with the program. Call once at start-up,
// before any window is built.
void installFontSubstitutes();

}  // namespace ui
