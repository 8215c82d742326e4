// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace game {

// Letter codes as they stand in the board.
inline constexpr std::int16_t kEmpty = 0;
inline constexpr std::int16_t kS = 1;
inline constexpr std::int16_t kO = 2;

inline constexpr int kCells = 81;
inline constexpr int kSide = 9;

// Participants: 1 the first human, 2 the second human, 3 the computer.
inline constexpr int kComputer = 3;

// Row and column (both 1..9) of cell n (1..81), counted from the top left.
constexpr int rowOf(int n) {
    return (n - 1) / kSide + 1;
}
constexpr int columnOf(int n) {
    return (n - 1) % kSide + 1;
}

// The whole state of one main window. Arrays are 1-based like the game counts them:
// slot 0 is never used.
struct GameState {
    std::array<std::int16_t, kCells + 1> board{};  // 1..81: kEmpty, kS or kO
    std::array<std::string, 4> player_name{};      // 1..3
    std::array<std::int16_t, 4> score{};           // 1..3
    int current_player = 0;                        // 1..3; 0 before the first new game
    std::int16_t game_mode = 1;                    // 1 two humans, 2 against the computer
    bool game_over = true;                         // no game is running
    bool sound_on = true;
    double score_limit = 0;  // whole number; 0 means play until the board is full
    int last_cell = 0;       // cell of the latest placement; 0 before the first one
    int clock_hours = 0;
    int clock_minutes = 0;
    std::int16_t clock_seconds = 0;
};

}  // namespace game
