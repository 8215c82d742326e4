// SPDX-License-Identifier: MIT
#include "tools/assetgen/wav_writer.h"

#include "tools/assetgen/byte_sink.h"

namespace assetgen {

QByteArray pcmFormatBody(int sampleRate, int bitsPerSample) {
    QByteArray body;
    ByteSink s(body);
    const int blockAlign = bitsPerSample / 8;
    s.u16(1);  // PCM
    s.u16(1);  // one channel
    s.u32(quint32(sampleRate));
    s.u32(quint32(sampleRate * blockAlign));
    s.u16(quint16(blockAlign));
    s.u16(quint16(bitsPerSample));
    return body;
}

QByteArray factBody(quint32 sampleFrames) {
    QByteArray body;
    ByteSink(body).u32(sampleFrames);
    return body;
}

QByteArray infoListBody(const QByteArray &software, int bodyBytes) {
    // "INFO", then the ISFT sub-chunk: id, size and the text padded with zero bytes.
    const int textBytes = bodyBytes - 12;
    Q_ASSERT(textBytes > software.size() && textBytes % 2 == 0);
    QByteArray body("INFO");
    ByteSink s(body);
    s.bytes("ISFT");
    s.u32(quint32(textBytes));
    s.bytes(software);
    s.zeros(textBytes - software.size());
    return body;
}

QByteArray encodeRiffWave(const QList<RiffChunk> &chunks, const QByteArray &trailing) {
    QByteArray riff("WAVE");
    ByteSink s(riff);
    for (const RiffChunk &chunk : chunks) {
        s.bytes(chunk.id);
        s.u32(quint32(chunk.body.size()));
        s.bytes(chunk.body);
        if (chunk.body.size() % 2) s.u8(0);
    }
    QByteArray out("RIFF");
    ByteSink file(out);
    file.u32(quint32(riff.size()));
    file.bytes(riff);
    file.bytes(trailing);
    return out;
}

}  // namespace assetgen
