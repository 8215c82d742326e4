// SPDX-License-Identifier: MIT
#include "sound/pulse_backend.h"

#include <dlfcn.h>
#include <pulse/pulseaudio.h>
#include <unistd.h>

#include <random>

#include "sound/wave.h"

namespace sound {

namespace {

// The libpulse functions the backend calls, loaded on the first open(): the library and the
// thirty-odd it brings along cost start-up time and memory that a program which never
// sounds should not pay.
// clang-format off
#define TRILET_PULSE_FUNCTIONS(X) \
    X(pa_threaded_mainloop_new) X(pa_threaded_mainloop_free) X(pa_threaded_mainloop_start) \
    X(pa_threaded_mainloop_stop) X(pa_threaded_mainloop_lock) X(pa_threaded_mainloop_unlock) \
    X(pa_threaded_mainloop_wait) X(pa_threaded_mainloop_signal) X(pa_threaded_mainloop_get_api) \
    X(pa_proplist_new) X(pa_proplist_free) X(pa_proplist_sets) X(pa_context_new_with_proplist) \
    X(pa_context_set_state_callback) X(pa_context_connect) X(pa_context_errno) X(pa_strerror) \
    X(pa_context_disconnect) X(pa_context_unref) X(pa_context_get_state) X(pa_context_drain) \
    X(pa_context_rttime_new) X(pa_rtclock_now) X(pa_stream_new) X(pa_stream_set_state_callback) \
    X(pa_stream_connect_upload) X(pa_stream_write) X(pa_stream_finish_upload) \
    X(pa_stream_get_state) X(pa_stream_disconnect) X(pa_stream_unref) \
    X(pa_context_play_sample_with_proplist) X(pa_context_kill_sink_input) \
    X(pa_context_remove_sample) X(pa_operation_unref)
// clang-format on

struct PulseApi {
#define TRILET_DECLARE(name) decltype(&::name) name = nullptr;
    TRILET_PULSE_FUNCTIONS(TRILET_DECLARE)
#undef TRILET_DECLARE
};

struct LoadedApi {
    const PulseApi *api = nullptr;  // null when libpulse or one of its functions is missing
    std::string whyMissing;
};

// Loaded once; the library stays loaded for good.
const LoadedApi &loadedApi() {
    static const LoadedApi loaded = [] {
        LoadedApi result;
        void *library = dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            result.whyMissing = std::string("libpulse cannot be loaded (") + dlerror() + ")";
            return result;
        }
        static PulseApi api;
#define TRILET_RESOLVE(name)                                                \
    api.name = reinterpret_cast<decltype(api.name)>(dlsym(library, #name)); \
    if (!api.name && result.whyMissing.empty())                             \
        result.whyMissing = "libpulse.so.0 lacks the function " #name;
        TRILET_PULSE_FUNCTIONS(TRILET_RESOLVE)
#undef TRILET_RESOLVE
        if (result.whyMissing.empty()) result.api = &api;
        return result;
    }();
    return loaded;
}

const PulseApi *pulseApi() {
    return loadedApi().api;
}

// What the program tells the server of itself; the icon is the one its menu entry names.
constexpr const char *kApplicationName = "Trilet";
constexpr const char *kApplicationId = "com.kovlane.trilet";
constexpr const char *kIconName = "trilet";
// The role of a game's own sound effects: the desktop's mixer shows and sets them with the
// game's other output, not with the notification sounds of the "event" role.
constexpr const char *kMediaRole = "game";

}  // namespace

PulseBackend::PulseBackend() {
    // The process id keeps copies on one machine apart, the random part copies on machines
    // that share a server.
    std::random_device random;
    m_namePrefix = "trilet-" + std::to_string(getpid()) + "-" + std::to_string(random()) + "-";
}

PulseBackend::~PulseBackend() {
    close();
}

std::string PulseBackend::sampleName(int sound) const {
    return m_namePrefix + std::to_string(sound);
}

std::string PulseBackend::whySilent() const {
    if (!m_loop) return m_whySilent;
    const PulseApi *pa = pulseApi();
    pa->pa_threaded_mainloop_lock(m_loop);
    std::string why = m_whySilent;
    pa->pa_threaded_mainloop_unlock(m_loop);
    return why;
}

bool PulseBackend::open() {
    if (m_loop) return true;
    const PulseApi *pa = pulseApi();
    if (!pa) {
        m_whySilent = loadedApi().whyMissing;
        return false;
    }
    m_whySilent = "libpulse could not set up a connection";
    if (!(m_loop = pa->pa_threaded_mainloop_new())) return false;
    pa_proplist *properties = pa->pa_proplist_new();
    pa->pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, kApplicationName);
    pa->pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, kApplicationId);
    pa->pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, kIconName);
    m_context = pa->pa_context_new_with_proplist(pa->pa_threaded_mainloop_get_api(m_loop),
                                                 kApplicationName, properties);
    pa->pa_proplist_free(properties);
    m_playProperties = pa->pa_proplist_new();
    pa->pa_proplist_sets(m_playProperties, PA_PROP_MEDIA_ROLE, kMediaRole);
    m_ready = m_broken = false;
    m_wanted = 0;
    m_asked = m_answered = m_cutUpTo = 0;
    m_playing = PA_INVALID_INDEX;
    // Connecting to a missing server fails here and now; a server that is there answers on
    // the connection's thread. The program never starts a sound server of its own.
    if (!m_context) {
        close();
        return false;
    }
    pa->pa_context_set_state_callback(m_context, contextChanged, this);
    if (pa->pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        m_whySilent = std::string("no sound server answers (") +
                      pa->pa_strerror(pa->pa_context_errno(m_context)) + ")";
        close();
        return false;
    }
    if (pa->pa_threaded_mainloop_start(m_loop) < 0) {
        close();
        return false;
    }
    m_whySilent.clear();
    return true;
}

