// SPDX-License-Identifier: MIT
// The main window driven with the mouse: start-up, placing, struck lines, whole games,
// the command buttons and their looks, and the secondary windows it opens.
#include <algorithm>

#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include "game/game.h"
#include "ui/main/board_cell.h"
#include "ui/main/fonts.h"
#include "ui/main/form1.h"
#include "ui/main/image_button.h"

namespace {

QImage rgb(const QImage &image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage resourceImage(const QString &name) {
    return rgb(QImage(":/pictures/" + name));
}

game::OptionValues settings(int mode, int scoreLimit, bool soundOn = true) {
    game::OptionValues values;
    values.mode1Blue = mode == 1;
    values.mode2Blue = mode == 2;
    values.name1 = "Lorna Quillet";
    values.name2 = "Player 2";
    values.soundOn = soundOn;
    values.untilFull = scoreLimit == 0;
    values.targetText = std::to_string(scoreLimit);
    return values;
}

// Every visible window of the given kind.
QList<QWidget *> visibleWindows(const char *objectName) {
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(objectName) && w->isVisible()) found.append(w);
    return found;
}

// A press or release delivered straight to a widget, unknown to the window and to QTest's
// own idea of the buttons held.
void sendButton(QWidget *widget, QEvent::Type type, Qt::MouseButton button) {
    const QPointF at(10, 10);
    QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, {});
    QCoreApplication::sendEvent(widget, &event);
}

// Sends a tick to a timer as the event loop would, without waiting for it.
void tick(QTimer *timer) {
    QVERIFY(timer->isActive());
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

}  // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private:
    Form1 *m_form = nullptr;
    QList<int> m_sounds;
    int m_warmUps = 0;
    int m_asks = 0;
    bool m_answer = true;
    QImage m_letter[3];  // 1: S, 2: O
    QImage m_background;

    QWindow *window() { return m_form->windowHandle(); }
    QLabel *label(const char *name) { return m_form->findChild<QLabel *>(QLatin1String(name)); }
    QTimer *timer(const char *name) { return m_form->findChild<QTimer *>(QLatin1String(name)); }
    const game::GameState &state() { return m_form->game().state(); }
    QPoint centreOf(int cell) { return m_form->box(cell)->geometry().center(); }

    void show() {
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }
    void clickTombol(int i) { QTest::mouseClick(m_form->tombol(i), Qt::LeftButton); }
    void clickCell(int cell, Qt::MouseButton button) {
        QTest::mouseClick(m_form->box(cell), button, {}, QPoint(17, 17));
    }
    // Plays "S1 S3 O2 ...": each letter with its button, into its cell, in this order.
    void play(const QString &moves) {
        for (const QString &move : moves.split(' ', Qt::SkipEmptyParts))
            clickCell(move.mid(1).toInt(), move[0] == 'S' ? Qt::LeftButton : Qt::RightButton);
    }
    int filledCells() {
        return int(std::count_if(state().board.begin() + 1, state().board.end(),
                                 [](std::int16_t v) { return v != game::kEmpty; }));
    }
    // Which letter picture the cell shows in a shot of the window: 'S', 'O', or '-'.
    char shownLetter(const QImage &shot, int cell) {
        return letterAt(shot, m_form->box(cell)->pos());
    }
    // The same from the cell's own rendering, where no struck line crosses it.
    char letterIn(int cell) { return letterAt(rgb(m_form->box(cell)->grab().toImage()), {}); }
    char letterAt(const QImage &shot, QPoint at) {
        for (int letter : {1, 2})
            if (shot.copy(QRect(at, m_letter[letter].size())) == m_letter[letter])
                return letter == 1 ? 'S' : 'O';
        return '-';
    }
    // Look of tombol(i): 'N' normal, 'H' highlighted, 'P' pressed.
    char look(int i) {
        static const char *kNames[] = {"start", "options", "about"};
        const QImage shown =
            m_form->tombol(i)->picture().toImage().convertToFormat(QImage::Format_ARGB32);
        for (auto [code, suffix] : {std::pair{'N', "normal"}, {'H', "hover"}, {'P', "pressed"}}) {
            const QImage expected =
                QImage(QStringLiteral(":/pictures/button_%1_%2.gif")
                           .arg(QLatin1String(kNames[i]), QLatin1String(suffix)))
                    .convertToFormat(QImage::Format_ARGB32);
            if (shown == expected) return code;
        }
        return '?';
    }
    // Checks the one visible result window against the expected name and picture.
    void checkResult(const QString &name, const QString &picture) {
        const QList<QWidget *> results = visibleWindows("Form3");
        QCOMPARE(results.size(), 1);
        QCOMPARE(results[0]->findChild<QLabel *>("Label1")->text(), name);
        const QRect below(0, 110, 479, 270);  // under the name label
        QCOMPARE(rgb(results[0]->grab().toImage()).copy(below), resourceImage(picture).copy(below));
    }

