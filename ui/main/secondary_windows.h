// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QString>

#include "game/game_state.h"
#include "game/game_view.h"
#include "ui/options/options_dialog.h"

class QWidget;
class AboutBox;
class ResultWindow;

namespace ui {

// The main window's three secondary windows: the options dialog, the result window and the
// About box. Each has no owner and at most one copy; opened the first time it is centred over
// the main window, opened again it is only brought to the front. They go with the main window.
class SecondaryWindows {
public:
    explicit SecondaryWindows(QWidget *mainWindow) : m_mainWindow(mainWindow) {}
    ~SecondaryWindows();
    SecondaryWindows(const SecondaryWindows &) = delete;
    SecondaryWindows &operator=(const SecondaryWindows &) = delete;

    // Opens the options filled from state; OK hands the chosen options to apply.
    void openOptions(const game::GameState &state, OptionsDialog::Apply apply);
    void openAbout();
    // Fills the result window, creating it where it is closed...
    void fillResult(const QString &name, game::ResultPicture picture);
    // ...and shows it.
    void showResult();
    void closeAll();

private:
    QWidget *m_mainWindow;
    QPointer<OptionsDialog> m_options;
    QPointer<ResultWindow> m_result;
    QPointer<AboutBox> m_about;
};

}  // namespace ui
