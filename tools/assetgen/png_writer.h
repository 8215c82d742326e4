// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace assetgen {

// Encodes an image as a PNG with Qt's writer, keeping its format (with or without alpha) as it
// is. Returns an empty array and sets error when the writer fails.
QByteArray encodePng(const QImage &image, QString *error);

}  // namespace assetgen
