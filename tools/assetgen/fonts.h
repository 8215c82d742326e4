// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

namespace assetgen {

// The faces the pictures are lettered with, all from Debian font packages named in the setup
// script: Liberation (fonts-liberation), DejaVu (fonts-dejavu-core) and Dancing Script
// (fonts-dancingscript), a brush script for the button words.
enum class Face {
    Sans,
    SansBold,
    SansBoldItalic,
    Serif,
    SerifBold,
    SerifBoldItalic,
    Script,
    ScriptBold,
    DejaVuSansBold,
};

// Registers the font files with the application. Needs a QGuiApplication. Returns false and
// names the missing file and its package in error when one cannot be loaded.
bool loadFonts(QString *error);

// A font of the given face at a size in pixels, unhinted and with grey-scale anti-aliasing
// only, so that the lettering comes out the same on every desktop configuration.
QFont font(Face face, qreal pixelSize);

}  // namespace assetgen
