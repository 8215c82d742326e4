// SPDX-License-Identifier: MIT
#include "game_test.h"

std::unique_ptr<game::Board> board(const QString &rows) {
    auto b = std::make_unique<game::Board>();
    const QStringList lines = rows.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < lines.size() * game::kSide; ++i) {
        const QString &line = lines[i / game::kSide];
        const bool fits = line.size() == game::kSide && lines.size() <= game::kSide;
        const int letter = fits ? QStringLiteral(".SO").indexOf(line[i % game::kSide]) : -1;
        if (letter < 0) throw std::invalid_argument("a board is rows of nine 'S', 'O' or '.'");
        (*b)[i + 1] = std::int16_t(letter);
    }
    return b;
}

QString shown(const QString &calls) {
    QMap<QString, QString> last;  // by cell number, else by the first word
    for (const QString &c : calls.split(", ", Qt::SkipEmptyParts))
        last[c[1].isDigit() ? c.mid(1) : c.section(' ', 0, 0)] = c;
    return QStringList(last.values()).join(", ");
}

bool Table::run(const QString &moves) {
    using B = game::MouseButton;
    for (const QString &m : moves.split(' ', Qt::SkipEmptyParts)) {
        const char k = m[0].toLatin1();
        const int n = m.mid(1).toInt(), letter = k == 'S' ? game::kS : game::kO;
        if (k == 'S' || k == 'O') {
            game.state().current_player == game::kComputer
                ? game.Put_letter(n, letter)
                : game.Release_on_cell(n, k == 'S' ? B::Left : B::Right);
            if (game.state().board[n] != letter) return false;
        } else if (k == 'L' || k == 'R' || k == 'M') {
            game.Release_on_cell(n, k == 'L' ? B::Left : k == 'R' ? B::Right : B::Middle);
        } else if (k == 'F') {
            const QStringList spared = m.mid(1).split(',');
            for (int c = 1; c <= game::kCells; ++c)
                if (!game.state().board[c] && !spared.contains(QString::number(c)) &&
                    !run(QStringLiteral("O%1").arg(c)))
                    return false;
        } else if (k == 'K') {
            for (int i = 0; i < qMax(n, 1); ++i) game.Clock_tick();
        } else if (k == 'T' || k == 'V' || k == 'Q') {
            const game::GameState &s = game.state();
            const int mode = k == 'V' ? n : s.game_mode, limit = k == 'T' ? n : int(s.score_limit);
            game.Change_setting({mode == 1, mode == 2, "Ann", "Bob", s.sound_on && k != 'Q',
                                 limit == 0, std::to_string(limit)});
        } else if (k == 'C' || k == 'N' || k == 'E') {
            k == 'C' ? game.Computer_move() : k == 'N' ? game.New_game() : game.Game_end(n);
        } else {
            throw std::invalid_argument("unknown move " + m.toStdString());
        }
    }
    return true;
}

QTEST_GUILESS_MAIN(TestGame)
