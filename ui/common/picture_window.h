// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

#include "ui/common/layout.h"
#include "ui/common/left_click.h"

namespace ui {

// A frameless window that is one picture, drawn unscaled from its top-left corner on white.
// It has no owner, deletes itself when it closes and does not keep the program running. A
// click on its own surface closes it: a press and a release of the left button, both on the
// window; a double click is one click, and the other buttons do nothing. Escape and Enter
// close it too.
class PictureWindow : public QWidget {
    Q_OBJECT

public:
    // taskbar: whether the window gets an entry in the desktop's taskbar.
    PictureWindow(const char *name, const QString &title, const layout::Box &client,
                  const QString &picture, bool taskbar);

protected:
    void setPicture(const QString &path);
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_path;
    QPixmap m_picture;  // m_path decoded, once painted
    LeftClick m_click;
};

}  // namespace ui
