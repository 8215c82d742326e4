// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>

namespace assetgen {

// One chunk of a RIFF file: a four-letter id and its body. An odd body is followed by one
// pad byte that its size field does not count.
struct RiffChunk {
    QByteArray id;
    QByteArray body;
};

// Chunk bodies of a WAVE file.
QByteArray pcmFormatBody(int sampleRate, int bitsPerSample);  // one channel
QByteArray factBody(quint32 sampleFrames);
QByteArray infoListBody(const QByteArray &software, int bodyBytes);  // "INFO" with ISFT

// A RIFF WAVE file: the chunks in the given order, then trailing bytes that lie after the
// RIFF chunk and that its length does not cover.
QByteArray encodeRiffWave(const QList<RiffChunk> &chunks, const QByteArray &trailing = {});

}  // namespace assetgen
