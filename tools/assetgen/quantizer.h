// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace assetgen {

// An image reduced to at most 256 colours: one palette index per pixel, row by row.
struct IndexedImage {
    int width = 0;
    int height = 0;
    QList<QRgb> palette;
    QList<quint8> indices;
};

// Reduces an opaque image to at most maxColours colours. An image with that few colours keeps
// them exactly; otherwise median cut chooses the palette. The result depends on the pixels
// alone, never on hashing or memory addresses, so equal images always give equal output.
IndexedImage quantize(const QImage &image, int maxColours = 256);

// The index of the palette colour nearest to c, weighted for the eye (green counts most);
// the first of equally near colours wins.
int nearestColour(const QList<QRgb> &palette, QRgb c);

}  // namespace assetgen
