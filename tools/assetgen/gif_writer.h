// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace assetgen {

// Encodes an opaque image as a single-frame GIF with one global palette of at most 256 colours
// (Qt reads GIF but cannot write it, so giflib does the writing). Returns an empty array and
// sets error when giflib fails.
QByteArray encodeGif(const QImage &image, QString *error);

}  // namespace assetgen
