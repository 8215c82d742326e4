// SPDX-License-Identifier: MIT
#include "ui/options/mode_label.h"

#include <QMouseEvent>

namespace ui {

ModeLabel::ModeLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
}

void ModeLabel::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    event->accept();
}

void ModeLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace ui
