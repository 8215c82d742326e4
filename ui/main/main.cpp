// SPDX-License-Identifier: MIT
#include <QApplication>

#include "sound/sound.h"
#include "ui/main/form1.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    int status = 0;
    {
        Form1 form;
        form.show();
        status = app.exec();
    }
    sound::shutDown();
    return status;
}
