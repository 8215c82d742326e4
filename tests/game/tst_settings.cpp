// SPDX-License-Identifier: MIT
// Taking over the options: the numeric reading of the target text, the OK check, the
// values stored by Change_setting, the labels it writes, and a change of game mode in the
// middle of a game.
#include <QtTest>

#include "game/settings.h"
#include "test_support.h"

using gametest::options;
using gametest::play;

namespace {

struct Table {
    gametest::RecordingView view;
    gametest::ScriptedRandom random;
    game::Game game{view, random};
};

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void numericValue_data();
    void numericValue();
    void targetAcceptable_data();
    void targetAcceptable();
    void changeSetting_data();
    void changeSetting();
    void labels_data();
    void labels();
    void modeChangeInGame_data();
    void modeChangeInGame();
};

void TestSettings::numericValue_data() {
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("7") << "7" << 7.0;
    QTest::newRow("7x") << "7x" << 7.0;
    QTest::newRow("7 and a blank") << "7 " << 7.0;
    QTest::newRow("a blank and 7") << " 7" << 7.0;
    QTest::newRow("x7") << "x7" << 0.0;
    QTest::newRow("a lone minus") << "-" << 0.0;
    QTest::newRow("a lone plus") << "+" << 0.0;
    QTest::newRow("a lone point") << "." << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "  " << 0.0;
    QTest::newRow("0") << "0" << 0.0;
    QTest::newRow("-1") << "-1" << -1.0;
    QTest::newRow("+3") << "+3" << 3.0;
    QTest::newRow("1.") << "1." << 1.0;
    QTest::newRow(".5") << ".5" << 0.5;
    QTest::newRow("3.9") << "3.9" << 3.9;
    QTest::newRow("99") << "99" << 99.0;
    QTest::newRow("a blank inside the digits") << "1 2" << 12.0;
    QTest::newRow("tab and line feed inside the digits") << "\t4\n2" << 42.0;
    QTest::newRow("a blank after the sign") << "- 5" << -5.0;
    QTest::newRow("a second point ends the number") << "1.2.3" << 1.2;
    QTest::newRow("a second sign ends the number") << "12-3" << 12.0;
    QTest::newRow("two signs are no number") << "--1" << 0.0;
    QTest::newRow("no exponent") << "1e3" << 1.0;
    // clang-format on
}

void TestSettings::numericValue() {
    QFETCH(QString, text);
    QFETCH(double, value);

    QCOMPARE(game::numericValue(text.toStdString()), value);
}

void TestSettings::targetAcceptable_data() {
    // clang-format off
    QTest::addColumn<bool>("untilFull");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("acceptable");

    QTest::newRow("until full, empty target") << true << "" << true;
    QTest::newRow("until full, target x") << true << "x" << true;
    QTest::newRow("until full, target 0") << true << "0" << true;
    QTest::newRow("target 0") << false << "0" << false;
    QTest::newRow("target empty") << false << "" << false;
    QTest::newRow("target -1") << false << "-1" << false;
    QTest::newRow("target x") << false << "x" << false;
    QTest::newRow("target .5") << false << ".5" << false;
    QTest::newRow("target 1") << false << "1" << true;
    QTest::newRow("target 1.") << false << "1." << true;
    QTest::newRow("target 20") << false << "20" << true;
    QTest::newRow("target 99") << false << "99" << true;
    QTest::newRow("target 7x") << false << "7x" << true;
    QTest::newRow("target with a leading blank") << false << " 7" << true;
    // clang-format on
}

void TestSettings::targetAcceptable() {
    QFETCH(bool, untilFull);
    QFETCH(QString, target);
    QFETCH(bool, acceptable);

    game::OptionValues values;
    values.untilFull = untilFull;
    values.targetText = target.toStdString();
    QCOMPARE(game::targetAcceptable(values), acceptable);
}

