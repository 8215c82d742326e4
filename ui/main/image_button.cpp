// SPDX-License-Identifier: MIT
#include "ui/main/image_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

ImageButton::ImageButton(int index, QWidget *parent) : QWidget(parent), m_index(index) {
    setObjectName(QStringLiteral("tombol%1").arg(index));
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void ImageButton::setPicture(const QPixmap &picture) {
    m_picture = picture;
    update();
}

void ImageButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
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

}  // namespace ui
