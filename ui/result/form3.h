// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

#include "game/game_view.h"

class QLabel;

// The result window: a frameless 480 x 388 picture window that names a player above the
// wording of its outcome picture. It is parentless and non-modal, deletes itself when it
// closes and does not keep the program running. A click on its surface closes it; a click
// on the name label (Label1) does nothing.
class Form3 final : public QWidget {
    Q_OBJECT

public:
    Form3();

    // Shows name as plain text in Label1 (cut off where it does not fit) and puts the
    // outcome picture in place of the current background picture. The window's accessible name
    // says the outcome in words: "<name> is the winner", "<name> is the loser" or "The game is
    // a draw".
    void fill(const QString &name, game::ResultPicture picture);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_background;
    QLabel *m_label1 = nullptr;
    Qt::MouseButton m_pressedButton = Qt::NoButton;
};
