// SPDX-License-Identifier: MIT
// The main window driven with the mouse and the keyboard: start-up, placing, struck lines, the
// new-game question, the clock and the computer on their timers, the command buttons' looks,
// the keyboard's cursor and command keys, what a screen reader hears, the windows it opens and
// closing it; the result window's pictures and name, and clicks on it and on the About box.
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QTimerEvent>
#include <algorithm>

#include "ui/about/about_box.h"
#include "ui/common/pictures.h"
#include "ui/main/held_keys.h"
#include "ui/main/reset_question.h"
#include "ui/result/result_window.h"
#include "ui_test.h"

using namespace uitest;
using game::ResultPicture;

Q_DECLARE_METATYPE(ResultPicture)

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    MainWindow *m_form = nullptr;
    QList<int> m_sounds;

    const game::GameState &state() { return m_form->game().state(); }
    QLabel *label(const char *name) { return m_form->findChild<QLabel *>(QLatin1String(name)); }
    void clickCommand(int i) { QTest::mouseClick(m_form->commandButton(i), Qt::LeftButton); }
    void start(int mode, int limit) {
        m_form->game().applyOptions(settings(mode, limit));
        clickCommand(0);
    }
    void play(const QString &moves) { uitest::play(*m_form, moves); }
    int filled() {
        return int(std::count_if(state().board.begin() + 1, state().board.end(),
                                 [](std::int16_t v) { return v != game::kEmpty; }));
    }
    // The letter picture a shot of the window shows in a cell: 'S', 'O' or '-'.
    char letterIn(const QImage &shot, int cell) {
        static const QImage s = picture("letter_s.bmp"), o = picture("letter_o.bmp");
        const QImage shown = shot.copy(QRect(m_form->cell(cell)->pos(), s.size()));
        return alike(shown, s) ? 'S' : alike(shown, o) ? 'O' : '-';
    }
    // The look of command button i: 'N' normal, 'H' highlighted, 'P' pressed.
    char look(int i) {
        const char *kNames[] = {"start", "options", "about"};
        const QImage shown = rgb(m_form->commandButton(i)->picture().toImage());
        for (auto [code, suffix] : {std::pair{'N', "normal"}, {'H', "hover"}, {'P', "pressed"}})
            if (shown == picture(QStringLiteral("button_%1_%2.gif").arg(kNames[i], suffix)))
                return code;
        return '?';
    }