bool PulseBackend::start(int sound, const char *data, std::size_t size) {
    if (!m_loop) return false;
    const std::optional<Wave> wave = readWave(data, size);
    const PulseApi *pa = pulseApi();
    pa->pa_threaded_mainloop_lock(m_loop);
    const bool broken = m_broken;
    if (!broken && wave && sound >= 1 && sound <= 3) {
        Sample &sample = m_samples[sound];
        // The upload can only begin once connected: keep a copy of the samples until then.
        if (!sample.onServer && !sample.upload) {
            sample.bytes.assign(wave->samples, wave->samples + wave->sampleBytes);
            sample.bitsPerSample = wave->bitsPerSample;
            sample.sampleRate = wave->sampleRate;
            sample.channels = wave->channels;
        }
        m_wanted = sound;
        if (m_ready) playWanted();
    }
    pa->pa_threaded_mainloop_unlock(m_loop);
    return !broken;
}

void PulseBackend::stop() {
    if (!m_loop) return;
    const PulseApi *pa = pulseApi();
    pa->pa_threaded_mainloop_lock(m_loop);
    m_wanted = 0;
    cutPlaying();
    pa->pa_threaded_mainloop_unlock(m_loop);
}

void PulseBackend::close() {
    if (!m_loop) return;
    const PulseApi *pa = pulseApi();
    pa->pa_threaded_mainloop_lock(m_loop);
    if (m_context) {
        m_wanted = 0;
        cutPlaying();
        for (int sound = 1; sound <= 3; ++sound) {
            Sample &sample = m_samples[sound];
            if (sample.upload) {
                pa->pa_stream_set_state_callback(sample.upload, nullptr, nullptr);
                pa->pa_stream_disconnect(sample.upload);
                pa->pa_stream_unref(sample.upload);
            }
            if (sample.onServer && m_ready && !m_broken) {
                if (pa_operation *remove = pa->pa_context_remove_sample(
                        m_context, sampleName(sound).c_str(), nullptr, nullptr))
                    pa->pa_operation_unref(remove);
            }
            sample = Sample();
        }
        // The cuts and removals are lost with the connection unless the server has taken
        // them: give it a moment.
        if (m_ready && !m_broken) waitForServer();
        pa->pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa->pa_context_disconnect(m_context);
        pa->pa_context_unref(m_context);
        m_context = nullptr;
    }
    pa->pa_threaded_mainloop_unlock(m_loop);
    pa->pa_threaded_mainloop_stop(m_loop);
    pa->pa_threaded_mainloop_free(m_loop);
    m_loop = nullptr;
    if (m_playProperties) pa->pa_proplist_free(m_playProperties);
    m_playProperties = nullptr;
}

// With the lock held: returns once the server has answered everything sent, or after
// kCloseWait; at once when that bound cannot be set.
void PulseBackend::waitForServer() {
    const PulseApi *pa = pulseApi();
    const auto timedOut = [](pa_mainloop_api *, pa_time_event *, const struct timeval *,
                             void *self) { serverCaughtUp(nullptr, self); };
    const pa_usec_t bound = std::chrono::microseconds(kCloseWait).count();
    pa_time_event *timeout =
        pa->pa_context_rttime_new(m_context, pa->pa_rtclock_now() + bound, timedOut, this);
    if (!timeout) return;
    if (pa_operation *drain = pa->pa_context_drain(m_context, serverCaughtUp, this)) {
        pa->pa_operation_unref(drain);
        m_waiting = true;
        while (m_waiting) pa->pa_threaded_mainloop_wait(m_loop);
    }
    pa->pa_threaded_mainloop_get_api(m_loop)->time_free(timeout);
}

