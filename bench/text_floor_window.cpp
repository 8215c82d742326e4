// SPDX-License-Identifier: MIT
// The text floor the game's start-up and memory are held to: the least a Qt Widgets program
// can do to put the main window's text on screen. A window of the main window's fixed size
// with its six labels (the clock, the turn, the two scores and the two names), each at its
// place, in its font and point size from the layout table, reading what they read before the
// first game. Built with the same compiler and flags as the game; it shows no pictures.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "game/picture.h"
#include "ui/common/fonts.h"
#include "ui/common/twips.h"

namespace {

QLabel *addLabel(QWidget *window, const layout::Box &box, double points, const std::string &text) {
    auto *label = new QLabel(QString::fromStdString(text), window);
    label->setTextFormat(Qt::PlainText);
    label->setFont(ui::windowFont(QLatin1String(layout::kLabelFace), points, true));
    label->move(ui::topLeft(box));
    label->adjustSize();
    return label;
}

}  // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Text floor"));
    window.setFixedSize(ui::size(layout::kMainClient));
    const game::Picture before;  // the labels' texts as the window is built
    QLabel *clock =
        addLabel(&window, layout::kTimeLabel, layout::kTimeLabelPoints, before.clockLabel);
    clock->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    clock->adjustSize();
    addLabel(&window, layout::kTurnLabel, layout::kTurnLabelPoints, before.turnLabel);
    for (int slot = 1; slot <= 2; ++slot) {
        addLabel(&window, layout::scoreLabel(slot), layout::kScoreLabelPoints,
                 before.scoreLabel[slot]);
        addLabel(&window, layout::nameLabel(slot), layout::kNameLabelPoints,
                 before.nameLabel[slot]);
    }
    window.show();
    return app.exec();
}
