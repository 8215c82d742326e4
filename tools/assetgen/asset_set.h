// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace assetgen {

// One file of resources/: its path relative to that folder and its bytes.
struct AssetFile {
    QString path;
    QByteArray bytes;
};

// Paints, synthesises and encodes every picture, icon and sound of the program. Needs a
// QGuiApplication. Returns an empty list and sets error when a font or an encoder fails.
QList<AssetFile> generateAssets(QString *error);

// Writes the files under dir, creating folders as needed. Returns false and sets error on the
// first failure.
bool writeAssets(const QList<AssetFile> &files, const QString &dir, QString *error);

}  // namespace assetgen
