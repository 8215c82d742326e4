// SPDX-License-Identifier: MIT
#include "ui/common/memory.h"

#include <malloc.h>

#include <QTimer>
#include <QWidget>

namespace ui {

void setUpMemory() {
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

void handBackMemoryWhenGone(QWidget *window) {
    QObject::connect(window, &QObject::destroyed, [] {
        // The window's last pieces go with the current event; trim after them.
        QTimer::singleShot(0, [] { malloc_trim(0); });
    });
}

}  // namespace ui
