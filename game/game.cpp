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

}  // namespace

Game::Game(GameView &view, RandomSource &random) : m_view(view), m_random(random) {}

void Game::start() {
    m_state.sound_on = true;
    m_state.score_limit = 0;
    m_state.player_name[1] = kDefaultName;
    m_state.player_name[2] = "Player 2";
    m_state.player_name[3] = "Com";
    m_state.game_mode = GameMode::TwoPlayers;
    m_state.game_over = true;
    redraw();
}

void Game::redraw() const {
    // Before the first game the cells carry a checkerboard of letters as decoration only.
    const bool beforeFirstGame = m_state.current_player == 0;
    for (int n = 1; n <= kCells; ++n) {
        if (beforeFirstGame)
            m_view.showDecoration(n, n % 2 == 1 ? kS : kO);
        else
            m_view.showCell(n, m_state.board[n]);
    }
    const int opponent = opponentIn(m_state.game_mode);
    for (int slot = 1; slot <= 2; ++slot) {
        m_view.showName(slot, m_state.player_name[slot], NameStyle::Heading);
        m_view.showScore(slot, m_state.score[slot == 1 ? 1 : opponent]);
    }
    const int mover = m_state.current_player;
    m_view.showTurn(mover, beforeFirstGame ? std::string() : m_state.player_name[mover]);
    m_view.showClock(m_state.clock_hours, m_state.clock_minutes, m_state.clock_seconds);
    m_view.clearLines();
    for (const Line &line : m_state.lines) m_view.showLine(line);
    m_view.runClock(!m_state.game_over);
    m_view.awaitComputer(!m_state.game_over && mover == kComputer);
}

void Game::place(int cell, Letter letter) {
    if (!precondition(cell >= 1 && cell <= kCells && (letter == Letter::S || letter == Letter::O),
                      "place: a cell of the board and S or O"))
        return;
    if (m_state.game_over || m_state.current_player == kComputer) return;
    if (m_state.board[cell] != kEmpty) return;

    MoveReport report;
    putLetter(cell, static_cast<int>(letter), report);
    if (m_state.sound_on) m_view.playSound(2);
    scoreLinesThrough(cell, static_cast<int>(letter), report);
}

void Game::computerMove() {
    m_view.awaitComputer(false);
    if (m_state.sound_on) m_view.playSound(2);
    const Move move = chooseComputerMove(m_state.board, m_state.last_cell, m_random);
    // A placement needs a running game and an empty cell, whoever makes it.
    if (m_state.game_over || move.cell < 1 || move.cell > kCells) return;
    if (m_state.board[move.cell] != kEmpty) return;
    MoveReport report;
    putLetter(move.cell, move.letter, report);
    scoreLinesThrough(move.cell, move.letter, report);
}

void Game::putLetter(int cell, int letter, MoveReport &report) {
    m_state.board[cell] = static_cast<std::int16_t>(letter);
    m_view.showCell(cell, letter);
    m_state.last_cell = cell;
    m_state.last_player = m_state.current_player;
    report.cell = cell;
    report.letter = letter;
    report.player = m_state.current_player;
    report.playerName = m_state.player_name[report.player];
}

void Game::scoreLinesThrough(int cell, int letter, MoveReport &report) {
    const int player = m_state.current_player;
    for (const Line &line : completedLines(m_state.board, cell, letter)) {
        m_state.lines.push_back(line);
        m_view.showLine(line);
        m_state.score[player] = static_cast<std::int16_t>(m_state.score[player] + 1);
        m_view.showScore(slotOf(player), m_state.score[player]);
        report.lines.push_back(line);
    }
    report.score = m_state.score[player];

    const int opponent = opponentIn(m_state.game_mode);
    int winner = -1;  // the game goes on
    if (m_state.score_limit > 0) {
        for (int p = 1; p <= 3 && winner < 0; ++p)
            if (m_state.score[p] >= m_state.score_limit) winner = p;
    }
    if (winner < 0) {
        bool full = true;
        for (int n = 1; n <= kCells && full; ++n) full = m_state.board[n] != kEmpty;
        if (full) {
            const int first = m_state.score[1], second = m_state.score[opponent];
            winner = first > second ? 1 : second > first ? opponent : 0;
        }
    }
    if (winner >= 0) {
        endGame(winner);
        m_view.moveMade(report);
        return;
    }

    if (report.lines.empty()) {
        m_state.current_player = m_state.current_player == 1 ? opponent : 1;
        report.turnPassed = true;
    }
    report.nextName = m_state.player_name[m_state.current_player];
    m_view.showTurn(m_state.current_player, report.nextName);
    if (m_state.current_player == kComputer) m_view.awaitComputer(true);
    m_view.moveMade(report);
}

void Game::startNewGame() {
    m_state.clock_hours = 0;
    m_state.clock_minutes = 0;
    m_state.clock_seconds = 0;
    m_state.board = Board{};
    m_state.score = {};
    m_state.lines.clear();
    m_state.current_player = 1;
    m_state.game_over = false;
    redraw();
}

void Game::endGame(int winner) {
    m_state.game_over = true;
    m_view.runClock(false);

    std::string name;
    ResultPicture picture = ResultPicture::Draw;
    int sound = 3;
    if (m_state.game_mode == GameMode::AgainstComputer) {
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

void Game::clockTick() {
    advanceClock(m_state);
    m_view.showClock(m_state.clock_hours, m_state.clock_minutes, m_state.clock_seconds);
}

void Game::applyOptions(const Options &options) {
    m_state.game_mode = options.mode;
    const std::string *names[3] = {nullptr, &options.name1, &options.name2};
    for (int i = 1; i <= 2; ++i) {
        m_state.player_name[i] = names[i]->empty() ? kDefaultName : *names[i];
        m_view.showName(i, m_state.player_name[i], NameStyle::Bare);
        if (!m_state.game_over)
            m_view.showTurn(m_state.current_player, m_state.player_name[m_state.current_player]);
    }
    m_state.sound_on = options.soundOn;
    m_state.score_limit = options.untilFull ? 0.0 : std::trunc(numericValue(options.targetText));
    if (m_state.game_mode == GameMode::AgainstComputer)
        m_view.showName(2, m_state.player_name[kComputer], NameStyle::Bare);
}

}  // namespace game
