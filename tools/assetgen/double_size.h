// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

#include "tools/assetgen/asset_set.h"

namespace assetgen {

// Where the rendering of a picture at twice its pixel size goes: beside it, as a PNG with "@2x"
// before the suffix ("pictures/letter_s.bmp" gives "pictures/letter_s@2x.png").
QString doubleSizePath(const QString &path);

// Paints every picture of pictures() again at twice its pixel size, from the same drawing as the
// picture itself, and encodes them as opaque PNG files. Needs the fonts loaded.
QList<AssetFile> paintDoubleSizePictures(QString *error);

// files followed by the double-size renderings. An empty files list stays empty; a failure gives
// an empty list and sets error.
QList<AssetFile> withDoubleSizePictures(QList<AssetFile> files, QString *error);

}  // namespace assetgen
