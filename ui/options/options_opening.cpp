// SPDX-License-Identifier: MIT
#include "ui/options/options_opening.h"

#include <QWidget>

#include "ui/common/memory.h"
#include "ui/common/window_placement.h"

namespace ui {

void openOptionsDialog(QPointer<Form2> &dialog, QWidget *mainWindow, game::Game &game) {
    if (!dialog) {
        dialog = new Form2;
        handBackMemoryWhenGone(dialog);
        if (mainWindow) {
            // The dialog applies to the main window's game, so it must not outlive it.
            Form2 *created = dialog;
            QObject::connect(mainWindow, &QObject::destroyed, created,
                             [created] { delete created; });
        }
    }
    dialog->setApplier([&game](const game::OptionValues &values) { game.Change_setting(values); });
    dialog->fill(game.state());
    showCentredOver(dialog, mainWindow);
}

}  // namespace ui
