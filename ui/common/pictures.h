// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

namespace ui {

// The file a window shows for one of the program's pictures. Every picture ("name.bmp",
// "name.gif") has a rendering at twice its pixel size beside it, "name@2x.png"; a screen of
// device pixel ratio above 1 gets that one, any other screen (or a picture without one) the
// picture itself.
QString pictureFile(const QString &path, qreal devicePixelRatio);

// The picture for that screen. The double-size rendering carries a device pixel ratio of 2,
// so that it paints over the same area as the picture itself, with twice the detail.
QPixmap loadPicture(const QString &path, qreal devicePixelRatio);

}  // namespace ui
