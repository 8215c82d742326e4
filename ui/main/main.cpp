// SPDX-License-Identifier: MIT
#include <QApplication>

#include "sound/sound.h"
#include "ui/common/font_config_loader.h"
#include "ui/main/main_window.h"

int main(int argc, char *argv[]) {
    // The options, result and About windows open centred over the main window, and only X11
    // lets a program place its windows. Unless the user chose a platform, take X11 (XWayland in
    // a Wayland session) and fall back to Wayland where no X server answers.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb;wayland");
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
