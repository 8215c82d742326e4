// SPDX-License-Identifier: MIT
// One game through its operations: placing, scoring, passing the turn, the two ways a
// game ends, the result window, a new game, and what the view is told, in order.
#include <QtTest>

#include "test_support.h"

using gametest::options;
using gametest::play;
using gametest::stateText;

namespace {

// A main window's worth of game: the recording view, a random source and the game.
struct Table {
    gametest::RecordingView view;
    gametest::ScriptedRandom random;
    game::Game game{view, random};

    // Start-up, the options, a new game (when asked for), and a clean log.
    void start(int mode = 1, const QString &target = {}, bool soundOn = true, bool newGame = true) {
        game.Load();
        game.Change_setting(options(mode, target, soundOn));
        if (newGame) game.New_game();
        view.calls.clear();
    }

    // "L41", "R41", "M41": a release over cell 41; "P41S", "P41O": Put_letter; "C": the
    // computer's move.
    void act(const QString &action) {
        if (action == QLatin1String("C")) {
            game.Computer_move();
            return;
        }
        const QChar kind = action[0];
        if (kind == QLatin1Char('P')) {
            const int letter = action.endsWith(QLatin1Char('S')) ? game::kS : game::kO;
            game.Put_letter(action.mid(1, action.size() - 2).toInt(), letter);
            return;
        }
        const int cell = action.mid(1).toInt();
        const game::MouseButton button = kind == QLatin1Char('L')   ? game::MouseButton::Left
                                         : kind == QLatin1Char('R') ? game::MouseButton::Right
                                                                    : game::MouseButton::Middle;
        game.Release_on_cell(cell, button);
    }
};

QString scoresText(const game::GameState &s) {
    return QStringLiteral("%1 %2 %3").arg(s.score[1]).arg(s.score[2]).arg(s.score[3]);
}

QStringList withoutCall(QStringList calls, const QString &call) {
    calls.removeAll(call);
    return calls;
}

}  // namespace

class TestGameRules : public QObject {
    Q_OBJECT

private slots:
    void load();
    void refusedPlacement_data();
    void refusedPlacement();
    void placementCalls_data();
    void placementCalls();
    void turnPassing_data();
    void turnPassing();
    void winningScore_data();
    void winningScore();
    void fullBoard_data();
    void fullBoard();
    void resultWindow_data();
    void resultWindow();
    void gameEndCalls_data();
    void gameEndCalls();
    void newGame_data();
    void newGame();
    void staleComputerTick();
};

void TestGameRules::load() {
    Table t;
    t.game.Load();
    const game::GameState &s = t.game.state();

    QCOMPARE(QString::fromStdString(s.player_name[1]), QStringLiteral("Lorna Quillet"));
    QCOMPARE(QString::fromStdString(s.player_name[2]), QStringLiteral("Player 2"));
    QCOMPARE(QString::fromStdString(s.player_name[3]), QStringLiteral("Com"));
    QCOMPARE(int(s.game_mode), 1);
    QVERIFY(s.game_over);
    QVERIFY(s.sound_on);
    QCOMPARE(s.score_limit, 0.0);
    QCOMPARE(t.view.nameLabel[1], QStringLiteral("Lorna Quillet:"));
    QCOMPARE(t.view.nameLabel[2], QStringLiteral("Player 2:"));
    QVERIFY(!t.view.clockTimer);
    QVERIFY(!t.view.computerTimer);

    // The decorative checkerboard: S on odd cells, O on even ones; the board stays empty.
    for (int n = 1; n <= game::kCells; ++n) {
        QCOMPARE(t.view.cells[n], n % 2 == 1 ? int(game::kS) : int(game::kO));
        QCOMPARE(s.board[n], game::kEmpty);
    }
    QCOMPARE(t.view.calls.filter(QStringLiteral("showCell")).size(), game::kCells);
}

