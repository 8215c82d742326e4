// SPDX-License-Identifier: MIT
#include "ui/main/board_reading.h"

#include <QStringList>
#include <algorithm>

#include "ui/main/screen_reader.h"

namespace ui {

namespace {

int cellAt(int row, int column) {
    return (row - 1) * game::kSide + column;
}

// The cells of a line through cell, from its top end (its left end for a row), a step of
// rowStep rows and columnStep columns apart.
QList<int> lineThrough(int cell, int rowStep, int columnStep) {
    int row = game::rowOf(cell), column = game::columnOf(cell);
    const auto inside = [](int r, int c) {
        return r >= 1 && r <= game::kSide && c >= 1 && c <= game::kSide;
    };
    while (inside(row - rowStep, column - columnStep)) row -= rowStep, column -= columnStep;
    QList<int> cells;
    for (; inside(row, column); row += rowStep, column += columnStep) cells << cellAt(row, column);
    return cells;
}

// "S, O, 3 empty, S, empty": each letter, and each run of empty cells as one count.
QString contents(const game::Board &board, const QList<int> &cells) {
    QStringList words;
    int empty = 0;
    const auto endRun = [&] {
        if (empty > 1) words << QStringLiteral("%1 empty").arg(empty);
        if (empty == 1) words << letterReading(game::kEmpty);
        empty = 0;
    };
    for (int cell : cells) {
        if (board[cell] == game::kEmpty) {
            ++empty;
            continue;
        }
        endRun();
        words << letterReading(board[cell]);
    }
    endRun();
    return words.join(QStringLiteral(", "));
}

QString lineReading(const game::Board &board, KeyCommand what, int cell) {
    QList<int> cells;
    QString heading;
    if (what == KeyCommand::ReadRow) {
        cells = lineThrough(cell, 0, 1);
        heading = QStringLiteral("Row %1").arg(game::rowOf(cell));
    } else if (what == KeyCommand::ReadColumn) {
        cells = lineThrough(cell, 1, 0);
        heading = QStringLiteral("Column %1").arg(game::columnOf(cell));
    } else {
        cells = lineThrough(cell, 1, what == KeyCommand::ReadDiagonal ? 1 : -1);
        heading =
            QStringLiteral("Diagonal from %1 to %2").arg(place(cells.first()), place(cells.last()));
    }
    return heading + QStringLiteral(": ") + contents(board, cells);
}

QString name(const game::GameState &state, int participant) {
    return QString::fromStdString(state.player_name[participant]);
}

QString scoreReading(const game::GameState &state) {
    const int opponent = game::opponentIn(state.game_mode);
    const QString scores = QStringLiteral("%1: %2, %3: %4. ")
                               .arg(name(state, 1))
                               .arg(state.score[1])
                               .arg(name(state, opponent))
                               .arg(state.score[opponent]);
    if (state.game_over) return scores + QStringLiteral("No game is running.");
    return scores + QStringLiteral("Turn: ") + name(state, state.current_player);
}

QString lastMoveReading(const game::GameState &state) {
    const int cell = lastMoveCell(state);
    if (cell == 0) return QStringLiteral("No move yet");
    return QStringLiteral("Last move: %1 in %2, by %3")
        .arg(letterReading(state.board[cell]), place(cell), name(state, state.last_player));
}

}  // namespace

int lastMoveCell(const game::GameState &state) {
    // A new game empties the board but keeps the last placement: its cell is empty again.
    const int cell = state.last_cell;
    return cell >= 1 && cell <= game::kCells && state.board[cell] != game::kEmpty ? cell : 0;
}

QString reading(const game::GameState &state, KeyCommand what, int cell) {
    switch (what) {
        case KeyCommand::ReadRow:
        case KeyCommand::ReadColumn:
        case KeyCommand::ReadDiagonal:
        case KeyCommand::ReadOtherDiagonal:
            return lineReading(state.board, what, cell);
        case KeyCommand::ReadScore:
            return scoreReading(state);
        case KeyCommand::ReadLastMove:
            return lastMoveReading(state);
        default:
            return {};
    }
}

}  // namespace ui
