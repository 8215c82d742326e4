// SPDX-License-Identifier: MIT
#include "ui/main/reset_question.h"

#include <QMessageBox>

namespace ui {

bool askResetGame(QWidget *mainWindow) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("What's up Dog !!"),
                    QStringLiteral("Are you serious to reset the game !!"),
                    QMessageBox::Yes | QMessageBox::No, mainWindow);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace ui
