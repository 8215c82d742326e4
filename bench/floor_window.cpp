// SPDX-License-Identifier: MIT
// The floor the game's start-up and memory are held to: the least a Qt Widgets program can
// do to put a window of the main window's fixed size on screen. Built with the same compiler
// and flags as the game; it paints nothing of its own.
#include <QApplication>
#include <QWidget>

#include "ui/common/layout.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(layout::px(layout::kMainClient.width),
                        layout::px(layout::kMainClient.height));
    window.show();
    return app.exec();
}