void TestGameRules::refusedPlacement_data() {
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("action");

    QTest::newRow("left button right after start-up") << 1 << "" << false << "" << "L41";
    QTest::newRow("right button right after start-up") << 1 << "" << false << "" << "R41";
    QTest::newRow("occupied cell, same letter") << 1 << "" << true << "S41" << "L41";
    QTest::newRow("occupied cell, other letter") << 1 << "" << true << "S41" << "R41";
    QTest::newRow("middle button on an empty cell") << 1 << "" << true << "" << "M41";
    QTest::newRow("left button in the computer's turn") << 2 << "" << true << "S41" << "L50";
    QTest::newRow("right button in the computer's turn") << 2 << "" << true << "S41" << "R50";
    QTest::newRow("release after the game end") << 1 << "1" << true << "S1 O2 S3" << "L50";
    QTest::newRow("Put_letter on an occupied cell") << 2 << "" << true << "S41" << "P41O";
    QTest::newRow("Put_letter while no game runs") << 2 << "" << false << "" << "P41S";
    QTest::newRow("Put_letter after the game end") << 2 << "1" << true << "S1 O2 S3" << "P50S";
    // clang-format on
}

void TestGameRules::refusedPlacement() {
    QFETCH(int, mode);
    QFETCH(QString, target);
    QFETCH(bool, started);
    QFETCH(QString, setup);
    QFETCH(QString, action);

    Table t;
    t.start(mode, target, true, started);
    QVERIFY(play(t.game, setup));
    const QString before = stateText(t.game.state());
    t.view.calls.clear();

    t.act(action);

    QCOMPARE(stateText(t.game.state()), before);
    QCOMPARE(t.view.calls, QStringList());
}

void TestGameRules::placementCalls_data() {
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("S without a line passes the turn")
        << 1 << true << "" << "L41"
        << QStringList{"showCell 41 1", "playSound 2", "setTurnLabel Player 2"};
    QTest::newRow("O without a line, sound off")
        << 1 << false << "" << "R41" << QStringList{"showCell 41 2", "setTurnLabel Player 2"};
    QTest::newRow("first human's O completes a line")
        << 1 << false << "S1 S3" << "R2"
        << QStringList{"showCell 2 2", "strikeLine 1 3", "setScoreLabel 1 1",
                       "setTurnLabel Lorna Quillet"};
    QTest::newRow("second human's S scores in slot 2")
        << 1 << true << "S1 O2 O81" << "L3"
        << QStringList{"showCell 3 1", "playSound 2", "strikeLine 3 1", "setScoreLabel 2 1",
                       "setTurnLabel Player 2"};
    QTest::newRow("one S closes two lines")
        << 1 << true << "S3 S7 O4 O6" << "L5"
        << QStringList{"showCell 5 1",      "playSound 2",       "strikeLine 5 3",
                       "setScoreLabel 1 1", "strikeLine 5 7",    "setScoreLabel 1 2",
                       "setTurnLabel Lorna Quillet"};
    QTest::newRow("the human hands the move to the computer")
        << 2 << true << "" << "L41"
        << QStringList{"showCell 41 1", "playSound 2", "setTurnLabel Com", "setComputerTimer 1"};
    QTest::newRow("computer's move without a line")
        << 2 << true << "S1" << "C"
        << QStringList{"setComputerTimer 0", "playSound 2", "showCell 2 1",
                       "setTurnLabel Lorna Quillet"};
    QTest::newRow("computer's move, sound off")
        << 2 << false << "S1" << "C"
        << QStringList{"setComputerTimer 0", "showCell 2 1", "setTurnLabel Lorna Quillet"};
    QTest::newRow("computer completes a line and is armed again")
        << 2 << true << "S1 S3 O81" << "C"
        << QStringList{"setComputerTimer 0", "playSound 2",      "showCell 2 2",
                       "strikeLine 1 3",     "setScoreLabel 2 1", "setTurnLabel Com",
                       "setComputerTimer 1"};
    // clang-format on
}

void TestGameRules::placementCalls() {
    QFETCH(int, mode);
    QFETCH(bool, soundOn);
    QFETCH(QString, setup);
    QFETCH(QString, action);
    QFETCH(QStringList, expected);

    Table t;
    t.start(mode, {}, soundOn);
    QVERIFY(play(t.game, setup));
    t.view.calls.clear();

    t.act(action);

    QCOMPARE(t.view.calls, expected);
}

