// SPDX-License-Identifier: MIT
// The rules engine alone: boards as text, a view that logs every call, random draws in a known
// sequence, and games driven by a small move language.
#include <QtTest>

#include <stdexcept>
#include <tuple>

#include "game/computer_player.h"
#include "game/game.h"
#include "game/precondition.h"

namespace {

// A board from rows of nine cells ('S', 'O' or '.'; a digit k is k empty rows) parted by
// blanks, empty below the last row; on the heap at its exact size, so that ASan reports reads
// off the board. A small letter is the one just placed: its cell goes to *placed.
std::unique_ptr<game::Board> board(QString rows, int *placed = nullptr) {
    for (char k = '1'; k <= '8'; ++k)
        rows.replace(QChar(k), QString("......... ").repeated(k - '0'));
    if (!QRegularExpression("^([.SOso]{9} *){0,9}$").match(rows).hasMatch())
        throw std::invalid_argument("a board is up to nine rows of nine 'S', 'O' or '.'");
    auto b = std::make_unique<game::Board>();
    rows.remove(' ');
    for (int i = 0; i < rows.size(); ++i)
        (*b)[i + 1] = std::int16_t(QString(".SO").indexOf(rows[i].toUpper()));
    if (placed) *placed = int(rows.indexOf(QRegularExpression("[so]"))) + 1;
    return b;
}

// Logs every call as one short line: "S41" (the cell shows S; "O41" O, "_41" nothing), "sound 2",
// "line 1-3", "score1 2", "name2 Bob", "turn Bob", "clock 00:00:01", "erase", "Timer1 on", "show",
// "result Bob Winner"; a picture as "board" (or "decoration"), "cells SOS_..." and the rest.
class RecordingView final : public game::GameView {
public:
    QStringList calls;
    void showPicture(const game::Picture &p) override {
        calls << (p.decoration ? "decoration" : "board") << "erase";
        QString cells;
        for (int n = 1; n <= game::kCells; ++n) cells += "_SO?"[qBound(0, int(p.cells[n]), 3)];
        calls << "cells " + cells;
        for (int i : {1, 2}) setNameLabel(i, p.nameLabel[i]), setScoreLabel(i, p.scoreLabel[i]);
        setTurnLabel(p.turnLabel), setClockLabel(p.clockLabel);
        for (const game::StruckLine &s : p.lines) strikeLine(s.cell, s.line);
        setClockTimer(p.clockTimer), setComputerTimer(p.computerTimer);
    }
    void showCell(int n, int letter) override { log("%c%d", "_SO?"[qBound(0, letter, 3)], n); }
    void setScoreLabel(int i, const std::string &t) override { log("score%d %s", i, t.c_str()); }
    void setNameLabel(int i, const std::string &t) override { log("name%d %s", i, t.c_str()); }
    void setTurnLabel(const std::string &t) override { log("turn %s", t.c_str()); }
    void setClockLabel(const std::string &t) override { log("clock %s", t.c_str()); }
    void strikeLine(int, const game::Line &l) override { log("line %d-%d", l.first, l.last); }
    void eraseLines() override { calls << "erase"; }
    void setClockTimer(bool on) override { log("Timer1 %s", on ? "on" : "off"); }
    void setComputerTimer(bool on) override { log("Timer2 %s", on ? "on" : "off"); }
    void playSound(int sound) override { log("sound %d", sound); }
    void fillResult(const std::string &name, game::ResultPicture p) override {
        log("result %s %s", name.c_str(), std::array{"Winner", "Loser", "Draw"}[int(p)]);
    }
    void showResult() override { calls << "show"; }
    void log(const char *format, auto... args) { calls << QString::asprintf(format, args...); }
};

// What the view ends up showing after these calls: the last call for each cell, label and
// timer, in a fixed order whatever the order they came in.
QString shown(const QString &calls) {
    QMap<QString, QString> last;  // by cell number, else by the first word
    for (const QString &c : calls.split(", "))
        last[c[1].isDigit() ? c.mid(1) : c.section(' ', 0, 0)] = c;
    return QStringList(last.values()).join(", ");
}

// Hands out exactly the scripted draws; one more throws.
struct ScriptedRandom final : game::RandomSource {
    QList<double> draws;
    int reseeds = 0;
    void reseed() override { ++reseeds; }
    double next() override {
        return draws.isEmpty() ? throw std::runtime_error("draws ran out") : draws.takeFirst();
    }
};

// A game after start-up and (unless told not to) the options with the names Ann and Bob; it logs
// a refused argument as the view's call "refused". run() plays moves parted by blanks, returns
// false at the first S/O move that leaves its cell without that letter, throws on an unknown one:
//   S41, O41  the participant to move puts S or O into cell 41: a human by a release of the
//             left or right button, the computer by Put_letter
//   L41, R41, M41  a release of that button   C  Computer_move   N  New_game   E2  Game_end(2)
//   P41  Put_letter(41, O) (P41,3: letter 3)   X41  Check_lines(41, S)   K, K60  clock ticks
//   F1,3  every empty cell but 1 and 3 gets an O, in order, from whoever is to move
//   T3 (T: until full), V2, Q  the options as they stand but target 3, mode 2 or sound off
struct Table {
    RecordingView view;
    ScriptedRandom random;
    game::Game game{view, random};

