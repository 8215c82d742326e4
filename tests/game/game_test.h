// SPDX-License-Identifier: MIT
#pragma once

// The rules-engine tests: boards written as text, a view that logs every call, random
// draws with a known sequence, and a game driven by a small move language.
#include <QtTest>

#include <memory>
#include <stdexcept>
#include <tuple>

#include "game/computer_player.h"
#include "game/game.h"

// A board from rows of nine cells ('S', 'O' or '.') separated by blanks, empty below the
// last row given; on the heap at its exact size, so that ASan reports reads off the board.
std::unique_ptr<game::Board> board(const QString &rows);
inline QString emptyRows(int count) {
    return QStringLiteral("......... ").repeated(count);
}

// Logs every call as one short line: "S41" (the cell shows S; "O41" O, "_41" nothing),
// "sound 2", "line 1-3", "score1 2", "name2 Bob", "turn Bob", "clock 00:00:01", "erase",
// "Timer1 on", "Timer2 off", "result Bob Winner", "show".
class RecordingView final : public game::GameView {
public:
    QStringList calls;

    // A whole picture is logged as the calls that draw it.
    void showPicture(const game::Picture &p) override {
        calls << (p.decoration ? "decoration" : "board") << "erase";
        for (int n = 1; n <= game::kCells; ++n) showCell(n, p.cells[n]);
        for (int slot : {1, 2}) setNameLabel(slot, p.nameLabel[slot]);
        for (int slot : {1, 2}) setScoreLabel(slot, p.scoreLabel[slot]);
        setTurnLabel(p.turnLabel);
        setClockLabel(p.clockLabel);
        for (const game::StruckLine &struck : p.lines) strikeLine(struck.cell, struck.line);
        setClockTimer(p.clockTimer);
        setComputerTimer(p.computerTimer);
    }
    void showCell(int n, int letter) override { log("%1%2", "_SO?"[qBound(0, letter, 3)], n); }
    void setScoreLabel(int slot, const std::string &t) override { log("score%1 %2", slot, t); }
    void setNameLabel(int slot, const std::string &t) override { log("name%1 %2", slot, t); }
    void setTurnLabel(const std::string &t) override { log("turn %1", t); }
    void setClockLabel(const std::string &t) override { log("clock %1", t); }
    void strikeLine(int, const game::Line &l) override { log("line %1-%2", l.first, l.last); }
    void eraseLines() override { log("erase"); }
    void setClockTimer(bool on) override { log(on ? "Timer1 on" : "Timer1 off"); }
    void setComputerTimer(bool on) override { log(on ? "Timer2 on" : "Timer2 off"); }
    void playSound(int sound) override { log("sound %1", sound); }
    void fillResult(const std::string &name, game::ResultPicture picture) override {
        log("result %1 %2", name, QStringList{"Winner", "Loser", "Draw"}.value(int(picture)));
    }
    void showResult() override { log("show"); }

private:
    void log(QString line, const auto &...args) {
        ((line = line.arg(text(args))), ...);
        calls << line;
    }
    static QString text(const std::string &s) { return QString::fromStdString(s); }
    static const auto &text(const auto &v) { return v; }
};

// What the view ends up showing after these calls (", " between them): the last call for
// each cell, label and timer, in a fixed order whatever the order they came in.
QString shown(const QString &calls);

// Hands out exactly the scripted draws; one more throws.
struct ScriptedRandom final : game::RandomSource {
    QList<double> draws;
    int reseeds = 0;
    void reseed() override { ++reseeds; }
    double next() override {
        return draws.isEmpty() ? throw std::runtime_error("draws ran out") : draws.takeFirst();
    }
};

// A game after start-up and, unless told not to, the options with the names Ann and Bob,
// driven by moves separated by blanks:
//   S41, O41  the participant to move puts S or O into cell 41: a human by a release of
//             the left or right button, the computer by Put_letter
//   L41, R41, M41  a release of that button   C  Computer_move   N  New_game   E2  Game_end(2)
//   K, K60  1 or 60 clock ticks   F1,3  every empty cell but 1 and 3 gets an O, in order,
//             from whoever is to move
//   T3 (T: until full), V2, Q  the options as they stand but target 3, mode 2 or sound off
// run() returns false at the first S/O move that leaves its cell without that letter, and
// throws on a move it does not know.
struct Table {
    RecordingView view;
    ScriptedRandom random;
    game::Game game{view, random};

    explicit Table(bool applyOptions = true) {
        game.Load();
        if (applyOptions) run("V1");
    }
    bool run(const QString &moves);
};

// Every field of the state, to compare whole states.
inline auto fields(const game::GameState &s) {
    return std::tie(s.board, s.player_name, s.score, s.current_player, s.game_mode, s.game_over,
                    s.sound_on, s.score_limit, s.last_cell, s.clock_hours, s.clock_minutes,
                    s.clock_seconds);
}

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void lineSearch_data();
    void lineSearch();
    void computerChoice_data();
    void computerChoice();
    void moves_data();
    void moves();
    void startAndNewGame();
    void changeSetting_data();
    void changeSetting();
    void target_data();
    void target();
    void badArguments_data();
    void badArguments();
};
