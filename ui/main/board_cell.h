// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

namespace ui {

// One cell of the board: shows its letter picture unscaled from its top-left corner,
// nothing else (the window's background shows around and through it). Reports the
// release of a mouse button made over itself; a press here and a release elsewhere is
// no placement.
class BoardCell final : public QWidget {
    Q_OBJECT

public:
    BoardCell(int index, QWidget *parent);

    int index() const { return m_index; }
    const QPixmap &picture() const { return m_picture; }
    // A null pixmap clears the cell.
    void setPicture(const QPixmap &picture);

signals:
    void released(int index, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
    QPixmap m_picture;
};

}  // namespace ui
