// SPDX-License-Identifier: MIT
// How long the rules engine takes for one line search, one computer move on a board in the
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
    bool computerWaiting = false;

    void showCell(int, int) override {}
    void showDecoration(int, int) override {}
    void showName(int, const std::string &, game::NameStyle) override {}
    void showScore(int, int) override {}
    void showTurn(int, const std::string &) override {}
    void showClock(int, int, int) override {}
    void showLine(const game::Line &) override {}
    void clearLines() override {}
    void runClock(bool) override {}
    void awaitComputer(bool waiting) override { computerWaiting = waiting; }
    void playSound(int) override {}
    void fillResult(const std::string &, game::ResultPicture) override {}
    void showResult() override {}
    void moveMade(const game::MoveReport &) override {}
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

// Against the computer, sound off, played until the board is full.
const game::Options kVsComputer{.mode = game::GameMode::AgainstComputer,
                                .name1 = "Lorna Quillet",
                                .name2 = "Player 2",
                                .soundOn = false,
                                .untilFull = true,
                                .targetText = ""};

game::Letter letterOf(int code) {
    return code == game::kS ? game::Letter::S : game::Letter::O;
}

// One game against the computer until it ends: the human side chooses by the computer's rule too.
void playWholeGame(game::Game &game, SilentView &view, FastRandom &random) {
    const game::GameState &s = game.state();
    game.startNewGame();
    bool first = true;
    while (!s.game_over) {
        if (view.computerWaiting) {
            game.computerMove();
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
        game.place(move.cell, letterOf(move.letter));
    }
}

// A board halfway through a game: 40 placements by both sides, against the computer.
void playHalfAGame(game::Game &game, SilentView &view, FastRandom &random) {
    const game::GameState &s = game.state();
    game.startNewGame();
    game.place(41, game::Letter::S);
    for (int placed = 1; placed < 40 && !s.game_over; ++placed) {
        if (view.computerWaiting) {
            game.computerMove();
        } else {
            const game::Move move = game::chooseComputerMove(s.board, s.last_cell, random);
            game.place(move.cell, letterOf(move.letter));
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

void BM_chooseComputerMove_midGame(benchmark::State &state) {
    SilentView view;
    FastRandom random(2);
    game::Game game(view, random);
    game.start();
    game.applyOptions(kVsComputer);
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
    game.start();
    game.applyOptions(kVsComputer);
    for (auto _ : state) playWholeGame(game, view, random);
    benchmark::DoNotOptimize(game.state().score);
}
BENCHMARK(BM_wholeGame_selfPlay);

}  // namespace

BENCHMARK_MAIN();
