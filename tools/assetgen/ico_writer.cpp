// SPDX-License-Identifier: MIT
#include "tools/assetgen/ico_writer.h"

#include "tools/assetgen/byte_sink.h"
#include "tools/assetgen/quantizer.h"

namespace assetgen {

namespace {

constexpr int kDirHeaderBytes = 6;
constexpr int kDirEntryBytes = 16;
constexpr int kInfoHeaderBytes = 40;
constexpr int kPaletteBytes = 16 * 4;

int colourStride(int width) {
    return (width * 4 / 8 + 3) / 4 * 4;
}
int maskStride(int width) {
    return ((width + 7) / 8 + 3) / 4 * 4;
}

int imageBytes(const QImage &img) {
    return kInfoHeaderBytes + kPaletteBytes +
           (colourStride(img.width()) + maskStride(img.width())) * img.height();
}

void writeImage(ByteSink &s, const QImage &source) {
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();
    s.u32(kInfoHeaderBytes);
    s.i32(w);
    s.i32(2 * h);  // colour rows and mask rows together
    s.u16(1);
    s.u16(4);
    s.u32(0);
    s.u32(quint32((colourStride(w) + maskStride(w)) * h));
    s.i32(0);
    s.i32(0);
    s.u32(0);
    s.u32(0);
    for (QRgb c : windowsPalette16()) {
        s.u8(quint8(qBlue(c)));
        s.u8(quint8(qGreen(c)));
        s.u8(quint8(qRed(c)));
        s.u8(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(colourStride(w), '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb c = img.pixel(x, y);
            const int index = qAlpha(c) >= 128 ? nearestColour(windowsPalette16(), c) : 0;
            row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
        }
        s.bytes(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride(w), '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(img.pixel(x, y)) < 128) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        s.bytes(row);
    }
}

}  // namespace

const QList<QRgb> &windowsPalette16() {
    static const QList<QRgb> palette{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return palette;
}

QByteArray encodeIco16(const QList<QImage> &images) {
    QByteArray out;
    ByteSink s(out);
    s.u16(0);
    s.u16(1);  // icon, not cursor
    s.u16(quint16(images.size()));
    quint32 offset = kDirHeaderBytes + kDirEntryBytes * quint32(images.size());
    for (const QImage &img : images) {
        s.u8(quint8(img.width()));
        s.u8(quint8(img.height()));
        s.u8(16);
        s.u8(0);
        s.u16(1);
        s.u16(4);
        s.u32(quint32(imageBytes(img)));
        s.u32(offset);
        offset += quint32(imageBytes(img));
    }
    for (const QImage &img : images) writeImage(s, img);
    return out;
}

}  // namespace assetgen
