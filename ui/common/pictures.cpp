// SPDX-License-Identifier: MIT
#include "ui/common/pictures.h"

#include <QFile>

#include "ui/common/baked_pictures.h"

namespace ui {

QString pictureFile(const QString &path, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1.0) return path;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return path;
    const QString twice = path.left(dot) + QStringLiteral("@2x.png");
    return QFile::exists(twice) ? twice : path;
}

QImage pictureImage(const QString &path, qreal devicePixelRatio) {
    const QString file = pictureFile(path, devicePixelRatio);
    if (file == path) {
        for (int i = 0; i < kBakedPictureCount; ++i) {
            const BakedPicture &baked = kBakedPictures[i];
            if (path == QLatin1String(baked.path))
                return QImage(baked.pixels, baked.width, baked.height, baked.width * 4,
                              baked.format);
        }
    }
    QImage picture(file);
    // The image reader gives an "@2x" file its ratio already; this keeps it independent of that.
    if (file != path) picture.setDevicePixelRatio(2.0);
    return picture;
}

QPixmap loadPicture(const QString &path, qreal devicePixelRatio) {
    return QPixmap::fromImage(pictureImage(path, devicePixelRatio));
}

}  // namespace ui
