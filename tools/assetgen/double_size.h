// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

#include "tools/assetgen/asset_set.h"

namespace assetgen {

// Where the rendering of a picture at twice its pixel size goes: beside it, as a PNG with "@2x"
// before the suffix ("pictures/letter_s.bmp" gives "pictures/letter_s@2x.png").
QString doubleSizePath(const QString &path);

// The paths of the pictures that have one: everything the windows show, that is the board
// background, the letters, the nine button looks, the options background, the four outcome
// pictures and the About picture. Not the icons.
QStringList doubleSizedPictures();

// Paints those pictures again at twice their pixel size, from the same drawing as the pictures
// themselves, and encodes them as opaque PNG files. Needs the fonts loaded.
QList<AssetFile> paintDoubleSizePictures(QString *error);

// files followed by the double-size renderings. An empty files list stays empty; a failure gives
// an empty list and sets error.
QList<AssetFile> withDoubleSizePictures(QList<AssetFile> files, QString *error);

}  // namespace assetgen
