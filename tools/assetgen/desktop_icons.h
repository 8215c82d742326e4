// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include "tools/assetgen/asset_set.h"

namespace assetgen {

// Where the desktop icons go under resources/, laid out as in the hicolor icon theme so that
// installing copies them as they are.
inline const QString kDesktopIcon32 = QStringLiteral("icons/hicolor/32x32/apps/trilet.png");
inline const QString kDesktopIcon256 = QStringLiteral("icons/hicolor/256x256/apps/trilet.png");

// The program's board icon painted smoothly at 256 x 256 pixels for desktop menus and software
// centres: the same navy grid of nine blue squares with the same marks in the same squares as
// the 32 x 32 window icon. Needs the fonts loaded.
QImage paintLargeProgramIcon();

// Adds the two desktop icons to files: the window icon icons/trilet.ico (which files must hold)
// decoded and written as a 32 x 32 PNG, and the large rendering as a 256 x 256 PNG. An empty
// files list stays empty; a missing or unreadable icon gives an empty list and sets error.
QList<AssetFile> withDesktopIcons(QList<AssetFile> files, QString *error);

}  // namespace assetgen
