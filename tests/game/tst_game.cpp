// SPDX-License-Identifier: MIT
// The rules engine alone: boards as text, a view that logs every call, random draws in a known
// sequence, and games played through the engine's own operations.
#include <QtTest>

#include <functional>
#include <stdexcept>
#include <tuple>

#include "game/computer_player.h"
#include "game/game.h"
#include "game/game_clock.h"
#include "game/line_search.h"
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

// Logs every call as one short line: "S41" (the cell shows S; "O41" O, "_41" nothing), "deco S1",
// "name1 Bob:" (as a heading) or "name1 Bob", "score1 2", "turn 2 Bob", "clock 00:00:01",
// "line 1-3", "clear", "clock on", "computer on", "sound 2", "result Bob Winner", "show",
// "moved". The reports of the moves are kept whole.
class RecordingView final : public game::GameView {
public:
    QStringList calls;
    QList<game::MoveReport> moves;

    void showCell(int n, int letter) override { log("%c%d", "_SO?"[qBound(0, letter, 3)], n); }
    void showDecoration(int n, int letter) override {
        log("deco %c%d", "_SO?"[qBound(0, letter, 3)], n);
    }
    void showName(int slot, const std::string &name, game::NameStyle style) override {
        log("name%d %s%s", slot, name.c_str(), style == game::NameStyle::Heading ? ":" : "");
    }
    void showScore(int slot, int points) override { log("score%d %d", slot, points); }
    void showTurn(int p, const std::string &name) override { log("turn %d %s", p, name.c_str()); }
    void showClock(int h, int m, int s) override {
        calls << "clock " + QString::fromStdString(game::clockText(h, m, s));
    }
    void showLine(const game::Line &l) override { log("line %d-%d", l.first, l.last); }
    void clearLines() override { calls << "clear"; }
    void runClock(bool on) override { log("clock %s", on ? "on" : "off"); }
    void awaitComputer(bool on) override { log("computer %s", on ? "on" : "off"); }
    void playSound(int sound) override { log("sound %d", sound); }
    void fillResult(const std::string &name, game::ResultPicture p) override {
        log("result %s %s", name.c_str(), std::array{"Winner", "Loser", "Draw"}[int(p)]);
    }
    void showResult() override { calls << "show"; }
    void moveMade(const game::MoveReport &move) override {
        calls << "moved";
        moves << move;
    }
    void log(const char *format, auto... args) { calls << QString::asprintf(format, args...); }
};

// What the view ends up showing after these calls: the last call for each cell, label and
// timer, in a fixed order whatever the order they came in.
QString shown(const QStringList &calls) {
    QMap<QString, QString> last;  // by cell number, else by the first word
    for (QString c : calls) {
        if (c.startsWith("deco ")) c = c.mid(5);
        const bool timer = c.endsWith(" on") || c.endsWith(" off");
        last[c[1].isDigit() ? c.mid(1) : c.section(' ', 0, 0) + (timer ? " timer" : "")] = c;
    }
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

// A game after start-up, with the players Ann and Bob unless told otherwise; a refused argument
// shows in the log as the view's call "refused".
struct Table {
    RecordingView view;
    ScriptedRandom random;
    game::Game game{view, random};

    explicit Table(bool named = true) {
        static QStringList *calls;
        calls = &view.calls;
        game::setPreconditionHandler([](const char *) { *calls << "refused"; });
        game.start();
        if (named) options(game::GameMode::TwoPlayers);
    }
    ~Table() { game::setPreconditionHandler(nullptr); }
    const game::GameState &state() const { return game.state(); }

    // The options with the names Ann and Bob: limit 0 plays until the board is full.
    void options(game::GameMode mode, int limit = 0, bool soundOn = true) {
        game.applyOptions({mode, "Ann", "Bob", soundOn, limit == 0, std::to_string(limit)});
    }
    void optionsKeepingMode(int limit, bool soundOn = true) {
        options(state().game_mode, limit, soundOn);
    }
    // Placements as "S41 O50": the human to move puts each letter; on the computer's turn the
    // computer moves instead (its choice must be that letter in that cell). False at the first
    // placement that leaves its cell without its letter.
    bool play(const QString &placements) {
        for (const QString &p : placements.split(' ', Qt::SkipEmptyParts)) {
            const int cell = p.mid(1).toInt();
            const auto letter = p[0] == 'S' ? game::Letter::S : game::Letter::O;
            if (state().current_player == game::kComputer)
                game.computerMove();
            else
                game.place(cell, letter);
            if (state().board[cell] != static_cast<int>(letter)) return false;
        }
        return true;
    }
    // Every empty cell but those kept gets an O, in order, from whoever is to move.
    bool fillAllBut(const std::vector<int> &kept) {
        for (int c = 1; c <= game::kCells; ++c)
            if (!state().board[c] && !std::count(kept.begin(), kept.end(), c) &&
                !play(QStringLiteral("O%1").arg(c)))
                return false;
        return true;
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) game.clockTick();
    }
};

