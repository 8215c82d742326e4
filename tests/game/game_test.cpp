// SPDX-License-Identifier: MIT
#include "game_test.h"

namespace gametest {

std::unique_ptr<game::Board> board(const QString &rows) {
    auto b = std::make_unique<game::Board>();
    const QStringList lines = rows.split(' ', Qt::SkipEmptyParts);
    for (int r = 0; r < lines.size(); ++r) {
        const bool fits = r < game::kSide && lines[r].size() == game::kSide;
        for (int c = 0; c < game::kSide; ++c) {
            const int letter = fits ? QStringLiteral(".SO").indexOf(lines[r][c]) : -1;
            if (letter < 0) throw std::invalid_argument("a board is rows of 'S', 'O' or '.'");
            (*b)[r * game::kSide + c + 1] = std::int16_t(letter);
        }
    }
    return b;
}

game::OptionValues options(int mode, const QString &target, bool soundOn) {
    return {mode == 1, mode == 2,        "Lorna Quillet",     "Player 2",
            soundOn,   target.isEmpty(), target.toStdString()};
}

Table::Table(bool applyOptions) {
    game.Load();
    if (applyOptions) game.Change_setting(options(mode));
}

bool Table::run(const QString &moves) {
    for (const QString &m : moves.split(' ', Qt::SkipEmptyParts)) {
        const char k = m[0].toLatin1();
        const int n = m.mid(k == 'P' ? 2 : 1).toInt();
        const int letter = m.contains('S') ? game::kS : game::kO;
        using B = game::MouseButton;
        const B button = k == 'M' ? B::Middle : k == 'L' || k == 'S' ? B::Left : B::Right;
        if (k == 'T' || k == 'V' || k == 'Q') {
            if (k == 'T') target = m.mid(1);
            if (k == 'V') mode = n;
            soundOn = soundOn && k != 'Q';
            game.Change_setting(options(mode, target, soundOn));
        } else if (k == 'S' || k == 'O') {
            game.state().current_player == game::kComputer ? game.Put_letter(n, letter)
                                                           : game.Release_on_cell(n, button);
            if (game.state().board[n] != letter) return false;
        } else if (k == 'F') {
            const QStringList spared = m.mid(1).split(',');
            for (int c = 1; c <= game::kCells; ++c)
                if (!game.state().board[c] && !spared.contains(QString::number(c)) &&
                    !run(QStringLiteral("O%1").arg(c)))
                    return false;
        } else if (k == 'K') {
            for (int i = 0; i < qMax(n, 1); ++i) game.Clock_tick();
        } else {
            k == 'P'   ? game.Put_letter(n, letter)
            : k == 'C' ? game.Computer_move()
            : k == 'N' ? game.New_game()
            : k == 'E' ? game.Game_end(n)
                       : game.Release_on_cell(n, button);
        }
    }
    return true;
}

}  // namespace gametest

QTEST_GUILESS_MAIN(TestGame)
