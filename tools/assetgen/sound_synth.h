// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace assetgen {

// The three sounds of the program, synthesised: the sample data only, ready for a data chunk.
// Every sound peaks below full scale, so nothing clips, and none has a silent stretch before
// its final fade.
QByteArray synthLosingJingle();    // sound 1: 44624 unsigned 8-bit samples, 22050 per second
QByteArray synthPlacementClick();  // sound 2: 3511 signed 16-bit samples, 22050 per second
QByteArray synthWinningFanfare();  // sound 3: 38963 unsigned 8-bit samples, 22050 per second

}  // namespace assetgen
