// SPDX-License-Identifier: MIT
#include "ui/main/image_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

ImageButton::ImageButton(int index, QWidget *parent) : QAbstractButton(parent), m_index(index) {
    setObjectName(QStringLiteral("tombol%1").arg(index));
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    // A drag begun on the button stays with it and never counts as a move over the window.
    setAttribute(Qt::WA_NoMousePropagation);
}

void ImageButton::setPicture(const QPixmap &picture) {
    m_picture = picture;
    update();
}

void ImageButton::paintEvent(QPaintEvent *) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void ImageButton::mouseMoveEvent(QMouseEvent *event) {
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
    emit pointerMoved(m_index);
}

void ImageButton::mousePressEvent(QMouseEvent *event) {
    QAbstractButton::mousePressEvent(event);
    event->accept();
    emit pointerPressed(m_index);
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event) {
    emit pointerReleased(m_index);
    QAbstractButton::mouseReleaseEvent(event);
    event->accept();
}

// The second press of a double click is no press.
void ImageButton::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
}

}  // namespace ui
