// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "game_state.h"

namespace game {

// The outcome picture the result window shows.
enum class ResultPicture { Winner, Loser, Draw };

// How a player's name stands in the player panel: as a heading ("Ann:"), which start-up and a
// new game write, or bare ("Ann"), as the options write it.
enum class NameStyle { Heading, Bare };

// What one placement did, for whoever tells the game aloud.
struct MoveReport {
    int cell = 0;         // 1..81
    int letter = kEmpty;  // kS or kO
    int player = 0;       // who placed it, 1..3
    std::string playerName;
    std::vector<Line> lines;  // struck by this placement, in scoring order
    int score = 0;            // the player's score after the placement
    bool turnPassed = false;  // the turn went to the other player
    std::string nextName;     // who is to move now; empty once the game has ended
};

// Everything the game shows the player goes through this interface, in game terms and in the
// order the operations of Game call it. The main window implements it; tests record the calls.
// A whole redraw is the same calls for every part of the state. The view is told what changed
// and never reads the game back.
class GameView {
public:
    virtual ~GameView() = default;

    // Cell n (1..81) holds letter (kEmpty, kS or kO).
    virtual void showCell(int cell, int letter) = 0;
    // Before the first game the cells show letters as decoration on an empty board.
    virtual void showDecoration(int cell, int letter) = 0;
    // Slot 1 or 2 of the player panel.
    virtual void showName(int slot, const std::string &name, NameStyle style) = 0;
    virtual void showScore(int slot, int points) = 0;
    // The participant to move (1..3) and their name; participant 0 before the first game.
    virtual void showTurn(int participant, const std::string &name) = 0;
    virtual void showClock(int hours, int minutes, int seconds) = 0;
    // A struck S-O-S line: drawn from the centre of its first cell to the centre of its last.
    virtual void showLine(const Line &line) = 0;
    virtual void clearLines() = 0;
    // The game clock ticks once a second while it runs.
    virtual void runClock(bool running) = 0;
    // While waiting, the computer makes its move half a second later.
    virtual void awaitComputer(bool waiting) = 0;
    // Sound 1, 2 or 3; starts playing and returns at once.
    virtual void playSound(int sound) = 0;
    // Fill the result window (creating it if closed) with a name and a picture...
    virtual void fillResult(const std::string &name, ResultPicture picture) = 0;
    // ...then show it, without an owner and without blocking.
    virtual void showResult() = 0;
    // Last of every placement, after everything it showed.
    virtual void moveMade(const MoveReport &move) = 0;
};

}  // namespace game
