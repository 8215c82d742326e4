// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace game {

struct Line;
struct Picture;

// The outcome picture the result window shows.
enum class ResultPicture { Winner, Loser, Draw };

// Everything the game shows the player goes through this interface, in the order the
// operations of Game call it. The main window implements it; tests record the calls. The
// view is told what changed and never reads the game back.
class GameView {
public:
    virtual ~GameView() = default;

    // Draws the whole main window afresh from picture.
    virtual void showPicture(const Picture &picture) = 0;
    // Cell n (1..81) shows the S picture (letter 1), the O picture (2) or nothing (0).
    virtual void showCell(int cell, int letter) = 0;
    // Slot 1 or 2 of the player panel.
    virtual void setScoreLabel(int slot, const std::string &text) = 0;
    virtual void setNameLabel(int slot, const std::string &text) = 0;
    virtual void setTurnLabel(const std::string &text) = 0;
    virtual void setClockLabel(const std::string &text) = 0;
    // The letter just placed in cell completed line: a 3 px black line from the centre of its
    // first cell to the centre of its last.
    virtual void strikeLine(int cell, const Line &line) = 0;
    virtual void eraseLines() = 0;
    // Timer1 (1000 ms, the clock) and Timer2 (500 ms, the computer's move).
    virtual void setClockTimer(bool enabled) = 0;
    virtual void setComputerTimer(bool enabled) = 0;
    // Sound 1, 2 or 3; starts playing and returns at once.
    virtual void playSound(int sound) = 0;
    // Fill the result window (creating it if closed) with a name text and a picture...
    virtual void fillResult(const std::string &name, ResultPicture picture) = 0;
    // ...then show it, without an owner and without blocking.
    virtual void showResult() = 0;
};

}  // namespace game
