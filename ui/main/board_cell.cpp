// SPDX-License-Identifier: MIT
#include "ui/main/board_cell.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

BoardCell::BoardCell(int index, QWidget *parent) : QWidget(parent), m_index(index) {
    setObjectName(QStringLiteral("box%1").arg(index));
    setFocusPolicy(Qt::NoFocus);
    // Mouse input on a cell stays with the cell: in particular the moves of a drag that
    // began here never count as moves over the window's bare surface.
    setAttribute(Qt::WA_NoMousePropagation);
}

void BoardCell::setPicture(const QPixmap &picture) {
    m_picture = picture;
    update();
}

void BoardCell::paintEvent(QPaintEvent *) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void BoardCell::mousePressEvent(QMouseEvent *event) {
    event->accept();
}

void BoardCell::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
}

void BoardCell::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    // While a button is held the cell it was pressed on gets the release wherever the
    // pointer is; only a release over this very cell counts.
    if (rect().contains(event->position().toPoint())) emit released(m_index, event->button());
}

}  // namespace ui
