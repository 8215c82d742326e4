// SPDX-License-Identifier: MIT
// The pictures at twice their pixel size, for screens with a device pixel ratio of 2. Each is
// painted by the very painter of the picture itself, on a canvas with twice the pixels, so that
// lines, letters and gradients come out sharp instead of doubled.
#include "tools/assetgen/double_size.h"

#include <QBuffer>
#include <QImageWriter>

#include <array>
#include <functional>

#include "tools/assetgen/art.h"
#include "tools/assetgen/paint_util.h"

namespace assetgen {

namespace {

struct Picture {
    QString path;
    std::function<QImage()> paint;
};

QList<Picture> pictures() {
    QList<Picture> list{
        {"pictures/background.bmp", paintBoardBackground},
        {"pictures/letter_s.bmp", paintLetterS},
        {"pictures/letter_o.bmp", paintLetterO},
    };
    const std::array<const char *, 3> buttonNames{"start", "options", "about"};
    const std::array<std::pair<ButtonLook, const char *>, 3> looks{
        std::pair{ButtonLook::Normal, "normal"}, std::pair{ButtonLook::Highlighted, "hover"},
        std::pair{ButtonLook::Pressed, "pressed"}};
    for (int i = 0; i < 3; ++i)
        for (const auto &[look, lookName] : looks)
            list.append({QStringLiteral("pictures/button_%1_%2.gif")
                             .arg(QLatin1String(buttonNames[size_t(i)]), QLatin1String(lookName)),
                         [i, look] { return paintButton(i, look); }});
    list.append({"pictures/options_background.gif", paintOptionsBackground});
    list.append({"pictures/result_winner.bmp", paintResultWinner});
    list.append({"pictures/result_loser.bmp", paintResultLoser});
    list.append({"pictures/result_draw.bmp", paintResultDraw});
    list.append({"pictures/result_initial.bmp", paintResultInitial});
    list.append({"pictures/about.bmp", paintAbout});
    return list;
}

QByteArray encodePng(const QImage &image, QString *error) {
    // Opaque, like the pictures themselves, and without a ratio of its own: the "@2x" in the
    // name tells Qt.
    QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    opaque.setDevicePixelRatio(1);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(opaque)) {
        *error = QStringLiteral("cannot encode a PNG: %1").arg(writer.errorString());
        return {};
    }
    return bytes;
}

}  // namespace

QString doubleSizePath(const QString &path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@2x.png");
}

QStringList doubleSizedPictures() {
    QStringList paths;
    for (const Picture &picture : pictures()) paths.append(picture.path);
    return paths;
}

QList<AssetFile> paintDoubleSizePictures(QString *error) {
    const RenderScale twice(2);
    QList<AssetFile> files;
    for (const Picture &picture : pictures()) {
        const QByteArray bytes = encodePng(picture.paint(), error);
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
