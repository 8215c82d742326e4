// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <array>
#include <string>

#include "game/game_view.h"

class QLabel;
class QWidget;

namespace ui {

// The main window's labels: the two players' names and scores (slots 1 and 2), whose turn it is
// and the game clock. Each label grows to fit its text, from its top-left corner, and shows the
// text as it is, never as markup.
class PlayerPanel {
public:
    explicit PlayerPanel(QWidget *window);

    void showName(int slot, const std::string &name, game::NameStyle style);
    void showScore(int slot, int points);
    void showTurn(int participant, const std::string &name);
    void showClock(int hours, int minutes, int seconds);

private:
    QLabel *addLabel(const char *name, QPoint position, qreal pointSize);

    QWidget *m_window;
    std::array<QLabel *, 3> m_nameLabels{};   // slots 1..2
    std::array<QLabel *, 3> m_scoreLabels{};  // slots 1..2
    QLabel *m_turnLabel = nullptr;
    QLabel *m_clockLabel = nullptr;
};

}  // namespace ui
