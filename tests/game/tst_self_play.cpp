// SPDX-License-Identifier: MIT
// Whole games by the computer's rule on both sides, against what holds after every move:
// one empty cell filled; each struck line runs through it, reads S-O-S and is struck once;
// a point per line to the mover, who moves again exactly after scoring; the computer's
// timer armed exactly while it is to move; an early end only at the target; on a full
// board the points add up to all its lines.
#include <algorithm>
#include <set>

#include "game/computer_player.h"
#include "game_test.h"

void TestGame::selfPlay() {
    using game::kS, game::kO, game::kEmpty, game::rowOf, game::columnOf;
    // Lines of three from a, b = a + d, c = a + 2d that stay on the board.
    const auto isLine = [](int a, int c) {
        const int dr = rowOf(c) - rowOf(a), dc = columnOf(c) - columnOf(a);
        return a >= 1 && c <= 81 && c > a && (dr == 0 || dr == 2) && (dc == 0 || dc * dc == 4);
    };
    gametest::RecordingView view;
    gametest::SeededRandom computerRandom(20240601), humanRandom(19970314);
    game::Game g(view, computerRandom);
    const game::GameState &s = g.state();
    g.Load();
    int fullBoards = 0;
    for (int round = 0; round < 2000; ++round) {
        // Two humans and against the computer in turn; in each mode every fourth game is
        // played to a small target; every third game is silent.
        const int mode = 1 + round % 2;
        const QString target = round % 8 >= 6 ? QString::number(1 + round % 9) : QString();
        g.Change_setting(gametest::options(mode, target, round % 3));
        g.New_game();
        std::set<std::pair<int, int>> struck;
        bool armed = false;
        for (int step = 0; !s.game_over; ++step) {
            QVERIFY(step < game::kCells);
            const game::GameState before = s;
            const int mover = s.current_player;
            view.calls.clear();
            if (mover == game::kComputer) {
                QVERIFY(armed);
                g.Computer_move();
            } else {  // an opening anywhere, then the computer's rule; S (1) left, O (2) right
                const game::Move m =
                    step == 0 ? game::Move{1 + int(humanRandom.next() * 81),
                                           1 + int(humanRandom.next() * 2)}
                              : game::chooseComputerMove(s.board, s.last_cell, humanRandom);
                g.Release_on_cell(m.cell, game::MouseButton(m.letter));
            }
            const int cell = qBound(0, s.last_cell, game::kCells);  // the one cell filled
            game::Board rest = s.board;
            rest[cell] = kEmpty;
            QVERIFY(cell && !before.board[cell] && s.board[cell] && rest == before.board);
            int lines = 0;
            for (const QString &call : view.calls) {
                if (call.startsWith("Timer2")) armed = call == "Timer2 on";
                if (!call.startsWith("line ")) continue;
                const QStringList ends = call.mid(5).split('-');
                const auto [a, c] = std::minmax({ends[0].toInt(), ends[1].toInt()});
                QVERIFY2(isLine(a, c) && s.board[a] == kS && s.board[(a + c) / 2] == kO &&
                             s.board[c] == kS && (cell == a || cell == c || 2 * cell == a + c) &&
                             struck.insert({a, c}).second,
                         qPrintable(call));
                ++lines;
            }
            QCOMPARE(s.score[mover] - before.score[mover], lines);
            QCOMPARE(s.score[1] + s.score[2] + s.score[3], int(struck.size()));
            QCOMPARE(armed, !s.game_over && s.current_player == game::kComputer);
            const int other = mode == 2 ? game::kComputer : 2;
            if (!s.game_over) QCOMPARE(s.current_player, lines ? mover : mover == 1 ? other : 1);
        }
        QVERIFY(view.calls.endsWith("show"));
        if (!std::count(s.board.begin() + 1, s.board.end(), kEmpty)) {
            ++fullBoards;
            int all = 0;  // every S-O-S line on the board
            for (int a = 1; a <= game::kCells; ++a)
                for (int d : {1, 8, 9, 10})
                    all += isLine(a, a + 2 * d) && s.board[a] == kS && s.board[a + d] == kO &&
                           s.board[a + 2 * d] == kS;
            QCOMPARE(int(struck.size()), all);
        } else {
            QVERIFY(s.score_limit > 0 &&
                    *std::max_element(s.score.begin(), s.score.end()) >= s.score_limit);
        }
    }
    QVERIFY(fullBoards > 1000);
}
