// SPDX-License-Identifier: MIT
#include <QApplication>

#include "sound/sound.h"
#include "ui/common/memory.h"
#include "ui/main/fonts.h"
#include "ui/main/form1.h"

int main(int argc, char *argv[]) {
    ui::setUpMemory();
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
