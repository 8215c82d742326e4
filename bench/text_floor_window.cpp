// SPDX-License-Identifier: MIT
// The text floor the game's start-up and memory are held to: the least a Qt Widgets program
// can do to put the main window's text on screen. A window of the main window's fixed size
// with the main window's own player panel (the clock, the turn, the two scores and the two
// names: the same labels, places, faces and point sizes), reading what it reads before the
// first game. Built with the same compiler and flags as the game; it shows no pictures.
#include <QApplication>
#include <QWidget>

#include "ui/common/twips.h"
#include "ui/main/player_panel.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Text floor"));
    window.setFixedSize(ui::size(layout::kMainClient));
    ui::PlayerPanel panel(&window);
    // As the game shows itself at start-up: the default names, no score, nobody to move.
    panel.showName(1, "Lorna Quillet", game::NameStyle::Heading);
    panel.showName(2, "Player 2", game::NameStyle::Heading);
    for (int slot = 1; slot <= 2; ++slot) panel.showScore(slot, 0);
    panel.showTurn(0, {});
    panel.showClock(0, 0, 0);
    window.show();
    return app.exec();
}
