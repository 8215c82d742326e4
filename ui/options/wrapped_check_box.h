// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>

namespace ui {

// A check box whose caption wraps onto further lines within its width, centred vertically
// beside the box. The whole control area takes the click.
class WrappedCheckBox final : public QCheckBox {
    Q_OBJECT
public:
    WrappedCheckBox(const QString &text, QWidget *parent);

    // Where the caption is drawn, in the control's coordinates.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

}  // namespace ui
