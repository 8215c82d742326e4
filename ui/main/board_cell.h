// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/picture_widget.h"

namespace ui {

// One cell of the board: shows its letter picture, nothing else. Reports the release of a
// mouse button made over itself; a press here and a release elsewhere is no placement.
class BoardCell final : public PictureWidget {
    Q_OBJECT

public:
    BoardCell(int index, QWidget *parent);

signals:
    void released(int index, Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

}  // namespace ui
