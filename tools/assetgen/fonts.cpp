// SPDX-License-Identifier: MIT
#include "tools/assetgen/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace assetgen {

namespace {

struct FaceFile {
    Face face;
    const char *path;
    const char *package;
    bool bold;
    bool italic;
};

constexpr std::array kFaceFiles{
    FaceFile{Face::Sans, "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
             "fonts-liberation", false, false},
    FaceFile{Face::SansBold, "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
             "fonts-liberation", true, false},
    FaceFile{Face::SansBoldItalic,
             "/usr/share/fonts/truetype/liberation/LiberationSans-BoldItalic.ttf",
             "fonts-liberation", true, true},
    FaceFile{Face::Serif, "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf",
             "fonts-liberation", false, false},
    FaceFile{Face::SerifBold, "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf",
             "fonts-liberation", true, false},
    FaceFile{Face::SerifBoldItalic,
             "/usr/share/fonts/truetype/liberation/LiberationSerif-BoldItalic.ttf",
             "fonts-liberation", true, true},
    FaceFile{Face::Script, "/usr/share/fonts/opentype/dancingscript/DancingScript-Regular.otf",
             "fonts-dancingscript", false, false},
    FaceFile{Face::ScriptBold, "/usr/share/fonts/opentype/dancingscript/DancingScript-Bold.otf",
             "fonts-dancingscript", true, false},
    FaceFile{Face::DejaVuSansBold, "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
             "fonts-dejavu-core", true, false},
};

std::array<QString, kFaceFiles.size()> g_families;

}  // namespace

bool loadFonts(QString *error) {
    for (size_t i = 0; i < kFaceFiles.size(); ++i) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kFaceFiles[i].path));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            *error = QStringLiteral("cannot load %1 (Debian package %2)")
                         .arg(QString::fromLatin1(kFaceFiles[i].path),
                              QString::fromLatin1(kFaceFiles[i].package));
            return false;
        }
        g_families[i] = families.first();
    }
    return true;
}

QFont font(Face face, qreal pixelSize) {
    for (size_t i = 0; i < kFaceFiles.size(); ++i) {
        if (kFaceFiles[i].face != face) continue;
        QFont f(g_families[i]);
        f.setPixelSize(qRound(pixelSize));
        f.setBold(kFaceFiles[i].bold);
        f.setItalic(kFaceFiles[i].italic);
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias |
                                                QFont::NoSubpixelAntialias | QFont::NoFontMerging));
        f.setKerning(true);
        return f;
    }
    return {};
}

}  // namespace assetgen
