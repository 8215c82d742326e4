// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/picture_widget.h"

namespace ui {

// One cell of the board: shows its letter picture, nothing else. Reports the release of a
// mouse button made over itself; a press here and a release elsewhere is no placement. The
// keyboard's cursor standing on it makes it the focused object for assistive technology.
class BoardCell final : public PictureWidget {
    Q_OBJECT

public:
    BoardCell(int index, QWidget *parent);

    bool hasCursor() const { return m_cursorHere; }
    void setCursorHere(bool here) { m_cursorHere = here; }

signals:
    void released(int index, Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_cursorHere = false;
};

}  // namespace ui
