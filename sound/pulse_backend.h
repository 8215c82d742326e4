// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "sound/sound_backend.h"

struct pa_context;
struct pa_proplist;
struct pa_stream;
struct pa_threaded_mainloop;

namespace sound {

// Sound through the PulseAudio sample cache (also served by PipeWire's PulseAudio server):
// each sound is uploaded to the server once per connection and then played by the server,
// which mixes it into the default output. No audio data flows while nothing sounds, and the
// connection's thread exists only from open() to close().
//
// The program names itself to the server (application name, id and icon) and plays its
// sounds in the "game" media role. Its samples carry names made for this run alone, so two
// running copies never meet, and close() removes them from the server again.
//
// libpulse is loaded on the first open(), not when the program starts. Every call returns
// at once, but for close(), which waits at most kCloseWait for the server: a sound asked for
// while the connection is still being made, or its sample still being uploaded, starts when
// that is done, unless it has been stopped by then. A sound is cut by removing the server's
// playback of it.
class PulseBackend final : public SoundBackend {
public:
    static constexpr std::chrono::milliseconds kCloseWait{200};

    PulseBackend();
    ~PulseBackend() override;
    PulseBackend(const PulseBackend &) = delete;
    PulseBackend &operator=(const PulseBackend &) = delete;

    bool open() override;
    bool start(int sound, const char *data, std::size_t size) override;
    void stop() override;
    void close() override;
    std::string whySilent() const override;

    // The server-wide name of sound n's sample in this run.
    std::string sampleName(int sound) const;

private:
    // The rest runs on the connection's thread, or with its lock held.
    static void contextChanged(pa_context *context, void *self);
    static void uploadChanged(pa_stream *stream, void *self);
    static void playStarted(pa_context *context, std::uint32_t index, void *self);
    static void serverCaughtUp(pa_context *context, void *self);
    void playWanted();
    void cutPlaying();
    void waitForServer();
    void fail(const std::string &why);

    // A sound's samples on their way to the server, per sound number 1..3.
    struct Sample {
        std::vector<char> bytes;  // kept until uploaded
        int bitsPerSample = 0, sampleRate = 0, channels = 0;
        pa_stream *upload = nullptr;
        bool onServer = false;  // uploaded over this connection
    };

    std::string m_namePrefix;  // of this run's sample names
    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_proplist *m_playProperties = nullptr;  // the media role of every sound
    bool m_ready = false;                     // the connection was made
    bool m_broken = false;                    // the connection failed or the server went away
    std::string m_whySilent;                  // why the last open() or connection failed
    int m_wanted = 0;  // the sound to start once its sample is on the server, 0 none
    std::array<Sample, 4> m_samples;
    std::uint32_t m_asked = 0;              // plays asked of the server
    std::uint32_t m_answered = 0;           // of them, answered
    std::uint32_t m_cutUpTo = 0;            // plays asked up to here are to be cut when they answer
    std::uint32_t m_playing = 0xffffffffu;  // the server's playback of the last sound, if known
    bool m_waiting = false;                 // close() waits for the server to catch up
};

}  // namespace sound
