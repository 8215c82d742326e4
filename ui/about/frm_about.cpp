// SPDX-License-Identifier: MIT
#include "ui/about/frm_about.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/common/pictures.h"

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
    m_picture = ui::loadPicture(QStringLiteral(":/pictures/about.bmp"), devicePixelRatioF());
    // The credits are a picture; a screen reader gets its words.
    setAccessibleName(QStringLiteral("About Trilet 1.0"));
    setAccessibleDescription(QStringLiteral(
        "Trilet, version 1.0. A game of S and O for two. Programming, pictures and sounds: "
        "Kovlane. Thanks for playing, and good luck! Copyright \u00a9 2003 Kovlane. Click "
        "anywhere to close."));
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
