// SPDX-License-Identifier: MIT
// How quickly a placement shows: from the release of a mouse button over an empty cell to
// the end of that cell's paint with its new letter, over whole games between two players at
// one mouse, in the real main window on the offscreen platform with the sound path running
// (on the sound server PULSE_SERVER names; bench/window_figures runs it on a private one with a
// null sink, so that nothing is heard). The mouse events go
// to the window as the platform hands them over, and the cell is painted by the normal update
// path when the event loop gets to it: nothing here forces a paint.
//
// Usage: trilet_response_bench [GAMES, default 5]
// Prints one line of figures in milliseconds, e.g.
// response_median_ms=0.41 response_p90_ms=0.62 response_worst_ms=3.10 worst_at=1/81 placements=405
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "game/game.h"
#include "sound/sound.h"
#include "ui/main/board_cell.h"
#include "ui/main/image_button.h"
#include "ui/main/main_window.h"

namespace {

// Notes when a chosen widget has finished handling a paint event and stops the event loop
// that waits for it.
class PaintWatchingApplication final : public QApplication {
public:
    using QApplication::QApplication;

    // Waits, running the event loop, until the watched widget's next paint has been handled
    // or timeoutMs has passed; returns the clock's reading at the end of that paint, or -1.
    qint64 waitForPaint(int timeoutMs) {
        if (m_paintedAt < 0) {
            QEventLoop loop;
            QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
            m_loop = &loop;
            loop.exec();
            m_loop = nullptr;
        }
        const qint64 at = m_paintedAt;
        m_watched = nullptr;
        return at;
    }

    // Starts watching for the widget's next paint; call it before the event that causes it.
    void watch(QWidget *widget, const QElapsedTimer &clock) {
        m_watched = widget;
        m_clock = &clock;
        m_paintedAt = -1;
    }

    bool notify(QObject *receiver, QEvent *event) override {
        const bool handled = QApplication::notify(receiver, event);
        if (m_watched && receiver == m_watched && event->type() == QEvent::Paint &&
            m_paintedAt < 0) {
            m_paintedAt = m_clock->nsecsElapsed();
            if (m_loop) m_loop->quit();
        }
        return handled;
    }

private:
    QWidget *m_watched = nullptr;
    const QElapsedTimer *m_clock = nullptr;
    qint64 m_paintedAt = -1;
    QEventLoop *m_loop = nullptr;
};

// Lets the event loop run for a while, as the time between two clicks would.
void idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QMouseEvent mouseEvent(QWindow *window, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    return QMouseEvent(type, QPointF(at), window->mapToGlobal(QPointF(at)), button,
                       type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
}

void press(QWindow *window, QPoint at, Qt::MouseButton button) {
    QMouseEvent event = mouseEvent(window, QEvent::MouseButtonPress, at, button);
    QCoreApplication::sendEvent(window, &event);
}

void release(QWindow *window, QPoint at, Qt::MouseButton button) {
    QMouseEvent event = mouseEvent(window, QEvent::MouseButtonRelease, at, button);
    QCoreApplication::sendEvent(window, &event);
}

QPoint centreIn(const MainWindow &form, const QWidget *child) {
    return child->mapTo(&form, child->rect().center());
}

void closeResultWindow() {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("Form3") && window->isVisible()) window->close();
}

struct Sample {
    double ms;
    int game;
    int placement;
};

double percentile(const std::vector<double> &sorted, double p) {
    const auto at = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[at];
}

// The offscreen platform's notes about what it cannot do with windows are no news here.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", "/usr/share/fonts/truetype");
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    qInstallMessageHandler(quietOffscreenNotes);
    PaintWatchingApplication app(argc, argv);
    QElapsedTimer clock;
    clock.start();
    std::vector<Sample> samples;
    {
        MainWindow form;
        app.watch(&form, clock);
        form.show();
        if (app.waitForPaint(5000) < 0) {
            std::fprintf(stderr, "response_bench: the main window was never painted\n");
            return 1;
        }
        idle(200);
        QWindow *window = form.windowHandle();

        // Two players at one mouse, sound on, until the board is full: every placement is
        // a mouse release.
        game::Options twoPlayers;
        twoPlayers.mode = game::GameMode::TwoPlayers;
        twoPlayers.name1 = "Lorna Quillet";
        twoPlayers.name2 = "Ruth Penhallo";
        twoPlayers.soundOn = true;
        twoPlayers.untilFull = true;
        form.game().applyOptions(twoPlayers);

        std::mt19937 random(20030);
        const game::GameState &state = form.game().state();
        for (int g = 1; g <= games; ++g) {
            const QPoint start = centreIn(form, form.commandButton(0));
            press(window, start, Qt::LeftButton);
            release(window, start, Qt::LeftButton);
            idle(20);
            if (state.game_over) {
                std::fprintf(stderr, "response_bench: Start Game started nothing\n");
                return 1;
            }
            for (int placement = 1; !state.game_over; ++placement) {
                std::vector<int> empty;
                for (int n = 1; n <= game::kCells; ++n)
                    if (state.board[n] == game::kEmpty) empty.push_back(n);
                const int n = empty[random() % empty.size()];
                const Qt::MouseButton button = random() % 2 ? Qt::LeftButton : Qt::RightButton;
                ui::BoardCell *cell = form.cell(n);
                const QPoint at = centreIn(form, cell);

                press(window, at, button);
                idle(2);
                app.watch(cell, clock);
                const qint64 released = clock.nsecsElapsed();
                release(window, at, button);
                const qint64 painted = app.waitForPaint(1000);
                if (painted < 0 || cell->picture().isNull()) {
                    std::fprintf(stderr, "response_bench: cell %d was not painted in 1 s\n", n);
                    return 1;
                }
                samples.push_back({static_cast<double>(painted - released) / 1e6, g, placement});
                idle(5);
            }
            closeResultWindow();
            idle(20);
        }
    }
    sound::shutDown();

    std::vector<double> sorted;
    for (const Sample &s : samples) sorted.push_back(s.ms);
    std::sort(sorted.begin(), sorted.end());
    const Sample worst =
        *std::max_element(samples.begin(), samples.end(),
                          [](const Sample &a, const Sample &b) { return a.ms < b.ms; });
    std::printf(
        "response_median_ms=%.3f response_p90_ms=%.3f response_worst_ms=%.3f worst_at=%d/%d "
        "placements=%zu\n",
        percentile(sorted, 0.5), percentile(sorted, 0.9), worst.ms, worst.game, worst.placement,
        samples.size());
    return 0;
}
