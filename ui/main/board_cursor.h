// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <array>

#include "game/game_state.h"

class QPainter;
class QWidget;

namespace ui {

class BoardCell;

// The keyboard's cursor on the board: the cell the board keys act on, and an orange ring in the
// gap round that cell, painted on the main window's own surface so that no cell changes. It
// starts on the centre cell, hidden; a board key shows it and a mouse press hides it again.
// While it shows, its cell is the focused object for assistive technology.
class BoardCursor {
public:
    BoardCursor(QWidget *window, const std::array<BoardCell *, game::kCells + 1> &cells);

    int cell() const { return m_cell; }
    bool shown() const { return m_shown; }

    // Puts the cursor on cell (1..81), shown or not, and repaints what changed.
    void moveTo(int cell, bool shown);
    // Tells assistive technology again where the cursor stands, if it shows.
    void announce() const;
    // Paints the ring, if it shows, onto the window's surface.
    void paint(QPainter &painter) const;

private:
    QRect ring() const;

    QWidget *m_window;
    const std::array<BoardCell *, game::kCells + 1> &m_cells;  // the window's, filled later
    int m_cell = (game::kCells + 1) / 2;
    bool m_shown = false;
};

}  // namespace ui
