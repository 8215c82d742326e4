// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game_view.h"
#include "line_search.h"

namespace game {

// One struck line and the cell whose letter completed it.
struct StruckLine {
    int cell = 0;
    Line line;
    friend bool operator==(const StruckLine &, const StruckLine &) = default;
};

// Everything the main window shows of the game, as it stands: enough to draw the whole
// window afresh. The values before start-up are those of the window as it is built.
struct Picture {
    Board cells{};            // the letter each cell shows
    bool decoration = false;  // the cells show the start-up checkerboard, not a board
    std::array<std::string, 3> nameLabel{"", "Player 1:", "Player 2:"};  // slots 1 and 2
    std::array<std::string, 3> scoreLabel{"", "00", "00"};
    std::string turnLabel = "None/Tuyul";
    std::string clockLabel = "00:00:00";
    std::vector<StruckLine> lines;  // in the order they were struck
    bool clockTimer = false;
    bool computerTimer = false;
};

// Keeps the picture up to date with every change it passes on to the view it wraps.
class PictureKeeper final : public GameView {
public:
    explicit PictureKeeper(GameView &view) : m_view(view) {}
    const Picture &picture() const { return m_picture; }
    Picture &picture() { return m_picture; }

    void showPicture(const Picture &picture) override;
    void showCell(int cell, int letter) override;
    void setScoreLabel(int slot, const std::string &text) override;
    void setNameLabel(int slot, const std::string &text) override;
    void setTurnLabel(const std::string &text) override;
    void setClockLabel(const std::string &text) override;
    void strikeLine(int cell, const Line &line) override;
    void eraseLines() override;
    void setClockTimer(bool enabled) override;
    void setComputerTimer(bool enabled) override;
    void playSound(int sound) override { m_view.playSound(sound); }
    void fillResult(const std::string &name, ResultPicture picture) override {
        m_view.fillResult(name, picture);
    }
    void showResult() override { m_view.showResult(); }

private:
    GameView &m_view;
    Picture m_picture;
};

}  // namespace game
