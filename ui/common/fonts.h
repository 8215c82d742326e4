// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

namespace ui {

// The face a window's definition names ("MS Sans Serif", "Times New Roman"), at that point
// size, followed by its metric twin that is always installed with the program (Liberation
// Sans, Liberation Serif) for desktops that lack the face itself.
QFont windowFont(const QString &family, qreal pointSize, bool bold);

}  // namespace ui