void PulseBackend::serverCaughtUp(pa_context *, void *self) {
    auto *backend = static_cast<PulseBackend *>(self);
    backend->m_waiting = false;
    pulseApi()->pa_threaded_mainloop_signal(backend->m_loop, 0);
}

void PulseBackend::fail(const std::string &why) {
    m_broken = true;
    // A connection that was never made leaves the program silent; one that was made and
    // then lost (the server restarted) is made anew by the next sound.
    if (!m_ready) m_whySilent = why;
}

void PulseBackend::contextChanged(pa_context *context, void *self) {
    auto *backend = static_cast<PulseBackend *>(self);
    const PulseApi *pa = pulseApi();
    switch (pa->pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            backend->m_ready = true;
            backend->playWanted();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            backend->fail(std::string("the sound server refused the connection (") +
                          pa->pa_strerror(pa->pa_context_errno(context)) + ")");
            // close() may be waiting for an answer that will not come now.
            serverCaughtUp(context, self);
            break;
        default:
            break;
    }
}

void PulseBackend::uploadChanged(pa_stream *stream, void *self) {
    auto *backend = static_cast<PulseBackend *>(self);
    const PulseApi *pa = pulseApi();
    int sound = 1;
    while (backend->m_samples[sound].upload != stream)
        if (++sound > 3) return;
    Sample &sample = backend->m_samples[sound];
    switch (pa->pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            pa->pa_stream_write(stream, sample.bytes.data(), sample.bytes.size(), nullptr, 0,
                                PA_SEEK_RELATIVE);
            pa->pa_stream_finish_upload(stream);
            break;
        case PA_STREAM_TERMINATED:  // the server has the sample
            sample.onServer = true;
            [[fallthrough]];
        case PA_STREAM_FAILED:
            pa->pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa->pa_stream_unref(stream);
            sample.upload = nullptr;
            std::vector<char>().swap(sample.bytes);
            if (backend->m_wanted == sound && sample.onServer) backend->playWanted();
            break;
        default:
            break;
    }
}

// Uploads the wanted sound's sample if the server lacks it, else asks the server to play it.
void PulseBackend::playWanted() {
    const int sound = m_wanted;
    if (sound == 0 || m_samples[sound].upload) return;
    const PulseApi *pa = pulseApi();
    Sample &sample = m_samples[sound];
    const std::string name = sampleName(sound);
    if (!sample.onServer) {
        pa_sample_spec sampleFormat{};
        sampleFormat.format = sample.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
        sampleFormat.rate = static_cast<std::uint32_t>(sample.sampleRate);
        sampleFormat.channels = static_cast<std::uint8_t>(sample.channels);
        sample.upload = pa->pa_stream_new(m_context, name.c_str(), &sampleFormat, nullptr);
        if (!sample.upload) return;
        pa->pa_stream_set_state_callback(sample.upload, uploadChanged, this);
        if (pa->pa_stream_connect_upload(sample.upload, sample.bytes.size()) < 0) {
            pa->pa_stream_set_state_callback(sample.upload, nullptr, nullptr);
            pa->pa_stream_unref(sample.upload);
            sample.upload = nullptr;
        }
        return;
    }
    m_wanted = 0;
    if (pa_operation *play = pa->pa_context_play_sample_with_proplist(
            m_context, name.c_str(), nullptr, PA_VOLUME_NORM, m_playProperties, playStarted,
            this)) {
        ++m_asked;
        pa->pa_operation_unref(play);
    }
}

void PulseBackend::playStarted(pa_context *context, std::uint32_t index, void *self) {
    auto *backend = static_cast<PulseBackend *>(self);
    ++backend->m_answered;
    if (index == PA_INVALID_INDEX) return;
    if (backend->m_answered > backend->m_cutUpTo) {
        backend->m_playing = index;
    } else if (pa_operation *kill =
                   pulseApi()->pa_context_kill_sink_input(context, index, nullptr, nullptr)) {
        pulseApi()->pa_operation_unref(kill);
    }
}

// Cuts the sound playing, and every play asked but not yet answered once it answers.
void PulseBackend::cutPlaying() {
    m_cutUpTo = m_asked;
    if (m_playing == PA_INVALID_INDEX) return;
    if (pa_operation *kill =
            pulseApi()->pa_context_kill_sink_input(m_context, m_playing, nullptr, nullptr))
        pulseApi()->pa_operation_unref(kill);
    m_playing = PA_INVALID_INDEX;
}

}  // namespace sound
