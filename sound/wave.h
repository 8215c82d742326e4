// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>

namespace sound {

// The samples of a PCM WAVE image and their format: 8-bit unsigned or 16-bit signed
// little-endian, interleaved channels. The samples point into the image.
struct Wave {
    int channels = 0;
    int sampleRate = 0;  // frames a second
    int bitsPerSample = 0;
    const char *samples = nullptr;
    std::size_t sampleBytes = 0;

    // How long the samples last when played, rounded down to the millisecond.
    std::chrono::milliseconds length() const;
};

// Reads a RIFF WAVE image of size bytes at data: the "fmt " chunk and the "data" chunk, in
// whichever order they come, skipping any other chunk ("fact", "LIST") and the pad byte
// after a chunk of odd size. Bytes after the RIFF chunk are ignored. Nothing when the image
// is not 8- or 16-bit PCM with 1 or 2 channels, or a chunk runs past its end.
std::optional<Wave> readWave(const char *data, std::size_t size);

}  // namespace sound
