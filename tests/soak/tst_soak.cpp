// SPDX-License-Identifier: MIT
// The real windows under a long storm of seeded random input: presses, releases and moves of all
// three mouse buttons over cells, buttons and bare surface, clock and computer ticks, random
// options, new games (the question answered at random), result and About windows clicked. After
// each input the game must hold. The suite runs fixed seeds, so that every run of a build tests
// the same events; TRILET_SOAK_SEED=N replays seed N alone, TRILET_SOAK_SEED=random draws one,
// and TRILET_SOAK_EVENTS sets the length of a run.
#include <QApplication>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <random>

#include "ui/main/board_cell.h"
#include "ui/main/fonts.h"
#include "ui/main/form1.h"
#include "ui/main/image_button.h"
#include "ui/main/line_overlay.h"
#include "ui/options/form2.h"

namespace {

// The S-O-S lines on the board, counted afresh along rows, columns and both diagonals.
int sosLines(const game::GameState &s) {
    constexpr int kSteps[4][2] = {{1, 1}, {9, 0}, {10, 1}, {8, -1}};  // step, column change
    int count = 0;
    for (int n = 1; n <= game::kCells; ++n)
        for (const auto &[d, dc] : kSteps) {
            const int lastColumn = game::columnOf(n) + 2 * dc;
            if (n + 2 * d <= game::kCells && lastColumn >= 1 && lastColumn <= game::kSide)
                count += s.board[n] == game::kS && s.board[n + d] == game::kO &&
                         s.board[n + 2 * d] == game::kS;
        }
    return count;
}

// The top-level windows of that name, or only the visible ones.
QList<QWidget *> windowsNamed(const char *name, bool visibleOnly = false) {
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && (w->isVisible() || !visibleOnly))
            found.append(w);
    return found;
}

constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

}  // namespace

// Also the computer's random source: its random fallback draws from the run's seed too.
class TestSoak : public QObject, public game::RandomSource {
    Q_OBJECT

public:
    void reseed() override {}
    double next() override { return std::uniform_real_distribution<double>(0, 1)(m_random); }

private slots:
    void initTestCase() {
        ui::installFontSubstitutes();
        // Quiet: the offscreen platform warns each time the program raises a window.
        QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    }
    void randomInput_data() {
        QTest::addColumn<quint64>("seed");
        const QString chosen = qEnvironmentVariable("TRILET_SOAK_SEED");
        const QList<quint64> seeds = chosen.isEmpty()     ? QList<quint64>{1, 2, 3}
                                     : chosen == "random" ? QList<quint64>{std::random_device{}()}
                                                          : QList<quint64>{chosen.toULongLong()};
        for (quint64 seed : seeds) QTest::addRow("seed %llu", seed) << seed;
    }
    void randomInput() {
        QFETCH(quint64, seed);
        const int events = qEnvironmentVariable("TRILET_SOAK_EVENTS", "20000").toInt();
        qInfo("soak: seed %llu (TRILET_SOAK_SEED replays it), %d events", seed, events);
        m_random.seed(seed);
        m_placements = m_games = m_ended = 0;
        m_timestamp += 10000;  // no double click across two runs
        Form1 form(this);
        m_form = &form;
        m_timer1 = form.findChild<QTimer *>(QStringLiteral("Timer1"));
        m_timer2 = form.findChild<QTimer *>(QStringLiteral("Timer2"));
        form.setSoundOutput([this](int sound) { m_sounds.append(sound); });
        form.setAskReset([this](QWidget *) { return pick(4) == 0; });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (int i = 1; i <= events; ++i) {
            const game::GameState before = form.game().state();
            m_mayStartGame = false;
            m_sounds.clear();
            act();
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const QString failure = check(before);
            if (!failure.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2: ").arg(seed).arg(i) + failure +
                                 " after " + m_input));
        }
        qInfo("soak: %d letters placed, %d games started, %d ended", m_placements, m_games,
              m_ended);
        for (Qt::MouseButton b : kButtons)  // the next run starts with every button up
            if (m_held & b) mouse(form.windowHandle(), m_pressedAt, b, QEvent::MouseButtonRelease);
        QVERIFY2(m_games > 0 && m_ended > 0, "the input never started and ended a game");
    }

