// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <functional>

namespace assetgen {

// One file of resources/: its path relative to that folder and its bytes.
struct AssetFile {
    QString path;
    QByteArray bytes;
};

// One picture the windows show: its file under resources/, its painter and how it is stored.
struct Picture {
    QString path;
    std::function<QImage()> paint;
    int bmpBits;  // bits per pixel of a bitmap (24 or 32); 0 for a GIF
};

// The board background, the letters, the nine button looks, the options background, the four
// outcome pictures and the About picture, in that order. Not the icons.
const QList<Picture> &pictures();

// Paints, synthesises and encodes every picture, icon and sound of the program. Needs a
// QGuiApplication. Returns an empty list and sets error when a font or an encoder fails.
QList<AssetFile> generateAssets(QString *error);

// Writes the files under dir, creating folders as needed. Returns false and sets error on the
// first failure.
bool writeAssets(const QList<AssetFile> &files, const QString &dir, QString *error);

}  // namespace assetgen
