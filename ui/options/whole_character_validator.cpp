// SPDX-License-Identifier: MIT
#include "ui/options/whole_character_validator.h"

namespace ui {

WholeCharacterValidator::WholeCharacterValidator(QObject *parent) : QValidator(parent) {}

QValidator::State WholeCharacterValidator::validate(QString &input, int &pos) const {
    QString kept;
    kept.reserve(input.size());
    int keptPos = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (c.isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate()) {
            kept.append(c);
            kept.append(input.at(++i));
        } else if (c.isSurrogate()) {
            if (i < pos) --keptPos;
        } else {
            kept.append(c);
        }
    }
    if (kept.size() != input.size()) {
        input = kept;
        pos = keptPos;
    }
    return Acceptable;
}

}  // namespace ui
