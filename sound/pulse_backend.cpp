// SPDX-License-Identifier: MIT
#include "sound/pulse_backend.h"

#include <dlfcn.h>
#include <pulse/pulseaudio.h>

#include <string>

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
    X(pa_context_new) X(pa_context_set_state_callback) X(pa_context_connect) \
    X(pa_context_disconnect) X(pa_context_unref) X(pa_context_get_state) X(pa_context_drain) \
    X(pa_context_rttime_new) X(pa_rtclock_now) X(pa_stream_new) X(pa_stream_set_state_callback) \
    X(pa_stream_connect_upload) X(pa_stream_write) X(pa_stream_finish_upload) \
    X(pa_stream_get_state) X(pa_stream_disconnect) X(pa_stream_unref) \
    X(pa_context_play_sample_with_proplist) X(pa_context_kill_sink_input) X(pa_operation_unref)
// clang-format on

struct PulseApi {
#define TRILET_DECLARE(name) decltype(&::name) name = nullptr;
    TRILET_PULSE_FUNCTIONS(TRILET_DECLARE)
#undef TRILET_DECLARE
};

// Null when libpulse or any of its functions is missing; the library stays loaded for good.
const PulseApi *pulseApi() {
    static const PulseApi *const api = []() -> const PulseApi * {
        void *library = dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library) return nullptr;
        static PulseApi loaded;
        bool complete = true;
#define TRILET_RESOLVE(name)                                                      \
    loaded.name = reinterpret_cast<decltype(loaded.name)>(dlsym(library, #name)); \
    complete = complete && loaded.name;
        TRILET_PULSE_FUNCTIONS(TRILET_RESOLVE)
#undef TRILET_RESOLVE
        return complete ? &loaded : nullptr;
    }();
    return api;
}

// The server-wide name of sound n's sample.
std::string sampleName(int sound) {
    return "trilet-sound-" + std::to_string(sound);
}

// Each sample is uploaded with this much silence before the sound. A PulseAudio server may
// already have mixed the next few milliseconds of output when a sound is started; it mixes the
// new sound into them again (a rewind), but whatever had already taken them, such as a
// recording of the output, keeps the old ones and so misses the sound's first milliseconds.
// The silence is what falls there instead (with a 10 ms recording latency up to 10 ms did).
constexpr std::size_t kLeadInMs = 20;

// How long close() waits at most for the server to take the cut of a sound still playing.
constexpr pa_usec_t kCloseWaitUs = 200'000;

}  // namespace

PulseBackend::~PulseBackend() {
    close();
}

bool PulseBackend::open() {
    if (m_loop) return true;
    const PulseApi *pa = pulseApi();
    if (!pa || !(m_loop = pa->pa_threaded_mainloop_new())) return false;
    m_context = pa->pa_context_new(pa->pa_threaded_mainloop_get_api(m_loop), "Trilet");
    m_broken = false;
    m_wanted = 0;
    m_asked = m_answered = m_cutUpTo = 0;
    m_playing = PA_INVALID_INDEX;
    m_cutSent = false;
    // Connecting to a missing server fails here and now; a server that is there answers on
    // the connection's thread. The program never starts a sound server of its own.
    if (m_context) pa->pa_context_set_state_callback(m_context, contextChanged, this);
    if (!m_context ||
        pa->pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
        pa->pa_threaded_mainloop_start(m_loop) < 0) {
        close();
        return false;
    }
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
            // Silence first: see kLeadInMs.
            const std::size_t frame =
                std::size_t(wave->channels) * std::size_t(wave->bitsPerSample / 8);
            const std::size_t leadIn = std::size_t(wave->sampleRate) * kLeadInMs / 1000 * frame;
            sample.bytes.assign(leadIn, wave->bitsPerSample == 8 ? char(0x80) : char(0));
            sample.bytes.insert(sample.bytes.end(), wave->samples,
                                wave->samples + wave->sampleBytes);
            sample.bitsPerSample = wave->bitsPerSample;
            sample.sampleRate = wave->sampleRate;
            sample.channels = wave->channels;
        }
        m_wanted = sound;
        m_audibleUntil =
            std::chrono::steady_clock::now() + wave->length() + std::chrono::seconds(1);
        if (pa->pa_context_get_state(m_context) == PA_CONTEXT_READY) playWanted();
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
        // A cut still on its way is lost with the connection, and a sound that has not ended
        // would play on: give the server a moment to take it.
        const bool audible = std::chrono::steady_clock::now() < m_audibleUntil;
        if (audible && m_cutSent && !m_broken) waitForServer();
        for (Sample &sample : m_samples) {
            if (sample.upload) {
                pa->pa_stream_set_state_callback(sample.upload, nullptr, nullptr);
                pa->pa_stream_disconnect(sample.upload);
                pa->pa_stream_unref(sample.upload);
            }
            sample = Sample();
        }
        pa->pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa->pa_context_disconnect(m_context);
        pa->pa_context_unref(m_context);
        m_context = nullptr;
    }
    pa->pa_threaded_mainloop_unlock(m_loop);
    pa->pa_threaded_mainloop_stop(m_loop);
    pa->pa_threaded_mainloop_free(m_loop);
    m_loop = nullptr;
}

// With the lock held: returns once the server has answered everything sent, or after
// kCloseWaitUs.
void PulseBackend::waitForServer() {
    const PulseApi *pa = pulseApi();
    pa_operation *drain = pa->pa_context_drain(m_context, serverCaughtUp, this);
    if (!drain) return;  // nothing on its way
    pa->pa_operation_unref(drain);
    const auto timedOut = [](pa_mainloop_api *, pa_time_event *, const struct timeval *,
                             void *self) { serverCaughtUp(nullptr, self); };
    pa_time_event *timeout =
        pa->pa_context_rttime_new(m_context, pa->pa_rtclock_now() + kCloseWaitUs, timedOut, this);
    m_closing = true;
    while (m_closing) pa->pa_threaded_mainloop_wait(m_loop);
    if (timeout) pa->pa_threaded_mainloop_get_api(m_loop)->time_free(timeout);
}

void PulseBackend::serverCaughtUp(pa_context *, void *self) {
    auto *backend = static_cast<PulseBackend *>(self);
    backend->m_closing = false;
    pulseApi()->pa_threaded_mainloop_signal(backend->m_loop, 0);
}

void PulseBackend::contextChanged(pa_context *context, void *self) {
    auto *backend = static_cast<PulseBackend *>(self);
    switch (pulseApi()->pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            backend->playWanted();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            backend->m_broken = true;
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
            m_context, name.c_str(), nullptr, PA_VOLUME_NORM, nullptr, playStarted, this)) {
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
    if (m_answered < m_asked) m_cutSent = true;
    if (m_playing == PA_INVALID_INDEX) return;
    if (pa_operation *kill =
            pulseApi()->pa_context_kill_sink_input(m_context, m_playing, nullptr, nullptr)) {
        pulseApi()->pa_operation_unref(kill);
        m_cutSent = true;
    }
    m_playing = PA_INVALID_INDEX;
}

}  // namespace sound
