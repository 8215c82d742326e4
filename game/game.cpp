// SPDX-License-Identifier: MIT
#include "game.h"

#include <cmath>

#include "computer_player.h"
#include "game_clock.h"
#include "line_search.h"

namespace game {

namespace {

const char *const kDefaultName = "Lorna Quillet";

// The panel slot of participant p: the computer shares slot 2 with the second human.
int slotOf(int participant) {
    return participant == kComputer ? 2 : participant;
}

}  // namespace

Game::Game(GameView &view, RandomSource &random) : m_view(view), m_random(random) {}

void Game::Load() {
    m_state.sound_on = true;
    m_state.score_limit = 0;
    m_state.player_name[1] = kDefaultName;
    m_state.player_name[2] = "Player 2";
    m_state.player_name[3] = "Com";
    for (int i = 1; i <= 2; ++i) m_view.setNameLabel(i, m_state.player_name[i] + ":");
    // Decoration only: the board stays empty until the first new game.
    for (int n = 1; n <= kCells; ++n) m_view.showCell(n, n % 2 == 1 ? kS : kO);
    m_state.game_mode = 1;
    m_state.game_over = true;
}

void Game::Release_on_cell(int n, MouseButton button) {
    if (m_state.game_over) return;
    if (m_state.current_player == kComputer) return;
    if (n < 1 || n > kCells || m_state.board[n] != kEmpty) return;

    int letter = 0;
    if (button == MouseButton::Left) {
        letter = kS;
    } else if (button == MouseButton::Right) {
        letter = kO;
    } else {
        return;
    }

    m_state.board[n] = static_cast<std::int16_t>(letter);
    m_view.showCell(n, letter);
    m_state.last_cell = n;
    if (m_state.sound_on) m_view.playSound(2);
    Check_lines(n, letter);
}

void Game::Put_letter(int cell, int letter) {
    if (m_state.game_over) return;
    if (cell < 1 || cell > kCells || m_state.board[cell] != kEmpty) return;
    if (letter != kS && letter != kO) return;

    m_state.board[cell] = static_cast<std::int16_t>(letter);
    m_view.showCell(cell, letter);
    m_state.last_cell = cell;
    Check_lines(cell, letter);
}

void Game::Check_lines(int cell, int letter) {
    const int player = m_state.current_player;
    bool scored = false;
    for (const Line &line : completedLines(m_state.board, cell, letter)) {
        m_view.strikeLine(line.first, line.last);
        m_state.score[player] = static_cast<std::int16_t>(m_state.score[player] + 1);
        m_view.setScoreLabel(slotOf(player), std::to_string(m_state.score[player]));
        scored = true;
    }

    if (m_state.score_limit > 0) {
        for (int p = 1; p <= 3; ++p) {
            if (m_state.score[p] >= m_state.score_limit) {
                Game_end(p);
                return;
            }
        }
    }

    bool full = true;
    for (int n = 1; n <= kCells && full; ++n) full = m_state.board[n] != kEmpty;
    if (full) {
        const int other = m_state.game_mode == 2 ? kComputer : 2;
        if (m_state.score[1] > m_state.score[other]) {
            Game_end(1);
        } else if (m_state.score[other] > m_state.score[1]) {
            Game_end(other);
        } else {
            Game_end(0);
        }
        return;
    }

    if (!scored) {
        const int other = m_state.game_mode == 2 ? kComputer : 2;
        m_state.current_player = m_state.current_player == 1 ? other : 1;
    }
    m_view.setTurnLabel(m_state.player_name[m_state.current_player]);
    if (m_state.current_player == kComputer) m_view.setComputerTimer(true);
}

void Game::New_game() {
    m_view.eraseLines();
    m_state.clock_hours = 0;
    m_state.clock_minutes = 0;
    m_state.clock_seconds = 0;
    for (int n = 1; n <= kCells; ++n) {
        m_state.board[n] = kEmpty;
        m_view.showCell(n, kEmpty);
    }
    for (int p = 1; p <= 3; ++p) m_state.score[p] = 0;
    for (int i = 1; i <= 2; ++i) {
        m_view.setScoreLabel(i, "00");
        m_view.setNameLabel(i, m_state.player_name[i] + ":");
    }
    m_state.current_player = 1;
    m_view.setTurnLabel(m_state.player_name[1]);
    // A computer move still pending from the discarded game must not land in this one.
    m_view.setComputerTimer(false);
    m_state.game_over = false;
    m_view.setClockTimer(true);
}

void Game::Game_end(int winner) {
    m_state.game_over = true;
    m_view.setClockTimer(false);

    std::string name;
    ResultPicture picture = ResultPicture::Draw;
    int sound = 3;
    if (m_state.game_mode == 2) {
        if (winner == 0) {
            sound = 1;
        } else if (winner == 1) {
            name = m_state.player_name[1];
            picture = ResultPicture::Winner;
        } else {
            name = m_state.player_name[1];
            picture = ResultPicture::Loser;
            sound = 1;
        }
    } else if (winner != 0) {
        name = m_state.player_name[winner];
        picture = ResultPicture::Winner;
    }

    m_view.fillResult(name, picture);
    if (m_state.sound_on) m_view.playSound(sound);
    m_view.showResult();
}

void Game::Computer_move() {
    m_view.setComputerTimer(false);
    if (m_state.sound_on) m_view.playSound(2);
    const Move move = chooseComputerMove(m_state.board, m_state.last_cell, m_random);
    if (move.cell != 0) Put_letter(move.cell, move.letter);
}

void Game::Clock_tick() {
    advanceClock(m_state);
    m_view.setClockLabel(clockText(m_state));
}

void Game::Change_setting(const OptionValues &values) {
    const bool blue[3] = {false, values.mode1Blue, values.mode2Blue};
    const std::string *names[3] = {nullptr, &values.name1, &values.name2};
    for (int i = 1; i <= 2; ++i) {
        if (blue[i]) m_state.game_mode = static_cast<std::int16_t>(i);
        m_state.player_name[i] = names[i]->empty() ? kDefaultName : *names[i];
        m_view.setNameLabel(i, m_state.player_name[i]);
        if (!m_state.game_over) m_view.setTurnLabel(m_state.player_name[m_state.current_player]);
    }
    m_state.sound_on = values.soundOn;
    m_state.score_limit = values.untilFull ? 0.0 : std::trunc(numericValue(values.targetText));
    if (m_state.game_mode == 2) m_view.setNameLabel(2, m_state.player_name[kComputer]);
}

}  // namespace game
