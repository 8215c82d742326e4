// SPDX-License-Identifier: MIT
#pragma once

#include "game_state.h"
#include "game_view.h"
#include "random_source.h"
#include "settings.h"

namespace game {

// One game of S-O-S on a 9 x 9 board, with its settings.
//
// A turn: the participant to move puts S or O into an empty cell. Every S-O-S line that
// letter completes is struck through and scores a point, and a participant who scored
// moves again; otherwise the move passes (1 <-> 2 in two-player mode, 1 <-> 3 against the
// computer). When the computer (participant 3) is to move, the view is asked to wait for it and
// then calls computerMove. A game ends when a score reaches the score limit (if one is set) or
// when the board is full; the clock then stops and the result window shows the outcome.
//
// Every change is told to the view at once. Operations refuse a cell outside 1..81 or a
// letter other than S or O and report it in debug builds; they never read with it.
class Game {
public:
    Game(GameView &view, RandomSource &random);

    const GameState &state() const { return m_state; }

    // The start-up: default settings and names, and the decorative S/O checkerboard on the
    // cells (the board itself stays empty). No game runs.
    void start();

    // Shows the whole state afresh.
    void redraw() const;

    // The human to move puts letter into cell (1..81). Nothing happens while no game runs, on
    // the computer's turn or on a cell that holds a letter.
    void place(int cell, Letter letter);

    // The computer's turn: it chooses a cell and a letter and places them.
    void computerMove();

    // One second of the game clock.
    void clockTick();

    // Wipes board, lines, scores and clock and starts a game with participant 1 to move.
    void startNewGame();

    // Takes over the options (after targetAcceptable approved them). A running game goes on:
    // a new mode takes effect at the next passing of the turn.
    void applyOptions(const Options &options);

private:
    void putLetter(int cell, int letter, MoveReport &report);
    void scoreLinesThrough(int cell, int letter, MoveReport &report);
    void endGame(int winner);

    GameState m_state;
    GameView &m_view;
    RandomSource &m_random;
};

}  // namespace game
