// SPDX-License-Identifier: MIT
// assetgen OUTPUT_DIR: writes every picture, icon and sound of the program under OUTPUT_DIR
// (normally resources/). The same run always writes the same bytes.
// assetgen --check DIR: regenerates the same files in memory and compares them with those under
// DIR, allowing the small rounding differences of other machines (make assets-check).
#include <QGuiApplication>
#include <QTextStream>

#include "tools/assetgen/asset_check.h"
#include "tools/assetgen/asset_set.h"
#include "tools/assetgen/desktop_icons.h"
#include "tools/assetgen/double_size.h"

int main(int argc, char **argv) {
    // Painting needs fonts but no screen; the offscreen platform works everywhere.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const QStringList args = QGuiApplication::arguments();
    const bool check = args.size() == 3 && args.at(1) == "--check";
    if (args.size() != 2 + check || args.at(1).startsWith('-') != check) {
        err << "usage: assetgen OUTPUT_DIR\n       assetgen --check DIR\n";
        return 2;
    }
    const QString dir = args.last();
    QString error;
    const QList<assetgen::AssetFile> files = assetgen::withDoubleSizePictures(
        assetgen::withDesktopIcons(assetgen::generateAssets(&error), &error), &error);
    if (files.isEmpty() || (!check && !assetgen::writeAssets(files, dir, &error))) {
        err << "assetgen: " << error << '\n';
        return 1;
    }
    if (check) {
        const QStringList problems = assetgen::checkAssets(files, dir);
        for (const QString &problem : problems) out << problem << '\n';
        if (problems.isEmpty())
            out << "assetgen: all " << files.size() << " files under " << dir
                << " match a fresh run\n";
        else
            out << "assetgen: " << dir << " differs from a fresh run in " << problems.size()
                << (problems.size() == 1 ? " file" : " files") << "; make assets rewrites them\n";
        return problems.isEmpty() ? 0 : 1;
    }
    out << "assetgen: wrote " << files.size() << " files under " << dir << '\n';
    return 0;
}
