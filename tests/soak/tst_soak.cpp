// SPDX-License-Identifier: MIT
// The real windows under a long storm of seeded random input: presses, releases and moves of
// all three mouse buttons over cells, buttons and bare surface (double clicks too), the board
// and command keys to the main window and Escape or Enter to the others, clock and computer ticks,
// clicks on the options' controls, new games (the question answered at random), result and About
// windows clicked; after each input the game must hold. Seeds 1 2 3 by default; TRILET_SOAK_SEED=N
// replays seed N alone, =random draws one; TRILET_SOAK_EVENTS the length.
#include <QLoggingCategory>
#include <QWindow>
#include <algorithm>
#include <random>

#include "game/line_search.h"
#include "tests/ui/ui_test.h"
#include "ui/main/line_overlay.h"
#include "ui/options/options_dialog.h"

using uitest::visibleWindows;

// Also the computer's random source: its random fallback draws from the run's seed too.
class TestSoak : public QObject, public game::RandomSource {
    Q_OBJECT

public:
    void reseed() override {}
    double next() override { return std::uniform_real_distribution<double>(0, 1)(m_random); }

private slots:
    void randomInput_data() {
        QLoggingCategory::setFilterRules("default.warning=false");  // offscreen warns at raise()
        QTest::addColumn<quint64>("seed");
        for (const QString &s : qEnvironmentVariable("TRILET_SOAK_SEED", "1 2 3").split(' '))
            QTest::addRow("seed %s", qPrintable(s))
                << (s == "random" ? quint64(std::random_device{}()) : s.toULongLong());
    }
    void randomInput() {
        QFETCH(quint64, seed);
        const int events = qEnvironmentVariable("TRILET_SOAK_EVENTS", "20000").toInt();
        qInfo("soak: seed %llu (TRILET_SOAK_SEED replays it), %d events", seed, events);
        m_random.seed(seed);
        m_timestamp += 10000;  // no double click across two runs
        MainWindow form(this);
        m_form = &form;
        m_keyed = false;
        form.setSoundOutput([this](int sound) { m_sounds.append(sound); });
        form.setAskReset([this](QWidget *) { return pick(4) == 0; });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        int placed = 0, games = 0;
        for (int i = 1; i <= events; ++i) {
            const game::GameState before = form.game().state();
            m_sounds.clear();
            m_mayStartGame = false;
            act();
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (const QString failure = check(before, &placed, &games); !failure.isEmpty())
                QFAIL(qPrintable(QString("event %1: %2 after %3").arg(i).arg(failure, m_input)));
        }
        while (m_held != Qt::NoButton) click(&form, {});  // the next run starts with buttons up
        QVERIFY2(games > 0 && placed > 0, "the input never started a game and placed a letter");
    }

private:
    int pick(int count) { return int(m_random() % std::uint64_t(count)); }
    QPoint inside(const QRect &r) { return {r.x() + pick(r.width()), r.y() + pick(r.height())}; }
    static QWidget *window(const char *name) { return visibleWindows(name).value(0); }
    QTimer *timer(const char *name) { return m_form->findChild<QTimer *>(QLatin1String(name)); }

    void mouse(QWindow *window, QPoint at, Qt::MouseButton button, QEvent::Type type) {
        m_input = QString::asprintf("mouse event %d, button %d at %d,%d on %s", int(type),
                                    int(button), at.x(), at.y(), qPrintable(window->objectName()));
        if (type != QEvent::MouseMove) m_held.setFlag(button, type == QEvent::MouseButtonPress);
        if (type == QEvent::MouseButtonPress && window == m_form->windowHandle()) m_keyed = false;
        m_mayStartGame = type == QEvent::MouseButtonRelease && button == Qt::LeftButton &&
                         window == m_form->windowHandle() &&
                         m_form->commandButton(0)->geometry().contains(at);
        m_timestamp += 1 + pick(700);  // now and then two presses make a double click
        qt_handleMouseEvent(window, QPointF(at), window->mapToGlobal(QPointF(at)), m_held, button,
                            type, Qt::NoModifier, m_timestamp);
    }
    // A left click; a button still held on the main window is released first, as one input.
    void click(QWidget *window, QPoint at) {
        if (m_held != Qt::NoButton)
            return mouse(m_form->windowHandle(), m_pressedAt,
                         Qt::MouseButton(int(m_held) & -int(m_held)), QEvent::MouseButtonRelease);
        mouse(window->windowHandle(), at, Qt::LeftButton, QEvent::MouseButtonPress);
        mouse(window->windowHandle(), at, Qt::LeftButton, QEvent::MouseButtonRelease);
    }