private slots:
    void initTestCase() {
        ui::installFontSubstitutes();
        m_letter[1] = resourceImage("letter_s.bmp");
        m_letter[2] = resourceImage("letter_o.bmp");
        m_background = resourceImage("background.bmp");
        QVERIFY(!m_letter[1].isNull() && !m_letter[2].isNull() && !m_background.isNull());
        QVERIFY(m_letter[1] != m_letter[2]);
    }

    void init() {
        m_sounds.clear();
        m_warmUps = 0;
        m_asks = 0;
        m_answer = true;
        m_form = new Form1;
        m_form->setSoundOutput([this](int sound) { m_sounds.append(sound); },
                               [this] { ++m_warmUps; });
        m_form->setAskReset([this](QWidget *) {
            ++m_asks;
            return m_answer;
        });
    }

    void cleanup() {
        delete m_form;
        m_form = nullptr;
    }

    void startUpCells_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<char>("letter");
        QTest::newRow("box(1)") << 1 << QPoint(11, 9) << 'S';
        QTest::newRow("box(2)") << 2 << QPoint(49, 9) << 'O';
        QTest::newRow("box(9)") << 9 << QPoint(317, 9) << 'S';
        QTest::newRow("box(10)") << 10 << QPoint(11, 47) << 'O';
        QTest::newRow("box(41)") << 41 << QPoint(164, 162) << 'S';
        QTest::newRow("box(73)") << 73 << QPoint(11, 315) << 'S';
        QTest::newRow("box(80)") << 80 << QPoint(279, 315) << 'O';
        QTest::newRow("box(81)") << 81 << QPoint(317, 315) << 'S';
    }
    void startUpCells() {
        QFETCH(int, cell);
        QFETCH(QPoint, position);
        QFETCH(char, letter);
        QCOMPARE(m_form->box(cell)->geometry(), QRect(position, QSize(35, 35)));
        QCOMPARE(shownLetter(rgb(m_form->grab().toImage()), cell), letter);
        QCOMPARE(state().board[cell], game::kEmpty);
    }

    void startUpLabels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<qreal>("pointSize");
        // clang-format off
        QTest::newRow("timelbl") << "timelbl" << "00:00:00" << QPoint(448, 368) << 12.0;
        QTest::newRow("giliranlbl") << "giliranlbl" << "None/Tuyul" << QPoint(224, 368) << 13.5;
        QTest::newRow("Scorelbl(1)") << "Scorelbl1" << "00" << QPoint(464, 272) << 9.75;
        QTest::newRow("Scorelbl(2)") << "Scorelbl2" << "00" << QPoint(464, 288) << 9.75;
        QTest::newRow("namalbl(1)") << "namalbl1" << "Lorna Quillet:" << QPoint(376, 272) << 8.25;
        QTest::newRow("namalbl(2)") << "namalbl2" << "Player 2:" << QPoint(376, 288) << 8.25;
        // clang-format on
    }
    void startUpLabels() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QPoint, position);
        QFETCH(qreal, pointSize);
        QLabel *l = label(name.toLatin1());
        QVERIFY(l);
        QCOMPARE(l->text(), text);
        QCOMPARE(l->pos(), position);
        QVERIFY(l->width() >= l->fontMetrics().horizontalAdvance(text));
        QVERIFY(!l->autoFillBackground());
        QCOMPARE(QFontInfo(l->font()).family(), QStringLiteral("Liberation Sans"));
        QVERIFY(l->font().bold());
        QCOMPARE(l->font().pointSizeF(), pointSize);
    }

    void windowFrameAndControls() {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Trilet 1.0 - Kovlane 2003"));
        QCOMPARE(m_form->minimumSize(), QSize(530, 392));
        QCOMPARE(m_form->maximumSize(), QSize(530, 392));
        QVERIFY(m_form->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!m_form->windowIcon().isNull());
        QCOMPARE(m_form->tombol(0)->toolTip(), QStringLiteral("Prepare your brain !!"));
        QCOMPARE(m_form->tombol(1)->toolTip(), QStringLiteral("Edit the configuration.."));
        QCOMPARE(m_form->tombol(2)->toolTip(), QStringLiteral("Who make me ??"));
        QCOMPARE(timer("Timer1")->interval(), 1000);
        QCOMPARE(timer("Timer2")->interval(), 500);
        QVERIFY(!timer("Timer1")->isActive() && !timer("Timer2")->isActive());
        QCOMPARE(label("timelbl")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(label("timelbl")->frameShadow() == QFrame::Sunken);
        // Bare surface shows the background picture unscaled, up to the last pixel.
        const QImage shot = rgb(m_form->grab().toImage());
        for (QPoint p : {QPoint(360, 60), QPoint(0, 0), QPoint(529, 391), QPoint(200, 380)})
            QCOMPARE(shot.pixel(p), m_background.pixel(p));
        for (int i = 0; i < 3; ++i) QCOMPARE(look(i), 'N');
    }

    void soundWarmsUpAfterFirstFrame() {
        QCoreApplication::processEvents();
        QCOMPARE(m_warmUps, 0);
        show();
        QTRY_COMPARE(m_warmUps, 1);
        m_form->repaint();
        QCoreApplication::processEvents();
        QCOMPARE(m_warmUps, 1);
    }

    void placement_data() {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<QString>("expected");  // letters of cells 1..3
        QTest::addColumn<QList<int>>("sounds");
        QTest::addColumn<QString>("turn");
        QTest::newRow("left places S") << "S1" << true << "S--" << QList<int>{2} << "Player 2";
        QTest::newRow("right places O") << "O2" << true << "-O-" << QList<int>{2} << "Player 2";
        QTest::newRow("sound off") << "S1 O2" << false << "SO-" << QList<int>{} << "Lorna Quillet";
        QTest::newRow("line keeps the turn")
            << "S1 S3 O2" << true << "SOS" << QList<int>{2, 2, 2} << "Lorna Quillet";
    }
    void placement() {
        QFETCH(QString, moves);
        QFETCH(bool, soundOn);
        QFETCH(QString, expected);
        QFETCH(QList<int>, sounds);
        QFETCH(QString, turn);
        m_form->game().Change_setting(settings(1, 0, soundOn));
        clickTombol(0);
        play(moves);
        for (int cell = 1; cell <= 3; ++cell) QCOMPARE(letterIn(cell), expected[cell - 1]);
        QCOMPARE(m_sounds, sounds);
        QCOMPARE(label("giliranlbl")->text(), turn);
    }

    // Releases that must change nothing: the board, the pictures, the turn and the sounds
    // stay as they were.
    void ignoredReleases_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("before");  // "-" no game; else the moves of a new game
        QTest::addColumn<int>("cell");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("idle, left") << 1 << "-" << 5 << Qt::LeftButton;
        QTest::newRow("idle, right") << 1 << "-" << 6 << Qt::RightButton;
        QTest::newRow("middle button") << 1 << "" << 5 << Qt::MiddleButton;
        QTest::newRow("occupied by S, right") << 1 << "S5" << 5 << Qt::RightButton;
        QTest::newRow("after the game end") << 1 << "S1 S3 O2" << 40 << Qt::LeftButton;
        QTest::newRow("computer to move") << 2 << "S41" << 40 << Qt::LeftButton;
    }
    void ignoredReleases() {
        QFETCH(int, mode);
        QFETCH(QString, before);
        QFETCH(int, cell);
        QFETCH(Qt::MouseButton, button);
        m_form->game().Change_setting(settings(mode, 1));
        if (before != "-") {
            clickTombol(0);
            play(before);
        }
        const game::GameState was = state();
        const QImage shot = rgb(m_form->grab().toImage());
        const QString turn = label("giliranlbl")->text();
        m_sounds.clear();
        clickCell(cell, button);
        QVERIFY(state().board == was.board);
        QCOMPARE(state().current_player, was.current_player);
        QCOMPARE(rgb(m_form->grab().toImage()), shot);
        QCOMPARE(label("giliranlbl")->text(), turn);
        QCOMPARE(m_sounds, QList<int>{});
    }

    // A press and the release of the same button, sent to the window as a mouse would:
    // only a release over the cell pressed places a letter.
    void pressAndReleaseOnTheWindow_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<char>("placed");  // in cell 11
        QTest::newRow("left, same cell") << Qt::LeftButton << QPoint(80, 50) << 'S';
        QTest::newRow("right, same cell") << Qt::RightButton << QPoint(60, 70) << 'O';
        QTest::newRow("left, next cell") << Qt::LeftButton << QPoint(100, 66) << '-';
        QTest::newRow("right, far cell") << Qt::RightButton << QPoint(300, 300) << '-';
        QTest::newRow("left, gap beside") << Qt::LeftButton << QPoint(85, 66) << '-';
        QTest::newRow("left, bare surface") << Qt::LeftButton << QPoint(360, 60) << '-';
        QTest::newRow("right, a button") << Qt::RightButton << QPoint(443, 118) << '-';
        QTest::newRow("left, outside") << Qt::LeftButton << QPoint(600, 50) << '-';
    }
    void pressAndReleaseOnTheWindow() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releaseAt);
        QFETCH(char, placed);
        show();
        clickTombol(0);
        QTest::mousePress(window(), button, {}, centreOf(11));
        QTest::mouseRelease(window(), button, {}, releaseAt);
        QCOMPARE(shownLetter(rgb(m_form->grab().toImage()), 11), placed);
        QCOMPARE(filledCells(), placed == '-' ? 0 : 1);
    }

    void struckLines_data() {
        QTest::addColumn<QString>("moves");  // the last move completes first - middle - last
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("middle");
        QTest::addColumn<int>("last");
        QTest::newRow("row") << "S1 S3 O2" << 1 << 2 << 3;
        QTest::newRow("column") << "S1 S19 O10" << 1 << 10 << 19;
        QTest::newRow("diagonal") << "S1 S21 O11" << 1 << 11 << 21;
        QTest::newRow("other diagonal") << "S3 S19 O11" << 3 << 11 << 19;
        QTest::newRow("S at the end") << "O80 S81 S79" << 79 << 80 << 81;
        QTest::newRow("S at the start") << "O62 S71 S53" << 53 << 62 << 71;
    }
    void struckLines() {
        QFETCH(QString, moves);
        QFETCH(int, first);
        QFETCH(int, middle);
        QFETCH(int, last);
        clickTombol(0);
        const QStringList list = moves.split(' ');
        play(list.mid(0, 2).join(' '));
        const QImage before = rgb(m_form->grab().toImage());
        play(list[2]);
        QCOMPARE(state().score[1] + state().score[2], 1);
        const QImage after = rgb(m_form->grab().toImage());

        const QPointF a = QPointF(m_form->box(first)->pos()) + QPointF(17.5, 17.5);
        const QPointF b = QPointF(m_form->box(last)->pos()) + QPointF(17.5, 17.5);
        const QPointF along = (b - a) / QLineF(a, b).length();
        const QPointF across(-along.y(), along.x());
        // Black from centre to centre, over the letters too.
        for (qreal t : {0.0, 0.1, 0.25, 0.4, 0.5, 0.6, 0.75, 0.9, 1.0}) {
            const QPointF p = a + (b - a) * t;
            QCOMPARE(QColor(after.pixel(int(p.x()), int(p.y()))), QColor(Qt::black));
        }
        // 3 pixels wide: just beside the line, halfway to the middle cell, nothing changed.
        const bool straight = along.x() == 0 || along.y() == 0;
        const QPointF mid = (a + QPointF(m_form->box(middle)->pos()) + QPointF(17.5, 17.5)) / 2;
        for (int side : {-1, 1}) {
            const QPointF beside = mid + across * side * (straight ? 2 : 3);
            const QPoint px(int(beside.x()), int(beside.y()));
            QCOMPARE(after.pixel(px), before.pixel(px));
            const QPointF inside = mid + across * side * (straight ? 1 : 0.5);
            QCOMPARE(QColor(after.pixel(int(inside.x()), int(inside.y()))), QColor(Qt::black));
        }

        // A new game wipes the lines with the letters: the background shows again.
        m_answer = true;
        clickTombol(0);
        const QImage wiped = rgb(m_form->grab().toImage());
        const QPoint centre = ((a + b) / 2).toPoint();
        QCOMPARE(wiped.pixel(centre), m_background.pixel(centre));
    }

    // Two humans play their moves; without a winning score S then goes into every empty
    // cell in order until the board is full.
    void twoHumanGames_data() {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<int>("scoreLimit");
        QTest::addColumn<QString>("score1");
        QTest::addColumn<QString>("score2");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("picture");
        // clang-format off
        QTest::newRow("full, no line") << "" << 0 << "00" << "00" << "" << "result_draw.bmp";
        QTest::newRow("full, first by one") << "S1 S3 O2" << 0 << "1" << "00" << "Lorna Quillet" << "result_winner.bmp";
        QTest::newRow("full, second by two") << "S1 S3 S5 O2 O4" << 0 << "00" << "2" << "Player 2" << "result_winner.bmp";
        QTest::newRow("full, one each") << "S1 S3 O2 S5 O4" << 0 << "1" << "1" << "" << "result_draw.bmp";
        QTest::newRow("first reaches 2") << "S1 S3 O2 S5 S7 O4" << 2 << "2" << "00" << "Lorna Quillet" << "result_winner.bmp";
        QTest::newRow("second reaches 2") << "S1 S3 S5 O2 O4" << 2 << "00" << "2" << "Player 2" << "result_winner.bmp";
        // clang-format on
    }
    void twoHumanGames() {
        QFETCH(QString, moves);
        QFETCH(int, scoreLimit);
        QFETCH(QString, score1);
        QFETCH(QString, score2);
        QFETCH(QString, name);
        QFETCH(QString, picture);
        show();
        m_form->game().Change_setting(settings(1, scoreLimit));
        clickTombol(0);
        play(moves);
        for (int cell = 1; scoreLimit == 0 && cell <= game::kCells; ++cell) {
            QVERIFY(!state().game_over);
            if (state().board[cell] == game::kEmpty) clickCell(cell, Qt::LeftButton);
        }
        QVERIFY(state().game_over);
        QCOMPARE(filledCells(), scoreLimit == 0 ? game::kCells : int(moves.count(' ') + 1));
        QCOMPARE(label("Scorelbl1")->text(), score1);
        QCOMPARE(label("Scorelbl2")->text(), score2);
        QVERIFY(!timer("Timer1")->isActive());
        QCOMPARE(m_sounds.last(), 3);
        checkResult(name, picture);
    }

    // The human puts S into the first empty cell; the computer's timer is ticked by hand.
    void againstTheComputer_data() {
        QTest::addColumn<int>("scoreLimit");
        QTest::newRow("until the board is full") << 0;
        QTest::newRow("to a winning score of 4") << 4;
    }
    void againstTheComputer() {
        QFETCH(int, scoreLimit);
        show();
        m_form->game().Change_setting(settings(2, scoreLimit));
        QCOMPARE(label("namalbl2")->text(), QStringLiteral("Com"));
        clickTombol(0);
        QCOMPARE(label("namalbl2")->text(), QStringLiteral("Player 2:"));
        QTimer *Timer2 = timer("Timer2");
        for (int moves = 0; !state().game_over; ++moves) {
            QVERIFY(moves < 200);
            const int filled = filledCells();
            if (state().current_player == 1) {
                QVERIFY(!Timer2->isActive());
                QCOMPARE(label("giliranlbl")->text(), QStringLiteral("Lorna Quillet"));
                int cell = 1;
                while (state().board[cell] != game::kEmpty) ++cell;
                clickCell(cell, Qt::LeftButton);
            } else {
                QCOMPARE(state().current_player, game::kComputer);
                QCOMPARE(label("giliranlbl")->text(), QStringLiteral("Com"));
                // The mouse has no say while the computer is to move.
                for (int cell = 1; cell <= game::kCells; ++cell) {
                    if (state().board[cell] != game::kEmpty) continue;
                    clickCell(cell, Qt::LeftButton);
                    QCOMPARE(filledCells(), filled);
                    break;
                }
                m_sounds.clear();
                tick(Timer2);
                QCOMPARE(m_sounds.first(), 2);
            }
            QCOMPARE(filledCells(), filled + 1);
        }
        QVERIFY(!Timer2->isActive());
        QCOMPARE(label("Scorelbl2")->text(),
                 state().score[3] == 0 ? QStringLiteral("00") : QString::number(state().score[3]));
        QCOMPARE(state().score[2], 0);
        if (scoreLimit == 0) QCOMPARE(filledCells(), game::kCells);
        const int human = state().score[1];
        const int computer = state().score[3];
        if (human > computer) {
            QCOMPARE(m_sounds.last(), 3);
            checkResult("Lorna Quillet", "result_winner.bmp");
        } else if (computer > human) {
            QCOMPARE(m_sounds.last(), 1);
            checkResult("Lorna Quillet", "result_loser.bmp");
        } else {
            QCOMPARE(m_sounds.last(), 1);
            checkResult("", "result_draw.bmp");
        }
    }

    void newGameButton_data() {
        QTest::addColumn<QString>("before");  // "-" no game yet; else moves of a game
        QTest::addColumn<int>("scoreLimit");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("asks");
        QTest::addColumn<bool>("restarted");
        QTest::newRow("at start-up, no question") << "-" << 0 << false << 0 << true;
        QTest::newRow("running, No") << "S1 S3 O2 S5" << 0 << false << 1 << false;
        QTest::newRow("running, Yes") << "S1 S3 O2 S5" << 0 << true << 1 << true;
        QTest::newRow("after the end, no question") << "S1 S3 O2" << 1 << false << 0 << true;
    }
    void newGameButton() {
        QFETCH(QString, before);
        QFETCH(int, scoreLimit);
        QFETCH(bool, answer);
        QFETCH(int, asks);
        QFETCH(bool, restarted);
        m_form->game().Change_setting(settings(1, scoreLimit));
        if (before != "-") {
            clickTombol(0);
            play(before);
        }
        const game::GameState was = state();
        const QImage shot = rgb(m_form->grab().toImage());
        m_answer = answer;
        m_asks = 0;
        clickTombol(0);
        QCOMPARE(m_asks, asks);
        if (restarted) {
            QVERIFY(!state().game_over);
            QCOMPARE(filledCells(), 0);
            QCOMPARE(state().current_player, 1);
            QCOMPARE(label("Scorelbl1")->text(), QStringLiteral("00"));
            const QImage wiped = rgb(m_form->grab().toImage());
            for (int cell : {1, 2, 3, 5, 81}) QCOMPARE(shownLetter(wiped, cell), '-');
        } else {
            QVERIFY(state().board == was.board);
            QVERIFY(state().score == was.score);
            QCOMPARE(state().current_player, was.current_player);
            QCOMPARE(rgb(m_form->grab().toImage()), shot);
        }
    }

    void newGameDropsThePendingComputerMove() {
        m_form->game().Change_setting(settings(2, 0));
        clickTombol(0);
        play("S41");
        QVERIFY(timer("Timer2")->isActive());
        m_answer = true;
        clickTombol(0);
        QCOMPARE(m_asks, 1);
        QVERIFY(!timer("Timer2")->isActive());
        QCOMPARE(state().current_player, 1);
        QCOMPARE(filledCells(), 0);
    }

    // The real question box, answered from inside its own event loop.
    void resetQuestionBox_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<int>("filledAfter");
        QTest::newRow("No") << QMessageBox::No << 1;
        QTest::newRow("Yes") << QMessageBox::Yes << 0;
    }
    void resetQuestionBox() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(int, filledAfter);
        delete m_form;
        m_form = new Form1;
        m_form->setSoundOutput([](int) {}, [] {});
        show();
        clickTombol(0);
        play("S41");
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) return;
            seen = box->text() == QStringLiteral("Are you serious to reset the game !!") &&
                   box->windowTitle() == QStringLiteral("What's up Dog !!") &&
                   box->icon() == QMessageBox::NoIcon &&
                   box->standardButtons() == (QMessageBox::Yes | QMessageBox::No) &&
                   box->defaultButton() == box->button(QMessageBox::Yes) &&
                   box->windowModality() == Qt::ApplicationModal;
            QTest::mouseClick(box->button(answer), Qt::LeftButton);
        });
        clickTombol(0);
        QVERIFY(seen);
        QCOMPARE(filledCells(), filledAfter);
    }

    // Mouse scripts on the window and the looks of tombol(0), tombol(1), tombol(2) after.
    // "move P", "press P B", "release P B" go to the window; "wpress i B" goes straight to
    // tombol(i), as a press made before any move over it.
    void buttonLooks_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("looks");
        QTest::addColumn<bool>("started");
        // clang-format off
        QTest::newRow("untouched") << "" << "NNN" << false;
        QTest::newRow("onto Start") << "move b0" << "HNN" << false;
        QTest::newRow("gap between buttons") << "move b0;move gap01" << "NNN" << false;
        QTest::newRow("skipping the gap") << "move b0;move b1" << "NHN" << false;
        QTest::newRow("onto a cell keeps") << "move b1;move cell" << "NHN" << false;
        QTest::newRow("onto a label keeps") << "move b2;move label" << "NNH" << false;
        QTest::newRow("then surface resets") << "move b2;move label;move surface" << "NNN" << false;
        QTest::newRow("left press") << "move b1;press b1 L" << "NPN" << false;
        QTest::newRow("right press, release") << "move b2;press b2 R;release b2 R" << "NNH" << false;
        QTest::newRow("middle press") << "move b0;press b0 M" << "PNN" << false;
        QTest::newRow("middle click runs nothing") << "move b0;press b0 M;release b0 M" << "HNN" << false;
        QTest::newRow("left click runs") << "move b0;press b0 L;release b0 L" << "HNN" << true;
        QTest::newRow("dragging keeps pressed") << "move b0;press b0 L;move surface" << "PNN" << false;
        QTest::newRow("release elsewhere runs nothing") << "move b0;press b0 L;move surface;release cell L" << "HNN" << false;
        QTest::newRow("press before any move") << "move surface;wpress 2 L" << "NNP" << false;
        QTest::newRow("first move after it") << "move surface;wpress 2 L;move b2" << "NNH" << false;
        QTest::newRow("drag from a cell") << "move b1;press cell L;move b0" << "NHN" << false;
        QTest::newRow("drag from a label") << "move b1;press label L;move b0" << "NHN" << false;
        QTest::newRow("back onto Start after the surface") << "move b0;move surface;move b0" << "HNN" << false;
        QTest::newRow("right released while left held") << "move b0;press b0 L;press b0 R;release b0 R" << "HNN" << false;
        QTest::newRow("drag from the surface") << "move b1;press surface L;move b0" << "NNN" << false;
        // clang-format on
    }
    void buttonLooks() {
        QFETCH(QString, script);
        QFETCH(QString, looks);
        QFETCH(bool, started);
        show();
        const QMap<QString, QPoint> at = {{"b0", {443, 118}},     {"b1", {443, 166}},
                                          {"b2", {443, 214}},     {"gap01", {443, 142}},
                                          {"surface", {360, 60}}, {"cell", centreOf(41)},
                                          {"label", {380, 278}}};
        const QMap<QString, Qt::MouseButton> buttons = {
            {"L", Qt::LeftButton}, {"R", Qt::RightButton}, {"M", Qt::MiddleButton}};
        // Whatever a row leaves held is let go, so that the next row starts clean.
        QList<Qt::MouseButton> held;
        QList<QPair<int, Qt::MouseButton>> heldOnButton;
        auto releaseHeld = qScopeGuard([&] {
            for (Qt::MouseButton b : held) QTest::mouseRelease(window(), b, {}, at["surface"]);
            for (auto [i, b] : heldOnButton)
                sendButton(m_form->tombol(i), QEvent::MouseButtonRelease, b);
        });
        // The pointer may rest where the last row left it; a move there would be no move.
        QTest::mouseMove(window(), QPoint(2, 2));
        for (const QString &step : script.split(';', Qt::SkipEmptyParts)) {
            const QStringList w = step.split(' ');
            if (w[0] == "move") {
                QTest::mouseMove(window(), at[w[1]]);
            } else if (w[0] == "press") {
                QTest::mousePress(window(), buttons[w[2]], {}, at[w[1]]);
                held.append(buttons[w[2]]);
            } else if (w[0] == "release") {
                QTest::mouseRelease(window(), buttons[w[2]], {}, at[w[1]]);
                held.removeOne(buttons[w[2]]);
            } else if (w[0] == "wpress") {
                sendButton(m_form->tombol(w[1].toInt()), QEvent::MouseButtonPress, buttons[w[2]]);
                heldOnButton.append({w[1].toInt(), buttons[w[2]]});
            }
        }
        const char shown[] = {look(0), look(1), look(2), '\0'};
        QCOMPARE(QString::fromLatin1(shown), looks);
        QCOMPARE(!state().game_over, started);
        QCOMPARE(filledCells(), 0);
    }

    void aboutBoxIsSingle() {
        show();
        clickTombol(2);
        QList<QWidget *> about = visibleWindows("frmAbout");
        QCOMPARE(about.size(), 1);
        QPointer<QWidget> first = about[0];
        clickTombol(2);
        QCOMPARE(visibleWindows("frmAbout"), QList<QWidget *>{first.data()});
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        clickTombol(2);
        QCOMPARE(visibleWindows("frmAbout").size(), 1);
    }

    void resultWindowIsSingle() {
        show();
        m_form->game().Change_setting(settings(1, 1));
        clickTombol(0);
        play("S1 S3 O2");
        checkResult("Lorna Quillet", "result_winner.bmp");
        QPointer<QWidget> first = visibleWindows("Form3").value(0);
        clickTombol(0);
        play("S1 S3 S5 O2");
        checkResult("Player 2", "result_winner.bmp");
        QCOMPARE(visibleWindows("Form3").value(0), first.data());
    }

    void optionsButtonOpensTheDialog() {
        show();
        clickTombol(1);
        clickTombol(1);
        QCOMPARE(visibleWindows("Form2").size(), 1);
    }

    void namesArePlainText_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("markup") << "<b>x</b>";
        QTest::newRow("ampersand") << "Tom & Jerry";
        QTest::newRow("mnemonic") << "&Okey";
        QTest::newRow("picture tag") << "<img src=\":/icons/trilet.ico\">";
        QTest::newRow("long") << "Maximilian Alexander von Langenname";
    }
    void namesArePlainText() {
        QFETCH(QString, name);
        game::OptionValues values = settings(1, 0);
        values.name1 = name.toStdString();
        m_form->game().Change_setting(values);
        clickTombol(0);
        QLabel *names = label("namalbl1");
        QCOMPARE(names->text(), name + ":");
        QCOMPARE(label("giliranlbl")->text(), name);
        for (QLabel *l : {names, label("giliranlbl")}) {
            QCOMPARE(l->textFormat(), Qt::PlainText);
            // Shown whole, as typed: a rendered tag would be far narrower than its text.
            QVERIFY(l->sizeHint().width() >= l->fontMetrics().horizontalAdvance(l->text()));
            QVERIFY(l->width() >= l->fontMetrics().horizontalAdvance(l->text()));
        }
        QCOMPARE(names->pos(), QPoint(376, 272));
        QCOMPARE(label("Scorelbl1")->pos(), QPoint(464, 272));
    }

    void clock() {
        clickTombol(0);
        QTimer *Timer1 = timer("Timer1");
        QCOMPARE(label("timelbl")->text(), QStringLiteral("00:00:00"));
        for (int i = 0; i < 61; ++i) tick(Timer1);
        QCOMPARE(label("timelbl")->text(), QStringLiteral("00:01:01"));
        m_form->game().Change_setting(settings(1, 1));
        play("S1 S3 O2");
        QVERIFY(!Timer1->isActive());
        m_answer = false;
        clickTombol(0);
        QVERIFY(Timer1->isActive());
        QCOMPARE(label("timelbl")->text(), QStringLiteral("00:01:01"));
        tick(Timer1);
        QCOMPARE(label("timelbl")->text(), QStringLiteral("00:00:01"));
    }

    // Closing the main window ends the event loop and takes every other window with it.
    void closingEndsTheProgram() {
        show();
        m_form->game().Change_setting(settings(1, 1));
        clickTombol(0);
        play("S1 S3 O2");
        clickTombol(2);
        clickTombol(1);
        QCOMPARE(visibleWindows("Form3").size(), 1);
        QCOMPARE(visibleWindows("frmAbout").size(), 1);
        QCOMPARE(visibleWindows("Form2").size(), 1);
        bool timedOut = false;
        QTimer safety;
        safety.setSingleShot(true);
        connect(&safety, &QTimer::timeout, this, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        safety.start(2000);
        QTimer::singleShot(0, m_form, &QWidget::close);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!timedOut);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