using Step = std::function<void(Table &)>;

// Every field of the state, to compare whole states.
auto fields(const game::GameState &s) {
    return std::tie(s.board, s.player_name, s.score, s.current_player, s.game_mode, s.game_over,
                    s.sound_on, s.score_limit, s.last_cell, s.last_player, s.clock_hours,
                    s.clock_minutes, s.clock_seconds, s.lines);
}

}  // namespace

Q_DECLARE_METATYPE(Step)

class TestGame : public QObject {
    Q_OBJECT

    // Data-driven tests with text columns, declared and fetched by name.
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
        QTest::addColumn<Step>("setup");
        QTest::addColumn<Step>("action");
        QTest::addColumn<QString>("calls");  // no calls: the action changes nothing at all
        using game::GameMode;
        constexpr GameMode two = GameMode::TwoPlayers, computer = GameMode::AgainstComputer;
        const auto playing = [](GameMode mode, const char *placements, int limit = 0,
                                bool soundOn = true) {
            return Step([=](Table &t) {
                t.options(mode, limit, soundOn);
                t.game.startNewGame();
                QVERIFY(t.play(placements));
            });
        };
        const auto plays = [](const char *placements) {
            return Step([=](Table &t) { t.play(placements); });
        };
        const auto computerMoves = Step([](Table &t) { t.game.computerMove(); });
        const QString won = "clock off, result Ann Winner, sound 3, show, moved";
        const QString lost = "clock off, result Ann Loser, sound 1, show, moved";
        const QString draw = "clock off, result  Draw, sound ";
        const auto row = [](const char *tag, const Step &setup, const Step &action,
                            const QString &calls) {
            QTest::newRow(tag) << setup << action << calls;
        };
        // clang-format off
        row("occupied cell", playing(two, "S41"), plays("O41"), "");
        row("computer's turn: the mouse has no say", playing(computer, "S41"),
            [](Table &t) { t.game.place(50, game::Letter::O); }, "");
        row("after the game end", playing(two, "S1 O2 S3", 1), plays("S50"), "");
        row("the computer after the game end", playing(two, "S1 O2 S3", 1), computerMoves,
            "computer off, sound 2");
        row("before the first game", [](Table &) {}, plays("S41"), "");

