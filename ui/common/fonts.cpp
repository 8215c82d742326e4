// SPDX-License-Identifier: MIT
#include "ui/common/fonts.h"

#include <QStringList>

namespace ui {

QFont windowFont(const QString &family, qreal pointSize, bool bold) {
    QFont font;
    const bool serif = family == QLatin1String("Times New Roman");
    font.setFamilies(
        {family, serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace ui