void TestGameRules::turnPassing_data() {
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("turnLabel");
    QTest::addColumn<bool>("computerArmed");
    QTest::addColumn<QString>("scores");
    QTest::addColumn<QString>("scoreLabels");

    QTest::newRow("mode 1: no line passes 1 to 2")
        << 1 << "S41" << 2 << "Player 2" << false << "0 0 0" << "00|00";
    QTest::newRow("mode 1: no line passes 2 to 1")
        << 1 << "S41 S50" << 1 << "Lorna Quillet" << false << "0 0 0" << "00|00";
    QTest::newRow("mode 1: a line keeps the move")
        << 1 << "S1 O2 O81 S3" << 2 << "Player 2" << false << "0 1 0" << "00|1";
    QTest::newRow("mode 1: lines keep the move again and again")
        << 1 << "S1 S3 S5 S7 O81 O2 O4 O6" << 2 << "Player 2" << false << "0 3 0" << "00|3";
    QTest::newRow("mode 2: no line passes 1 to 3 and arms the computer")
        << 2 << "S41" << 3 << "Com" << true << "0 0 0" << "00|00";
    QTest::newRow("mode 2: the computer's move without a line passes back")
        << 2 << "S41 C" << 1 << "Lorna Quillet" << false << "0 0 0" << "00|00";
    QTest::newRow("mode 2: the computer keeps the move after a line")
        << 2 << "S1 C S4 C" << 3 << "Com" << true << "0 0 1" << "00|1";
    QTest::newRow("mode 2: the human keeps the move after a line")
        << 2 << "S1 C S5 C O3" << 1 << "Lorna Quillet" << false << "1 0 0" << "1|00";
    // clang-format on
}

void TestGameRules::turnPassing() {
    QFETCH(int, mode);
    QFETCH(QString, moves);
    QFETCH(int, current);
    QFETCH(QString, turnLabel);
    QFETCH(bool, computerArmed);
    QFETCH(QString, scores);
    QFETCH(QString, scoreLabels);

    Table t;
    t.start(mode);
    QVERIFY(play(t.game, moves));

    const game::GameState &s = t.game.state();
    QVERIFY(!s.game_over);
    QCOMPARE(s.current_player, current);
    QCOMPARE(t.view.turnLabel, turnLabel);
    QCOMPARE(t.view.computerTimer, computerArmed);
    QCOMPARE(scoresText(s), scores);
    QCOMPARE(t.view.scoreLabel[1] + QLatin1Char('|') + t.view.scoreLabel[2], scoreLabels);
}

void TestGameRules::winningScore_data() {
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("newTarget");
    QTest::addColumn<QString>("lastMove");
    QTest::addColumn<QString>("result");

    // "S1 S3 S5 S7 O2 O4" leaves the first participant with 2 points and the move.
    QTest::newRow("the placement reaching 3 ends the game")
        << 1 << "3" << "S1 S3 S5 S7 O2 O4" << "" << "O6" << "fillResult Lorna Quillet Winner";
    QTest::newRow("the computer reaching 3 wins")
        << 2 << "3" << "S1 S3 S5 S7 O81 O2 O4" << "" << "O6" << "fillResult Lorna Quillet Loser";
    QTest::newRow("target 3.9 is taken as 3")
        << 1 << "3.9" << "S1 S3 S5 S7 O2 O4" << "" << "O6" << "fillResult Lorna Quillet Winner";
    QTest::newRow("target lowered to a reached score ends the next placement")
        << 1 << "" << "S1 S3 S5 S7 O2 O4" << "2" << "O81" << "fillResult Lorna Quillet Winner";
    QTest::newRow("target lowered below a reached score ends the next placement")
        << 1 << "" << "S1 S3 S5 S7 O2 O4" << "1" << "O81" << "fillResult Lorna Quillet Winner";
    QTest::newRow("participant 1 is judged first when both reached the target")
        << 1 << "" << "S1 S3 S5 S7 O2 O4 O81 O6 S73 S75 O74" << "2" << "O80"
        << "fillResult Lorna Quillet Winner";
    QTest::newRow("target raised above the score lets the game go on")
        << 1 << "2" << "S1 S3 S5 S7 O2" << "3" << "O4" << "";
    // clang-format on
}

