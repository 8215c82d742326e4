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

// The picture for that screen. The double-size rendering carries a device pixel ratio of 2,
// so that it paints over the same area as the picture itself, with twice the detail. A
// picture the main window shows at start-up comes, at ratio 1, decoded at build time: the
// image then draws straight from the program's memory, without a decoder or a copy.
QImage pictureImage(const QString &path, qreal devicePixelRatio);
// The same as a pixmap.
QPixmap loadPicture(const QString &path, qreal devicePixelRatio);

}  // namespace ui
