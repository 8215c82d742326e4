// SPDX-License-Identifier: MIT
#include "ui/common/window_placement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace ui {

void showCentredOver(QWidget *window, const QWidget *mainWindow) {
    if (mainWindow) {
        QRect frame(QPoint(), window->frameGeometry().size());
        frame.moveCenter(mainWindow->frameGeometry().center());
        if (const QScreen *screen = mainWindow->screen()) {
            const QRect available = screen->availableGeometry();
            frame.moveLeft(
                qMax(available.left(), qMin(frame.left(), available.right() - frame.width() + 1)));
            frame.moveTop(
                qMax(available.top(), qMin(frame.top(), available.bottom() - frame.height() + 1)));
        }
        window->move(frame.topLeft());
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace ui
