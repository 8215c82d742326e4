// SPDX-License-Identifier: MIT
// Thousands of whole games, both sides choosing by the computer's rule, checked against
// what must hold in every game: cells only ever go from empty to S or O, every struck
// line reads S-O-S and is struck once, and the points add up to the lines on the board.
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "game/computer_player.h"
#include "test_support.h"

namespace {

// The number of S-O-S lines of three anywhere on the board.
int countLines(const game::Board &board) {
    static const int kDirections[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    int count = 0;
    for (int r = 1; r <= game::kSide; ++r) {
        for (int c = 1; c <= game::kSide; ++c) {
            for (const auto &d : kDirections) {
                const int r3 = r + 2 * d[0];
                const int c3 = c + 2 * d[1];
                if (r3 < 1 || r3 > game::kSide || c3 < 1 || c3 > game::kSide) continue;
                const auto at = [&](int k) {
                    return board[(r + k * d[0] - 1) * game::kSide + (c + k * d[1])];
                };
                if (at(0) == game::kS && at(1) == game::kO && at(2) == game::kS) ++count;
            }
        }
    }
    return count;
}

// A view that checks each struck line against the board at the moment it is drawn.
class CheckingView final : public game::GameView {
public:
    const game::Game *game = nullptr;
    QStringList faults;
    std::set<std::pair<int, int>> struck;
    bool computerTimer = false;
    int resultsShown = 0;

    void showCell(int, int) override {}
    void setScoreLabel(int, const std::string &) override {}
    void setNameLabel(int, const std::string &) override {}
    void setTurnLabel(const std::string &) override {}
    void setClockLabel(const std::string &) override {}
    void eraseLines() override { struck.clear(); }
    void setClockTimer(bool) override {}
    void setComputerTimer(bool enabled) override { computerTimer = enabled; }
    void playSound(int) override {}
    void fillResult(const std::string &, game::ResultPicture) override {}
    void showResult() override { ++resultsShown; }

    void strikeLine(int first, int last) override {
        const auto fault = [&](const char *what) {
            faults << QStringLiteral("line %1-%2: %3").arg(first).arg(last).arg(what);
        };
        if (first < 1 || first > game::kCells || last < 1 || last > game::kCells)
            return fault("off the board");
        const int dr = game::rowOf(last) - game::rowOf(first);
        const int dc = game::columnOf(last) - game::columnOf(first);
        if (!((dr == 0 || std::abs(dr) == 2) && (dc == 0 || std::abs(dc) == 2) && (dr || dc)))
            return fault("not three neighbouring cells");
        const game::Board &board = game->state().board;
        if (board[first] != game::kS || board[(first + last) / 2] != game::kO ||
            board[last] != game::kS)
            return fault("does not read S-O-S");
        if (!struck.insert(std::minmax(first, last)).second) fault("struck twice");
    }
};

}  // namespace

class TestSelfPlay : public QObject {
    Q_OBJECT

private slots:
    void wholeGames_data();
    void wholeGames();
};

void TestSelfPlay::wholeGames_data() {
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("games");
    QTest::addColumn<quint64>("seed");

    QTest::newRow("two humans") << 1 << 1000 << quint64(20240601);
    QTest::newRow("against the computer") << 2 << 1000 << quint64(19970314);
    // clang-format on
}

void TestSelfPlay::wholeGames() {
    QFETCH(int, mode);
    QFETCH(int, games);
    QFETCH(quint64, seed);

    CheckingView view;
    gametest::SeededRandom computerRandom(seed);
    gametest::SeededRandom humanRandom(seed + 1);
    game::Game game(view, computerRandom);
    view.game = &game;
    const game::GameState &s = game.state();
    game.Load();

    int fullBoards = 0;
    for (int g = 0; g < games; ++g) {
        // Every fourth game is played to a small target instead of a full board.
        const QString target = g % 4 == 3 ? QString::number(1 + g % 9) : QString();
        game.Change_setting(gametest::options(mode, target, g % 2 == 0));
        game.New_game();
        QVERIFY(!view.computerTimer);
        const int resultsBefore = view.resultsShown;

        bool firstMove = true;
        for (int step = 0; !s.game_over; ++step) {
            QVERIFY2(step < game::kCells, "a game did not end with its board full");
            const game::Board before = s.board;
            if (s.current_player == game::kComputer) {
                QVERIFY(view.computerTimer);
                game.Computer_move();
            } else {
                QVERIFY(!view.computerTimer);
                game::Move move;
                if (firstMove) {
                    // The opening move: any cell, either letter.
                    move.cell = 1 + int(humanRandom.next() * game::kCells);
                    move.letter = humanRandom.next() < 0.5 ? game::kS : game::kO;
                } else {
                    move = game::chooseComputerMove(s.board, s.last_cell, humanRandom);
                }
                QVERIFY(move.cell >= 1 && move.cell <= game::kCells);
                game.Release_on_cell(move.cell, move.letter == game::kS ? game::MouseButton::Left
                                                                        : game::MouseButton::Right);
            }
            firstMove = false;

            int changed = 0;
            for (int n = 1; n <= game::kCells; ++n) {
                QVERIFY(s.board[n] == game::kEmpty || s.board[n] == game::kS ||
                        s.board[n] == game::kO);
                if (s.board[n] == before[n]) continue;
                QCOMPARE(before[n], game::kEmpty);
                QCOMPARE(s.last_cell, n);
                ++changed;
            }
            QCOMPARE(changed, 1);
            QVERIFY2(view.faults.isEmpty(), qPrintable(view.faults.join(QLatin1String("; "))));
        }

        const int points = s.score[1] + s.score[2] + s.score[3];
        QCOMPARE(int(view.struck.size()), points);
        QCOMPARE(view.resultsShown, resultsBefore + 1);
        const bool full = std::none_of(s.board.begin() + 1, s.board.end(),
                                       [](std::int16_t v) { return v == game::kEmpty; });
        if (full) {
            QCOMPARE(points, countLines(s.board));
            ++fullBoards;
        } else {
            QVERIFY(s.score_limit > 0);
            QVERIFY(std::any_of(s.score.begin() + 1, s.score.end(),
                                [&](std::int16_t v) { return v >= s.score_limit; }));
        }
    }
    QVERIFY(fullBoards > games / 2);
}

QTEST_GUILESS_MAIN(TestSelfPlay)
#include "tst_self_play.moc"
