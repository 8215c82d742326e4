// SPDX-License-Identifier: MIT
#include "picture.h"

namespace game {

void PictureKeeper::showPicture(const Picture &picture) {
    m_picture = picture;
    m_view.showPicture(m_picture);
}

void PictureKeeper::showCell(int cell, int letter) {
    m_picture.cells[cell] = static_cast<std::int16_t>(letter);
    m_view.showCell(cell, letter);
}

void PictureKeeper::setScoreLabel(int slot, const std::string &text) {
    m_picture.scoreLabel[slot] = text;
    m_view.setScoreLabel(slot, text);
}

void PictureKeeper::setNameLabel(int slot, const std::string &text) {
    m_picture.nameLabel[slot] = text;
    m_view.setNameLabel(slot, text);
}

void PictureKeeper::setTurnLabel(const std::string &text) {
    m_picture.turnLabel = text;
    m_view.setTurnLabel(text);
}

void PictureKeeper::setClockLabel(const std::string &text) {
    m_picture.clockLabel = text;
    m_view.setClockLabel(text);
}

void PictureKeeper::strikeLine(int cell, const Line &line) {
    m_picture.lines.push_back({cell, line});
    m_view.strikeLine(cell, line);
}

void PictureKeeper::eraseLines() {
    m_picture.lines.clear();
    m_view.eraseLines();
}

void PictureKeeper::setClockTimer(bool enabled) {
    m_picture.clockTimer = enabled;
    m_view.setClockTimer(enabled);
}

void PictureKeeper::setComputerTimer(bool enabled) {
    m_picture.computerTimer = enabled;
    m_view.setComputerTimer(enabled);
}

}  // namespace game
