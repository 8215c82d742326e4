// SPDX-License-Identifier: MIT
#include "sound/wave.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace sound {

namespace {

std::uint32_t little32(const char *p) {
    const auto *b = reinterpret_cast<const unsigned char *>(p);
    return b[0] | b[1] << 8 | b[2] << 16 | std::uint32_t(b[3]) << 24;
}

std::uint16_t little16(const char *p) {
    const auto *b = reinterpret_cast<const unsigned char *>(p);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

constexpr std::uint16_t kPcm = 1;

}  // namespace

std::chrono::milliseconds Wave::length() const {
    const std::size_t bytesPerSecond =
        std::size_t(sampleRate) * std::size_t(channels) * std::size_t(bitsPerSample / 8);
    if (bytesPerSecond == 0) return {};
    return std::chrono::milliseconds(sampleBytes * 1000 / bytesPerSecond);
}

std::optional<Wave> readWave(const char *data, std::size_t size) {
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return std::nullopt;
    // The RIFF chunk ends where its length says, even when the image goes on after it.
    const std::size_t end = std::min<std::size_t>(size, std::size_t(little32(data + 4)) + 8);
    Wave wave;
    bool format = false;
    for (std::size_t at = 12; at + 8 <= end;) {
        const char *id = data + at;
        const std::size_t length = little32(data + at + 4);
        const std::size_t body = at + 8;
        if (length > end - body) return std::nullopt;
        if (std::memcmp(id, "fmt ", 4) == 0 && length >= 16) {
            if (little16(data + body) != kPcm) return std::nullopt;
            wave.channels = little16(data + body + 2);
            wave.sampleRate = static_cast<int>(little32(data + body + 4));
            wave.bitsPerSample = little16(data + body + 14);
            format = true;
        } else if (std::memcmp(id, "data", 4) == 0) {
            wave.samples = data + body;
            wave.sampleBytes = length;
        }
        at = body + length + (length & 1);  // odd chunks carry a pad byte
    }
    const bool usable = format && wave.samples && (wave.channels == 1 || wave.channels == 2) &&
                        (wave.bitsPerSample == 8 || wave.bitsPerSample == 16) &&
                        wave.sampleRate > 0;
    if (!usable) return std::nullopt;
    return wave;
}

}  // namespace sound
