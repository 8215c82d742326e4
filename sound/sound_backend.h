// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

namespace sound {

// The sound path the sound player drives: opened when a sound is wanted, one sound at a
// time, closed again when the program has been quiet for a while. Every call returns at
// once, or after a bounded wait; whatever waits on the sound system happens beside the
// user-interface thread.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;

    // Opens the path: loads what it needs and begins to connect. False when no sound can be
    // made now (the library or the sound system is missing); the path is closed then.
    virtual bool open() = 0;
    // Starts sound number `sound` (1..3), the WAVE image of size bytes at data, once the path
    // is ready, and cuts the one playing. The image stays readable until the next stop().
    // False when the path has broken since open() (the sound system went away): close it then.
    virtual bool start(int sound, const char *data, std::size_t size) = 0;
    // Cuts the sound started last, if it still plays, and lets go of its samples.
    virtual void stop() = 0;
    // Stops any sound and closes the path: nothing of it runs any more.
    virtual void close() = 0;
    // Why no sound can be made, in a few words, after open() failed or start() found the
    // path broken before it ever worked; empty otherwise.
    virtual std::string whySilent() const = 0;
};

}  // namespace sound
