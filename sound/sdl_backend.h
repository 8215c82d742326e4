// SPDX-License-Identifier: MIT
#pragma once

#include "sound/sound_backend.h"

struct Mix_Chunk;

namespace sound {

// Audio output through SDL2_mixer: 22050 Hz, 16-bit mono, a single mixing channel, so a
// sound started on it cuts the one still playing.
class SdlBackend final : public SoundBackend {
public:
    SdlBackend() = default;
    ~SdlBackend() override;
    SdlBackend(const SdlBackend &) = delete;
    SdlBackend &operator=(const SdlBackend &) = delete;

    bool open() override;
    bool start(const char *data, std::size_t size) override;
    void stop() override;
    void close() override;

    // Whether the channel is still playing a sound.
    bool isPlaying() const;

private:
    Mix_Chunk *m_chunk = nullptr;
    bool m_open = false;
};

}  // namespace sound
