// SPDX-License-Identifier: MIT
#include "ui/common/pictures.h"

#include <QFile>

#include "ui/common/baked_pictures.h"

namespace ui {

namespace {

QImage decodedImage(const QString &path, qreal devicePixelRatio) {
    const QString file = pictureFile(path, devicePixelRatio);
    QImage picture(file);
    // The image reader gives an "@2x" file its ratio already; this keeps it independent of that.
    if (file != path) picture.setDevicePixelRatio(2.0);
    return picture;
}

}  // namespace

QString pictureFile(const QString &path, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1.0) return path;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return path;
    const QString twice = path.left(dot) + QStringLiteral("@2x.png");
    return QFile::exists(twice) ? twice : path;
}

QPixmap loadPicture(const QString &path, qreal devicePixelRatio) {
    return QPixmap::fromImage(decodedImage(path, devicePixelRatio));
}

QImage startUpImage(const QString &path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) return decodedImage(path, devicePixelRatio);
    for (int i = 0; i < kBakedPictureCount; ++i) {
        const BakedPicture &baked = kBakedPictures[i];
        if (path == QLatin1String(baked.path))
            return QImage(baked.pixels, baked.width, baked.height, baked.width * 4, baked.format);
    }
    qFatal("%s is not among the pictures decoded at build time (ui/common/CMakeLists.txt)",
           qPrintable(path));
}

QPixmap startUpPicture(const QString &path, qreal devicePixelRatio) {
    return QPixmap::fromImage(startUpImage(path, devicePixelRatio));
}

}  // namespace ui
