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
// released and pressed again, many times a second. So a release counts only once the key is up
// on the X server too; elsewhere Qt's mark is trusted. Leaving the window forgets every key.
class HeldKeys final : public QObject {
    Q_OBJECT

public:
    // Whether the key of a release is still down: on X11 the server is asked.
    using StillDown = std::function<bool(const QKeyEvent &release)>;

    // Watches the releases of the keys pressed in window.
    explicit HeldKeys(QWidget *window);

    // Takes in a press: true when its key was already down.
    bool repeated(const QKeyEvent &press);
    void setStillDown(StillDown stillDown) { m_stillDown = std::move(stillDown); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StillDown m_stillDown;
    QSet<quint32> m_down;  // by scan code (X11 key code), else by Qt key
};

}  // namespace ui
