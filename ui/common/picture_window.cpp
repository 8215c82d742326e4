// SPDX-License-Identifier: MIT
#include "ui/common/picture_window.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/common/pictures.h"
#include "ui/common/twips.h"

namespace ui {

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return found;
}

// Asks an X11 window manager to leave the window out of the taskbar. A tool window would get
// there too, but X11 makes a tool window belong to the program's other windows, which many
// window managers then keep above them. Other platforms have no such request.
void leaveOffTaskbar(QWidget *window) {
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection) return;
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skip = atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE) return;
    xcb_change_property(connection, XCB_PROP_MODE_APPEND,
                        static_cast<xcb_window_t>(window->winId()), state, XCB_ATOM_ATOM, 32, 1,
                        &skip);
    xcb_flush(connection);
}

}  // namespace

PictureWindow::PictureWindow(const char *name, const QString &title, const layout::Box &client,
                             const QString &picture, bool taskbar)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(ui::size(client));
    setPicture(picture);
    if (!taskbar) leaveOffTaskbar(this);
}

// The picture is decoded when it is first painted: the result window is filled with the
// outcome's picture before it shows, so the picture it was made with is never decoded.
void PictureWindow::setPicture(const QString &path) {
    m_path = path;
    m_picture = QPixmap();
    update();
}

void PictureWindow::paintEvent(QPaintEvent *) {
    // A picture may be smaller or larger than the window: white shows around it, and what
    // lies beyond the window stays unseen.
    if (m_picture.isNull()) m_picture = loadPicture(m_path, devicePixelRatioF());
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, m_picture);
}

void PictureWindow::mousePressEvent(QMouseEvent *event) {
    event->accept();
    m_click.press(event);
}

void PictureWindow::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    if (m_click.release(event, rect())) close();
}

// The second press of a double click starts no second click.
void PictureWindow::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
}

void PictureWindow::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    // Enter on the keypad comes with the keypad flag; any other modifier keeps the window.
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace ui
