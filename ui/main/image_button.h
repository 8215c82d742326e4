// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace ui {

// A picture used as a command button: Qt's button tells the click (a left press and a left
// release over it; a double click is one click). Which picture it shows is decided by its
// owner, from the pointer signals: any button's press and release, and moves over it.
class ImageButton final : public QAbstractButton {
    Q_OBJECT

public:
    ImageButton(int index, QWidget *parent);

    int index() const { return m_index; }
    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

signals:
    void pointerMoved(int index);
    void pointerPressed(int index);
    void pointerReleased(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    const int m_index;
    QPixmap m_picture;
};

}  // namespace ui
