// SPDX-License-Identifier: MIT
// One game through its operations: refused placements, scoring, the extra move and the
// passing of the turn, the computer's timer, the two ways a game ends, the result window,
// the clock, options changed during a game, start-up and a new game, and what the view is
// told, in order.
#include "game_test.h"

using gametest::fields;

void TestGame::moves_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("calls");  // none: the action changes nothing at all
    const QString win1 = "Timer1 off, result Lorna Quillet Winner, sound 3, show";
    const QString draw = "Timer1 off, result  Draw, sound ";
    // clang-format off
    QTest::newRow("release before the first game") << "" << "L41" << "";
    QTest::newRow("release over an occupied cell") << "N S41" << "R41" << "";
    QTest::newRow("middle button") << "N" << "M41" << "";
    QTest::newRow("release in the computer's turn") << "V2 N S41" << "R50" << "";
    QTest::newRow("release after the game end") << "T1 N S1 O2 S3" << "L50" << "";
    QTest::newRow("Put_letter on an occupied cell") << "V2 N S41" << "PO41" << "";
    QTest::newRow("Put_letter after the game end") << "V2 T1 N S1 O2 S3" << "PS50" << "";

    QTest::newRow("S passes 1 to 2") << "N" << "L41" << "S41, sound 2, turn Player 2";
    QTest::newRow("O passes 2 to 1, silent") << "Q N S41" << "R50" << "O50, turn Lorna Quillet";
    QTest::newRow("1 scores and moves again") << "Q N S1 S3" << "R2"
        << "O2, line 1-3, score1 1, turn Lorna Quillet";
    QTest::newRow("2 scores in slot 2") << "N S1 O2 O81" << "L3"
        << "S3, sound 2, line 3-1, score2 1, turn Player 2";
    QTest::newRow("one S closes two lines") << "N S3 S7 O4 O6" << "L5"
        << "S5, sound 2, line 5-3, score1 1, line 5-7, score1 2, turn Lorna Quillet";
    QTest::newRow("lines again and again") << "N S1 S3 S5 S7 O81 O2 O4" << "O6"
        << "O6, sound 2, line 5-7, score2 3, turn Player 2";
    QTest::newRow("1 hands over to the computer") << "V2 N" << "L41"
        << "S41, sound 2, turn Com, Timer2 on";
    QTest::newRow("the computer hands back") << "V2 N S1" << "C"
        << "Timer2 off, sound 2, S2, turn Lorna Quillet";
    QTest::newRow("the computer, silent") << "V2 Q N S1" << "C"
        << "Timer2 off, S2, turn Lorna Quillet";
    QTest::newRow("the computer scores, armed again") << "V2 N S1 C S4" << "C"
        << "Timer2 off, sound 2, O3, line 2-4, score2 1, turn Com, Timer2 on";
    QTest::newRow("1 scores against the computer") << "V2 N S1 C S5 C" << "O3"
        << "O3, sound 2, line 2-4, score1 1, turn Lorna Quillet";
    QTest::newRow("a stale tick after a new game plays S") << "V2 N S41 N" << "C"
        << "Timer2 off, sound 2, S31, turn Com, Timer2 on";

    QTest::newRow("clock: 59 s") << "N K58" << "K" << "clock 00:00:59";
    QTest::newRow("clock: 60 s") << "N K59" << "K" << "clock 00:01:00";
    QTest::newRow("clock: 3599 s") << "N K3598" << "K" << "clock 00:59:59";
    QTest::newRow("clock: 3600 s") << "N K3599" << "K" << "clock 01:00:00";
    QTest::newRow("clock: 100 hours") << "N K359999" << "K" << "clock 100:00:00";
    QTest::newRow("clock: a new game starts at 0") << "N K600 N" << "K" << "clock 00:00:01";

    QTest::newRow("a line reaches the target") << "T1 N S1 O2" << "L3"
        << "S3, sound 2, line 3-1, score1 1, " + win1;
    QTest::newRow("the computer reaches the target") << "V2 T1 N S1 C S4" << "C"
        << "Timer2 off, sound 2, O3, line 2-4, score2 1, Timer1 off, result Lorna Quillet Loser, "
           "sound 1, show";
    QTest::newRow("target 3.9 ends at 3") << "T3.9 N S1 S3 S5 S7 O2 O4" << "O6"
        << "O6, sound 2, line 5-7, score1 3, " + win1;
    QTest::newRow("target lowered below a score") << "N S1 S3 S5 S7 O2 O4 T1" << "O81"
        << "O81, sound 2, " + win1;
    QTest::newRow("participant 1 judged first") << "N S1 S3 S5 S7 O2 O4 O81 O6 S73 S75 O74 T2"
        << "O80" << "O80, sound 2, " + win1;
    QTest::newRow("target raised above the score") << "T2 N S1 S3 S5 S7 O2 T3" << "O4"
        << "O4, sound 2, line 3-5, score1 2, turn Lorna Quillet";
    QTest::newRow("full, mode 1: 0 to 0") << "N F81" << "O81"
        << "O81, sound 2, " + draw + "3, show";
    QTest::newRow("full, mode 1: 0 to 2") << "N F1,3,5 S1 S3" << "S5"
        << "S5, sound 2, line 5-3, score2 2, Timer1 off, result Player 2 Winner, sound 3, show";
    QTest::newRow("full, mode 1: the last cell's points") << "N F1,3,5 S1 S5" << "S3"
        << "S3, sound 2, line 3-1, score1 1, line 3-5, score1 2, " + win1;
    QTest::newRow("full, mode 1: the last cell's point") << "N F1,3,7,9 S1 S3 S7" << "S9"
        << "S9, sound 2, line 9-7, score2 1, " + draw + "3, show";
    QTest::newRow("full, mode 2: 0 to 0") << "V2 N F81" << "O81"
        << "O81, sound 2, " + draw + "1, show";
    QTest::newRow("full, mode 2: 0 to 2") << "V2 N F1,3,5 S1 S3" << "S5"
        << "S5, line 5-3, score2 2, Timer1 off, result Lorna Quillet Loser, sound 1, show";
    QTest::newRow("full, mode 2: the last cell's points") << "V2 N F1,3,5 S1 S5" << "S3"
        << "S3, sound 2, line 3-1, score1 1, line 3-5, score1 2, " + win1;
    QTest::newRow("full, mode 2: the last cell's point") << "V2 N F1,3,7,9 S1 S3 S7" << "S9"
        << "S9, line 9-7, score2 1, " + draw + "1, show";
    QTest::newRow("result: mode 1, participant 3") << "N" << "E3"
        << "Timer1 off, result Com Winner, sound 3, show";
    QTest::newRow("result: mode 2, participant 2") << "V2 N" << "E2"
        << "Timer1 off, result Lorna Quillet Loser, sound 1, show";
    QTest::newRow("result: silent") << "V2 Q N" << "E1"
        << "Timer1 off, result Lorna Quillet Winner, show";

    QTest::newRow("to mode 2: 2 moves, 1 hands to the computer") << "N S41 V2 S50" << "S60"
        << "S60, sound 2, turn Com, Timer2 on";
    QTest::newRow("to mode 1: the pending computer move") << "V2 N S41 V1" << "C"
        << "Timer2 off, sound 2, S31, turn Lorna Quillet";
    QTest::newRow("to mode 1: the computer keeps scoring") << "V2 N S1 C S4 V1" << "C"
        << "Timer2 off, sound 2, O3, line 2-4, score2 1, turn Com, Timer2 on";
    QTest::newRow("to mode 1: then 1 passes to 2") << "V2 N S41 V1 C" << "S70"
        << "S70, sound 2, turn Player 2";
    // clang-format on
}