        row("S passes 1 to 2", playing(two, ""), plays("S41"), "S41, sound 2, turn 2 Bob, moved");
        row("O passes 2 to 1, silent", playing(two, "S41", 0, false), plays("O50"), "O50, turn 1 Ann, moved");
        row("one S closes two lines", playing(two, "S3 S7 O4 O6"), plays("S5"),
            "S5, sound 2, line 5-3, score1 1, line 5-7, score1 2, turn 1 Ann, moved");
        row("2 scores on and on", playing(two, "S1 S3 S5 S7 O81 O2 O4"), plays("O6"),
            "O6, sound 2, line 5-7, score2 3, turn 2 Bob, moved");
        row("1 and the computer hand over, silent", playing(computer, "", 0, false),
            [](Table &t) { t.play("S41"); t.game.computerMove(); },
            "S41, turn 3 Com, computer on, moved, computer off, S31, turn 1 Ann, moved");
        row("1 scores against the computer", playing(computer, "S1 S2 S5 S4"), plays("O3"),
            "O3, sound 2, line 2-4, score1 1, turn 1 Ann, moved");

        row("clock: seconds and minutes carry", playing(two, ""), [](Table &t) {
            t.ticks(3598); t.view.calls.clear(); t.ticks(2); }, "clock 00:59:59, clock 01:00:00");
        row("clock: 100 hours", playing(two, ""), [](Table &t) {
            t.ticks(359999); t.view.calls.clear(); t.ticks(1); }, "clock 100:00:00");

        row("a line reaches the target, silent", playing(two, "S1 O2", 1, false), plays("S3"),
            "S3, line 3-1, score1 1, clock off, result Ann Winner, show, moved");
        row("the computer reaches the target", playing(computer, "S1 S2 S4", 1), computerMoves,
            "computer off, sound 2, O3, line 2-4, score2 1, " + lost);
        row("target lowered: 2 moves, 1 judged first", [](Table &t) {
                t.game.startNewGame(); t.play("S1 S3 S5 S7 O2 O4 O81 O6 S73 S75 O74");
                t.optionsKeepingMode(2); }, plays("O80"), "O80, sound 2, " + won);
        row("full, two players: 2 wins", [](Table &t) {
                t.game.startNewGame(); t.fillAllBut({1, 3, 5}); t.play("S1 S3"); }, plays("S5"),
            "S5, sound 2, line 5-3, score2 2, clock off, result Bob Winner, sound 3, show, moved");
        row("full, two players: the last point draws", [](Table &t) {
                t.game.startNewGame(); t.fillAllBut({1, 3, 79, 81}); t.play("S1 S3 S79"); }, plays("S81"),
            "S81, sound 2, line 81-79, score2 1, " + draw + "3, show, moved");
        // Against the computer: the board is filled with O by two players, then the computer
        // takes over from the second.
        const auto filledThenComputer = [](std::vector<int> kept, const char *placements) {
            return Step([=](Table &t) {
                t.game.startNewGame();
                QVERIFY(t.fillAllBut(kept));
                t.options(game::GameMode::AgainstComputer);
                QVERIFY(t.play(placements));
            });
        };
        row("full, computer: it wins", filledThenComputer({1, 3, 5}, "S1 S3"), computerMoves,
            "computer off, sound 2, S5, line 5-3, score2 2, " + lost);
        row("full, computer: the last points win", [](Table &t) {
                t.game.startNewGame(); QVERIFY(t.fillAllBut({1, 3, 5})); QVERIFY(t.play("S1 S5"));
                t.options(game::GameMode::AgainstComputer); }, plays("S3"),
            "S3, sound 2, line 3-1, score1 1, line 3-5, score1 2, " + won);
        row("full, computer: the last point draws", filledThenComputer({1, 3, 79, 81}, "S1 S3 S79"),
            computerMoves, "computer off, sound 2, S81, line 81-79, score2 1, " + draw + "1, show, moved");

