// SPDX-License-Identifier: MIT
#pragma once

#include <thread>

namespace ui {

// Reads the system's font configuration (fontconfig's files and caches) on a thread of its
// own, so that it overlaps with the program's connecting to the display. That reading is the
// largest part of start-up after the libraries are loaded, and the first text laid out waits
// for it. The configuration read is the one the program would read itself; it only comes
// sooner.
class FontConfigLoader {
public:
    FontConfigLoader();
    ~FontConfigLoader();
    FontConfigLoader(const FontConfigLoader &) = delete;
    FontConfigLoader &operator=(const FontConfigLoader &) = delete;

    // Returns once the configuration is read. Call before the first font is used.
    void wait();

private:
    std::thread m_thread;
};

}  // namespace ui
