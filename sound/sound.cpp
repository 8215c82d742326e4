// SPDX-License-Identifier: MIT
#include "sound/sound.h"

#include <memory>

#include "sound/sdl_backend.h"
#include "sound/sound_player.h"

namespace sound {

namespace {
SoundPlayer &programPlayer() {
    static SoundPlayer player(std::make_unique<SdlBackend>());
    return player;
}
}  // namespace

void Play_sound(int sound) {
    programPlayer().play(sound);
}

void warmUp() {
    programPlayer().warmUp();
}

void shutDown() {
    programPlayer().shutDown();
}

}  // namespace sound