private slots:
    void init() {
        m_sounds.clear();
        m_form = new MainWindow;
        m_form->setSoundOutput([this](int sound) { m_sounds.append(sound); });
        m_form->setAskReset([](QWidget *) { return true; });
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }
    void cleanup() { delete m_form; }

    // Before the first game: letters in a checkerboard on an empty board, and the labels.
    void startUp() {
        const QImage shown = shot(m_form);
        for (int cell = 1; cell <= game::kCells; ++cell)
            QCOMPARE(letterIn(shown, cell), cell % 2 ? 'S' : 'O');
        QCOMPARE(readName(m_form->cell(41)), QStringLiteral("Row 5, column 5: empty"));
        QCOMPARE(m_form->cell(1)->geometry(), QRect(11, 9, 35, 35));
        QCOMPARE(m_form->cell(81)->geometry(), QRect(317, 315, 35, 35));
        const std::pair<const char *, const char *> labels[] = {
            {"timelbl", "00:00:00"}, {"giliranlbl", "None/Tuyul"},   {"Scorelbl1", "00"},
            {"Scorelbl2", "00"},     {"namalbl1", "Lorna Quillet:"}, {"namalbl2", "Player 2:"}};
        for (auto [name, text] : labels) QCOMPARE(label(name)->text(), QString::fromLatin1(text));
    }

    // A press on cell 25 and a release, sent to the window as a mouse sends them: only the
    // release of the left or the right button over the same cell places a letter.
    void placement_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<QString>("placed");
        const QPoint cell(258, 102);
        QTest::newRow("left") << Qt::LeftButton << cell << "S";
        QTest::newRow("right") << Qt::RightButton << cell << "O";
        QTest::newRow("middle") << Qt::MiddleButton << cell << "-";
        QTest::newRow("released on the next cell") << Qt::LeftButton << cell + QPoint(38, 0) << "-";
        QTest::newRow("released in the gap") << Qt::RightButton << cell + QPoint(19, 0) << "-";
        QTest::newRow("released on the surface") << Qt::LeftButton << QPoint(360, 60) << "-";
    }
    void placement() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releaseAt);
        QFETCH(QString, placed);
        start(1, 0);
        QTest::mousePress(m_form->windowHandle(), button, {}, QPoint(258, 102));  // on cell 25
        QTest::mouseRelease(m_form->windowHandle(), button, {}, releaseAt);
        const bool none = placed == "-";
        QCOMPARE(QString(QChar(letterIn(shot(m_form), 25))), placed);
        QCOMPARE(readName(m_form->cell(25)), "Row 3, column 7: " + (none ? "empty" : placed));
        QCOMPARE(m_sounds, none ? QList<int>{} : QList<int>{2});
    }

    // The last move strikes a black line from the centre of the first cell to that of the
    // last, over the letters (a new game wiping it off the screen is seen in the real program).
    void struckLines_data() {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("row") << "S1 S3 O2" << 1 << 3;
        QTest::newRow("column") << "S1 S19 O10" << 1 << 19;
        QTest::newRow("diagonal") << "S1 S21 O11" << 1 << 21;
        QTest::newRow("other diagonal") << "S3 S19 O11" << 3 << 19;
    }
    void struckLines() {
        QFETCH(QString, moves);
        QFETCH(int, first);
        QFETCH(int, last);
        start(1, 0);
        play(moves);
        const QPointF a = QPointF(m_form->cell(first)->pos()) + QPointF(17.5, 17.5);
        const QPointF b = QPointF(m_form->cell(last)->pos()) + QPointF(17.5, 17.5);
        const QImage struck = shot(m_form);
        const QList<qreal> along = {0.05, 0.3, 0.45, 0.5, 0.55, 0.7, 0.95};  // cells and gaps
        for (qreal t : along)
            QCOMPARE(QColor(struck.pixel((a + (b - a) * t).toPoint())), QColor(Qt::black));
    }

    // "Start Game" asks, in the real question box, before it throws a running game away.
    void newGame_data() {
        QTest::addColumn<QString>("before");  // moves of a game to a score of 1
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("asked");
        QTest::newRow("at start-up") << "" << QMessageBox::No << false;
        QTest::newRow("running, No") << "S1 S5" << QMessageBox::No << true;
        QTest::newRow("running, Yes") << "S1 S5" << QMessageBox::Yes << true;
        QTest::newRow("after the game end") << "S1 S3 O2" << QMessageBox::No << false;
    }
    void newGame() {
        QFETCH(QString, before);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, asked);
        if (!before.isEmpty()) start(1, 1);
        play(before);
        m_form->setAskReset(ui::askResetGame);
        const QImage was = shot(m_form);
        QString seen;
        answerNextBox(m_form, answer, &seen);
        clickCommand(0);
        QCOMPARE(seen, asked ? "What's up Dog !!: Are you serious to reset the game !!" : "");
        if (asked && answer == QMessageBox::No) {
            QVERIFY(alike(shot(m_form), was));
            return;
        }
        QVERIFY(!state().game_over);
        QCOMPARE(filled(), 0);
        QCOMPARE(label("Scorelbl1")->text(), QStringLiteral("00"));
        const QImage wiped = shot(m_form);
        for (int cell : {1, 2, 3, 5, 81}) QCOMPARE(letterIn(wiped, cell), '-');
    }

    // The clock runs from a new game to the game's end, one second a tick.
    void clock() {
        QVERIFY(!tick(m_form, "Timer1"));
        start(1, 1);
        QVERIFY(tick(m_form, "Timer1"));
        QCOMPARE(label("timelbl")->text(), QStringLiteral("00:00:01"));
        play("S1 S3 O2");
        QVERIFY(!tick(m_form, "Timer1"));
    }

    // The computer answers on its own timer, half a second after its turn came, and the mouse
    // has no say on its turn.
    void againstTheComputer() {
        start(2, 0);
        play("S1");
        QCOMPARE(label("giliranlbl")->text(), QStringLiteral("Com"));
        QCOMPARE(m_form->findChild<QTimer *>(QStringLiteral("Timer2"))->interval(), 500);
        play("S81");
        QCOMPARE(filled(), 1);
        QVERIFY(tick(m_form, "Timer2"));
        QCOMPARE(filled(), 2);
        QCOMPARE(state().board[81], game::kEmpty);
        QCOMPARE(label("giliranlbl")->text(), QStringLiteral("Lorna Quillet"));
        QVERIFY(!tick(m_form, "Timer2"));
    }

    // A double click on an image button is one click: at start-up it starts a game, and the
    // second click asks no question.
    void doubleClick() {
        int asked = 0;
        m_form->setAskReset([&asked](QWidget *) { return ++asked, true; });
        QTest::mouseDClick(m_form->windowHandle(), Qt::LeftButton, {}, QPoint(443, 118));
        QVERIFY(!state().game_over);
        QCOMPARE(asked, 0);
        clickCommand(0);  // a second click of its own asks
        QCOMPARE(asked, 1);
    }

    // Key scripts in a game between two players ("press": a mouse click on the bare surface),
    // then where the cursor stands, whether its ring shows and what the board holds. Placing
    // goes the mouse's way: a placement sound for each letter.
    void keyboard_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("placed");
        QTest::newRow("untouched") << "" << 41 << false << "";
        QTest::newRow("edges stop it") << "PgUp Home Up Left" << 1 << true << "";
        QTest::newRow("the other edges too") << "End Right PgDown Down" << 81 << true << "";
        QTest::newRow("keypad arrow") << "Num+Left" << 40 << true << "";
        QTest::newRow("s and O") << "Up S Down Shift+O" << 41 << true << "S32 O41";
        QTest::newRow("taken cell") << "S O" << 41 << true << "S41";
        QTest::newRow("keys of no meaning") << "A Ctrl+S Alt+Right Ctrl+Space" << 41 << false << "";
        QTest::newRow("a press hides it") << "Right press" << 42 << false << "";
        QTest::newRow("a key shows it again") << "Right press S" << 42 << true << "S42";
    }
    void keyboard() {
        QFETCH(QString, script);
        QFETCH(int, cursor);
        QFETCH(bool, shown);
        QFETCH(QString, placed);
        start(1, 0);
        m_sounds.clear();
        for (const QString &key : script.split(' ', Qt::SkipEmptyParts)) {
            const QKeyCombination combination = QKeySequence::fromString(key)[0];
            if (key == "press")
                QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {}, {360, 60});
            else
                QTest::keyClick(m_form, combination.key(), combination.keyboardModifiers());
        }
        QCOMPARE(m_form->cursor().cell(), cursor);
        QCOMPARE(m_form->cursor().shown(), shown);
        QStringList board;
        for (int n = 1; n <= game::kCells; ++n)
            if (state().board[n] != game::kEmpty)
                board
                    << QStringLiteral("%1%2").arg(state().board[n] == game::kS ? 'S' : 'O').arg(n);
        QCOMPARE(board.join(' '), placed);
        QCOMPARE(m_sounds, QList<int>(board.size(), 2));
        QCOMPARE(QAccessible::queryAccessibleInterface(m_form->cell(cursor))->state().focused,
                 shown);
        // The ring lies in the gap above the cell.
        const QPoint gap = m_form->cell(cursor)->pos() - QPoint(0, 2);
        const QColor ring = shot(m_form).pixelColor(gap);
        QCOMPARE(ring == QColor(255, 140, 0), shown);
    }

    // What a screen reader hears: one notification a move, with the letter and its cell, the
    // lines struck, who scored and the new score, and the turn whenever it passes, equal names
    // or not; an options change says nothing.
    void narration() {
        QWidget *announcer = m_form->findChild<QWidget *>(QStringLiteral("announcer"));
        QStringList notifications;
        game::Options options = settings(1, 0);
        options.name1 = options.name2 = "Same";
        m_form->game().applyOptions(options);
        clickCommand(0);
        for (const QString step : {"S1", "S3", "O2", "O50", "rename"}) {
            if (step == "rename")
                m_form->game().applyOptions(settings(1, 0, true, "Renamed"));
            else
                play(step);
            QCoreApplication::sendPostedEvents();  // one move at a time, as a player makes them
            if (!readName(announcer).isEmpty()) notifications << readName(announcer);
            announcer->setAccessibleName(QString());
        }
        QCOMPARE(notifications,
                 QStringList({"Row 1, column 1: S. Turn: Same", "Row 1, column 3: S. Turn: Same",
                              "Row 1, column 2: O. S-O-S from row 1, column 1 to row 1, column 3. "
                              "Same: 1",
                              "Row 6, column 5: O. Turn: Same"}));
    }

    // The reading keys, and the readings as accessible actions, after a short game: each
    // reading is one notification, a held key reads once, and nothing changes on the screen but
    // the cursor that Shift+L moves.
    void readings_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("moves");  // placements, "C" the computer's turn, "new" a new
                                             // game; "none" starts no game
        QTest::addColumn<QString>("keys");   // "held R": R held down; "unmarked R": held, the
                                             // repeats not marked as such and the last coming in
                                             // after the key is up; "Read row@10": the action of
                                             // cell 10 (of the window: @0); parted by ", "
        QTest::addColumn<QString>("heard");  // the notifications, parted by "|"
        QTest::addColumn<int>("cursor");     // where it ends, shown; 0: hidden where it was
        // clang-format off
        QTest::newRow("a corner's diagonal") << 1 << "S73" << "PgDown, Home, D, Shift+D"
            << "Diagonal from row 9, column 1 to row 9, column 1: S|"
               "Diagonal from row 1, column 9 to row 9, column 1: 8 empty, S" << 73;
        QTest::newRow("after the game end") << 1 << "S1 O2 S3" << "T"
            << "Lorna Quillet: 1, Player 2: 0. No game is running." << 0;
        QTest::newRow("none in a new game") << 1 << "S37 new" << "L, Shift+L" << "No move yet|No move yet" << 0;
        QTest::newRow("held keys read once") << 1 << "S37" << "held R, held T, held L, held Shift+L"
            << "Row 5: S, 8 empty|Lorna Quillet: 0, Player 2: 0. Turn: Player 2|"
               "Last move: S in row 5, column 1, by Lorna Quillet" << 37;
        QTest::newRow("held, repeats unmarked") << 1 << "S37" << "unmarked R, R, R"
            << "Row 5: S, 8 empty|Row 5: S, 8 empty|Row 5: S, 8 empty" << 0;
        QTest::newRow("actions") << 1 << "S17" << "Read row@10, Read column@10, Read diagonals@17, "
            "Read score and turn@0, Read last move@0, Go to last move@0"
            << "Row 2: 7 empty, S, empty|Column 1: 9 empty|"
               "Diagonal from row 1, column 7 to row 3, column 9: empty, S, empty. "
               "Diagonal from row 1, column 9 to row 9, column 1: empty, S, 7 empty|"
               "Lorna Quillet: 0, Player 2: 0. Turn: Player 2|"
               "Last move: S in row 2, column 8, by Lorna Quillet" << 17;
        QTest::newRow("placing actions") << 1 << "" << "Place S@41, Place O@42, Place S@41"
            << "Row 5, column 5: S. Turn: Player 2|Row 5, column 6: O. Turn: Lorna Quillet" << 0;
        // clang-format on
    }
    void readings() {
        QFETCH(int, mode);
        QFETCH(QString, moves);
        QFETCH(QString, keys);
        QFETCH(QString, heard);
        QFETCH(int, cursor);
        QWidget *announcer = m_form->findChild<QWidget *>(QStringLiteral("announcer"));
        if (moves != "none") start(mode, mode == 2 ? 3 : 1);
        for (const QString &step : moves.split(' ', Qt::SkipEmptyParts)) {
            if (step == "C")
                QVERIFY(tick(m_form, "Timer2"));
            else if (step == "new")
                clickCommand(0);
            else if (step != "none")
                play(step);
        }
        QCoreApplication::sendPostedEvents();
        announcer->setAccessibleName(QString());  // what the moves said
        const QImage was = shot(m_form);
        QStringList notifications;
        bool down = false;  // the key pressed is down on the X server
        m_form->findChild<ui::HeldKeys *>()->setKeyDown(
            [&down](const QKeyEvent &) { return down; });
        for (QString step : keys.split(", ")) {
            if (const int at = int(step.indexOf('@')); at > 0) {
                const int cell = step.mid(at + 1).toInt();
                QWidget *target = cell ? static_cast<QWidget *>(m_form->cell(cell)) : m_form;
                QAccessible::queryAccessibleInterface(target)->actionInterface()->doAction(
                    step.left(at));
            } else {  // the key goes down on the X server at its first press, up before its last
                const QString how = step.section(' ', 0, -2);  // "", "held" or "unmarked"
                const QKeyCombination key = QKeySequence::fromString(step.section(' ', -1))[0];
                const auto send = [&](bool press, bool repeat) {
                    QTest::simulateEvent(m_form, press, key.key(), key.keyboardModifiers(), {},
                                         repeat);
                };
                down = true;
                send(true, false);
                for (int repeat = 0; !how.isEmpty() && repeat < 3; ++repeat)
                    for (bool press : {false, true}) send(press, how == "held");
                down = false;
                if (how == "unmarked") send(false, false), send(true, false);  // come in late
                send(false, false);
            }
            QCoreApplication::sendPostedEvents();  // an action runs queued, as a click would,
            QCoreApplication::sendPostedEvents();  // and then its words are said
            if (!readName(announcer).isEmpty()) notifications << readName(announcer);
            announcer->setAccessibleName(QString());
        }
        QCOMPARE(notifications.join('|'), heard);
        QCOMPARE(m_form->cursor().cell(), cursor ? cursor : 41);
        QCOMPARE(m_form->cursor().shown(), cursor != 0);
        if (!cursor && !keys.startsWith("Place")) QVERIFY(alike(shot(m_form), was));
    }

    // The command keys: Ctrl+N asks before it throws a running game away (held down, once),
    // F1 opens the About box and Ctrl+, the options; Escape and Enter close the About box (the
    // result window's keys are tried in the real program).
    void commandKeys() {
        int asked = 0;
        m_form->setAskReset([&asked](QWidget *) { return ++asked, true; });
        QTest::keyClick(m_form, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(!state().game_over);
        QCOMPARE(asked, 0);
        QTest::keyPress(m_form, Qt::Key_N, Qt::ControlModifier);
        QTest::simulateEvent(m_form, true, Qt::Key_N, Qt::ControlModifier, {}, true);
        QCOMPARE(asked, 1);
        QTest::keyClick(m_form, Qt::Key_Comma, Qt::ControlModifier);
        QCOMPARE(visibleWindows("Form2").size(), 1);
        for (const auto &[key, modifiers] : {std::pair{Qt::Key_Escape, Qt::NoModifier},
                                             {Qt::Key_Return, Qt::NoModifier},
                                             {Qt::Key_Enter, Qt::KeypadModifier}}) {
            QTest::keyClick(m_form, Qt::Key_F1);
            QWidget *about = visibleWindows("frmAbout").value(0);
            QVERIFY(about);
            QTest::keyClick(about, Qt::Key_Space);
            QTest::keyClick(about, key, Qt::ControlModifier);
            QVERIFY2(about->isVisible(), "closed by Space or with Ctrl");
            QTest::keyClick(about, key, modifiers);
            QVERIFY(!about->isVisible());
        }
        // Assistive technology presses the About button, then closes the box; both run queued.
        const auto act = [](QWidget *control, const QString &action) {
            QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(action);
            QCoreApplication::sendPostedEvents();
        };
        act(m_form->commandButton(2), QStringLiteral("Press"));
        QWidget *about = visibleWindows("frmAbout").value(0);
        QVERIFY(about);
        act(about, QStringLiteral("Close"));
        QVERIFY(!about->isVisible());
    }

    // Mouse scripts on the window, "move P", "press P B" and "release P B" (B: L, R or M),
    // and the looks of the Start Game, Options and About buttons after them.
    void buttonLooks_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("looks");
        QTest::addColumn<bool>("started");  // "Start Game" ran
        // clang-format off
        QTest::newRow("untouched") << "" << "NNN" << false;
        QTest::newRow("onto Start") << "move b0" << "HNN" << false;
        QTest::newRow("into the gap") << "move b0;move gap" << "NNN" << false;
        QTest::newRow("skipping the gap") << "move b0;move b1" << "NHN" << false;
        QTest::newRow("onto a cell keeps it") << "move b1;move cell" << "NHN" << false;
        QTest::newRow("onto a label keeps it") << "move b2;move label" << "NNH" << false;
        QTest::newRow("the surface resets it") << "move b2;move label;move surface" << "NNN" << false;
        QTest::newRow("right press") << "move b2;press b2 R" << "NNP" << false;
        QTest::newRow("middle release") << "move b0;press b0 M;release b0 M" << "HNN" << false;
        QTest::newRow("left click") << "move b0;press b0 L;release b0 L" << "HNN" << true;
        QTest::newRow("dragged off") << "move b0;press b0 L;move surface" << "PNN" << false;
        QTest::newRow("released off") << "move b0;press b0 L;move surface;release cell L" << "HNN" << false;
        QTest::newRow("drag from a cell") << "move b1;press cell L;move b0" << "NHN" << false;
        // clang-format on
    }
    void buttonLooks() {
        QFETCH(QString, script);
        QFETCH(QString, looks);
        QFETCH(bool, started);
        QWindow *window = m_form->windowHandle();
        const QMap<QString, QPoint> at = {
            {"b0", {443, 118}},     {"b1", {443, 166}},   {"b2", {443, 214}},   {"gap", {443, 142}},
            {"surface", {360, 60}}, {"cell", {258, 102}}, {"label", {380, 278}}};
        const QMap<QString, Qt::MouseButton> buttons = {
            {"L", Qt::LeftButton}, {"R", Qt::RightButton}, {"M", Qt::MiddleButton}};
        auto letGo = qScopeGuard([&] {  // whatever a row holds, so that the next starts clean
            for (Qt::MouseButton b : buttons) QTest::mouseRelease(window, b, {}, at["surface"]);
        });
        QTest::mouseMove(window, QPoint(2, 2));  // away from where the last row left it
        for (const QString &step : script.split(';', Qt::SkipEmptyParts)) {
            const QStringList w = step.split(' ');
            if (w[0] == "move")
                QTest::mouseMove(window, at[w[1]]);
            else if (w[0] == "press")
                QTest::mousePress(window, buttons[w[2]], {}, at[w[1]]);
            else
                QTest::mouseRelease(window, buttons[w[2]], {}, at[w[1]]);
        }
        QCOMPARE(QString(look(0)) + look(1) + look(2), looks);
        QCOMPARE(!state().game_over, started);
    }

    // Names are shown whole and as typed, never read as markup.
    void namesArePlainText() {
        for (const QString name : {"<b>x</b>", "Maximilian Alexander von Langenname"}) {
            m_form->game().applyOptions(settings(1, 0, true, name.toStdString()));
            clickCommand(0);
            QCOMPARE(label("namalbl1")->text(), name + ":");
            for (QLabel *l : {label("namalbl1"), label("giliranlbl")})
                QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()),
                         qPrintable(name));
        }
    }

    // The picture sits unscaled at the top left; the strip it leaves free is white.
    void resultPicture_data() {
        QTest::addColumn<QList<ResultPicture>>("fills");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("said");
        using enum ResultPicture;
        // clang-format off
        QTest::newRow("before any fill") << QList<ResultPicture>{} << "result_initial.bmp" << "Lorna Quillet is the winner";
        QTest::newRow("winner") << QList{Winner} << "result_winner.bmp" << "Ann is the winner";
        QTest::newRow("loser") << QList{Loser} << "result_loser.bmp" << "Ann is the loser";
        QTest::newRow("draw") << QList{Draw} << "result_draw.bmp" << "The game is a draw";
        // clang-format on
    }
    void resultPicture() {
        QFETCH(QList<ResultPicture>, fills);
        QFETCH(QString, picture);
        QFETCH(QString, said);
        ResultWindow window;
        for (ResultPicture fill : fills) window.fill(QStringLiteral("Ann"), fill);
        window.findChild<QLabel *>(QStringLiteral("Label1"))->hide();
        QImage expected(480, 388, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(0, 0, uitest::picture(picture));
        QVERIFY(alike(shot(&window), expected));
        QCOMPARE(readName(&window), said);
    }

    // The name is drawn as typed in a serif face, in a label that never grows: a longer one is
    // cut off at both edges, neither elided nor wrapped.
    void nameLabel() {
        for (const QString name : {"<b>x</b>", "Maximilian Bartholomew Featherstonehaugh"}) {
            ResultWindow window;
            window.fill(name, ResultPicture::Winner);
            auto *label = window.findChild<QLabel *>(QStringLiteral("Label1"));
            QCOMPARE(label->geometry(), QRect(248, 56, 225, 42));
            QCOMPARE(label->text(), name);
            QVERIFY(!label->wordWrap() && label->textFormat() == Qt::PlainText);
            QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Liberation Serif"));
        }
    }

    // Each window draws the picture for its screen: at a device pixel ratio of 2, the
    // double-size rendering over the same area.
    void densePictures() {
        for (const qreal ratio : {1.0, 2.0}) {
            const QPixmap shown = ui::loadPicture(":/pictures/letter_s.bmp", ratio);
            QCOMPARE(shown.deviceIndependentSize(), QSizeF(33, 34));
            QCOMPARE(rgb(shown.toImage()), picture(ratio > 1 ? "letter_s@2x.png" : "letter_s.bmp"));
        }
    }

    // A press and a release sent to the window as the platform sends them: only the left
    // button's click closes it.
    void click_data() {
        QTest::addColumn<bool>("about");
        QTest::addColumn<QPoint>("pressAt");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("closes");
        const QPoint surface(20, 20), label(360, 77), outside(-30, 20);
        // clang-format off
        QTest::newRow("result, left") << false << surface << surface << Qt::LeftButton << true;
        QTest::newRow("result, right") << false << surface << surface << Qt::RightButton << false;
        QTest::newRow("result, on the name") << false << label << label << Qt::LeftButton << false;
        QTest::newRow("result, from the name off it") << false << label << surface << Qt::LeftButton << false;
        QTest::newRow("About, left") << true << surface << surface << Qt::LeftButton << true;
        QTest::newRow("About, left corner") << true << QPoint(399, 298) << QPoint(399, 298) << Qt::LeftButton << true;
        QTest::newRow("About, released outside") << true << surface << outside << Qt::LeftButton << false;
        // clang-format on
    }
    void click() {
        QFETCH(bool, about);
        QFETCH(QPoint, pressAt);
        QFETCH(QPoint, releaseAt);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, closes);
        QPointer<QWidget> window = about ? static_cast<QWidget *>(new AboutBox) : new ResultWindow;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::mousePress(window->windowHandle(), button, {}, pressAt);
        QVERIFY2(window && window->isVisible(), "closed by the press alone");
        QTest::mouseRelease(window->windowHandle(), button, {}, releaseAt);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(window.isNull(), closes);
        delete window;
    }

    // A secondary window opens centred over the main window, moved inside the screen where
    // that would put it partly off it; opened again, it stays where the user moved it.
    void windowPlacement_data() {
        QTest::addColumn<QPoint>("mainAt");
        QTest::addColumn<bool>("centred");
        QTest::newRow("centred") << QPoint(150, 120) << true;
        QTest::newRow("near the top left") << QPoint(-200, -150) << false;
        QTest::newRow("near the bottom right") << QPoint(2000, 1500) << false;
    }
    void windowPlacement() {
        QFETCH(QPoint, mainAt);
        QFETCH(bool, centred);
        const QRect screen = m_form->screen()->availableGeometry();
        m_form->move(screen.topLeft() + mainAt);
        for (int i : {1, 2}) {
            clickCommand(i);
            QWidget *window = visibleWindows(i == 1 ? "Form2" : "frmAbout").value(0);
            QVERIFY(window);
            QVERIFY2(screen.contains(window->frameGeometry()), window->objectName().toLatin1());
            if (centred)
                QCOMPARE(window->frameGeometry().center(), m_form->frameGeometry().center());
            window->move(window->pos() + QPoint(-40, 30));
            const QPoint moved = window->pos();
            clickCommand(i);
            QCOMPARE(window->pos(), moved);
            window->close();
        }
    }

    // One result window, one About box and one options dialog at most; closing the main
    // window ends the event loop and takes them all along.
    void secondaryWindowsAndClosing() {
        for (const char *moves : {"S1 S3 O2", "S1 S3 S5 O2"}) {  // won by each player in turn
            start(1, 1);
            play(moves);
        }
        const QList<QWidget *> results = visibleWindows("Form3");
        QCOMPARE(results.size(), 1);
        QCOMPARE(results[0]->findChild<QLabel *>("Label1")->text(), QStringLiteral("Player 2"));
        QCOMPARE(m_sounds.last(), 3);
        for (int i : {2, 2, 1, 1}) clickCommand(i);
        QCOMPARE(visibleWindows("frmAbout").size(), 1);
        QCOMPARE(visibleWindows("Form2").size(), 1);
        QTimer::singleShot(0, m_form, &QWidget::close);
        QTimer::singleShot(2000, m_form, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
