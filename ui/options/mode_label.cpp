// SPDX-License-Identifier: MIT
#include "ui/options/mode_label.h"

#include <QMouseEvent>

namespace ui {

ModeLabel::ModeLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
}

void ModeLabel::mousePressEvent(QMouseEvent *event) {
    m_click.press(event);
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QLabel::mousePressEvent(event);
}

void ModeLabel::mouseReleaseEvent(QMouseEvent *event) {
    const bool left = event->button() == Qt::LeftButton;
    if (m_click.release(event, rect())) emit clicked();
    if (left)
        event->accept();
    else
        QLabel::mouseReleaseEvent(event);
}

}  // namespace ui
