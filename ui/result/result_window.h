// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "game/game_view.h"
#include "ui/common/picture_window.h"

class QLabel;

// The result window: a picture window that names a player above the wording of its outcome
// picture. A click on its surface closes it; a click on the name label (object name Label1) does
// nothing.
class ResultWindow final : public ui::PictureWindow {
    Q_OBJECT

public:
    ResultWindow();

    // Shows name as plain text in the name label (cut off where it does not fit) and puts the
    // outcome picture in place of the current background picture. The window's accessible name
    // says the outcome in words: "<name> is the winner", "<name> is the loser" or "The game is
    // a draw".
    void fill(const QString &name, game::ResultPicture picture);

private:
    QLabel *m_nameLabel = nullptr;
};
