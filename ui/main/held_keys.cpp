// SPDX-License-Identifier: MIT
#include "ui/main/held_keys.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>
#include <cstdlib>

namespace ui {

namespace {

quint32 keyOf(const QKeyEvent &event) {
    return event.nativeScanCode() ? event.nativeScanCode() : quint32(event.key());
}

// Whether the key of event is down on the X server now.
bool downOnServer(const QKeyEvent &event) {
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const quint32 code = event.nativeScanCode();
    if (!x11 || code < 8 || code > 255) return false;
    xcb_connection_t *connection = x11->connection();
    xcb_query_keymap_reply_t *keymap =
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (!keymap) return false;
    const bool down = keymap->keys[code / 8] & (1u << (code % 8));
    std::free(keymap);
    return down;
}

}  // namespace

HeldKeys::HeldKeys(QWidget *window) : QObject(window) {
    if (qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) m_keyDown = downOnServer;
    window->installEventFilter(this);
}

bool HeldKeys::repeated(const QKeyEvent &press) {
    const quint32 key = keyOf(press);
    bool repeat = press.isAutoRepeat() || m_down.contains(key);
    if (!repeat && m_letGo.contains(key)) repeat = m_keyDown && !m_keyDown(press);
    if (!repeat) m_letGo.remove(key);
    m_down.insert(key);
    return repeat;
}

void HeldKeys::released(const QKeyEvent &release) {
    const quint32 key = keyOf(release);
    if (release.isAutoRepeat() || (m_keyDown && m_keyDown(release))) {
        m_repeating.insert(key);
        return;
    }
    m_down.remove(key);
    if (m_repeating.remove(key)) m_letGo.insert(key);
}

bool HeldKeys::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyRelease) {
        released(*static_cast<const QKeyEvent *>(event));
    } else if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::FocusOut) {
        m_down.clear();  // their releases go elsewhere
        m_repeating.clear();
        m_letGo.clear();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ui
