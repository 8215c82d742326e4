// SPDX-License-Identifier: MIT
#include "ui/main/board_cell.h"

#include <QMouseEvent>

namespace ui {

BoardCell::BoardCell(int index, QWidget *parent)
    : PictureWidget(QStringLiteral("box%1"), index, parent) {}

void BoardCell::setContent(int letter, const QPixmap &picture) {
    m_letter = letter;
    setPicture(picture);
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
    if (!rect().contains(event->position().toPoint())) return;
    if (event->button() == Qt::LeftButton)
        choose(game::Letter::S);
    else if (event->button() == Qt::RightButton)
        choose(game::Letter::O);
}

}  // namespace ui
