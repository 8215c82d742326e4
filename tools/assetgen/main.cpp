// SPDX-License-Identifier: MIT
// assetgen OUTPUT_DIR: writes every picture, icon and sound of the program under OUTPUT_DIR
// (normally resources/). The same run always writes the same bytes.
#include <QGuiApplication>
#include <QTextStream>

#include "tools/assetgen/asset_set.h"
#include "tools/assetgen/desktop_icons.h"
#include "tools/assetgen/double_size.h"

int main(int argc, char **argv) {
    // Painting needs fonts but no screen; the offscreen platform works everywhere.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        err << "usage: assetgen OUTPUT_DIR\n";
        return 2;
    }
    QString error;
    const QList<assetgen::AssetFile> files = assetgen::withDoubleSizePictures(
        assetgen::withDesktopIcons(assetgen::generateAssets(&error), &error), &error);
    if (files.isEmpty() || !assetgen::writeAssets(files, args.at(1), &error)) {
        err << "assetgen: " << error << '\n';
        return 1;
    }
    QTextStream(stdout) << "assetgen: wrote " << files.size() << " files under " << args.at(1)
                        << '\n';
    return 0;
}
