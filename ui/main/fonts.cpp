// SPDX-License-Identifier: MIT
#include "ui/main/fonts.h"

#include <QFont>

namespace ui {

void installFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

}  // namespace ui
