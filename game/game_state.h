// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace game {

// Letter codes as they stand in the board.
inline constexpr std::int16_t kEmpty = 0;
inline constexpr std::int16_t kS = 1;
inline constexpr std::int16_t kO = 2;

// A letter a player puts into a cell.
enum class Letter : std::int16_t { S = kS, O = kO };

inline constexpr int kCells = 81;
inline constexpr int kSide = 9;

// Participants: 1 the first human, 2 the second human, 3 the computer.
inline constexpr int kComputer = 3;

// Who plays: participants 1 and 2, or participant 1 against the computer.
enum class GameMode : std::int16_t { TwoPlayers = 1, AgainstComputer = 2 };

// Row and column (both 1..9) of cell n (1..81), counted from the top left.
constexpr int rowOf(int n) {
    return (n - 1) / kSide + 1;
}
constexpr int columnOf(int n) {
    return (n - 1) % kSide + 1;
}

// The cells 1..81: kEmpty, kS or kO. Slot 0 is never used.
using Board = std::array<std::int16_t, kCells + 1>;

// One struck S-O-S line, from its first to its last cell as the search found it.
struct Line {
    int first = 0;
    int middle = 0;
    int last = 0;
    friend bool operator==(const Line &, const Line &) = default;
};

// The whole state of one game and its settings. Arrays are 1-based like the game counts them:
// slot 0 is never used.
struct GameState {
    Board board{};
    std::array<std::string, 4> player_name{};  // 1..3
    std::array<std::int16_t, 4> score{};       // 1..3
    int current_player = 0;                    // 1..3; 0 before the first new game
    GameMode game_mode = GameMode::TwoPlayers;
    bool game_over = true;  // no game is running
    bool sound_on = true;
    double score_limit = 0;  // whole number; 0 means play until the board is full
    int last_cell = 0;       // cell of the latest placement; 0 before the first one
    int last_player = 0;     // who made it, 1..3; 0 before the first one
    int clock_hours = 0;
    int clock_minutes = 0;
    std::int16_t clock_seconds = 0;
    std::vector<Line> lines;  // struck in this game, in the order they were struck
};

// The participant who plays against participant 1 in mode.
constexpr int opponentIn(GameMode mode) {
    return mode == GameMode::AgainstComputer ? kComputer : 2;
}

// The player panel's slot (1 or 2) of a participant: the computer shares slot 2 with the
// second human.
constexpr int slotOf(int participant) {
    return participant == kComputer ? 2 : participant;
}

}  // namespace game
