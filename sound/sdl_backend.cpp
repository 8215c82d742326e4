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

// The SDL2 and SDL2_mixer functions the backend calls. The libraries are loaded when the
// device is first opened, not when the program starts: SDL2_mixer brings some forty
// libraries more along (codecs, sound servers, windowing), and loading them before the main
// window's first frame costs start-up time for nothing yet heard.
struct SdlApi {
    decltype(&SDL_SetHint) setHint = nullptr;
    decltype(&SDL_Init) init = nullptr;
    decltype(&SDL_Quit) quit = nullptr;
    decltype(&SDL_RWFromConstMem) rwFromConstMem = nullptr;
    decltype(&Mix_OpenAudio) openAudio = nullptr;
    decltype(&Mix_AllocateChannels) allocateChannels = nullptr;
    decltype(&Mix_LoadWAV_RW) loadWavRw = nullptr;
    decltype(&Mix_PlayChannel) playChannel = nullptr;
    decltype(&Mix_HaltChannel) haltChannel = nullptr;
    decltype(&Mix_FreeChunk) freeChunk = nullptr;
    decltype(&Mix_CloseAudio) closeAudio = nullptr;
    decltype(&Mix_Playing) playing = nullptr;
};

template <typename Function>
bool resolve(void *library, const char *name, Function &function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Loads the libraries once and for good; null when they or any function are missing.
const SdlApi *sdlApi() {
    static const SdlApi *const api = []() -> const SdlApi * {
        // SDL2_mixer's handle also finds the SDL2 functions: SDL2 is one of its dependencies.
        void *mixer = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!mixer) return nullptr;
        static SdlApi loaded;
        const bool complete = resolve(mixer, "SDL_SetHint", loaded.setHint) &&
                              resolve(mixer, "SDL_Init", loaded.init) &&
                              resolve(mixer, "SDL_Quit", loaded.quit) &&
                              resolve(mixer, "SDL_RWFromConstMem", loaded.rwFromConstMem) &&
                              resolve(mixer, "Mix_OpenAudio", loaded.openAudio) &&
                              resolve(mixer, "Mix_AllocateChannels", loaded.allocateChannels) &&
                              resolve(mixer, "Mix_LoadWAV_RW", loaded.loadWavRw) &&
                              resolve(mixer, "Mix_PlayChannel", loaded.playChannel) &&
                              resolve(mixer, "Mix_HaltChannel", loaded.haltChannel) &&
                              resolve(mixer, "Mix_FreeChunk", loaded.freeChunk) &&
                              resolve(mixer, "Mix_CloseAudio", loaded.closeAudio) &&
                              resolve(mixer, "Mix_Playing", loaded.playing);
        return complete ? &loaded : nullptr;  // the libraries stay loaded either way
    }();
    return api;
}

}  // namespace

SdlBackend::~SdlBackend() {
    close();
}

bool SdlBackend::open() {
    if (m_open) return true;
    quietenAlsa();
    const SdlApi *sdl = sdlApi();
    if (!sdl) return false;
    // Ctrl+C and the like stay with the program, and the sound server shows our name.
    sdl->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl->setHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Trilet");
    if (sdl->init(SDL_INIT_AUDIO) != 0) return false;
    if (sdl->openAudio(kFrequency, AUDIO_S16SYS, kMonoChannels, kChunkSamples) != 0) {
        sdl->quit();
        return false;
    }
    sdl->allocateChannels(1);
    m_open = true;
    return true;
}

bool SdlBackend::start(const char *data, std::size_t size) {
    if (!m_open || size > static_cast<std::size_t>(INT_MAX)) return false;
    stop();
    const SdlApi *sdl = sdlApi();  // loaded: the device is open
    SDL_RWops *stream = sdl->rwFromConstMem(data, static_cast<int>(size));
    if (!stream) return false;
    m_chunk = sdl->loadWavRw(stream, 1);  // closes the stream in every case
    if (!m_chunk) return false;
    if (sdl->playChannel(kChannel, m_chunk, 0) < 0) {
        sdl->freeChunk(m_chunk);
        m_chunk = nullptr;
        return false;
    }
    return true;
}

void SdlBackend::stop() {
    if (!m_open) return;
    // The mixer may still be reading the chunk: halt the channel before freeing it.
    const SdlApi *sdl = sdlApi();
    sdl->haltChannel(kChannel);
    if (m_chunk) {
        sdl->freeChunk(m_chunk);
        m_chunk = nullptr;
    }
}

void SdlBackend::close() {
    if (!m_open) return;
    stop();
    sdlApi()->closeAudio();
    sdlApi()->quit();
    m_open = false;
}

bool SdlBackend::isPlaying() const {
    return m_open && sdlApi()->playing(kChannel) != 0;
}

}  // namespace sound
