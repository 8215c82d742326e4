// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "game_state.h"
#include "game_view.h"
#include "picture.h"
#include "random_source.h"
#include "settings.h"

namespace game {

// Mouse buttons as the board reports a release.
enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// One game of S-O-S on a 9 x 9 board, and the operations of the main window on it.
//
// A turn: the participant to move puts S or O into an empty cell. Every S-O-S line that
// letter completes is struck through and scores a point, and a participant who scored
// moves again; otherwise the move passes (1 <-> 2 in game mode 1, 1 <-> 3 in game mode 2).
// When the computer (participant 3) is to move, the computer timer is armed and its tick
// calls Computer_move. A game ends when a score reaches score_limit (if one is set) or
// when the board is full; Game_end then stops the clock and shows the result window.
//
// Every change is mirrored at once on the view, and kept in picture(): what the main window
// shows, from which Redraw draws it whole. Operations refuse arguments out of their range
// (a cell outside 1..81, a letter other than S or O, a winner outside 0..3) and report them
// in debug builds; they never read with them.
class Game {
public:
    Game(GameView &view, RandomSource &random);

    const GameState &state() const { return m_state; }
    const Picture &picture() const { return m_screen.picture(); }

    // Draws the whole main window afresh from picture().
    void Redraw();

    // The start-up step: default settings and names, the name labels, and the decorative
    // S/O checkerboard on the cells (the board itself stays empty). The game is idle.
    void Load();

    // The release of a mouse button over cell n (1..81): left places S, right places O.
    void Release_on_cell(int n, MouseButton button);

    // The computer's placement of letter (kS or kO) into cell (1..81).
    void Put_letter(int cell, int letter);

    // Scores the lines the letter just placed in cell completes, then ends the game or
    // hands on the move.
    void Check_lines(int cell, int letter);

    // Wipes board, lines, scores and clock and starts a game with participant 1 to move.
    void New_game();

    // Ends the game; winner is 0 for no winner, else the winning participant 1..3.
    void Game_end(int winner);

    // The tick of the computer timer: one move of participant 3.
    void Computer_move();

    // The tick of the clock timer.
    void Clock_tick();

    // Takes over the options dialog's values (after targetAcceptable approved them).
    void Change_setting(const OptionValues &values);

private:
    GameState m_state;
    GameView &m_view;
    PictureKeeper m_screen;
    RandomSource &m_random;
};

}  // namespace game