void TestGame::moves() {
    QFETCH(QString, setup);
    QFETCH(QString, action);
    QFETCH(QString, calls);
    gametest::Table t;
    QVERIFY(t.run(setup));
    const game::GameState before = t.game.state();
    t.view.calls.clear();
    t.run(action);
    QCOMPARE(t.view.calls.join(", "), calls);
    if (calls.isEmpty()) QVERIFY(fields(t.game.state()) == fields(before));
    if (calls.endsWith("show")) QVERIFY(t.game.state().game_over);
}

void TestGame::startAndNewGame() {
    gametest::Table t(false);
    QStringList calls{"name1 Lorna Quillet:", "name2 Player 2:"};
    for (int n = 1; n <= game::kCells; ++n) calls << (n % 2 ? "S" : "O") + QString::number(n);
    QCOMPARE(t.view.calls, calls);  // the checkerboard is decoration only: the board stays empty
    game::GameState idle;
    idle.player_name = {"", "Lorna Quillet", "Player 2", "Com"};
    idle.game_mode = 1;
    idle.game_over = idle.sound_on = true;
    idle.score_limit = 0;
    QVERIFY(fields(t.game.state()) == fields(idle));

    QVERIFY(t.run("V2 T5 Q N S1 C S4 C K"));  // a line struck, the computer about to move again
    const game::GameState before = t.game.state();
    t.view.calls.clear();
    t.game.New_game();
    // A computer move pending from the discarded game must never land in this one.
    QVERIFY(t.view.calls.removeOne("Timer2 off"));
    calls = QStringList{"erase"};
    for (int n = 1; n <= game::kCells; ++n) calls << QStringLiteral("_%1").arg(n);
    calls << "score1 00, name1 Lorna Quillet:, score2 00, name2 Player 2:, turn Lorna Quillet, "
             "Timer1 on";
    QCOMPARE(t.view.calls.join(", "), calls.join(", "));
    // A fresh game; the settings and the last placement stay.
    const game::GameState &s = t.game.state();
    QVERIFY(s.board == game::Board{} && s.score == decltype(s.score){} && s.current_player == 1);
    QVERIFY(!s.game_over && s.clock_hours + s.clock_minutes + s.clock_seconds == 0);
    QVERIFY(s.game_mode == 2 && s.score_limit == 5 && !s.sound_on &&
            s.last_cell == before.last_cell && s.player_name == before.player_name);
}
