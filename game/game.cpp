// SPDX-License-Identifier: MIT
#include "game.h"

#include <cmath>

#include "computer_player.h"
#include "game_clock.h"
#include "line_search.h"
#include "precondition.h"

namespace game {

namespace {

const char *const kDefaultName = "Lorna Quillet";

// The panel slot of participant p: the computer shares slot 2 with the second human.
int slotOf(int participant) {
    return participant == kComputer ? 2 : participant;
}

}  // namespace

Game::Game(GameView &view, RandomSource &random) : m_view(view), m_screen(view), m_random(random) {}

void Game::Redraw() {
    m_view.showPicture(m_screen.picture());
}

void Game::Load() {
    m_state.sound_on = true;
    m_state.score_limit = 0;
    m_state.player_name[1] = kDefaultName;
    m_state.player_name[2] = "Player 2";
    m_state.player_name[3] = "Com";
    Picture &shown = m_screen.picture();
    for (int i = 1; i <= 2; ++i) shown.nameLabel[i] = m_state.player_name[i] + ":";
    // Decoration only: the board stays empty until the first new game.
    for (int n = 1; n <= kCells; ++n) shown.cells[n] = n % 2 == 1 ? kS : kO;
    shown.decoration = true;
    m_state.game_mode = 1;
    m_state.game_over = true;
    Redraw();
}

void Game::Release_on_cell(int n, MouseButton button) {
    if (!precondition(n >= 1 && n <= kCells, "Release_on_cell: a cell of the board")) return;
    if (m_state.game_over) return;
    if (m_state.current_player == kComputer) return;
    if (m_state.board[n] != kEmpty) return;

    int letter = 0;
    if (button == MouseButton::Left) {
        letter = kS;
    } else if (button == MouseButton::Right) {
        letter = kO;
    } else {
        return;
    }

    m_state.board[n] = static_cast<std::int16_t>(letter);
    m_screen.showCell(n, letter);
    m_state.last_cell = n;
    if (m_state.sound_on) m_screen.playSound(2);
    Check_lines(n, letter);
}

void Game::Put_letter(int cell, int letter) {
    if (!precondition(cell >= 1 && cell <= kCells && (letter == kS || letter == kO),
                      "Put_letter: a cell of the board and S or O"))
        return;
    if (m_state.game_over) return;
    if (m_state.board[cell] != kEmpty) return;

    m_state.board[cell] = static_cast<std::int16_t>(letter);
    m_screen.showCell(cell, letter);
    m_state.last_cell = cell;
    Check_lines(cell, letter);
}

void Game::Check_lines(int cell, int letter) {
    if (!precondition(cell >= 1 && cell <= kCells && (letter == kS || letter == kO) &&
                          m_state.current_player >= 1 && m_state.current_player <= 3,
                      "Check_lines: a cell of the board, S or O, during a game"))
        return;
    const int player = m_state.current_player;
    bool scored = false;
    for (const Line &line : completedLines(m_state.board, cell, letter)) {
        m_screen.strikeLine(cell, line);
        m_state.score[player] = static_cast<std::int16_t>(m_state.score[player] + 1);
        m_screen.setScoreLabel(slotOf(player), std::to_string(m_state.score[player]));
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
    m_screen.setTurnLabel(m_state.player_name[m_state.current_player]);
    if (m_state.current_player == kComputer) m_screen.setComputerTimer(true);
}

void Game::New_game() {
    m_state.clock_hours = 0;
    m_state.clock_minutes = 0;
    m_state.clock_seconds = 0;
    m_state.board = Board{};
    m_state.score = {};
    m_state.current_player = 1;
    m_state.game_over = false;

    Picture &shown = m_screen.picture();
    shown.cells = Board{};
    shown.decoration = false;
    shown.lines.clear();
    for (int i = 1; i <= 2; ++i) {
        shown.scoreLabel[i] = "00";
        shown.nameLabel[i] = m_state.player_name[i] + ":";
    }
    shown.turnLabel = m_state.player_name[1];
    // A computer move still pending from the discarded game must not land in this one.
    shown.computerTimer = false;
    shown.clockTimer = true;
    Redraw();
}

void Game::Game_end(int winner) {
    if (!precondition(winner >= 0 && winner <= 3, "Game_end: a winner 0..3")) return;
    m_state.game_over = true;
    m_screen.setClockTimer(false);

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

    m_screen.fillResult(name, picture);
    if (m_state.sound_on) m_screen.playSound(sound);
    m_screen.showResult();
}

void Game::Computer_move() {
    m_screen.setComputerTimer(false);
    if (m_state.sound_on) m_screen.playSound(2);
    const Move move = chooseComputerMove(m_state.board, m_state.last_cell, m_random);
    if (move.cell != 0) Put_letter(move.cell, move.letter);
}

void Game::Clock_tick() {
    advanceClock(m_state);
    m_screen.setClockLabel(clockText(m_state));
}

void Game::Change_setting(const OptionValues &values) {
    const bool blue[3] = {false, values.mode1Blue, values.mode2Blue};
    const std::string *names[3] = {nullptr, &values.name1, &values.name2};
    for (int i = 1; i <= 2; ++i) {
        if (blue[i]) m_state.game_mode = static_cast<std::int16_t>(i);
        m_state.player_name[i] = names[i]->empty() ? kDefaultName : *names[i];
        m_screen.setNameLabel(i, m_state.player_name[i]);
        if (!m_state.game_over) m_screen.setTurnLabel(m_state.player_name[m_state.current_player]);
    }
    m_state.sound_on = values.soundOn;
    m_state.score_limit = values.untilFull ? 0.0 : std::trunc(numericValue(values.targetText));
    if (m_state.game_mode == 2) m_screen.setNameLabel(2, m_state.player_name[kComputer]);
}

}  // namespace game
