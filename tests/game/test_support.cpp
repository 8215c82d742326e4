// SPDX-License-Identifier: MIT
#include "test_support.h"

#include <QRegularExpression>

namespace gametest {

game::Board boardFromRows(const QStringList &rows) {
    if (rows.size() != game::kSide) throw std::invalid_argument("a board needs nine rows");
    game::Board board{};
    for (int r = 0; r < game::kSide; ++r) {
        const QString &row = rows[r];
        if (row.size() != game::kSide) throw std::invalid_argument("a row needs nine cells");
        for (int c = 0; c < game::kSide; ++c) {
            const int n = r * game::kSide + c + 1;
            switch (row[c].toLatin1()) {
                case 'S':
                    board[n] = game::kS;
                    break;
                case 'O':
                    board[n] = game::kO;
                    break;
                case '.':
                    board[n] = game::kEmpty;
                    break;
                default:
                    throw std::invalid_argument("cells are 'S', 'O' or '.'");
            }
        }
    }
    return board;
}

std::unique_ptr<game::Board> heapBoard(const QStringList &rows) {
    return std::make_unique<game::Board>(boardFromRows(rows));
}

QString linesText(const std::vector<game::Line> &lines) {
    QStringList parts;
    for (const game::Line &line : lines)
        parts << QStringLiteral("%1-%2-%3").arg(line.first).arg(line.middle).arg(line.last);
    return parts.join(QLatin1Char(' '));
}

namespace {

QString text(const std::string &s) {
    return QString::fromStdString(s);
}

QString pictureName(game::ResultPicture picture) {
    switch (picture) {
        case game::ResultPicture::Winner:
            return QStringLiteral("Winner");
        case game::ResultPicture::Loser:
            return QStringLiteral("Loser");
        case game::ResultPicture::Draw:
            return QStringLiteral("Draw");
    }
    return QStringLiteral("?");
}

}  // namespace

void RecordingView::showCell(int cell, int letter) {
    calls << QStringLiteral("showCell %1 %2").arg(cell).arg(letter);
    if (cell >= 1 && cell <= game::kCells) cells[cell] = letter;
}

void RecordingView::setScoreLabel(int slot, const std::string &t) {
    calls << QStringLiteral("setScoreLabel %1 %2").arg(slot).arg(text(t));
    if (slot == 1 || slot == 2) scoreLabel[slot] = text(t);
}

void RecordingView::setNameLabel(int slot, const std::string &t) {
    calls << QStringLiteral("setNameLabel %1 %2").arg(slot).arg(text(t));
    if (slot == 1 || slot == 2) nameLabel[slot] = text(t);
}

void RecordingView::setTurnLabel(const std::string &t) {
    calls << QStringLiteral("setTurnLabel %1").arg(text(t));
    turnLabel = text(t);
}

void RecordingView::setClockLabel(const std::string &t) {
    calls << QStringLiteral("setClockLabel %1").arg(text(t));
    clockLabel = text(t);
}

void RecordingView::strikeLine(int firstCell, int lastCell) {
    calls << QStringLiteral("strikeLine %1 %2").arg(firstCell).arg(lastCell);
    lines.append({firstCell, lastCell});
}

void RecordingView::eraseLines() {
    calls << QStringLiteral("eraseLines");
    lines.clear();
}

void RecordingView::setClockTimer(bool enabled) {
    calls << QStringLiteral("setClockTimer %1").arg(int(enabled));
    clockTimer = enabled;
}

void RecordingView::setComputerTimer(bool enabled) {
    calls << QStringLiteral("setComputerTimer %1").arg(int(enabled));
    computerTimer = enabled;
}

void RecordingView::playSound(int sound) {
    calls << QStringLiteral("playSound %1").arg(sound);
}

void RecordingView::fillResult(const std::string &name, game::ResultPicture picture) {
    calls << QStringLiteral("fillResult %1 %2").arg(text(name), pictureName(picture));
}

void RecordingView::showResult() {
    calls << QStringLiteral("showResult");
    ++resultsShown;
}

double ScriptedRandom::next() {
    if (m_used >= m_draws.size()) throw ScriptExhausted();
    return m_draws[m_used++];
}

double SeededRandom::next() {
    return std::generate_canonical<double, 53>(m_engine);
}

bool play(game::Game &game, const QString &moves) {
    static const QRegularExpression move(QStringLiteral("^([SO])(\\d+)$"));
    for (const QString &token : moves.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (token == QLatin1String("C")) {
            const auto before = game.state().board;
            game.Computer_move();
            if (game.state().board == before) return false;
            continue;
        }
        const auto match = move.match(token);
        if (!match.hasMatch()) throw std::invalid_argument("moves are S<n>, O<n> or C");
        const int cell = match.captured(2).toInt();
        const int letter = match.captured(1) == QLatin1String("S") ? game::kS : game::kO;
        if (cell < 1 || cell > game::kCells) throw std::invalid_argument("cells are 1..81");
        if (game.state().current_player == game::kComputer) {
            game.Put_letter(cell, letter);
        } else {
            game.Release_on_cell(
                cell, letter == game::kS ? game::MouseButton::Left : game::MouseButton::Right);
        }
        if (game.state().board[cell] != letter) return false;
    }
    return true;
}

QString stateText(const game::GameState &s) {
    QString board;
    for (int n = 1; n <= game::kCells; ++n) board += QString::number(s.board[n]);
    return QStringLiteral(
               "board=%1 names=%2|%3|%4 score=%5,%6,%7 current=%8 mode=%9 over=%10 sound=%11 "
               "limit=%12 last=%13 clock=%14:%15:%16")
        .arg(board, text(s.player_name[1]), text(s.player_name[2]), text(s.player_name[3]))
        .arg(s.score[1])
        .arg(s.score[2])
        .arg(s.score[3])
        .arg(s.current_player)
        .arg(s.game_mode)
        .arg(int(s.game_over))
        .arg(int(s.sound_on))
        .arg(s.score_limit)
        .arg(s.last_cell)
        .arg(s.clock_hours)
        .arg(s.clock_minutes)
        .arg(s.clock_seconds);
}

game::OptionValues options(int mode, const QString &target, bool soundOn) {
    game::OptionValues values;
    values.mode1Blue = mode == 1;
    values.mode2Blue = mode == 2;
    values.name1 = "Lorna Quillet";
    values.name2 = "Player 2";
    values.soundOn = soundOn;
    values.untilFull = target.isEmpty();
    values.targetText = target.toStdString();
    return values;
}

}  // namespace gametest