void TestSettings::changeSetting_data() {
    // clang-format off
    QTest::addColumn<int>("startMode");
    QTest::addColumn<bool>("mode1Blue");
    QTest::addColumn<bool>("mode2Blue");
    QTest::addColumn<QString>("name1");
    QTest::addColumn<QString>("name2");
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<bool>("untilFull");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("stored1");
    QTest::addColumn<QString>("stored2");
    QTest::addColumn<double>("limit");

    QTest::newRow("Vs Player chosen")
        << 2 << true << false << "Ann" << "Bob" << true << true << "" << 1 << "Ann" << "Bob" << 0.0;
    QTest::newRow("Vs Computer chosen")
        << 1 << false << true << "Ann" << "Bob" << true << true << "" << 2 << "Ann" << "Bob" << 0.0;
    QTest::newRow("neither blue keeps mode 1")
        << 1 << false << false << "Ann" << "Bob" << true << true << "" << 1 << "Ann" << "Bob" << 0.0;
    QTest::newRow("neither blue keeps mode 2")
        << 2 << false << false << "Ann" << "Bob" << true << true << "" << 2 << "Ann" << "Bob" << 0.0;
    QTest::newRow("both blue: the second label decides")
        << 1 << true << true << "Ann" << "Bob" << true << true << "" << 2 << "Ann" << "Bob" << 0.0;
    QTest::newRow("empty names become Lorna Quillet")
        << 1 << true << false << "" << "" << true << true << "" << 1 << "Lorna Quillet" << "Lorna Quillet" << 0.0;
    QTest::newRow("a name of blanks is kept")
        << 1 << true << false << "   " << "Bob" << true << true << "" << 1 << "   " << "Bob" << 0.0;
    QTest::newRow("blanks around a name are kept")
        << 1 << true << false << " Ann " << "Bo b  " << true << true << "" << 1 << " Ann " << "Bo b  " << 0.0;
    QTest::newRow("sound off")
        << 1 << true << false << "Ann" << "Bob" << false << true << "" << 1 << "Ann" << "Bob" << 0.0;
    QTest::newRow("until full ignores the target text")
        << 1 << true << false << "Ann" << "Bob" << true << true << "5" << 1 << "Ann" << "Bob" << 0.0;
    QTest::newRow("target 7x")
        << 1 << true << false << "Ann" << "Bob" << true << false << "7x" << 1 << "Ann" << "Bob" << 7.0;
    QTest::newRow("target 3.9 keeps its whole part")
        << 1 << true << false << "Ann" << "Bob" << true << false << "3.9" << 1 << "Ann" << "Bob" << 3.0;
    QTest::newRow("target 99")
        << 1 << true << false << "Ann" << "Bob" << true << false << "99" << 1 << "Ann" << "Bob" << 99.0;
    QTest::newRow("target 1 2")
        << 1 << true << false << "Ann" << "Bob" << true << false << "1 2" << 1 << "Ann" << "Bob" << 12.0;
    QTest::newRow("target +3")
        << 1 << true << false << "Ann" << "Bob" << true << false << "+3" << 1 << "Ann" << "Bob" << 3.0;
    QTest::newRow("target 1.")
        << 1 << true << false << "Ann" << "Bob" << true << false << "1." << 1 << "Ann" << "Bob" << 1.0;
    // clang-format on
}

void TestSettings::changeSetting() {
    QFETCH(int, startMode);
    QFETCH(bool, mode1Blue);
    QFETCH(bool, mode2Blue);
    QFETCH(QString, name1);
    QFETCH(QString, name2);
    QFETCH(bool, soundOn);
    QFETCH(bool, untilFull);
    QFETCH(QString, target);
    QFETCH(int, mode);
    QFETCH(QString, stored1);
    QFETCH(QString, stored2);
    QFETCH(double, limit);

    Table t;
    t.game.Load();
    t.game.Change_setting(options(startMode));
    game::OptionValues values;
    values.mode1Blue = mode1Blue;
    values.mode2Blue = mode2Blue;
    values.name1 = name1.toStdString();
    values.name2 = name2.toStdString();
    values.soundOn = soundOn;
    values.untilFull = untilFull;
    values.targetText = target.toStdString();

    t.game.Change_setting(values);

    const game::GameState &s = t.game.state();
    QCOMPARE(int(s.game_mode), mode);
    QCOMPARE(QString::fromStdString(s.player_name[1]), stored1);
    QCOMPARE(QString::fromStdString(s.player_name[2]), stored2);
    QCOMPARE(QString::fromStdString(s.player_name[3]), QStringLiteral("Com"));
    QCOMPARE(s.sound_on, soundOn);
    QCOMPARE(s.score_limit, limit);
}

