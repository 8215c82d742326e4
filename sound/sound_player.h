// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <chrono>
#include <functional>
#include <memory>

#include "sound/sound_backend.h"
#include "sound/wave.h"

namespace sound {

// Plays the embedded sounds :/sounds/N.wav through a backend, one at a time, holding the
// sound path only while it is needed.
//
// The path is opened by the first sound. While the player is held (a game runs) it stays
// open between sounds; otherwise it is closed kReleaseAfter after the last sound has ended,
// so a quiet program runs nothing of it. When it cannot be opened, sounds are silent, the
// reason is logged once per run (category "trilet.sound"), and it is asked for again only
// kRetryAfter later: a machine without sound pays one attempt per kRetryAfter, and a sound
// system that comes back is heard again. When the path broke while open (the sound system
// was restarted), the next sound opens it anew.
//
// Every play() reads the sound's bytes afresh into sound_image, the one buffer the backend
// plays from. The sound still playing is stopped before that buffer takes the new bytes, so
// the backend never plays from released memory.
class SoundPlayer {
public:
    static constexpr std::chrono::milliseconds kReleaseAfter{500};
    static constexpr std::chrono::milliseconds kRetryAfter{2000};

    // Asks for release() to be called once delay has passed, in place of any earlier request.
    using Alarm = std::function<void(std::chrono::milliseconds delay)>;

    SoundPlayer(std::unique_ptr<SoundBackend> backend, Alarm alarm);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    // Sound 1, 2 or 3; anything without a usable resource is ignored. Returns at once.
    void play(int sound);
    // Held, an open path stays open between sounds; let go, it closes once the last sound
    // has ended.
    void hold(bool held);
    // The alarm's call: closes the path (the quiet time has passed and it is not held), or
    // ends the wait after a failed open.
    void release();
    // Stops and closes the path for good; afterwards play() is silent.
    void shutDown();

private:
    enum class Path { Closed, Open, Unavailable, ShutDown };

    bool openPath();
    void setAlarm(std::chrono::milliseconds delay);
    void tellWhySilent();

    std::unique_ptr<SoundBackend> m_backend;
    Alarm m_alarm;
    Path m_path = Path::Closed;
    bool m_held = false;
    bool m_alarmSet = false;
    bool m_toldWhySilent = false;
    QByteArray sound_image;
};

}  // namespace sound