void TestGameRules::winningScore() {
    QFETCH(int, mode);
    QFETCH(QString, target);
    QFETCH(QString, moves);
    QFETCH(QString, newTarget);
    QFETCH(QString, lastMove);
    QFETCH(QString, result);

    Table t;
    t.start(mode, target);
    QVERIFY(play(t.game, moves));
    QVERIFY(!t.game.state().game_over);
    if (!newTarget.isEmpty()) t.game.Change_setting(options(mode, newTarget));
    t.view.calls.clear();

    QVERIFY(play(t.game, lastMove));

    if (result.isEmpty()) {
        QVERIFY(!t.game.state().game_over);
        QCOMPARE(t.view.resultsShown, 0);
        return;
    }
    QVERIFY(t.game.state().game_over);
    QVERIFY2(t.view.calls.contains(result), qPrintable(t.view.calls.join(QLatin1String(", "))));
    QCOMPARE(t.view.resultsShown, 1);
    QVERIFY(!t.view.clockTimer);
    // The placement that ends the game hands on no move.
    QCOMPARE(t.view.calls.filter(QStringLiteral("setTurnLabel")), QStringList());
    QCOMPARE(t.view.calls.filter(QStringLiteral("setComputerTimer 1")), QStringList());
}

void TestGameRules::fullBoard_data() {
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("sCells");
    QTest::addColumn<QString>("scores");
    QTest::addColumn<QStringList>("ending");

    // Every cell not listed gets an O first, in cell order; then the S cells follow in the
    // order listed. O before S scores nothing, so the S cells decide the scores.
    const QStringList drawM1{"setClockTimer 0", "fillResult  Draw", "playSound 3", "showResult"};
    const QStringList drawM2{"setClockTimer 0", "fillResult  Draw", "playSound 1", "showResult"};
    QTest::newRow("mode 1: 0 to 0 is a draw") << 1 << QList<int>{} << "0 0 0" << drawM1;
    QTest::newRow("mode 1: participant 2 wins 2 to 0")
        << 1 << QList<int>{1, 3, 5} << "0 2 0"
        << QStringList{"setClockTimer 0", "fillResult Player 2 Winner", "playSound 3",
                       "showResult"};
    QTest::newRow("mode 1: the last cell's 2 points win")
        << 1 << QList<int>{1, 5, 3} << "2 0 0"
        << QStringList{"setClockTimer 0", "fillResult Lorna Quillet Winner", "playSound 3",
                       "showResult"};
    QTest::newRow("mode 1: the last cell's point makes a draw")
        << 1 << QList<int>{1, 3, 7, 9} << "1 1 0" << drawM1;
    QTest::newRow("mode 1: the last cell's 2 points turn a loss into a win")
        << 1 << QList<int>{1, 3, 7, 5} << "1 2 0"
        << QStringList{"setClockTimer 0", "fillResult Player 2 Winner", "playSound 3",
                       "showResult"};
    QTest::newRow("mode 2: 0 to 0 is a draw") << 2 << QList<int>{} << "0 0 0" << drawM2;
    QTest::newRow("mode 2: the computer wins 2 to 0")
        << 2 << QList<int>{1, 3, 5} << "0 0 2"
        << QStringList{"setClockTimer 0", "fillResult Lorna Quillet Loser", "playSound 1",
                       "showResult"};
    QTest::newRow("mode 2: the last cell's 2 points win for the human")
        << 2 << QList<int>{1, 5, 3} << "2 0 0"
        << QStringList{"setClockTimer 0", "fillResult Lorna Quillet Winner", "playSound 3",
                       "showResult"};
    QTest::newRow("mode 2: the last cell's point makes a draw")
        << 2 << QList<int>{1, 3, 7, 9} << "1 0 1" << drawM2;
    // clang-format on
}