    explicit Table(bool applyOptions = true) {
        static QStringList *calls;
        calls = &view.calls;
        game::setPreconditionHandler([](const char *) { *calls << "refused"; });
        game.Load();
        if (applyOptions) run("V1");
    }
    ~Table() { game::setPreconditionHandler(nullptr); }

    bool run(const QString &moves) {
        using B = game::MouseButton;
        const game::GameState &s = game.state();
        for (const QString &m : moves.split(' ', Qt::SkipEmptyParts)) {
            const char k = m[0].toLatin1();
            const int n = m.section(',', 0, 0).mid(1).toInt(), letter = k == 'S' ? 1 : 2;
            if (k == 'S' || k == 'O') {
                s.current_player == game::kComputer
                    ? game.Put_letter(n, letter)
                    : game.Release_on_cell(n, k == 'S' ? B::Left : B::Right);
                if (s.board[n] != letter) return false;
            } else if (k == 'L' || k == 'R' || k == 'M') {
                game.Release_on_cell(n, k == 'L' ? B::Left : k == 'R' ? B::Right : B::Middle);
            } else if (k == 'F') {
                for (int c = 1; c <= game::kCells; ++c)
                    if (!s.board[c] && !m.mid(1).split(',').contains(QString::number(c)) &&
                        !run(QStringLiteral("O%1").arg(c)))
                        return false;
            } else if (k == 'K') {
                for (int i = 0; i < qMax(n, 1); ++i) game.Clock_tick();
            } else if (k == 'T' || k == 'V' || k == 'Q') {
                const int mode = k == 'V' ? n : s.game_mode, limit = k == 'T' ? n : s.score_limit;
                game.Change_setting({mode == 1, mode == 2, "Ann", "Bob", s.sound_on && k != 'Q',
                                     limit == 0, std::to_string(limit)});
            } else if (QStringLiteral("CNEPX").contains(k)) {
                k == 'C'   ? game.Computer_move()
                : k == 'N' ? game.New_game()
                : k == 'E' ? game.Game_end(n)
                : k == 'X' ? game.Check_lines(n, game::kS)
                           : game.Put_letter(n, m.contains(',') ? m.section(',', 1).toInt() : 2);
            } else {
                throw std::invalid_argument("unknown move " + m.toStdString());
            }
        }
        return true;
    }
};

// Every field of the state, to compare whole states.
auto fields(const game::GameState &s) {
    return std::tie(s.board, s.player_name, s.score, s.current_player, s.game_mode, s.game_over,
                    s.sound_on, s.score_limit, s.last_cell, s.clock_hours, s.clock_minutes,
                    s.clock_seconds);
}

}  // namespace

class TestGame : public QObject {
    Q_OBJECT

