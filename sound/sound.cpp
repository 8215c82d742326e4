// SPDX-License-Identifier: MIT
#include "sound/sound.h"

#include <QTimer>
#include <memory>

#include "sound/pulse_backend.h"
#include "sound/sound_player.h"

namespace sound {

namespace {

// The player and the timer that lets its path go, made by the first sound.
struct ProgramSound {
    QTimer releaseTimer;
    SoundPlayer player{std::make_unique<PulseBackend>(),
                       [this](std::chrono::milliseconds delay) { releaseTimer.start(delay); }};

    ProgramSound() {
        releaseTimer.setSingleShot(true);
        QObject::connect(&releaseTimer, &QTimer::timeout, &releaseTimer,
                         [this] { player.release(); });
    }
};

std::unique_ptr<ProgramSound> programSound;
bool gameRunning = false;
bool shutDownDone = false;

}  // namespace

void Play_sound(int sound) {
    if (shutDownDone) return;
    if (!programSound) {
        programSound = std::make_unique<ProgramSound>();
        programSound->player.hold(gameRunning);
    }
    programSound->player.play(sound);
}

void setGameRunning(bool running) {
    gameRunning = running;
    if (programSound) programSound->player.hold(running);
}

void shutDown() {
    shutDownDone = true;
    programSound.reset();
}

}  // namespace sound
