// SPDX-License-Identifier: MIT
// The real windows under a long storm of random input: presses and releases of all three
// mouse buttons over cells, command buttons, labels and bare surface, pointer moves, clock
// and computer ticks, the options dialog filled with random text and confirmed or not, new
// games confirmed or refused, result windows and About boxes opened and clicked. After every
// single input the game must still hold together.
//
// The run is seeded: TRILET_SOAK_SEED replays a run (the seed is printed on failure), and
// TRILET_SOAK_EVENTS sets its length. Timers fire only when this test ticks them, and the
// time of day the computer seeds its random fallback from comes from this test too, so one
// seed always replays the same game.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QWindow>

#include <chrono>
#include <cstdint>
#include <deque>
#include <random>
#include <set>
#include <string>

#include "game/game.h"
#include "ui/main/board_cell.h"
#include "ui/main/fonts.h"
#include "ui/main/form1.h"
#include "ui/main/image_button.h"
#include "ui/main/line_overlay.h"
#include "ui/options/form2.h"

namespace {

// The time of day as this test tells it: a counter, started from the seed.
std::int64_t g_timeOfDay = 0;

}  // namespace

// The computer re-seeds its random fallback from the system clock. This executable supplies
// that clock itself (the standard library's own definition is in a shared library, which
// this one takes precedence over), so the fallback's cells follow the test's seed.
namespace std::chrono {
inline namespace _V2 {
system_clock::time_point system_clock::now() noexcept {
    g_timeOfDay += 1'000'003;
    return time_point(duration_cast<duration>(nanoseconds(g_timeOfDay)));
}
}  // namespace _V2
}  // namespace std::chrono

namespace {

constexpr int kDefaultEvents = 50000;

using Board = std::array<std::int16_t, game::kCells + 1>;
using LineSet = std::set<std::pair<int, int>>;  // first and last cell of a struck line

int envInt(const char *name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Every S-O-S line on the board, as its first and last cell.
LineSet sosLines(const Board &board) {
    LineSet lines;
    for (int n = 1; n <= game::kCells; ++n) {
        const int r = game::rowOf(n);
        const int c = game::columnOf(n);
        const int steps[4][3] = {{1, 0, 1}, {9, 1, 0}, {10, 1, 1}, {8, 1, -1}};
        for (const auto &step : steps) {
            const int lastRow = r + 2 * step[1];
            const int lastColumn = c + 2 * step[2];
            if (lastRow > 9 || lastColumn < 1 || lastColumn > 9) continue;
            if (board[n] == game::kS && board[n + step[0]] == game::kO &&
                board[n + 2 * step[0]] == game::kS)
                lines.insert({n, n + 2 * step[0]});
        }
    }
    return lines;
}

QList<QWidget *> windowsNamed(const char *objectName, bool visibleOnly) {
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(objectName) && (!visibleOnly || w->isVisible()))
            found.append(w);
    return found;
}

QWidget *openWindow(const char *objectName) {
    const QList<QWidget *> open = windowsNamed(objectName, true);
    return open.isEmpty() ? nullptr : open.first();
}

// What the game looked like before an input, to judge the change the input made.
struct Snapshot {
    Board board{};
    std::array<std::int16_t, 4> score{};
    int current_player = 0;
    bool game_over = true;
    int lines = 0;
};

class Soak {
public:
    Soak(std::uint64_t seed, Form1 &form) : m_seed(seed), m_random(seed), m_form(form) {
        m_form.setSoundOutput([this](int sound) { m_sounds.push_back(sound); }, [] {});
        m_form.setAskReset([this](QWidget *) {
            const bool yes = chance(25);
            note(yes ? "  asked to reset: Yes" : "  asked to reset: No");
            return yes;
        });
        m_overlay = m_form.findChild<ui::LineOverlay *>(QStringLiteral("lines"));
        m_timer1 = m_form.findChild<QTimer *>(QStringLiteral("Timer1"));
        m_timer2 = m_form.findChild<QTimer *>(QStringLiteral("Timer2"));
        m_turnLabel = m_form.findChild<QLabel *>(QStringLiteral("giliranlbl"));
        for (const char *name :
             {"namalbl1", "namalbl2", "Scorelbl1", "Scorelbl2", "giliranlbl", "timelbl"})
            m_labels.append(m_form.findChild<QLabel *>(QLatin1String(name)));
        // The start-up checkerboard shows S in odd cells and O in even ones.
        m_letter[1] = m_form.box(1)->picture();
        m_letter[2] = m_form.box(2)->picture();
    }

