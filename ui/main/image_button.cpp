// SPDX-License-Identifier: MIT
#include "ui/main/image_button.h"

#include <QMouseEvent>

namespace ui {

ImageButton::ImageButton(int index, QWidget *parent)
    : PictureWidget(QStringLiteral("tombol%1"), index, parent) {
    setMouseTracking(true);
}

void ImageButton::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    emit pointerMoved(m_index);
}

void ImageButton::mousePressEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() == Qt::LeftButton) m_leftHeld = true;
    emit pressed(m_index);
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    const bool click = event->button() == Qt::LeftButton && m_leftHeld &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) m_leftHeld = false;
    emit released(m_index);
    if (click) emit clicked(m_index);
}

void ImageButton::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
}

}  // namespace ui
