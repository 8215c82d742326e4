// SPDX-License-Identifier: MIT
#include "ui/main/picture_widget.h"

#include <QPainter>

namespace ui {

PictureWidget::PictureWidget(const QString &name, int index, QWidget *parent)
    : QWidget(parent), m_index(index) {
    setObjectName(name.arg(index));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoMousePropagation);
}

void PictureWidget::setPicture(const QPixmap &picture) {
    m_picture = picture;
    update();
}

void PictureWidget::paintEvent(QPaintEvent *) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

}  // namespace ui
