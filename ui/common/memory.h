// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace ui {

// Sets the allocator up for a program that decodes big pictures now and then: every block of
// 128 KiB or more gets a mapping of its own, which goes back to the system as soon as it is
// freed (by default the allocator raises that limit after the first such block is freed and
// keeps later ones in its heap). Call once, first thing in main().
void setUpMemory();

// Once window is gone, hands the heap memory it freed back to the system.
void handBackMemoryWhenGone(QWidget *window);

}  // namespace ui
