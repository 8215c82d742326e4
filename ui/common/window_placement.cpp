// SPDX-License-Identifier: MIT
#include "ui/common/window_placement.h"

#include <QRect>
#include <QScreen>
#include <QSize>
#include <QWidget>

namespace ui {

void showCentredOver(QWidget *window, const QWidget *mainWindow) {
    // Opened again, a window stays where the user left it: it is only brought to the front.
    if (!window->isVisible()) {
        // Until a window is first shown its frame is unknown; a framed one will get the same
        // decoration as the main window, which is what it is centred and kept on screen by.
        QSize size = window->frameGeometry().size();
        if (!(window->windowFlags() & Qt::FramelessWindowHint))
            size += mainWindow->frameGeometry().size() - mainWindow->geometry().size();
        QRect frame(QPoint(), size);
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
