// SPDX-License-Identifier: MIT
#pragma once

// Shared pieces of the rules-engine tests: boards written as text, a view that records
// every call, random sources with a known sequence, and a way to play a list of moves.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/game_view.h"
#include "game/line_search.h"
#include "game/random_source.h"

namespace gametest {

// A board from nine rows of nine characters: 'S', 'O' or '.' for an empty cell.
// Throws std::invalid_argument on a malformed picture (a mistake in the test itself).
game::Board boardFromRows(const QStringList &rows);

// The same board in a heap block of its exact size, so that AddressSanitizer reports
// any read outside cells 0..81.
std::unique_ptr<game::Board> heapBoard(const QStringList &rows);

// Lines as "first-middle-last" separated by blanks, in the order given.
QString linesText(const std::vector<game::Line> &lines);

// A view that logs every call as one string, e.g. "showCell 5 1", "strikeLine 1 3",
// "setScoreLabel 1 1", "playSound 2", "fillResult Lorna Quillet Winner", "showResult",
// and keeps what the window would show after those calls.
class RecordingView final : public game::GameView {
public:
    QStringList calls;

    std::array<int, game::kCells + 1> cells{};
    std::array<QString, 3> scoreLabel;
    std::array<QString, 3> nameLabel;
    QString turnLabel;
    QString clockLabel;
    QList<QPair<int, int>> lines;
    bool clockTimer = false;
    bool computerTimer = false;
    int resultsShown = 0;

    void showCell(int cell, int letter) override;
    void setScoreLabel(int slot, const std::string &text) override;
    void setNameLabel(int slot, const std::string &text) override;
    void setTurnLabel(const std::string &text) override;
    void setClockLabel(const std::string &text) override;
    void strikeLine(int firstCell, int lastCell) override;
    void eraseLines() override;
    void setClockTimer(bool enabled) override;
    void setComputerTimer(bool enabled) override;
    void playSound(int sound) override;
    void fillResult(const std::string &name, game::ResultPicture picture) override;
    void showResult() override;
};

// Thrown when the code under test asks a ScriptedRandom for more numbers than scripted.
struct ScriptExhausted : std::runtime_error {
    ScriptExhausted() : std::runtime_error("random script exhausted") {}
};

// Hands out exactly the scripted numbers, in order.
class ScriptedRandom final : public game::RandomSource {
public:
    explicit ScriptedRandom(QList<double> draws = {}) : m_draws(std::move(draws)) {}
    void reseed() override { ++m_reseeds; }
    double next() override;

    qsizetype remaining() const { return m_draws.size() - m_used; }
    int reseeds() const { return m_reseeds; }

private:
    QList<double> m_draws;
    qsizetype m_used = 0;
    int m_reseeds = 0;
};

// A repeatable uniform source: reseed() keeps the sequence, so a seed fixes a whole game.
class SeededRandom final : public game::RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : m_engine(seed) {}
    void reseed() override {}
    double next() override;

private:
    std::mt19937_64 m_engine;
};

// Plays moves written as "S41 O2 C": "S"/"O" and a cell are placed by the participant to
// move, a human through a release of the left or right button over the cell, the computer
// (participant 3) through Put_letter; "C" runs Computer_move. Returns false at the first
// move that left the board unchanged.
bool play(game::Game &game, const QString &moves);

// Every field of the state in one line, to compare whole states.
QString stateText(const game::GameState &state);

// The options the dialog hands over when only the mode, the target and the sound change.
game::OptionValues options(int mode, const QString &target = {}, bool soundOn = true);

}  // namespace gametest
