// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QSet>
#include <functional>

class QKeyEvent;
class QWidget;

namespace ui {

// Tells a key held down from a key pressed again. Qt marks the presses of a held key as
// auto-repeated, but on X11 it guesses that from the order in which the server's events arrive,
// and with a screen reader running the guess often fails: a held key then reads as a key
// released and pressed again, many times a second. So on X11 the server is asked too: a release
// while the key is still down is a repeat's, and once a held key is let go, a press that comes
// in after the key is up again is a late repeat. Elsewhere Qt's mark is trusted. Leaving the
// window forgets every key.
class HeldKeys final : public QObject {
    Q_OBJECT

public:
    // Whether the key of an event is down now; on X11 the server says, elsewhere there is none.
    using KeyDown = std::function<bool(const QKeyEvent &event)>;

    // Watches the releases of the keys pressed in window.
    explicit HeldKeys(QWidget *window);

    // Takes in a press: true when it repeats a key held down.
    bool repeated(const QKeyEvent &press);
    void setKeyDown(KeyDown keyDown) { m_keyDown = std::move(keyDown); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void released(const QKeyEvent &release);

    KeyDown m_keyDown;
    // By scan code (X11 key code), else by Qt key: the keys down, those that have repeated, and
    // those let go after repeating, whose late repeats may still come in.
    QSet<quint32> m_down, m_repeating, m_letGo;
};

}  // namespace ui