    bool ready() const {
        return m_overlay && m_timer1 && m_timer2 && m_turnLabel && !m_labels.contains(nullptr) &&
               !m_letter[1].isNull() && !m_letter[2].isNull();
    }

    // One random input; false with m_failure set when an invariant broke.
    bool step(int index) {
        m_index = index;
        const Snapshot before = snapshot();
        m_mayStartGame = false;
        m_sounds.clear();
        act();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return check(before);
    }

    QString failure() const {
        QString text = QStringLiteral("seed %1 (replay with TRILET_SOAK_SEED=%1), event %2: %3\n")
                           .arg(m_seed)
                           .arg(m_index)
                           .arg(m_failure);
        text += QStringLiteral("last inputs:\n");
        for (const QString &line : m_log) text += line + '\n';
        return text;
    }

    int games() const { return m_games; }
    int ended() const { return m_ended; }
    int placements() const { return m_placements; }
    int fullBoards() const { return m_fullBoards; }

private:
    // ---- random choices -------------------------------------------------------------------

    bool chance(int percent) { return int(m_random() % 100) < percent; }
    int pick(int count) { return int(m_random() % std::uint64_t(count)); }
    int between(int low, int high) { return low + pick(high - low + 1); }

    void note(const QString &line) {
        m_log.push_back(line);
        if (m_log.size() > 16) m_log.pop_front();
    }

    QPoint cellPoint(int n) {
        const QRect r = m_form.box(n)->geometry();
        return chance(50) ? r.center() : QPoint(r.x() + pick(r.width()), r.y() + pick(r.height()));
    }
    QPoint inside(const QRect &r) { return {r.x() + pick(r.width()), r.y() + pick(r.height())}; }

    // A place on the main window: a cell, a button, a label or anywhere.
    QPoint mainTarget(QString &what) {
        switch (pick(20)) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
            case 5:
            case 6:
            case 7:
            case 8: {
                const int n = between(1, game::kCells);
                what = QStringLiteral("box(%1)").arg(n);
                return cellPoint(n);
            }
            case 9:
            case 10: {
                const int i = pick(3);
                what = QStringLiteral("tombol(%1)").arg(i);
                return inside(m_form.tombol(i)->geometry());
            }
            case 11:
            case 12: {
                QLabel *label = m_labels[pick(int(m_labels.size()))];
                what = label->objectName();
                return inside(label->geometry());
            }
            default:
                what = QStringLiteral("surface");
                return {pick(m_form.width()), pick(m_form.height())};
        }
    }

    static const char *buttonName(Qt::MouseButton b) {
        return b == Qt::LeftButton ? "left" : b == Qt::RightButton ? "right" : "middle";
    }

    // ---- input ----------------------------------------------------------------------------

    void mouse(QWindow *window, QPoint at, Qt::MouseButton button, QEvent::Type type) {
        // A random pause before each input: now and then two presses come close enough
        // together to make a double click.
        m_timestamp += between(1, 700);
        if (type == QEvent::MouseButtonPress) m_held |= button;
        if (type == QEvent::MouseButtonRelease) m_held &= ~button;
        qt_handleMouseEvent(window, QPointF(at), window->mapToGlobal(QPointF(at)), m_held, button,
                            type, Qt::NoModifier, m_timestamp);
    }

    // While a button is held every pointer event goes to the window it was pressed on.
    QWindow *grabOr(QWindow *window) {
        return m_held != Qt::NoButton && m_grab ? m_grab.data() : window;
    }

    void click(QWidget *window, QPoint at, const QString &what) {
        releaseAll();
        QWindow *handle = window->windowHandle();
        if (!handle) return;
        note(QStringLiteral("click %1 at %2,%3").arg(what).arg(at.x()).arg(at.y()));
        m_grab = handle;
        mouse(handle, at, Qt::LeftButton, QEvent::MouseButtonPress);
        mouse(handle, at, Qt::LeftButton, QEvent::MouseButtonRelease);
    }

    // A click on tombol(i) of the main window.
    void clickMain(int i) {
        if (i == 0) m_mayStartGame = true;
        click(&m_form, inside(m_form.tombol(i)->geometry()), QStringLiteral("tombol(%1)").arg(i));
    }

