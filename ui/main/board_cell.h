// SPDX-License-Identifier: MIT
#pragma once

#include "game/game_state.h"
#include "ui/main/board_keys.h"
#include "ui/main/picture_widget.h"

namespace ui {

// One cell of the board: shows its letter picture, nothing else. A release of the left mouse
// button over it chooses S, of the right one O; a press here and a release elsewhere chooses
// nothing. The keyboard's cursor standing on it makes it the focused object for assistive
// technology.
class BoardCell final : public PictureWidget {
    Q_OBJECT

public:
    BoardCell(int index, QWidget *parent);

    // The letter the cell holds (game::kEmpty, kS or kO) and the picture it shows: before the
    // first game an empty cell shows a letter as decoration.
    int letter() const { return m_letter; }
    void setContent(int letter, const QPixmap &picture);

    // The player chose letter for this cell, by the mouse or by assistive technology.
    void choose(game::Letter letter) { emit chosen(m_index, letter); }
    // Assistive technology asks for a reading of this cell's lines (a reading command).
    void askReading(KeyCommand what) { emit readingAsked(m_index, what); }

    bool hasCursor() const { return m_cursorHere; }
    void setCursorHere(bool here) { m_cursorHere = here; }

signals:
    void chosen(int index, game::Letter letter);
    void readingAsked(int index, ui::KeyCommand what);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_letter = game::kEmpty;
    bool m_cursorHere = false;
};

}  // namespace ui
