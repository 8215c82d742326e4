// SPDX-License-Identifier: MIT
#include "sound/sdl_backend.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>
#include <climits>

namespace sound {

namespace {
constexpr int kFrequency = 22050;
constexpr int kMonoChannels = 1;
constexpr int kChunkSamples = 512;
constexpr int kChannel = 0;

using AlsaErrorHandler = void (*)(const char *, int, const char *, int, const char *, ...);

void ignoreAlsaError(const char *, int, const char *, int, const char *, ...) {}

// On a machine without a sound card ALSA, the fallback SDL tries after PulseAudio, writes
// a screenful of errors to stderr. A missing device is no news to the player: when the
// library is there, quieten it before SDL loads it (the same instance then).
void quietenAlsa() {
    static const bool done = [] {
        void *alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
        if (!alsa) return true;
        using SetHandler = int (*)(AlsaErrorHandler);
        if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
            set(ignoreAlsaError);
        return true;  // the library stays loaded for the handler's sake
    }();
    (void)done;
}

}  // namespace

SdlBackend::~SdlBackend() {
    close();
}

bool SdlBackend::open() {
    if (m_open) return true;
    // Ctrl+C and the like stay with the program, and the sound server shows our name.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Trilet");
    quietenAlsa();
    if (SDL_Init(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kMonoChannels, kChunkSamples) != 0) {
        SDL_Quit();
        return false;
    }
    Mix_AllocateChannels(1);
    m_open = true;
    return true;
}

bool SdlBackend::start(const char *data, std::size_t size) {
    if (!m_open || size > static_cast<std::size_t>(INT_MAX)) return false;
    stop();
    SDL_RWops *stream = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (!stream) return false;
    m_chunk = Mix_LoadWAV_RW(stream, 1);  // closes the stream in every case
    if (!m_chunk) return false;
    if (Mix_PlayChannel(kChannel, m_chunk, 0) < 0) {
        Mix_FreeChunk(m_chunk);
        m_chunk = nullptr;
        return false;
    }
    return true;
}

void SdlBackend::stop() {
    if (!m_open) return;
    // The mixer may still be reading the chunk: halt the channel before freeing it.
    Mix_HaltChannel(kChannel);
    if (m_chunk) {
        Mix_FreeChunk(m_chunk);
        m_chunk = nullptr;
    }
}

void SdlBackend::close() {
    if (!m_open) return;
    stop();
    Mix_CloseAudio();
    SDL_Quit();
    m_open = false;
}

bool SdlBackend::isPlaying() const {
    return m_open && Mix_Playing(kChannel) != 0;
}

}  // namespace sound