private:
    int pick(int count) { return int(m_random() % std::uint64_t(count)); }
    QPoint inside(const QRect &r) { return {r.x() + pick(r.width()), r.y() + pick(r.height())}; }

    void mouse(QWindow *window, QPoint at, Qt::MouseButton button, QEvent::Type type) {
        m_input = QString::asprintf("mouse event %d, button %d at %d,%d", int(type), int(button),
                                    at.x(), at.y());
        if (type == QEvent::MouseButtonPress) m_held |= button;
        if (type == QEvent::MouseButtonRelease) m_held &= ~button;
        // A left release over Start Game may be the click that starts a new game.
        m_mayStartGame = type == QEvent::MouseButtonRelease && button == Qt::LeftButton &&
                         window == m_form->windowHandle() &&
                         m_form->tombol(0)->geometry().contains(at);
        // A random pause before each: now and then two presses make a double click.
        m_timestamp += 1 + pick(700);
        qt_handleMouseEvent(window, QPointF(at), window->mapToGlobal(QPointF(at)), m_held, button,
                            type, Qt::NoModifier, m_timestamp);
    }

    // A left click; a button still held on the main window is released first, as one input.
    void click(QWidget *window, QPoint at) {
        for (Qt::MouseButton b : kButtons)
            if (m_held & b)
                return mouse(m_form->windowHandle(), m_pressedAt, b, QEvent::MouseButtonRelease);
        mouse(window->windowHandle(), at, Qt::LeftButton, QEvent::MouseButtonPress);
        mouse(window->windowHandle(), at, Qt::LeftButton, QEvent::MouseButtonRelease);
    }

    void actOnOptions(QWidget *dialog) {
        static const char *const kBoxes[] = {"Text1_1", "Text1_2", "Text2"};
        static const char *const kControls[] = {"mode1_1",   "mode1_2",  "Check2",   "Option1_1",
                                                "Option1_2", "Command1", "Command1", "Command2"};
        static const char *const kPieces[] = {"a", "Z", " ", "7", "0", "-", ".", "<b>", "&", "é"};
        if (pick(10) < 4) {
            auto *box = dialog->findChild<QLineEdit *>(QLatin1String(kBoxes[pick(3)]));
            m_input = QStringLiteral("typing into ") + box->objectName();
            if (pick(2)) QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            // Each piece comes as the text of one key, as from a keyboard or an input method.
            for (int i = pick(8); i > 0; --i)
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown,
                                    QString::fromUtf8(kPieces[pick(10)]), Qt::NoModifier);
        } else {
            click(dialog, inside(dialog->findChild<QWidget *>(kControls[pick(8)])->geometry()));
        }
    }

    void act() {
        auto *options = qobject_cast<Form2 *>(windowsNamed("Form2", true).value(0));
        if (options) options->setRangeMessage([](QWidget *) {});  // answered at once
        int roll = pick(1000);
        const auto take = [&roll](int share) { return (roll -= share) < 0; };
        for (QTimer *timer : {m_timer2, m_timer1})
            if (timer->isActive() && take(timer == m_timer2 ? 250 : 30)) {
                m_input = timer->objectName() + " tick";
                QTimerEvent event(timer->timerId());
                return void(QCoreApplication::sendEvent(timer, &event));
            }
        for (int i = 0; i < 3; ++i)
            if (take(i == 0 ? 5 : 15)) return click(m_form, inside(m_form->tombol(i)->geometry()));
        if (options && take(150)) return actOnOptions(options);
        for (const char *name : {"Form3", "frmAbout"})
            if (QWidget *window = windowsNamed(name, true).value(0); window && take(40))
                return click(window, inside(window->rect()));

        // Raw pointer input on the main window; a release comes mostly where the press was.
        QPoint at = inside(pick(20) < 12 ? m_form->box(1 + pick(game::kCells))->geometry()
                           : pick(2)     ? m_form->tombol(pick(3))->geometry()
                                         : m_form->rect());
        if (m_held != Qt::NoButton && pick(10) < 7) at = m_pressedAt;
        const Qt::MouseButton b = kButtons[pick(20) / 9];  // 45 % left, 45 % right, 10 % middle
        if (m_held == Qt::NoButton) m_pressedAt = at;
        if (pick(4) == 0) return mouse(m_form->windowHandle(), at, Qt::NoButton, QEvent::MouseMove);
        mouse(m_form->windowHandle(), at, b,
              m_held & b ? QEvent::MouseButtonRelease : QEvent::MouseButtonPress);
    }

    // Empty when the game holds together after an input that found it as before shows.
    QString check(const game::GameState &before) {
        const game::GameState &s = m_form->game().state();
        const auto *overlay = m_form->findChild<ui::LineOverlay *>(QStringLiteral("lines"));
        const bool timer1 = m_timer1->isActive(), timer2 = m_timer2->isActive();
        int filled = 0, placed = 0, changed = 0;
        for (int n = 1; n <= game::kCells; ++n) {
            if (s.board[n] < game::kEmpty || s.board[n] > game::kO)
                return QString::asprintf("cell %d holds %d", n, s.board[n]);
            filled += s.board[n] != game::kEmpty;
            placed += before.board[n] == game::kEmpty && s.board[n] != game::kEmpty;
            changed += before.board[n] != game::kEmpty && s.board[n] != before.board[n];
        }
        const int lines = int(overlay->lines().size());
        const int total = s.score[1] + s.score[2] + s.score[3];
        if (total != lines || sosLines(s) != lines)
            return QString::asprintf("scores %d+%d+%d, %d struck lines, %d S-O-S on the board",
                                     s.score[1], s.score[2], s.score[3], lines, sosLines(s));
        for (const char *name : {"Form2", "Form3", "frmAbout"})
            if (windowsNamed(name).size() > 1) return QStringLiteral("two ") + name;
        if (!s.sound_on && !m_sounds.isEmpty()) return QStringLiteral("a sound with sound off");

        // Only Start Game wipes the board and starts over.
        if (m_mayStartGame && !s.game_over && filled == 0 && s.current_player == 1) {
            m_games += before.game_over || changed;
        } else if (changed || placed > 1 || (placed && before.game_over) ||
                   (!placed && (s.current_player != before.current_player ||
                                s.score != before.score || s.game_over != before.game_over))) {
            return QString::asprintf("%d changed, %d placed, game over %d to %d, turn %d to %d",
                                     changed, placed, before.game_over, s.game_over,
                                     before.current_player, s.current_player);
        } else if (placed) {
            ++m_placements;
            if (s.sound_on && m_sounds.value(0) != 2) return QStringLiteral("a silent placement");
            m_ended += s.game_over;
        }
        if (s.game_over ? timer1 || timer2
                        : s.current_player < 1 || s.current_player > 3 || !timer1 ||
                              timer2 != (s.current_player == game::kComputer))
            return QString::asprintf("game over %d, %d to move, clock %d, computer's timer %d",
                                     s.game_over, s.current_player, timer1, timer2);
        return {};
    }

    std::mt19937_64 m_random;
    Form1 *m_form = nullptr;
    QTimer *m_timer1 = nullptr, *m_timer2 = nullptr;
    QList<int> m_sounds;
    Qt::MouseButtons m_held;
    QPoint m_pressedAt;
    int m_timestamp = 0;
    bool m_mayStartGame = false;
    int m_placements = 0, m_games = 0, m_ended = 0;
    QString m_input;
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
