// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <memory>

#include "sound/sound_backend.h"

namespace sound {

// Plays the embedded sounds :/sounds/N.wav through a backend, one at a time.
//
// The device is opened once, by warmUp() or by the first play(); when that fails the
// player stays silent for good and never asks the backend again. Every play() reads the
// sound's bytes afresh into sound_image, the one buffer the backend plays from. The sound
// still playing is stopped before that buffer takes the new bytes, so the backend never
// plays from released memory.
class SoundPlayer {
public:
    explicit SoundPlayer(std::unique_ptr<SoundBackend> backend);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    void warmUp();
    // Sound 1, 2 or 3; anything without a resource is ignored.
    void play(int sound);
    // Stops and closes the device; afterwards play() is silent.
    void shutDown();

private:
    enum class Device { NotOpened, Open, Unavailable, ShutDown };

    bool deviceReady();

    std::unique_ptr<SoundBackend> m_backend;
    Device m_device = Device::NotOpened;
    QByteArray sound_image;
};

}  // namespace sound
