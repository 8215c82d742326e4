// SPDX-License-Identifier: MIT
#include "tools/assetgen/bmp_writer.h"

#include "tools/assetgen/byte_sink.h"

namespace assetgen {

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kClosingBytes = 2;
constexpr qint32 kPixelsPerMetre = 3780;  // 96 dots per inch

int rowStride(int width, int bitsPerPixel) {
    return (width * bitsPerPixel / 8 + 3) / 4 * 4;
}

}  // namespace

qsizetype bmpFileSize(int width, int height, int bitsPerPixel) {
    return kFileHeaderBytes + kInfoHeaderBytes +
           qsizetype(rowStride(width, bitsPerPixel)) * height + kClosingBytes;
}

QByteArray encodeBmp(const QImage &image, int bitsPerPixel) {
    Q_ASSERT(bitsPerPixel == 24 || bitsPerPixel == 32);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width();
    const int h = rgb.height();
    const int stride = rowStride(w, bitsPerPixel);
    const quint32 imageBytes = quint32(stride) * quint32(h) + kClosingBytes;

    QByteArray out;
    out.reserve(bmpFileSize(w, h, bitsPerPixel));
    ByteSink s(out);
    s.u8('B');
    s.u8('M');
    s.u32(quint32(bmpFileSize(w, h, bitsPerPixel)));
    s.u32(0);
    s.u32(kFileHeaderBytes + kInfoHeaderBytes);

    s.u32(kInfoHeaderBytes);
    s.i32(w);
    s.i32(h);
    s.u16(1);
    s.u16(quint16(bitsPerPixel));
    s.u32(0);  // BI_RGB
    s.u32(imageBytes);
    s.i32(kPixelsPerMetre);
    s.i32(kPixelsPerMetre);
    s.u32(0);
    s.u32(0);

    const int rowBytes = w * bitsPerPixel / 8;
    for (int y = h - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            s.u8(quint8(qBlue(line[x])));
            s.u8(quint8(qGreen(line[x])));
            s.u8(quint8(qRed(line[x])));
            if (bitsPerPixel == 32) s.u8(0);
        }
        s.zeros(stride - rowBytes);
    }
    s.zeros(kClosingBytes);
    return out;
}

}  // namespace assetgen
