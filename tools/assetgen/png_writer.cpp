// SPDX-License-Identifier: MIT
#include "tools/assetgen/png_writer.h"

#include <QBuffer>
#include <QImageWriter>

namespace assetgen {

QByteArray encodePng(const QImage &image, QString *error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        *error = QStringLiteral("cannot encode a PNG: %1").arg(writer.errorString());
        return {};
    }
    return bytes;
}

}  // namespace assetgen
