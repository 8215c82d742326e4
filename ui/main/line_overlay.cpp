// SPDX-License-Identifier: MIT
#include "ui/main/line_overlay.h"

#include <QPainter>

namespace ui {

LineOverlay::LineOverlay(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lines"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineOverlay::addLine(const QLineF &line) {
    m_lines.append(line);
    update();
}

void LineOverlay::clear() {
    m_lines.clear();
    update();
}

void LineOverlay::paintEvent(QPaintEvent *) {
    if (m_lines.isEmpty()) return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, kPenWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLines(m_lines);
}

}  // namespace ui
