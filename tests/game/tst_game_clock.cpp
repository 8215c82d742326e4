// SPDX-License-Identifier: MIT
// The game clock: carrying seconds into minutes and hours, and its "hh:mm:ss" text.
#include <QtTest>

#include "game/game_clock.h"
#include "test_support.h"

class TestGameClock : public QObject {
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void ticksOfAGame();
};

void TestGameClock::text_data() {
    // clang-format off
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");

    QTest::newRow("0") << 0 << "00:00:00" << 0 << 0 << 0;
    QTest::newRow("1") << 1 << "00:00:01" << 0 << 0 << 1;
    QTest::newRow("59") << 59 << "00:00:59" << 0 << 0 << 59;
    QTest::newRow("60") << 60 << "00:01:00" << 0 << 1 << 0;
    QTest::newRow("605") << 605 << "00:10:05" << 0 << 10 << 5;
    QTest::newRow("3599") << 3599 << "00:59:59" << 0 << 59 << 59;
    QTest::newRow("3600") << 3600 << "01:00:00" << 1 << 0 << 0;
    QTest::newRow("3661") << 3661 << "01:01:01" << 1 << 1 << 1;
    QTest::newRow("359999") << 359999 << "99:59:59" << 99 << 59 << 59;
    QTest::newRow("360000") << 360000 << "100:00:00" << 100 << 0 << 0;
    // clang-format on
}

void TestGameClock::text() {
    QFETCH(int, ticks);
    QFETCH(QString, expected);
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, seconds);

    game::GameState state;
    for (int i = 0; i < ticks; ++i) game::advanceClock(state);

    QCOMPARE(QString::fromStdString(game::clockText(state)), expected);
    QCOMPARE(state.clock_hours, hours);
    QCOMPARE(state.clock_minutes, minutes);
    QCOMPARE(int(state.clock_seconds), seconds);
}

void TestGameClock::ticksOfAGame() {
    gametest::RecordingView view;
    gametest::ScriptedRandom random;
    game::Game game(view, random);
    game.Load();
    game.New_game();
    view.calls.clear();

    for (int i = 0; i < 61; ++i) game.Clock_tick();
    QCOMPARE(view.calls.size(), 61);
    QCOMPARE(view.calls.first(), QStringLiteral("setClockLabel 00:00:01"));
    QCOMPARE(view.calls.last(), QStringLiteral("setClockLabel 00:01:01"));

    // A new game starts the count again; the label waits for the first tick.
    game.New_game();
    QCOMPARE(view.clockLabel, QStringLiteral("00:01:01"));
    view.calls.clear();
    game.Clock_tick();
    QCOMPARE(view.calls, QStringList{QStringLiteral("setClockLabel 00:00:01")});
}

QTEST_GUILESS_MAIN(TestGameClock)
#include "tst_game_clock.moc"