    // Data-driven tests here have text columns, declared and fetched by name.
    static void columns(std::initializer_list<const char *> names) {
        for (const char *name : names) QTest::addColumn<QString>(name);
    }
    static void row(const char *tag, const auto &...texts) { (QTest::newRow(tag) << ... << texts); }
    static auto fetch(const auto &...names) {
        return std::array{*static_cast<QString *>(QTest::qData(names, QMetaType::QString))...};
    }

private slots:
    // The lines a new letter completes: the edges, no wrapping into another row, the order.
    void lineSearch_data() {
        columns({"lines", "rows"});
        // clang-format off
        row("S, row 1", "5-13-21 5-14-23 5-15-25 5-4-3 5-6-7", "..SOsOS.. ...OOO... ..S.S.S..");
        row("S, row 2", "14-23-32", "...OOO... ....s.... ....O.... ....S....");
        row("S, row 8", "68-59-50", "5 ....S.... ....O.... ....s.... ...OOO...");
        row("S, row 9", "77-67-57 77-68-59 77-69-61 77-76-75 77-78-79", "6 ..S.S.S.. ...OOO... ..SOsOS..");
        row("S, column 1", "37-28-19 37-47-57 37-38-39", "1 .......S. S.......O O......SO sOS.....O .O.....S. ..S......");
        row("S, column 2", "38-29-20 38-48-58 38-39-40", "1 ........S .S....... OO......S OsOS..... O.O.....S ...S.....");
        row("S, column 8", "44-34-24 44-53-62 44-43-42", "2 .....S... S.....O.O .....SOsO S......OO .......S. S........");
        row("S, column 9", "45-36-27 45-53-61 45-44-43", "2 ........S .S......O O.....SOs OS.....O. O.....S.. .S.......");
        row("O, row 1", "4-5-6", "...SoS... ...SSS...");
        row("O, row 9", "76-77-78", "7 ...SSS... ...SoS...");
        row("O, column 1", "46-37-28", "2 ........S SS......S oS......S SS.......");
        row("O, column 9", "54-45-36", "3 .......SS S......So S......SS S........");
        row("S completes eight lines", "41-31-21 41-32-23 41-33-25 41-49-57 41-50-59 41-51-61 41-40-39 41-42-43",
            "2 ..S.S.S.. ...OOO... ..SOsOS.. ...OOO... ..S.S.S..");
        row("O completes four lines", "51-41-31 50-41-32 49-41-33 40-41-42", "3 ...SSS... ...SoS... ...SSS...");
        // clang-format on
    }
    void lineSearch() {
        const auto [lines, rows] = fetch("lines", "rows");
        int cell = 0;
        const auto b = board(rows, &cell);
        QStringList found;
        for (const game::Line &l : game::completedLines(*b, cell, (*b)[cell]))
            found << QStringLiteral("%1-%2-%3").arg(l.first).arg(l.middle).arg(l.last);
        QCOMPARE(found.join(' '), lines);
    }

