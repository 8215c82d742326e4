// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace sound {

// The audio output the sound player drives: one device, one sound at a time, played from
// a WAVE image in the caller's memory.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;

    // Opens the audio device. False when there is none or it cannot be opened.
    virtual bool open() = 0;
    // Starts playing the WAVE image of size bytes at data and returns at once. The image
    // stays untouched and readable until the next stop(). False when it cannot be played.
    virtual bool start(const char *data, std::size_t size) = 0;
    // Stops the sound started last, if any, and releases what start() made of it.
    virtual void stop() = 0;
    // Stops any sound and closes the device opened by open().
    virtual void close() = 0;
};

}  // namespace sound