    void act() {
        auto *options = qobject_cast<OptionsDialog *>(window("Form2"));
        if (options) options->setRangeMessage([](QWidget *) {});  // answered at once
        auto take = [roll = pick(1000)](int share) mutable { return (roll -= share) < 0; };
        for (const char *name : {"Timer2", "Timer1"})
            if (timer(name)->isActive() && take(name[5] == '2' ? 250 : 30)) {
                m_input = QString::fromLatin1(name) + " tick";
                return void(uitest::tick(m_form, name));
            }
        for (int i = 0; i < 3; ++i)
            if (take(i == 0 ? 5 : 15))
                return click(m_form, inside(m_form->commandButton(i)->geometry()));
        static const char *const kControls[] = {"mode1_1",   "mode1_2",  "Check2",  "Option1_1",
                                                "Option1_2", "Command1", "Command2"};
        if (options && take(100))
            return click(options,
                         inside(options->findChild<QWidget *>(kControls[pick(7)])->geometry()));
        for (const char *name : {"Form3", "frmAbout"})
            if (QWidget *w = window(name); w && take(40)) return click(w, inside(w->rect()));
        // clang-format off
        static const QKeyCombination kKeys[] = {  // the board's twelve first
            Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
            Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_S, Qt::Key_O, Qt::Key_Space,
            Qt::SHIFT | Qt::Key_Space, Qt::CTRL | Qt::Key_N, Qt::Key_F1, Qt::CTRL | Qt::Key_Comma,
            Qt::Key_Escape, Qt::Key_Return};
        // clang-format on
        if (take(150)) {
            const int k = pick(int(std::size(kKeys)));
            const QKeyCombination key = kKeys[k];
            QWidget *to = pick(3) ? m_form : window(pick(2) ? "Form3" : "frmAbout");
            m_input = QString::asprintf("key %x to %s", key.toCombined(),
                                        to ? qPrintable(to->objectName()) : "none");
            m_keyed |= to == m_form && k < 12;
            m_mayStartGame = to == m_form && key == (Qt::CTRL | Qt::Key_N);
            return to ? QTest::keyClick(to, key.key(), key.keyboardModifiers()) : void();
        }

        // Raw pointer input on the main window; a release comes mostly where the press was.
        QPoint at = inside(pick(20) < 12 ? m_form->cell(1 + pick(game::kCells))->geometry()
                           : pick(2)     ? m_form->commandButton(pick(3))->geometry()
                                         : m_form->rect());
        if (m_held != Qt::NoButton && pick(10) < 7) at = m_pressedAt;
        const Qt::MouseButton b = Qt::MouseButton(1 << (pick(20) / 9));  // left, right, middle
        if (m_held == Qt::NoButton) m_pressedAt = at;
        if (pick(4) == 0) return mouse(m_form->windowHandle(), at, Qt::NoButton, QEvent::MouseMove);
        mouse(m_form->windowHandle(), at, b,
              m_held & b ? QEvent::MouseButtonRelease : QEvent::MouseButtonPress);
    }

    // Empty when the game holds together after an input that found it as before shows.
    QString check(const game::GameState &before, int *placedInAll, int *games) {
        const game::GameState &s = m_form->game().state();
        const bool clock = timer("Timer1")->isActive(), computer = timer("Timer2")->isActive();
        int filled = 0, placed = 0, changed = 0;
        for (int n = 1; n <= game::kCells; ++n) {
            filled += s.board[n] != game::kEmpty;
            placed += before.board[n] == game::kEmpty && s.board[n] != game::kEmpty;
            changed += before.board[n] != game::kEmpty && s.board[n] != before.board[n];
        }
        if (m_form->cursor().shown() != m_keyed)
            return QString::asprintf("the cursor's ring shown: %d", m_form->cursor().shown());
        const int struck = int(m_form->findChild<ui::LineOverlay *>("lines")->lines().size());
        const int onBoard = int(game::allLines(s.board).size());
        if (s.score[1] + s.score[2] + s.score[3] != struck || onBoard != struck)
            return QString::asprintf("scores %d+%d+%d, %d struck lines, %d S-O-S on the board",
                                     s.score[1], s.score[2], s.score[3], struck, onBoard);
        for (const char *name : {"Form2", "Form3", "frmAbout"})
            if (std::ranges::count_if(QApplication::topLevelWidgets(),
                                      [&](QWidget *w) { return w->objectName() == name; }) > 1)
                return QStringLiteral("two ") + name;
        if (!s.sound_on && !m_sounds.isEmpty()) return QStringLiteral("a sound with sound off");
        if (m_mayStartGame && !s.game_over && filled == 0 && s.current_player == 1) {
            *games += before.game_over || changed;  // only Start Game wipes the board
        } else if (changed || placed > 1 || (placed && before.game_over) ||
                   (!placed && (s.current_player != before.current_player ||
                                s.score != before.score || s.game_over != before.game_over))) {
            return QString::asprintf("%d changed, %d placed, game over %d to %d, turn %d to %d",
                                     changed, placed, before.game_over, s.game_over,
                                     before.current_player, s.current_player);
        } else if (placed) {
            ++*placedInAll;
            if (s.sound_on && m_sounds.value(0) != 2) return QStringLiteral("a silent placement");
        }
        if (s.game_over ? clock || computer
                        : !clock || computer != (s.current_player == game::kComputer))
            return QString::asprintf("game over %d, %d to move, clock %d, computer's timer %d",
                                     s.game_over, s.current_player, clock, computer);
        return {};
    }

    std::mt19937_64 m_random;
    MainWindow *m_form = nullptr;
    QList<int> m_sounds;
    Qt::MouseButtons m_held;
    QPoint m_pressedAt;
    int m_timestamp = 0;
    bool m_mayStartGame = false;
    bool m_keyed = false;  // a board key came after the last press on the main window
    QString m_input;
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
