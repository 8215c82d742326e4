// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

namespace ui {

// A board cell's picture, shown unscaled from its top-left corner, with the window's
// background around and through it. It never takes the keyboard focus, and its mouse input
// stays with it: the moves of a drag that began on it never count as moves over the window's
// bare surface. (The command buttons are Qt buttons of their own, ImageButton.)
class PictureWidget : public QWidget {
    Q_OBJECT

public:
    PictureWidget(const QString &name, int index, QWidget *parent);

    int index() const { return m_index; }
    const QPixmap &picture() const { return m_picture; }
    // A null pixmap shows nothing.
    void setPicture(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;
    const int m_index;

private:
    QPixmap m_picture;
};

}  // namespace ui