    void releaseAll() {
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            if (!(m_held & b)) continue;
            note(QStringLiteral("release %1").arg(buttonName(b)));
            if (b == Qt::LeftButton) m_mayStartGame = true;
            mouse(grabOr(m_form.windowHandle()), {5, 5}, b, QEvent::MouseButtonRelease);
        }
    }

    void tick(QTimer *timer, const char *name) {
        note(QStringLiteral("tick %1").arg(QLatin1String(name)));
        QTimerEvent event(timer->timerId());
        QCoreApplication::sendEvent(timer, &event);
    }

    QString randomText() {
        static const QString kPieces[] = {
            QStringLiteral("a"),   QStringLiteral("Z"), QStringLiteral(" "), QStringLiteral("7"),
            QStringLiteral("0"),   QStringLiteral("-"), QStringLiteral("."), QStringLiteral("x"),
            QStringLiteral("<b>"), QStringLiteral("&"), QStringLiteral("é"), QStringLiteral("😀"),
            QStringLiteral("99"),  QStringLiteral("\t")};
        QString text;
        const int count = pick(8);
        for (int i = 0; i < count; ++i) text += kPieces[pick(int(std::size(kPieces)))];
        return text;
    }

    // Key presses that each bring one character, as a keyboard or an input method does.
    static void typeText(QWidget *box, const QString &text) {
        for (char32_t c : text.toUcs4()) {
            const QString one = QString::fromUcs4(&c, 1);
            int key = Qt::Key_unknown;
            if (c == U'\t')
                key = Qt::Key_Tab;
            else if (c < 128)
                key = QChar(c).toUpper().unicode();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, one);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, one);
            QCoreApplication::sendEvent(box, &press);
            QCoreApplication::sendEvent(box, &release);
        }
    }

    void actOnOptions(QWidget *dialog) {
        auto *form2 = qobject_cast<Form2 *>(dialog);
        if (form2 && form2 != m_messageHooked) {
            form2->setRangeMessage([this](QWidget *) { note("  range message"); });
            m_messageHooked = form2;
        }
        const char *boxes[] = {"Text1_1", "Text1_2", "Text2"};
        switch (pick(12)) {
            case 0:
            case 1:
            case 2: {
                auto *box = dialog->findChild<QLineEdit *>(QLatin1String(boxes[pick(3)]));
                if (!box || !box->isEnabled()) return;
                const QString text = randomText();
                note(QStringLiteral("type \"%1\" into %2").arg(text, box->objectName()));
                if (chance(50)) QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                if (chance(30)) QTest::keyClick(box, Qt::Key_Backspace);
                typeText(box, text);
                return;
            }
            case 3:
            case 4: {
                const char *names[] = {"mode1_1", "mode1_2", "Check2", "Option1_1", "Option1_2"};
                QWidget *control = dialog->findChild<QWidget *>(QLatin1String(names[pick(5)]));
                if (control) click(dialog, inside(control->geometry()), control->objectName());
                return;
            }
            case 5:
            case 6:
            case 7:
                if (auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("Command1")))
                    click(dialog, inside(ok->geometry()), QStringLiteral("Okey"));
                return;
            case 8:
                if (auto *cancel = dialog->findChild<QPushButton *>(QStringLiteral("Command2")))
                    click(dialog, inside(cancel->geometry()), QStringLiteral("Cancel"));
                return;
            case 9:
                note("close the options dialog");
                dialog->close();
                return;
            case 10:
                note("Escape to the options dialog");
                QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog,
                                Qt::Key_Escape);
                return;
            default:
                note("Return to the options dialog");
                QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog,
                                Qt::Key_Return);
                return;
        }
    }

    void act() {
        QWidget *options = openWindow("Form2");
        QWidget *result = openWindow("Form3");
        QWidget *about = openWindow("frmAbout");
        int roll = pick(1000);
        const auto take = [&roll](int share) {
            roll -= share;
            return roll < 0;
        };

        if (m_timer2->isActive() && take(250)) return tick(m_timer2, "Timer2");
        if (m_timer1->isActive() && take(30)) return tick(m_timer1, "Timer1");
        if (take(5)) return clickMain(0);
        if (take(20)) return clickMain(1);
        if (take(10)) return clickMain(2);
        if (options && take(150)) return actOnOptions(options);
        if (result && take(40))
            return click(result, {pick(result->width()), pick(result->height())}, "Form3");
        if (about && take(40))
            return click(about, {pick(about->width()), pick(about->height())}, "frmAbout");

        // Raw pointer input on the main window; a release comes mostly where the press was.
        QString what = m_pressedOn;
        const QPoint at = m_held != Qt::NoButton && chance(70) ? m_pressedAt : mainTarget(what);
        QWindow *main = m_form.windowHandle();
        const int kind = pick(100);
        if (kind < (m_held != Qt::NoButton ? 30 : 25)) {
            note(QStringLiteral("move over %1 at %2,%3").arg(what).arg(at.x()).arg(at.y()));
            mouse(grabOr(main), at, Qt::NoButton, QEvent::MouseMove);
            return;
        }
        if (m_held != Qt::NoButton && kind < 80) {
            QList<Qt::MouseButton> held;
            for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
                if (m_held & b) held.append(b);
            const Qt::MouseButton b = held[pick(int(held.size()))];
            note(QStringLiteral("release %1 over %2 at %3,%4")
                     .arg(buttonName(b), what)
                     .arg(at.x())
                     .arg(at.y()));
            if (b == Qt::LeftButton) m_mayStartGame = true;
            mouse(grabOr(main), at, b, QEvent::MouseButtonRelease);
            return;
        }
        const int which = pick(20);
        const Qt::MouseButton b = which < 9    ? Qt::LeftButton
                                  : which < 18 ? Qt::RightButton
                                               : Qt::MiddleButton;
        if (m_held & b) return;
        note(QStringLiteral("press %1 over %2 at %3,%4")
                 .arg(buttonName(b), what)
                 .arg(at.x())
                 .arg(at.y()));
        if (m_held == Qt::NoButton) {
            m_grab = main;
            m_pressedAt = at;
            m_pressedOn = what;
        }
        mouse(grabOr(main), at, b, QEvent::MouseButtonPress);
    }

    // ---- invariants -----------------------------------------------------------------------

    Snapshot snapshot() const {
        const game::GameState &s = m_form.game().state();
        Snapshot shot;
        shot.board = s.board;
        shot.score = s.score;
        shot.current_player = s.current_player;
        shot.game_over = s.game_over;
        shot.lines = int(m_overlay->lines().size());
        return shot;
    }

    bool fail(const QString &why) {
        m_failure = why;
        return false;
    }

    LineSet struckLines() const {
        LineSet lines;
        const QPointF toCentre(17.5, 17.5);
        for (const QLineF &line : m_overlay->lines()) {
            int ends[2] = {0, 0};
            for (int n = 1; n <= game::kCells; ++n) {
                const QPointF centre = QPointF(m_form.box(n)->pos()) + toCentre;
                if (QLineF(centre, line.p1()).length() < 1) ends[0] = n;
                if (QLineF(centre, line.p2()).length() < 1) ends[1] = n;
            }
            lines.insert({std::min(ends[0], ends[1]), std::max(ends[0], ends[1])});
        }
        return lines;
    }

    // The participant who wins when the game ends now, by the score target or the full board.
    static int winnerOf(const game::GameState &s) {
        if (s.score_limit > 0)
            for (int p = 1; p <= 3; ++p)
                if (s.score[p] >= s.score_limit) return p;
        const int other = s.game_mode == 2 ? game::kComputer : 2;
        return s.score[1] > s.score[other] ? 1 : s.score[other] > s.score[1] ? other : 0;
    }

    bool check(const Snapshot &before) {
        const game::GameState &s = m_form.game().state();
        const Snapshot now = snapshot();

        int filled = 0;
        int placed = 0;
        bool changed = false;
        for (int n = 1; n <= game::kCells; ++n) {
            const int v = s.board[n];
            if (v != game::kEmpty && v != game::kS && v != game::kO)
                return fail(QStringLiteral("cell %1 holds %2").arg(n).arg(v));
            if (v != game::kEmpty) ++filled;
            if (before.board[n] == game::kEmpty && v != game::kEmpty) ++placed;
            if (before.board[n] != game::kEmpty && v != before.board[n]) changed = true;
        }

        // Only a click on the new-game button may wipe the board and start over.
        const bool fresh = !s.game_over && filled == 0 && now.lines == 0 &&
                           s.score == std::array<std::int16_t, 4>{} && s.current_player == 1;
        const bool newGame = m_mayStartGame && fresh;
        if (newGame) {
            if (before.game_over || before.lines > 0 || before.board != s.board ||
                before.current_player != 1)
                ++m_games;
            m_started = true;
            return checkRunning(s, now);
        }
        if (changed) return fail(QStringLiteral("a letter changed without a new game"));
        if (before.game_over && !s.game_over)
            return fail(QStringLiteral("a game started without the new-game button"));
        if (placed > 1) return fail(QStringLiteral("%1 letters placed by one input").arg(placed));
        if (placed == 1 && before.game_over)
            return fail(QStringLiteral("a letter placed while no game runs"));
        if (!m_started) {
            if (filled != 0 || !s.game_over || m_timer1->isActive() || m_timer2->isActive() ||
                !m_sounds.isEmpty())
                return fail(QStringLiteral("the idle start-up board changed"));
            return checkWindows();
        }

        const int gained = now.lines - before.lines;
        if (placed == 1) {
            ++m_placements;
            // The point goes to the one who placed; the scorer moves again, otherwise the
            // turn passes to the other participant of the game mode.
            for (int p = 1; p <= 3; ++p) {
                const int expected = p == before.current_player ? gained : 0;
                if (s.score[p] - before.score[p] != expected)
                    return fail(QStringLiteral("participant %1 gained %2 points, not %3")
                                    .arg(p)
                                    .arg(s.score[p] - before.score[p])
                                    .arg(expected));
            }
            const int other = s.game_mode == 2 ? game::kComputer : 2;
            const int next =
                gained > 0 ? before.current_player : (before.current_player == 1 ? other : 1);
            if (!s.game_over && s.current_player != next)
                return fail(QStringLiteral("participant %1 to move after %2's move, not %3")
                                .arg(s.current_player)
                                .arg(before.current_player)
                                .arg(next));
            if (s.sound_on && (m_sounds.isEmpty() || m_sounds.first() != 2))
                return fail(QStringLiteral("a placement without the placement sound"));
            // The placement that fills the board or brings a score to the target ends the game.
            bool reached = filled == game::kCells;
            for (int p = 1; p <= 3; ++p)
                reached = reached || (s.score_limit > 0 && s.score[p] >= s.score_limit);
            if (reached && !s.game_over)
                return fail(
                    QStringLiteral("the game goes on with a full board or a score at "
                                   "the target"));
        } else if (s.current_player != before.current_player || s.score != before.score ||
                   gained != 0) {
            return fail(QStringLiteral("turn, score or lines changed without a placement"));
        }

        if (s.game_over && !before.game_over) {
            ++m_ended;
            if (filled == game::kCells) ++m_fullBoards;
            if (s.score_limit <= 0 && filled != game::kCells)
                return fail(QStringLiteral("the game ended before the board was full"));
            const int winner = winnerOf(s);
            if (s.score_limit > 0 && filled != game::kCells &&
                (winner == 0 || s.score[winner] < s.score_limit))
                return fail(QStringLiteral("the game ended with no score at the target"));
            QWidget *result = openWindow("Form3");
            if (!result) return fail(QStringLiteral("no result window at the end"));
            const auto *label = result->findChild<QLabel *>(QStringLiteral("Label1"));
            const int named = winner == 0 ? 0 : s.game_mode == 2 ? 1 : winner;
            const QString name = named ? QString::fromStdString(s.player_name[named]) : QString();
            if (!label || label->text() != name)
                return fail(QStringLiteral("the result names \"%1\", not \"%2\"")
                                .arg(label ? label->text() : QStringLiteral("?"), name));
            const int endSound = s.game_mode == 2 && winner != 1 ? 1 : 3;
            if (s.sound_on && m_sounds.value(m_sounds.size() - 1) != endSound)
                return fail(QStringLiteral("the game ended with sound %1, not %2")
                                .arg(m_sounds.value(m_sounds.size() - 1))
                                .arg(endSound));
        } else if (!s.game_over) {
            return checkRunning(s, now);
        }
        if (m_timer1->isActive() || m_timer2->isActive())
            return fail(QStringLiteral("a timer runs after the game"));
        return checkBoard(s, now);
    }

    bool checkRunning(const game::GameState &s, const Snapshot &now) {
        if (s.current_player < 1 || s.current_player > 3)
            return fail(QStringLiteral("current_player %1").arg(s.current_player));
        if (!m_timer1->isActive()) return fail(QStringLiteral("the clock stands in a game"));
        if (m_timer2->isActive() != (s.current_player == game::kComputer))
            return fail(QStringLiteral("the computer's timer is %1 with participant %2 to move")
                            .arg(m_timer2->isActive() ? "armed" : "off")
                            .arg(s.current_player));
        if (m_turnLabel->text() != QString::fromStdString(s.player_name[s.current_player]))
            return fail(QStringLiteral("the turn label reads \"%1\" for participant %2")
                            .arg(m_turnLabel->text())
                            .arg(s.current_player));
        return checkBoard(s, now);
    }

    // Scores equal the struck lines, which are exactly the S-O-S lines on the board, and every
    // cell shows its letter.
    bool checkBoard(const game::GameState &s, const Snapshot &now) {
        if (!s.sound_on && !m_sounds.isEmpty())
            return fail(QStringLiteral("sound %1 played with sound off").arg(m_sounds.first()));
        const int total = s.score[1] + s.score[2] + s.score[3];
        if (total != now.lines)
            return fail(QStringLiteral("scores %1+%2+%3 but %4 struck lines")
                            .arg(s.score[1])
                            .arg(s.score[2])
                            .arg(s.score[3])
                            .arg(now.lines));
        if (struckLines() != sosLines(s.board))
            return fail(QStringLiteral("the struck lines are not the board's S-O-S lines"));
        for (int n = 1; n <= game::kCells; ++n) {
            const QPixmap &shown = m_form.box(n)->picture();
            const int v = s.board[n];
            const bool right = v == game::kEmpty ? shown.isNull()
                                                 : shown.cacheKey() == m_letter[v].cacheKey() ||
                                                       shown.toImage() == m_letter[v].toImage();
            if (!right) return fail(QStringLiteral("cell %1 does not show its letter").arg(n));
        }
        return checkWindows();
    }

    bool checkWindows() {
        for (const char *name : {"Form2", "Form3", "frmAbout"})
            if (windowsNamed(name, false).size() > 1)
                return fail(QStringLiteral("%1 windows named %2")
                                .arg(windowsNamed(name, false).size())
                                .arg(QLatin1String(name)));
        return true;
    }

    const std::uint64_t m_seed;
    std::mt19937_64 m_random;
    Form1 &m_form;
    ui::LineOverlay *m_overlay = nullptr;
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
    QLabel *m_turnLabel = nullptr;
    QList<QLabel *> m_labels;
    QPixmap m_letter[3];

    Qt::MouseButtons m_held;
    QPointer<QWindow> m_grab;
    QPoint m_pressedAt;  // where the first of the buttons held went down
    QString m_pressedOn;
    int m_timestamp = 0;
    QPointer<Form2> m_messageHooked;
    QList<int> m_sounds;
    bool m_mayStartGame = false;
    bool m_started = false;
    int m_games = 0;
    int m_ended = 0;
    int m_placements = 0;
    int m_fullBoards = 0;
    int m_index = 0;
    QString m_failure;
    std::deque<QString> m_log;
};

}  // namespace

