// SPDX-License-Identifier: MIT
#pragma once

#include <QValidator>

namespace ui {

// Keeps a text box free of half characters. A QLineEdit cuts text at its maximum length in
// UTF-16 units, which can leave the first half of a surrogate pair (an emoji, say) at the end;
// this validator drops every unpaired surrogate, wherever it stands, so only whole characters
// are ever stored.
class WholeCharacterValidator final : public QValidator {
    Q_OBJECT
public:
    explicit WholeCharacterValidator(QObject *parent);

    State validate(QString &input, int &pos) const override;
};

}  // namespace ui
