// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

namespace ui {

// A picture used as a command button. It only reports the pointer; which picture it
// shows is decided by its owner. A click is a left press and a left release over it.
class ImageButton final : public QWidget {
    Q_OBJECT

public:
    ImageButton(int index, QWidget *parent);

    int index() const { return m_index; }
    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

signals:
    void pointerMoved(int index);
    void pressed(int index);
    void released(int index);
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
    QPixmap m_picture;
    bool m_leftHeld = false;
};

}  // namespace ui
