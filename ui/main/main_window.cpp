// SPDX-License-Identifier: MIT
#include "ui/main/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "sound/sound.h"
#include "ui/common/pictures.h"
#include "ui/common/twips.h"
#include "ui/common/version.h"
#include "ui/main/board_cell.h"
#include "ui/main/command_buttons.h"
#include "ui/main/image_button.h"
#include "ui/main/line_overlay.h"
#include "ui/main/reset_question.h"
#include "ui/main/screen_reader.h"

MainWindow::MainWindow(game::RandomSource *random)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      m_panel(this),
      m_cursor(this, m_cells),
      m_narrator(this),
      m_windows(this),
      m_askReset(ui::askResetGame),
      m_playSound(sound::Play_sound),
      m_game(*this, random ? *random : m_random),
      m_commands(this, m_game, m_cursor, m_narrator,
                 {[this] { startGame(); }, [this] { openOptions(); }, [this] { openAbout(); }}) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Trilet " TRILET_SHORT_VERSION " - Kovlane 2003"));
    setWindowIcon(QIcon(ui::startUpPicture(QStringLiteral(":/icons/trilet.ico"), 1.0)));
    setFixedSize(ui::size(layout::kMainClient));
    // The window itself takes the keys; none of its controls ever has the focus.
    setFocusPolicy(Qt::StrongFocus);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    // Moves over the bare surface reset the buttons' highlight. Cells and labels neither
    // track the pointer nor pass their mouse input on, so moves over them never arrive here.
    setMouseTracking(true);

    ui::installAccessibleControls();
    const qreal ratio = devicePixelRatioF();
    m_background = ui::startUpImage(QStringLiteral(":/pictures/background.bmp"), ratio);
    m_letterPictures[game::kS] =
        ui::startUpPicture(QStringLiteral(":/pictures/letter_s.bmp"), ratio);
    m_letterPictures[game::kO] =
        ui::startUpPicture(QStringLiteral(":/pictures/letter_o.bmp"), ratio);

    m_computerTimer = new QTimer(this);
    m_computerTimer->setObjectName(QStringLiteral("Timer2"));
    m_computerTimer->setInterval(500);
    connect(m_computerTimer, &QTimer::timeout, this, [this] { m_game.computerMove(); });
    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer1"));
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, [this] { m_game.clockTick(); });

    buildBoard();
    m_buttons = std::make_unique<ui::CommandButtons>(this, m_commands.windowCommands());
    m_lines = new ui::LineOverlay(this);
    m_lines->setGeometry(rect());
    m_lines->setAccessibleDescription(
        QStringLiteral("The lines struck by the latest scoring move"));
    m_lines->raise();

    centreOnScreen();

    m_game.start();
}

MainWindow::~MainWindow() = default;

// The window's frame, as far as it is known, is centred on the screen.
void MainWindow::centreOnScreen() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::buildBoard() {
    for (int n = 1; n <= game::kCells; ++n) {
        auto *cell = new ui::BoardCell(n, this);
        cell->setGeometry(ui::rect(layout::cell(n)));
        connect(cell, &ui::BoardCell::chosen, this,
                [this](int index, game::Letter letter) { m_game.place(index, letter); });
        connect(cell, &ui::BoardCell::readingAsked, this,
                [this](int index, ui::KeyCommand what) { m_commands.readAt(index, what); });
        m_cells[n] = cell;
    }
}

void MainWindow::startGame() {
    if (m_game.state().game_over || m_askReset(this)) m_game.startNewGame();
}

void MainWindow::openOptions() {
    m_windows.openOptions(m_game.state(),
                          [this](const game::Options &options) { m_game.applyOptions(options); });
}

void MainWindow::openAbout() {
    m_windows.openAbout();
}

void MainWindow::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
    m_cursor.paint(painter);
}

void MainWindow::keyPressEvent(QKeyEvent *event) {
    if (m_commands.keyPressed(*event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void MainWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // Every press in the window, whatever control it lands on, passes the window first.
    if (QWindow *window = windowHandle()) window->installEventFilter(this);
}

void MainWindow::moveEvent(QMoveEvent *event) {
    QWidget::moveEvent(event);
    // Until the window manager has framed the window, its frame is not known: the first move
    // that shows one centres the whole frame, not only the client area.
    if (!m_frameCentred && frameGeometry() != geometry()) {
        m_frameCentred = true;
        centreOnScreen();
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    // A mouse player never sees the keyboard's cursor: a press anywhere hides it.
    const auto *mouse = dynamic_cast<const QMouseEvent *>(event);
    if (mouse && mouse->isBeginEvent() && watched == windowHandle())
        m_cursor.moveTo(m_cursor.cell(), false);
    return QWidget::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    // Back in the window, a screen reader is told where the cursor stands.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) m_cursor.announce();
}

void MainWindow::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    m_buttons->pointerOverSurface();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    m_windows.closeAll();
    event->accept();
    qApp->quit();
}

const QPixmap &MainWindow::letterPicture(int letter) const {
    return m_letterPictures[letter == game::kS || letter == game::kO ? letter : game::kEmpty];
}

void MainWindow::showCell(int cell, int letter) {
    m_cells[cell]->setContent(letter, letterPicture(letter));
}

void MainWindow::showDecoration(int cell, int letter) {
    // The start-up letters are decoration on an empty board: they read as empty.
    m_cells[cell]->setContent(game::kEmpty, letterPicture(letter));
}

void MainWindow::showName(int slot, const std::string &name, game::NameStyle style) {
    m_panel.showName(slot, name, style);
}

void MainWindow::showScore(int slot, int points) {
    m_panel.showScore(slot, points);
}

void MainWindow::showTurn(int participant, const std::string &name) {
    m_panel.showTurn(participant, name);
}

void MainWindow::showClock(int hours, int minutes, int seconds) {
    m_panel.showClock(hours, minutes, seconds);
}

void MainWindow::showLine(const game::Line &line) {
    // From the centre of the first cell to the centre of the last.
    const qreal half = layout::kCellSide / 2.0 / 15;
    const QPointF toCentre(half, half);
    m_lines->addLine(QLineF(QPointF(m_cells[line.first]->pos()) + toCentre,
                            QPointF(m_cells[line.last]->pos()) + toCentre));
}

void MainWindow::clearLines() {
    m_lines->clear();
    m_lines->setAccessibleName(QStringLiteral("No S-O-S struck"));
}

void MainWindow::runClock(bool running) {
    // The clock runs exactly while a game does, and the sound path is held for as long.
    sound::setGameRunning(running);
    if (running)
        m_clockTimer->start();
    else
        m_clockTimer->stop();
}

void MainWindow::awaitComputer(bool waiting) {
    if (waiting)
        m_computerTimer->start();
    else
        m_computerTimer->stop();
}

void MainWindow::playSound(int sound) {
    if (m_playSound) m_playSound(sound);
}

void MainWindow::fillResult(const std::string &name, game::ResultPicture picture) {
    m_windows.fillResult(QString::fromStdString(name), picture);
}

void MainWindow::showResult() {
    m_windows.showResult();
}

void MainWindow::moveMade(const game::MoveReport &move) {
    if (!move.lines.empty()) {
        // The struck-lines layer reads the lines of the latest scoring move.
        QStringList readings;
        for (const game::Line &line : move.lines)
            readings << ui::strikeReading(line.first, line.last);
        m_lines->setAccessibleName(readings.join(QStringLiteral("; ")));
    }
    m_narrator.tell(move);
}

ui::ImageButton *MainWindow::commandButton(int i) const {
    return m_buttons->button(i);
}