    // The computer's choice: the scan's group and line order, its patterns, the neighbour
    // fallback and the random draw rule.
    void computerChoice_data() {
        columns({"rows", "last", "moves", "draws"});  // a move is made before the next choice
        // clang-format off
        row("row, patterns 1 and 2", "S.S..SO..", "3", "O2 S8", "");
        row("diagonal, pattern 3", "2 ..O...... ...S.....", "31", "S11", "");
        row("rows before columns", "S........ O........ 6 SO.......", "10", "S75", "");
        row("a row from left to right", ".SO...S.S", "9", "S4", "");
        row("rows from top to bottom", "......... SO....... 2 SO.......", "11", "S12", "");
        row("column 1 diagonals, lowest first", "S........ .O....... 4 S........ .O.......", "11", "S75", "");
        row("the main diagonal before row 1's", "......S.. .......O. 4 ......S.. .......O.", "17", "S81", "");
        row("down-right before down-left", ".SS...... .OO......", "11", "S22", "");
        row("down-right from row 1, right to left", ".S....S.. ..O....O.", "12", "S27", "");
        row("down-left: row 1 before column 9", "........S .......O. 4 ........S .......O.", "71", "S25", "");
        row("down-left from row 1, left to right", "..S.....S .O.....O.", "17", "S19", "");
        row("column 9 diagonals, lowest first", "1 ........S .......O. 3 ........S .......O.", "71", "S79", "");
        row("column 9 diagonals before columns", "S........ O.......S .......O.", "10", "S34", "");
        row("columns from left to right", "S.......S O.......O", "10", "S19", "");
        row("an empty last cell gives S", "", "41", "S31", "");
        row("random: first draw 0 is cell 1", "7 .......OO .......OO", "81", "O1", "0");
        row("random: later draws add 1", "7 .......OO .......OO", "81", "O41", "0.99 0.5");
        // Neighbours are taken in offset order, skipping those off the board; once all are
        // taken the random fallback decides (its first draw adds nothing) with the last cell's
        // letter. No board here fits a pattern, before or after.
        row("neighbours of 23", "2 ....O....", "23", "O13 O14 O15 O22 O24 O31 O32 O33 O40", "0.5");
        row("neighbours on row 1", "...SSS...", "5", "S13 S14 S15 S40", "0.5");
        row("neighbours on column 1", "......... S........", "10", "S1 S2 S11 S19 S20 S40", "0.5");
        row("neighbours on column 9", "4 ........O", "45", "O35 O36 O44 O53 O54 O40", "0.5");
        row("neighbours on row 9", "8 ....O....", "77", "O67 O68 O69 O76 O78 O40", "0.5");
        row("full board: no cell", QString("OOOOOOOOO ").repeated(9), "41", "O0", "");
        // clang-format on
    }
    void computerChoice() {
        const auto [rows, last, moves, draws] = fetch("rows", "last", "moves", "draws");
        const auto b = board(rows);
        ScriptedRandom random;
        for (const QString &d : draws.split(' ', Qt::SkipEmptyParts)) random.draws << d.toDouble();
        QStringList chosen;
        while (chosen.size() <= moves.count(' ')) {
            const game::Move m = game::chooseComputerMove(*b, last.toInt(), random);
            chosen << QStringLiteral("%1%2").arg(m.letter == game::kS ? 'S' : 'O').arg(m.cell);
            if (m.cell) (*b)[m.cell] = std::int16_t(m.letter);
        }
        QCOMPARE(chosen.join(' '), moves);
        QCOMPARE(random.draws.size(), 0);
        QCOMPARE(random.reseeds, draws.isEmpty() ? 0 : 1);  // once per fallback, not per draw
    }

