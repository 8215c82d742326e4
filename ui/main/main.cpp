// SPDX-License-Identifier: MIT
#include <QApplication>

#include "sound/sound.h"
#include "ui/common/memory.h"
#include "ui/main/fonts.h"
#include "ui/main/form1.h"

int main(int argc, char *argv[]) {
    ui::setUpMemory();
    // The clock repaints its label every second. Through shared memory each repaint also
    // waits for the X server to have read the last one, a round trip that wakes the program
    // three times a tick instead of once; the window is small enough to send over the
    // connection instead (a whole frame is 0.8 MB).
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    int status = 0;
    {
        Form1 form;
        form.show();
        status = app.exec();
    }
    sound::shutDown();
    return status;
}
