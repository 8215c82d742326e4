// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace ui {

// A picture decoded at build time (tools/picturebake): its resource path, size and pixels in
// the format it is drawn in, 4 bytes a pixel, rows without padding.
struct BakedPicture {
    const char *path;  // ":/pictures/background.bmp"
    int width;
    int height;
    QImage::Format format;
    const unsigned char *pixels;
};

// The pictures the main window shows at start-up, at device pixel ratio 1.
extern const BakedPicture kBakedPictures[];
extern const int kBakedPictureCount;

}  // namespace ui
