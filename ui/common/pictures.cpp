// SPDX-License-Identifier: MIT
#include "ui/common/pictures.h"

#include <QFile>

namespace ui {

QString pictureFile(const QString &path, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1.0) return path;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return path;
    const QString twice = path.left(dot) + QStringLiteral("@2x.png");
    return QFile::exists(twice) ? twice : path;
}

QPixmap loadPicture(const QString &path, qreal devicePixelRatio) {
    const QString file = pictureFile(path, devicePixelRatio);
    QPixmap picture(file);
    // The image reader gives an "@2x" file its ratio already; this keeps it independent of that.
    if (file != path) picture.setDevicePixelRatio(2.0);
    return picture;
}

}  // namespace ui
