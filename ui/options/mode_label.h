// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include "ui/common/left_click.h"

namespace ui {

// A label that reports a click of the left mouse button: the press and the release both over it.
class ModeLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ModeLabel(const QString &text, QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    LeftClick m_click;
};

}  // namespace ui
