// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

namespace assetgen {

// The 16 colours of the standard Windows palette, in its usual order.
const QList<QRgb> &windowsPalette16();

// Encodes square images as one Windows icon of 4-bit images (16 colours) with a transparency
// mask. Pixels with alpha below one half are transparent; every other pixel takes the nearest
// colour of the standard palette. Each image takes 40 header bytes, the 64-byte palette, the
// colour rows and the mask rows, all rows bottom-up and padded to four bytes.
QByteArray encodeIco16(const QList<QImage> &images);

}  // namespace assetgen