    // Every operation of a game, and what the view is told, in order.
    void moves_data() {
        columns({"setup", "action", "calls"});  // no calls: the action changes nothing at all
        const QString won = "Timer1 off, result Ann Winner, sound 3, show";
        const QString lost = "Timer1 off, result Ann Loser, sound 1, show";
        const QString draw = "Timer1 off, result  Draw, sound ";
        // clang-format off
        row("occupied cell; middle button", "N S41", "R41 M50", "");
        row("computer's turn: a release; Put_letter on an occupied cell", "V2 N S41", "R50 O41", "");
        row("release after the game end", "T1 N S1 O2 S3", "L50", "");
        row("Put_letter after the game end", "V2 T1 N S1 O2 S60 S3", "S50", "");

        row("S passes 1 to 2", "N", "L41", "S41, sound 2, turn Bob");
        row("O passes 2 to 1, silent", "Q N S41", "R50", "O50, turn Ann");
        row("one S closes two lines", "N S3 S7 O4 O6", "L5", "S5, sound 2, line 5-3, score1 1, line 5-7, score1 2, turn Ann");
        row("2 scores on and on", "N S1 S3 S5 S7 O81 O2 O4", "O6", "O6, sound 2, line 5-7, score2 3, turn Bob");
        row("1 and the computer hand over, silent", "V2 Q N", "L41 C", "S41, turn Com, Timer2 on, Timer2 off, S31, turn Ann");
        row("1 scores in mode 2", "V2 N S1 C S5 C", "O3", "O3, sound 2, line 2-4, score1 1, turn Ann");

        row("clock: seconds and minutes carry", "N K3598", "K K", "clock 00:59:59, clock 01:00:00");
        row("clock: 100 hours", "N K359999", "K", "clock 100:00:00");

        row("a line reaches the target, silent", "Q T1 N S1 O2", "L3",
            "S3, line 3-1, score1 1, Timer1 off, result Ann Winner, show");
        row("the computer reaches the target", "V2 T1 N S1 C S4", "C",
            "Timer2 off, sound 2, O3, line 2-4, score2 1, " + lost);
        row("target lowered: 2 moves, 1 judged first", "N S1 S3 S5 S7 O2 O4 O81 O6 S73 S75 O74 T2", "O80",
            "O80, sound 2, " + won);
        row("full, mode 1: 2 wins", "N F1,3,5 S1 S3", "S5",
            "S5, sound 2, line 5-3, score2 2, Timer1 off, result Bob Winner, sound 3, show");
        row("full, mode 1: the last point draws", "N F1,3,79,81 S1 S3 S79", "S81",
            "S81, sound 2, line 81-79, score2 1, " + draw + "3, show");
        row("full, mode 2: 3 wins", "V2 N F1,3,5 S1 S3", "S5", "S5, line 5-3, score2 2, " + lost);
        row("full, mode 2: the last points win", "V2 N F1,3,5 S1 S5", "S3",
            "S3, sound 2, line 3-1, score1 1, line 3-5, score1 2, " + won);
        row("full, mode 2: the last point draws", "V2 N F1,3,79,81 S1 S3 S79", "S81",
            "S81, line 81-79, score2 1, " + draw + "1, show");
        row("result: mode 1, participant 3", "N", "E3", "Timer1 off, result Com Winner, sound 3, show");
        row("result: mode 2, participant 2", "V2 N", "E2", lost);

        row("to mode 2: 2 moves, 1 hands to the computer", "N S41 V2 S50", "S60", "S60, sound 2, turn Com, Timer2 on");
        row("to mode 1: the pending computer move, then 1 passes to 2", "V2 N S41 V1", "C S70",
            "Timer2 off, sound 2, S31, turn Ann, S70, sound 2, turn Bob");
        row("to mode 1: the computer scores and moves again", "V2 N S1 C S4 V1", "C",
            "Timer2 off, sound 2, O3, line 2-4, score2 1, turn Com, Timer2 on");
        // clang-format on
    }
    void moves() {
        const auto [setup, action, calls] = fetch("setup", "action", "calls");
        Table t;
        QVERIFY(t.run(setup));
        const game::GameState before = t.game.state();
        t.view.calls.clear();
        t.run(action);
        QCOMPARE(t.view.calls.join(", "), calls);
        if (calls.isEmpty() || calls == "refused")
            QVERIFY(fields(t.game.state()) == fields(before));
        if (calls.endsWith("show")) QVERIFY(t.game.state().game_over);
    }

    // Arguments out of range are refused before anything is read with them, and reported.
    void badArguments_data() {
        columns({"setup", "action", "calls"});
        for (const char *m :
             {"L0", "L82", "L-10", "P0", "P82", "P-10", "P41,3", "X0", "X82", "X-10", "E4", "E-1"})
            row(m, "V2 N", m, "refused");
    }
    void badArguments() { moves(); }

    // Start-up shows the checkerboard as decoration only: no game runs on an empty board. A
    // new game wipes board, lines, scores and clock and drops a pending computer move.
    void startAndNewGame() {
        Table t(false);
        const QString checkerboard = QString("SO").repeated(41).left(game::kCells);
        QCOMPARE(shown(t.view.calls.join(", ")),
                 shown("decoration, erase, cells " + checkerboard +
                       ", name1 Lorna Quillet:, name2 Player 2:, score1 00, score2 00, turn "
                       "None/Tuyul, clock 00:00:00, Timer1 off, Timer2 off"));
        game::GameState idle;  // mode 1, sound on, no target, no game
        idle.player_name = {"", "Lorna Quillet", "Player 2", "Com"};
        QVERIFY(fields(t.game.state()) == fields(idle));

        // A line struck, the computer about to move, 1:01:01 on the clock.
        QVERIFY(t.run("V2 T5 Q N S1 C S4 C K3661"));
        game::GameState fresh = t.game.state();
        t.view.calls.clear();
        t.game.New_game();
        QCOMPARE(shown(t.view.calls.join(", ")),
                 shown("board, Timer2 off, erase, cells " + QString(game::kCells, '_') +
                       ", score1 00, name1 Ann:, score2 00, name2 Bob:, turn Ann, clock "
                       "01:01:01, Timer1 on"));
        // The settings and the last placement stay.
        std::tie(fresh.board, fresh.score, fresh.current_player, fresh.game_over) =
            std::tuple(game::Board{}, decltype(fresh.score){}, 1, false);
        fresh.clock_hours = fresh.clock_minutes = fresh.clock_seconds = 0;
        QVERIFY(fields(t.game.state()) == fields(fresh));
    }