class TestSoak : public QObject {
    Q_OBJECT

    static inline QtMessageHandler s_previousHandler = nullptr;

private slots:
    void initTestCase() {
        ui::installFontSubstitutes();
        // The offscreen platform cannot raise windows; the program raises every window it
        // shows, thousands of times here.
        s_previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.contains(QLatin1String("This plugin does not support")) &&
                    s_previousHandler)
                    s_previousHandler(type, context, message);
            });
    }

    void randomInput() {
        const std::uint64_t seed = qEnvironmentVariableIsSet("TRILET_SOAK_SEED")
                                       ? qEnvironmentVariable("TRILET_SOAK_SEED").toULongLong()
                                       : std::random_device{}();
        const int events = envInt("TRILET_SOAK_EVENTS", kDefaultEvents);
        g_timeOfDay = std::int64_t(seed % 1'000'000'007);
        qInfo("soak: seed %llu, %d events", static_cast<unsigned long long>(seed), events);

        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Soak soak(seed, form);
        QVERIFY(soak.ready());
        for (int i = 1; i <= events; ++i)
            if (!soak.step(i)) QFAIL(qPrintable(soak.failure()));
        qInfo("soak: %d events, %d letters placed, %d games started, %d ended (%d on a full board)",
              events, soak.placements(), soak.games(), soak.ended(), soak.fullBoards());
        // The storm must have reached the game: games began and ended.
        QVERIFY2(soak.games() > 0 && soak.ended() > 0,
                 qPrintable(QStringLiteral("seed %1: %2 games, %3 ended")
                                .arg(seed)
                                .arg(soak.games())
                                .arg(soak.ended())));
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
