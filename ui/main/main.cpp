// SPDX-License-Identifier: MIT
#include <QApplication>

#include "sound/sound.h"
#include "ui/common/font_config_loader.h"
#include "ui/common/memory.h"
#include "ui/main/main_window.h"

int main(int argc, char *argv[]) {
    ui::setUpMemory();
    // The options, result and About windows open centred over the main window, and only X11
    // lets a program place its windows. Unless the user chose a platform, take X11 (XWayland in
    // a Wayland session) and fall back to Wayland where no X server answers.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    // The clock repaints its label every second. Through shared memory each repaint also
    // waits for the X server to have read the last one, a round trip that wakes the program
    // three times a tick instead of once; the window is small enough to send over the
    // connection instead (a whole frame is 0.8 MB).
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    ui::FontConfigLoader fontConfig;
    QApplication app(argc, argv);
    fontConfig.wait();
    int status = 0;
    {
        MainWindow window;
        window.show();
        status = app.exec();
    }
    sound::shutDown();
    return status;
}