void TestGameRules::fullBoard() {
    QFETCH(int, mode);
    QFETCH(QList<int>, sCells);
    QFETCH(QString, scores);
    QFETCH(QStringList, ending);

    QStringList moves;
    for (int n = 1; n <= game::kCells; ++n)
        if (!sCells.contains(n)) moves << QStringLiteral("O%1").arg(n);
    for (int n : sCells) moves << QStringLiteral("S%1").arg(n);
    const QString lastMove = moves.takeLast();

    Table t;
    t.start(mode);
    QVERIFY(play(t.game, moves.join(QLatin1Char(' '))));
    QVERIFY(!t.game.state().game_over);
    QCOMPARE(t.view.resultsShown, 0);
    t.view.calls.clear();

    QVERIFY(play(t.game, lastMove));

    QVERIFY(t.game.state().game_over);
    QCOMPARE(scoresText(t.game.state()), scores);
    QVERIFY(t.view.calls.size() >= ending.size());
    QCOMPARE(t.view.calls.mid(t.view.calls.size() - ending.size()), ending);
    QCOMPARE(t.view.resultsShown, 1);
}

void TestGameRules::resultWindow_data() {
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("winner");
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<QString>("fill");
    QTest::addColumn<int>("sound");

    QTest::newRow("mode 1, no winner") << 1 << 0 << true << "fillResult  Draw" << 3;
    QTest::newRow("mode 1, participant 1") << 1 << 1 << true << "fillResult Ann Winner" << 3;
    QTest::newRow("mode 1, participant 2") << 1 << 2 << true << "fillResult Bob Winner" << 3;
    QTest::newRow("mode 1, participant 3") << 1 << 3 << true << "fillResult Com Winner" << 3;
    QTest::newRow("mode 2, no winner") << 2 << 0 << true << "fillResult  Draw" << 1;
    QTest::newRow("mode 2, participant 1") << 2 << 1 << true << "fillResult Ann Winner" << 3;
    QTest::newRow("mode 2, participant 2") << 2 << 2 << true << "fillResult Ann Loser" << 1;
    QTest::newRow("mode 2, participant 3") << 2 << 3 << true << "fillResult Ann Loser" << 1;
    QTest::newRow("mode 1, participant 2, silent") << 1 << 2 << false << "fillResult Bob Winner"
                                                   << 0;
    QTest::newRow("mode 1, no winner, silent") << 1 << 0 << false << "fillResult  Draw" << 0;
    QTest::newRow("mode 2, no winner, silent") << 2 << 0 << false << "fillResult  Draw" << 0;
    QTest::newRow("mode 2, participant 1, silent") << 2 << 1 << false << "fillResult Ann Winner"
                                                   << 0;
    QTest::newRow("mode 2, participant 3, silent") << 2 << 3 << false << "fillResult Ann Loser"
                                                   << 0;
    // clang-format on
}

void TestGameRules::resultWindow() {
    QFETCH(int, mode);
    QFETCH(int, winner);
    QFETCH(bool, soundOn);
    QFETCH(QString, fill);
    QFETCH(int, sound);

    Table t;
    t.game.Load();
    game::OptionValues values = options(mode, {}, soundOn);
    values.name1 = "Ann";
    values.name2 = "Bob";
    t.game.Change_setting(values);
    t.game.New_game();
    t.view.calls.clear();

    t.game.Game_end(winner);

    QStringList expected{"setClockTimer 0", fill};
    if (sound != 0) expected << QStringLiteral("playSound %1").arg(sound);
    expected << "showResult";
    QCOMPARE(t.view.calls, expected);
    QVERIFY(t.game.state().game_over);
}

void TestGameRules::gameEndCalls_data() {
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("lastCell");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("a human's line reaches the target")
        << 1 << "S1 O2" << "L3" << 3
        << QStringList{"showCell 3 1",    "playSound 2",
                       "strikeLine 3 1",  "setScoreLabel 1 1",
                       "setClockTimer 0", "fillResult Lorna Quillet Winner",
                       "playSound 3",     "showResult"};
    QTest::newRow("the computer's line reaches the target")
        << 2 << "S1 C S4" << "C" << 3
        << QStringList{"setComputerTimer 0", "playSound 2",
                       "showCell 3 2",       "strikeLine 2 4",
                       "setScoreLabel 2 1",  "setClockTimer 0",
                       "fillResult Lorna Quillet Loser", "playSound 1",
                       "showResult"};
    // clang-format on
}

