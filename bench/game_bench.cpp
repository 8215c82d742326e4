// SPDX-License-Identifier: MIT
// How long the rules engine takes for one line check, one computer move on a board in the
// middle of a game, and one whole game played by the computer's rule on both sides.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "game/computer_player.h"
#include "game/game.h"
#include "game/line_search.h"

namespace {

// Shows nothing; remembers only whether the computer's move is pending.
class SilentView final : public game::GameView {
public:
    bool computerTimer = false;

    void showPicture(const game::Picture &) override {}
    void showCell(int, int) override {}
    void setScoreLabel(int, const std::string &) override {}
    void setNameLabel(int, const std::string &) override {}
    void setTurnLabel(const std::string &) override {}
    void setClockLabel(const std::string &) override {}
    void strikeLine(int, const game::Line &) override {}
    void eraseLines() override {}
    void setClockTimer(bool) override {}
    void setComputerTimer(bool enabled) override { computerTimer = enabled; }
    void playSound(int) override {}
    void fillResult(const std::string &, game::ResultPicture) override {}
    void showResult() override {}
};

// A small, fast, repeatable generator (SplitMix64).
class FastRandom final : public game::RandomSource {
public:
    explicit FastRandom(std::uint64_t seed) : m_state(seed) {}
    void reseed() override {}
    double next() override {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }

private:
    std::uint64_t m_state;
};

// Game mode 2, sound off, played until the board is full.
const game::OptionValues kVsComputer{.mode1Blue = false,
                                     .mode2Blue = true,
                                     .name1 = "Lorna Quillet",
                                     .name2 = "Player 2",
                                     .soundOn = false,
                                     .untilFull = true,
                                     .targetText = ""};

game::MouseButton buttonFor(int letter) {
    return letter == game::kS ? game::MouseButton::Left : game::MouseButton::Right;
}

// One game in mode 2 until it ends: the human side chooses by the computer's rule too.
void playWholeGame(game::Game &game, SilentView &view, FastRandom &random) {
    const game::GameState &s = game.state();
    game.New_game();
    bool first = true;
    while (!s.game_over) {
        if (view.computerTimer) {
            game.Computer_move();
            continue;
        }
        game::Move move;
        if (first) {
            move = {1 + static_cast<int>(random.next() * game::kCells),
                    random.next() < 0.5 ? int(game::kS) : int(game::kO)};
            first = false;
        } else {
            move = game::chooseComputerMove(s.board, s.last_cell, random);
        }
        game.Release_on_cell(move.cell, buttonFor(move.letter));
    }
}

// A board halfway through a game: 40 placements by both sides, in mode 2.
void playHalfAGame(game::Game &game, SilentView &view, FastRandom &random) {
    const game::GameState &s = game.state();
    game.New_game();
    game.Release_on_cell(41, game::MouseButton::Left);
    for (int placed = 1; placed < 40 && !s.game_over; ++placed) {
        if (view.computerTimer) {
            game.Computer_move();
        } else {
            const game::Move move = game::chooseComputerMove(s.board, s.last_cell, random);
            game.Release_on_cell(move.cell, buttonFor(move.letter));
        }
    }
}

void BM_completedLines_eightLines(benchmark::State &state) {
    // An S in the middle with O around it and S two cells away in all eight directions.
    game::Board board{};
    for (int d : {-10, -9, -8, -1, 1, 8, 9, 10}) {
        board[41 + d] = game::kO;
        board[41 + 2 * d] = game::kS;
    }
    board[41] = game::kS;
    for (auto _ : state) {
        benchmark::DoNotOptimize(board);
        auto lines = game::completedLines(board, 41, game::kS);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_completedLines_eightLines);

void BM_Check_lines_midGame(benchmark::State &state) {
    // Mode 1, an O in every even cell and an S in cell 41: the check of that S tests all
    // eight directions and completes nothing, so only the move passes between the humans.
    SilentView view;
    FastRandom random(1);
    game::Game game(view, random);
    game.Load();
    game.New_game();
    for (int n = 2; n <= 80; n += 2) game.Release_on_cell(n, game::MouseButton::Right);
    game.Release_on_cell(41, game::MouseButton::Left);
    for (auto _ : state) game.Check_lines(41, game::kS);
    benchmark::DoNotOptimize(game.state().current_player);
}
BENCHMARK(BM_Check_lines_midGame);

void BM_chooseComputerMove_midGame(benchmark::State &state) {
    SilentView view;
    FastRandom random(2);
    game::Game game(view, random);
    game.Load();
    game.Change_setting(kVsComputer);
    playHalfAGame(game, view, random);
    const game::Board board = game.state().board;
    const int last = game.state().last_cell;
    for (auto _ : state) {
        benchmark::DoNotOptimize(board);
        benchmark::DoNotOptimize(game::chooseComputerMove(board, last, random));
    }
}
BENCHMARK(BM_chooseComputerMove_midGame);

void BM_chooseComputerMove_noCompletingLine(benchmark::State &state) {
    // Every other cell holds O: the whole scan finds nothing and the neighbour rule decides.
    game::Board board{};
    for (int n = 1; n <= game::kCells; n += 2) board[n] = game::kO;
    FastRandom random(3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(board);
        benchmark::DoNotOptimize(game::chooseComputerMove(board, 41, random));
    }
}
BENCHMARK(BM_chooseComputerMove_noCompletingLine);

void BM_wholeGame_selfPlay(benchmark::State &state) {
    SilentView view;
    FastRandom random(4);
    game::Game game(view, random);
    game.Load();
    game.Change_setting(kVsComputer);
    for (auto _ : state) playWholeGame(game, view, random);
    benchmark::DoNotOptimize(game.state().score);
}
BENCHMARK(BM_wholeGame_selfPlay);

}  // namespace

BENCHMARK_MAIN();
