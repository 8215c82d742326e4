// SPDX-License-Identifier: MIT
#pragma once

#include <QMouseEvent>
#include <QRect>

namespace ui {

// Tells a click of the left mouse button on a control that is no button: a press and a release,
// both over it. Qt sends the release to the control that had the press, wherever the pointer
// is, so the release's position decides. Other buttons never click.
class LeftClick {
public:
    void press(const QMouseEvent *event) {
        if (event->button() == Qt::LeftButton) m_held = true;
    }

    // Whether this release ends a click over area (in the control's coordinates).
    bool release(const QMouseEvent *event, const QRect &area) {
        if (event->button() != Qt::LeftButton) return false;
        const bool held = m_held;
        m_held = false;
        return held && area.contains(event->position().toPoint());
    }

private:
    bool m_held = false;
};

}  // namespace ui