    // The options mid-game change only the settings, not board, scores, turn, clock or game. A
    // name keeps its blanks, an empty one is the default, and against the computer slot 2 is Com.
    void changeSetting_data() {
        columns({"setup", "blue", "labels"});  // the mode labels in blue; labels as they end up
        const QString two = "name1    , name2 Lorna Quillet", com = "name1    , name2 Com";
        row("Vs Player", "V2", "1", two);
        row("neither blue", "V2", "", com);
        row("both blue", "", "12", com);
        row("after a game end", "T1 N S1 O2 S3", "1", two);
        row("1 to move", "N", "1", two + ", turn    ");  // the blank name
        row("2 to move, to mode 2", "N S41", "2", com + ", turn Lorna Quillet");
        row("computer to move", "V2 N S41", "2", com + ", turn Com");
    }
    void changeSetting() {
        const auto [setup, blue, labels] = fetch("setup", "blue", "labels");
        Table t;
        QVERIFY(t.run(setup));
        game::GameState expected = t.game.state();
        t.view.calls.clear();
        t.game.Change_setting(
            {blue.contains('1'), blue.contains('2'), "   ", "", false, false, "7x"});
        QCOMPARE(shown(t.view.calls.join(", ")), shown(labels));
        expected.game_mode = labels.contains("Com") ? 2 : 1;
        expected.player_name = {"", "   ", "Lorna Quillet", "Com"};
        std::tie(expected.sound_on, expected.score_limit) = std::tuple(false, 7);
        QVERIFY(fields(t.game.state()) == fields(expected));
    }

    // The score target: the number its text starts with, whole, from 1 up; "Until All box
    // filled" takes any text and plays to a full board.
    void target_data() {
        columns({"text", "value", "limit"});  // limit 0: OK refuses the target
        const auto add = [](const char *text, const char *value, const char *limit) {
            const QString tag = QString(text).replace('\t', "\\t").replace('\n', "\\n");
            row(qPrintable('"' + tag + '"'), text, value, limit);
        };
        // clang-format off
        for (const char *text : {"7x", "7 ", " 7"}) add(text, "7", "7");
        for (const char *text : {"x7", "-", "+", ".", "", "  ", "0", "--1"}) add(text, "0", "0");
        add("-1", "-1", "0"); add("- 5", "-5", "0"); add(".5", "0.5", "0"); add("+3", "3", "3"); add("1.", "1", "1");
        add("3.9", "3.9", "3"); add("99", "99", "99"); add("1 2", "12", "12"); add("\t4\n2", "42", "42");
        add("1.2.3", "1.2", "1"); add("12-3", "12", "12"); add("1e3", "1", "1");
        // clang-format on
    }
    void target() {
        const auto [text, value, limit] = fetch("text", "value", "limit");
        QCOMPARE(game::numericValue(text.toStdString()), value.toDouble());
        game::OptionValues v{true, false, "Ann", "Bob", true, false, text.toStdString()};
        QCOMPARE(game::targetAcceptable(v), limit != "0");
        Table t;
        if (limit != "0") t.game.Change_setting(v);
        QCOMPARE(t.game.state().score_limit, limit.toDouble());
        v.untilFull = true;
        t.game.Change_setting(v);
        QVERIFY(game::targetAcceptable(v) && t.game.state().score_limit == 0);
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
