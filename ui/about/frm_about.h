// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

// The About box: the credits picture in a frameless 400 x 299 window without a taskbar
// entry. It is parentless and non-modal, deletes itself when it closes and does not keep
// the program running. A click anywhere on it closes it.
class frmAbout final : public QWidget {
    Q_OBJECT

public:
    frmAbout();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    Qt::MouseButton m_pressedButton = Qt::NoButton;
};
