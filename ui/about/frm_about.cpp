// SPDX-License-Identifier: MIT
#include "ui/about/frm_about.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr QSize kWindowSize(400, 299);
}

// A tool window keeps the About box off the taskbar and above the program's other windows.
frmAbout::frmAbout() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Trilet"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kWindowSize);
    m_picture.load(QStringLiteral(":/pictures/about.bmp"));
}

void frmAbout::paintEvent(QPaintEvent *) {
    // The picture is one row taller than the window; its last row stays unseen.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, m_picture);
}

// A click is a press and a release of the same button, both on the window.
void frmAbout::mousePressEvent(QMouseEvent *event) {
    if (m_pressedButton == Qt::NoButton) m_pressedButton = event->button();
    event->accept();
}

void frmAbout::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() != m_pressedButton) return;
    m_pressedButton = Qt::NoButton;
    if (rect().contains(event->position().toPoint())) close();
}
