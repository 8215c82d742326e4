// SPDX-License-Identifier: MIT
#include "ui/common/font_config_loader.h"

#include <fontconfig/fontconfig.h>

namespace ui {

// fontconfig is thread-safe: should anything ask it for fonts meanwhile, that reads the same
// configuration itself, and the one read second is dropped.
FontConfigLoader::FontConfigLoader() : m_thread([] { FcInit(); }) {}

FontConfigLoader::~FontConfigLoader() {
    wait();
}

void FontConfigLoader::wait() {
    if (m_thread.joinable()) m_thread.join();
}

}  // namespace ui
