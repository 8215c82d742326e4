// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

namespace assetgen {

// Encodes an opaque image as an uncompressed Windows bitmap with a 40-byte info header,
// bottom-up rows of 24 bits (BGR) or 32 bits (BGR and an unused zero byte), each row padded to
// four bytes, followed by two zero bytes that the header counts into the image size, the way
// the common paint programs of the Windows 9x era wrote them.
QByteArray encodeBmp(const QImage &image, int bitsPerPixel);

// File size of such a bitmap: 54 header bytes, the padded rows and the two closing bytes.
qsizetype bmpFileSize(int width, int height, int bitsPerPixel);

}  // namespace assetgen