        row("to the computer: 2 moves, 1 hands to the computer", [](Table &t) {
                t.game.startNewGame(); t.play("S41"); t.options(game::GameMode::AgainstComputer);
                t.play("S50"); }, plays("S60"), "S60, sound 2, turn 3 Com, computer on, moved");
        row("to two players: the pending computer move, then 1 passes to 2", [](Table &t) {
                t.options(game::GameMode::AgainstComputer); t.game.startNewGame(); t.play("S41");
                t.options(game::GameMode::TwoPlayers); }, [](Table &t) {
                t.game.computerMove(); t.play("S70"); },
            "computer off, sound 2, S31, turn 1 Ann, moved, S70, sound 2, turn 2 Bob, moved");
        row("to two players: the computer scores and moves again", [](Table &t) {
                t.options(game::GameMode::AgainstComputer); t.game.startNewGame(); t.play("S1 S2 S4");
                t.options(game::GameMode::TwoPlayers); }, computerMoves,
            "computer off, sound 2, O3, line 2-4, score2 1, turn 3 Com, computer on, moved");
        // clang-format on
    }
    void moves() {
        QFETCH(Step, setup);
        QFETCH(Step, action);
        QFETCH(QString, calls);
        Table t;
        setup(t);
        const game::GameState before = t.state();
        t.view.calls.clear();
        action(t);
        QCOMPARE(t.view.calls.join(", "), calls);
        if (calls.isEmpty() || calls == "refused") QVERIFY(fields(t.state()) == fields(before));
        if (calls.endsWith("show, moved")) QVERIFY(t.state().game_over);
    }

    // Cells and letters out of range are refused before anything is read with them, and
    // reported.
    void badArguments_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("letter");
        QTest::newRow("cell 0") << 0 << 1;
        QTest::newRow("cell 82") << 82 << 2;
        QTest::newRow("cell -10") << -10 << 1;
        QTest::newRow("letter 0") << 41 << 0;
        QTest::newRow("letter 3") << 41 << 3;
    }
    void badArguments() {
        QFETCH(int, cell);
        QFETCH(int, letter);
        Table t;
        t.game.startNewGame();
        const game::GameState before = t.state();
        t.view.calls.clear();
        t.game.place(cell, static_cast<game::Letter>(letter));
        QCOMPARE(t.view.calls, QStringList{"refused"});
        QVERIFY(fields(t.state()) == fields(before));
    }

    // Start-up shows the checkerboard as decoration only: no game runs on an empty board. A
    // new game wipes board, lines, scores and clock and drops a pending computer move.
    void startAndNewGame() {
        Table t(false);
        QString checkerboard;
        for (int n = 1; n <= game::kCells; ++n)
            checkerboard += QStringLiteral("deco %1%2, ").arg(n % 2 ? 'S' : 'O').arg(n);
        QCOMPARE(shown(t.view.calls),
                 shown((checkerboard + "name1 Lorna Quillet:, name2 Player 2:, score1 0, score2 0, "
                                       "turn 0 , clock 00:00:00, clear, clock off, computer off")
                           .split(", ")));
        game::GameState idle;  // two players, sound on, no target, no game
        idle.player_name = {"", "Lorna Quillet", "Player 2", "Com"};
        QVERIFY(fields(t.state()) == fields(idle));

        // A line struck, the computer about to move, 1:01:01 on the clock.
        t.options(game::GameMode::AgainstComputer, 5, false);
        t.game.startNewGame();
        QVERIFY(t.play("S1 S2 S4"));
        t.game.computerMove();
        t.ticks(3661);
        game::GameState fresh = t.state();
        t.view.calls.clear();
        t.game.startNewGame();
        QString empty;
        for (int n = 1; n <= game::kCells; ++n) empty += QStringLiteral("_%1, ").arg(n);
        QCOMPARE(shown(t.view.calls), shown((empty + "name1 Ann:, name2 Bob:, score1 0, score2 0, "
                                                     "turn 1 Ann, clock 00:00:00, clear, clock on, "
                                                     "computer off")
                                                .split(", ")));
        QVERIFY(!t.view.calls.contains(QRegularExpression("^line")));
        // The settings and the last placement stay.
        std::tie(fresh.board, fresh.score, fresh.current_player, fresh.game_over) =
            std::tuple(game::Board{}, decltype(fresh.score){}, 1, false);
        fresh.clock_hours = fresh.clock_minutes = fresh.clock_seconds = 0;
        fresh.lines.clear();
        QVERIFY(fields(t.state()) == fields(fresh));
    }

    // The options mid-game change only the settings, not board, scores, turn, clock or game. A
    // name keeps its blanks, an empty one is the default, and against the computer slot 2 is Com.
    void options_data() {
        QTest::addColumn<QString>("before");  // placements of a running game; "over": a game won
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("labels");  // as they end up
        const QString two = "name1    , name2 Lorna Quillet", com = "name1    , name2 Com";
        QTest::newRow("two players, no game") << "" << 1 << two;
        QTest::newRow("against the computer, no game") << "" << 2 << com;
        QTest::newRow("after a game end") << "over" << 1 << two;
        QTest::newRow("1 to move") << "S1 S41" << 1 << two + ", turn 1    ";  // the blank name
        QTest::newRow("2 to move, to the computer") << "S41" << 2 << com + ", turn 2 Lorna Quillet";
    }
    void options() {
        QFETCH(QString, before);
        QFETCH(int, mode);
        QFETCH(QString, labels);
        Table t;
        if (before == "over") {
            t.options(game::GameMode::TwoPlayers, 1);
            t.game.startNewGame();
            QVERIFY(t.play("S1 O2 S3"));
        } else if (!before.isEmpty()) {
            t.game.startNewGame();
            QVERIFY(t.play(before));
        }
        game::GameState expected = t.state();
        t.view.calls.clear();
        t.game.applyOptions({game::GameMode(mode), "   ", "", false, false, "7x"});
        QCOMPARE(shown(t.view.calls), shown(labels.split(", ")));
        QVERIFY(!t.view.calls.contains("moved"));
        expected.game_mode = game::GameMode(mode);
        expected.player_name = {"", "   ", "Lorna Quillet", "Com"};
        std::tie(expected.sound_on, expected.score_limit) = std::tuple(false, 7);
        QVERIFY(fields(t.state()) == fields(expected));
    }

    // The score target: the number its text starts with, whole, from 1 up; "Until All box
    // filled" takes any text and plays to a full board.
    void target_data() {
        columns({"text", "value", "limit"});  // limit 0: OK refuses the target
        const auto add = [](const char *text, const char *value, const char *limit) {
            const QString tag =
                QString(text).replace('\t', "\\t").replace('\n', "\\n").replace('\r', "\\r");
            row(qPrintable('"' + tag + '"'), text, value, limit);
        };
        // clang-format off
        for (const char *text : {"7x", "7 ", " 7"}) add(text, "7", "7");
        for (const char *text : {"x7", "-", "+", ".", "", "  ", "0", "--1"}) add(text, "0", "0");
        add("-1", "-1", "0"); add("- 5", "-5", "0"); add(".5", "0.5", "0"); add("+3", "3", "3"); add("1.", "1", "1");
        add("3.9", "3.9", "3"); add("99", "99", "99"); add("1 2", "12", "12"); add("\t4\n2", "42", "42");
        add("1.2.3", "1.2", "1"); add("12-3", "12", "12"); add("1e3", "1", "1"); add("4\r2", "4", "4");
        // clang-format on
    }
    void target() {
        const auto [text, value, limit] = fetch("text", "value", "limit");
        QCOMPARE(game::numericValue(text.toStdString()), value.toDouble());
        game::Options v{game::GameMode::TwoPlayers, "Ann", "Bob", true, false, text.toStdString()};
        QCOMPARE(game::targetAcceptable(v), limit != "0");
        Table t;
        if (limit != "0") t.game.applyOptions(v);
        QCOMPARE(t.state().score_limit, limit.toDouble());
        v.untilFull = true;
        t.game.applyOptions(v);
        QVERIFY(game::targetAcceptable(v) && t.state().score_limit == 0);
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
