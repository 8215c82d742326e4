// SPDX-License-Identifier: MIT
#pragma once

#include "sound/sound_backend.h"

struct ca_context;

namespace sound {

// Sound through libcanberra's PulseAudio driver: each sound is played by event id from its
// WAVE file, cached on the server by the library.
class CanberraBackend final : public SoundBackend {
public:
    CanberraBackend() = default;
    ~CanberraBackend() override;
    CanberraBackend(const CanberraBackend &) = delete;
    CanberraBackend &operator=(const CanberraBackend &) = delete;

    bool open() override;
    bool start(int sound, const char *data, std::size_t size) override;
    void stop() override;
    void close() override;

private:
    ca_context *m_context = nullptr;
};

}  // namespace sound
