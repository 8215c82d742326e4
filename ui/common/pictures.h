// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace ui {

// The file a window shows for one of the program's pictures. Every picture ("name.bmp",
// "name.gif") has a rendering at twice its pixel size beside it, "name@2x.png"; a screen of
// device pixel ratio above 1 gets that one, any other screen (or a picture without one) the
// picture itself.
QString pictureFile(const QString &path, qreal devicePixelRatio);

// The picture for that screen, decoded from the resources. The double-size rendering carries
// a device pixel ratio of 2, so that it paints over the same area as the picture itself, with
// twice the detail.
QPixmap loadPicture(const QString &path, qreal devicePixelRatio);

// One of the pictures the main window shows at start-up, for that screen. At ratio 1 it comes
// decoded at build time (tools/picturebake, the list in ui/common/CMakeLists.txt): the image
// draws straight from the program's memory, without a decoder or a copy. A path missing from
// that list is a fault of the build, not something to paper over by decoding: the program
// stops at once, naming the path. At a higher ratio it is the double-size rendering, decoded.
QImage startUpImage(const QString &path, qreal devicePixelRatio);
// The same as a pixmap.
QPixmap startUpPicture(const QString &path, qreal devicePixelRatio);

}  // namespace ui