void TestGameRules::gameEndCalls() {
    QFETCH(int, mode);
    QFETCH(QString, setup);
    QFETCH(QString, action);
    QFETCH(int, lastCell);
    QFETCH(QStringList, expected);

    Table t;
    t.start(mode, QStringLiteral("1"));
    QVERIFY(play(t.game, setup));
    t.view.calls.clear();

    t.act(action);

    QCOMPARE(t.view.calls, expected);
    QVERIFY(t.game.state().game_over);
    QCOMPARE(t.game.state().last_cell, lastCell);
}

void TestGameRules::newGame_data() {
    // clang-format off
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("moves");

    QTest::newRow("after a game that ended") << 1 << "1" << "S1 O2 S3";
    QTest::newRow("during a game with a struck line") << 1 << "" << "S1 O2 O81 S3";
    QTest::newRow("while the computer is about to move") << 2 << "5" << "S1 C S41";
    // clang-format on
}

void TestGameRules::newGame() {
    QFETCH(int, mode);
    QFETCH(QString, target);
    QFETCH(QString, moves);

    Table t;
    t.start(mode, target, false);
    QVERIFY(play(t.game, moves));
    const game::GameState before = t.game.state();
    t.view.calls.clear();

    t.game.New_game();

    // The computer timer is disarmed, so a tick armed in the old game cannot move in this one.
    QVERIFY(t.view.calls.contains(QStringLiteral("setComputerTimer 0")));
    QVERIFY(!t.view.computerTimer);

    QStringList expected{"eraseLines"};
    for (int n = 1; n <= game::kCells; ++n) expected << QStringLiteral("showCell %1 0").arg(n);
    expected << "setScoreLabel 1 00"
             << "setNameLabel 1 Lorna Quillet:"
             << "setScoreLabel 2 00"
             << "setNameLabel 2 Player 2:"
             << "setTurnLabel Lorna Quillet"
             << "setClockTimer 1";
    QCOMPARE(withoutCall(t.view.calls, QStringLiteral("setComputerTimer 0")), expected);

    const game::GameState &s = t.game.state();
    for (int n = 1; n <= game::kCells; ++n) QCOMPARE(s.board[n], game::kEmpty);
    QCOMPARE(scoresText(s), QStringLiteral("0 0 0"));
    QCOMPARE(s.current_player, 1);
    QVERIFY(!s.game_over);
    QCOMPARE(s.clock_hours + s.clock_minutes + s.clock_seconds, 0);
    QVERIFY(t.view.lines.isEmpty());
    // Settings and the last placement survive a new game.
    QCOMPARE(s.game_mode, before.game_mode);
    QCOMPARE(s.player_name, before.player_name);
    QCOMPARE(s.score_limit, before.score_limit);
    QCOMPARE(s.sound_on, before.sound_on);
    QCOMPARE(s.last_cell, before.last_cell);
}

void TestGameRules::staleComputerTick() {
    // Mode 2: the human's S in 41 arms the computer; then a new game empties the board.
    Table t;
    t.start(2);
    QVERIFY(play(t.game, QStringLiteral("S41")));
    QVERIFY(t.view.computerTimer);
    t.game.New_game();
    QVERIFY(!t.view.computerTimer);

    // Should a tick still arrive, last_cell names an emptied cell: the computer falls back
    // to S, in the first empty neighbour of that cell.
    t.game.Computer_move();
    const game::GameState &s = t.game.state();
    QCOMPARE(s.board[31], game::kS);
    for (int n = 1; n <= game::kCells; ++n)
        QVERIFY(s.board[n] == game::kEmpty || s.board[n] == game::kS || s.board[n] == game::kO);
    QCOMPARE(t.view.cells[31], int(game::kS));
}

QTEST_GUILESS_MAIN(TestGameRules)
#include "tst_game_rules.moc"
