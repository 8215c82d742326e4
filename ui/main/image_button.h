// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/picture_widget.h"

namespace ui {

// A picture used as a command button. It only reports the pointer; which picture it
// shows is decided by its owner. A click is a left press and a left release over it; the
// second press of a double click is no press, so a double click is one click.
class ImageButton final : public PictureWidget {
    Q_OBJECT

public:
    ImageButton(int index, QWidget *parent);

    int index() const { return m_index; }

signals:
    void pointerMoved(int index);
    void pressed(int index);
    void released(int index);
    void clicked(int index);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_leftHeld = false;
};

}  // namespace ui
