// SPDX-License-Identifier: MIT
// The pictures at twice their pixel size, for screens with a device pixel ratio of 2. Each is
// painted by the very painter of the picture itself, on a canvas with twice the pixels, so that
// lines, letters and gradients come out sharp instead of doubled.
#include "tools/assetgen/double_size.h"

#include "tools/assetgen/paint_util.h"
#include "tools/assetgen/png_writer.h"

namespace assetgen {

namespace {

// Opaque, like the pictures themselves, and without a ratio of its own: the "@2x" in the name
// tells Qt.
QImage opaque(const QImage &image) {
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    out.setDevicePixelRatio(1);
    return out;
}

}  // namespace

QString doubleSizePath(const QString &path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@2x.png");
}

QList<AssetFile> paintDoubleSizePictures(QString *error) {
    const RenderScale twice(2);
    QList<AssetFile> files;
    for (const Picture &picture : pictures()) {
        const QByteArray bytes = encodePng(opaque(picture.paint()), error);
        if (bytes.isEmpty()) return {};
        files.append({doubleSizePath(picture.path), bytes});
    }
    return files;
}

QList<AssetFile> withDoubleSizePictures(QList<AssetFile> files, QString *error) {
    if (files.isEmpty()) return files;
    const QList<AssetFile> twice = paintDoubleSizePictures(error);
    if (twice.isEmpty()) return {};
    files.append(twice);
    return files;
}

}  // namespace assetgen