void TestSettings::labels_data() {
    // clang-format off
    QTest::addColumn<int>("startMode");
    QTest::addColumn<QString>("startTarget");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("nameLabel1");
    QTest::addColumn<QString>("nameLabel2");
    QTest::addColumn<QString>("turnLabel");

    // Applied names are "Ann" and "Bob"; an empty turnLabel means it is not written at all.
    QTest::newRow("idle, mode 1") << 1 << "" << false << "" << 1 << "Ann" << "Bob" << "";
    QTest::newRow("idle, mode 2 shows the computer's name")
        << 1 << "" << false << "" << 2 << "Ann" << "Com" << "";
    QTest::newRow("after a game end") << 1 << "1" << true << "S1 O2 S3" << 1 << "Ann" << "Bob"
                                      << "";
    QTest::newRow("first human to move") << 1 << "" << true << "" << 1 << "Ann" << "Bob" << "Ann";
    QTest::newRow("second human to move")
        << 1 << "" << true << "S41" << 1 << "Ann" << "Bob" << "Bob";
    QTest::newRow("mode 2 chosen while the second human is to move")
        << 1 << "" << true << "S41" << 2 << "Ann" << "Com" << "Bob";
    QTest::newRow("computer to move") << 2 << "" << true << "S41" << 2 << "Ann" << "Com" << "Com";
    // clang-format on
}

void TestSettings::labels() {
    QFETCH(int, startMode);
    QFETCH(QString, startTarget);
    QFETCH(bool, started);
    QFETCH(QString, moves);
    QFETCH(int, mode);
    QFETCH(QString, nameLabel1);
    QFETCH(QString, nameLabel2);
    QFETCH(QString, turnLabel);

    Table t;
    t.game.Load();
    t.game.Change_setting(options(startMode, startTarget));
    if (started) t.game.New_game();
    QVERIFY(play(t.game, moves));
    const game::GameState before = t.game.state();
    t.view.calls.clear();

    game::OptionValues values = options(mode);
    values.name1 = "Ann";
    values.name2 = "Bob";
    t.game.Change_setting(values);

    QCOMPARE(t.view.nameLabel[1], nameLabel1);
    QCOMPARE(t.view.nameLabel[2], nameLabel2);
    const QStringList turnCalls = t.view.calls.filter(QStringLiteral("setTurnLabel"));
    if (turnLabel.isEmpty()) {
        QCOMPARE(turnCalls, QStringList());
    } else {
        QVERIFY(!turnCalls.isEmpty());
        QCOMPARE(t.view.turnLabel, turnLabel);
    }
    // Only labels change: no cell, score, line, timer or sound.
    const QStringList others =
        t.view.calls.filter(QRegularExpression(QStringLiteral("^(?!setNameLabel |setTurnLabel )")));
    QCOMPARE(others, QStringList());
    const game::GameState &s = t.game.state();
    QCOMPARE(s.board, before.board);
    QCOMPARE(s.score, before.score);
    QCOMPARE(s.current_player, before.current_player);
    QCOMPARE(s.game_over, before.game_over);
}

void TestSettings::modeChangeInGame_data() {
    // clang-format off
    QTest::addColumn<int>("startMode");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("computerArmed");
    QTest::addColumn<int>("computerScore");

    QTest::newRow("to mode 2: participant 2 still moves, then 1, then the computer")
        << 1 << "S41" << 2 << "S50 S60" << 3 << true << 0;
    QTest::newRow("to mode 1: the pending computer move is made and passes to 1")
        << 2 << "S41" << 1 << "C" << 1 << false << 0;
    QTest::newRow("to mode 1: the computer keeps moving while it completes lines")
        << 2 << "S1 C S4" << 1 << "C" << 3 << true << 1;
    QTest::newRow("to mode 1: after the computer, participant 1 passes to 2")
        << 2 << "S41" << 1 << "C S70" << 2 << false << 0;
    // clang-format on
}

void TestSettings::modeChangeInGame() {
    QFETCH(int, startMode);
    QFETCH(QString, before);
    QFETCH(int, mode);
    QFETCH(QString, after);
    QFETCH(int, current);
    QFETCH(bool, computerArmed);
    QFETCH(int, computerScore);

    Table t;
    t.game.Load();
    t.game.Change_setting(options(startMode));
    t.game.New_game();
    QVERIFY(play(t.game, before));
    const int moverBefore = t.game.state().current_player;

    t.game.Change_setting(options(mode));
    QCOMPARE(t.game.state().current_player, moverBefore);
    QVERIFY(play(t.game, after));

    QCOMPARE(t.game.state().current_player, current);
    QCOMPARE(t.view.computerTimer, computerArmed);
    QCOMPARE(int(t.game.state().score[3]), computerScore);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
