// SPDX-License-Identifier: MIT
#include "sound/canberra_backend.h"

#include <canberra.h>

#include <string>

namespace sound {

namespace {
constexpr std::uint32_t kPlayId = 1;
}

CanberraBackend::~CanberraBackend() {
    close();
}

bool CanberraBackend::open() {
    if (m_context) return true;
    if (ca_context_create(&m_context) < 0) return false;
    ca_context_set_driver(m_context, "pulse");
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Trilet", CA_PROP_APPLICATION_ID,
                            "com.kovlane.trilet", CA_PROP_APPLICATION_ICON_NAME,
                            "com.kovlane.trilet", nullptr);
    if (ca_context_open(m_context) < 0) {
        close();
        return false;
    }
    return true;
}

bool CanberraBackend::start(int sound, const char *, std::size_t) {
    if (!m_context) return false;
    const std::string file = TRILET_SOUND_DIR "/" + std::to_string(sound) + ".wav";
    const std::string id = "trilet-" + std::to_string(sound);
    const int result = ca_context_play(m_context, kPlayId, CA_PROP_EVENT_ID, id.c_str(),
                                       CA_PROP_MEDIA_FILENAME, file.c_str(), CA_PROP_MEDIA_ROLE,
                                       "event", CA_PROP_CANBERRA_CACHE_CONTROL, "volatile", nullptr);
    return result != CA_ERROR_DESTROYED && result != CA_ERROR_STATE;
}

void CanberraBackend::stop() {
    if (m_context) ca_context_cancel(m_context, kPlayId);
}

void CanberraBackend::close() {
    if (m_context) ca_context_destroy(m_context);
    m_context = nullptr;
}

}  // namespace sound
