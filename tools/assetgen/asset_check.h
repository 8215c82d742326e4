// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QStringList>

#include "tools/assetgen/asset_set.h"

namespace assetgen {

// How far a regenerated file may stray from the committed one: rendering and synthesis round
// differently with other library versions and processors, by a level here and there.
constexpr int kPixelTolerance = 2;   // levels per channel, alpha included
constexpr int kSampleTolerance = 2;  // levels of an 8-bit sample; 256 times that for 16 bits

// Compares freshly generated files with those under dir: every file present; a bitmap's header,
// an icon's directory, a sound's chunk layout and every byte outside its samples exactly; file
// sizes where the layout fixes them; decoded pictures (size, format, pixels) and samples within
// the tolerances. Returns one line per differing file, "path: what differs"; none when all match.
QStringList checkAssets(const QList<AssetFile> &files, const QString &dir);

}  // namespace assetgen
