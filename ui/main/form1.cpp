// SPDX-License-Identifier: MIT
#include "ui/main/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "sound/sound.h"
#include "ui/about/frm_about.h"
#include "ui/common/fonts.h"
#include "ui/common/pictures.h"
#include "ui/common/twips.h"
#include "ui/common/version.h"
#include "ui/common/window_placement.h"
#include "ui/main/board_cell.h"
#include "ui/main/board_keys.h"
#include "ui/main/button_feedback.h"
#include "ui/main/image_button.h"
#include "ui/main/line_overlay.h"
#include "ui/main/reset_question.h"
#include "ui/main/screen_reader.h"
#include "ui/options/form2.h"
#include "ui/result/form3.h"

namespace {

// The keyboard cursor's frame: a ring this wide in the gap round its cell, in a colour that
// neither the letters nor the struck lines use.
constexpr int kCursorRing = 3;
const QColor kCursorColour(255, 140, 0);

// The pictures' names in the resources for tombol(0), tombol(1) and tombol(2).
constexpr std::array<const char *, 3> kButtonPictures = {"start", "options", "about"};

QPixmap buttonPicture(int i, const char *look, qreal devicePixelRatio) {
    return ui::startUpPicture(QStringLiteral(":/pictures/button_%1_%2.gif")
                                  .arg(QLatin1String(kButtonPictures[i]), QLatin1String(look)),
                              devicePixelRatio);
}

}  // namespace

Form1::Form1(game::RandomSource *random)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      m_askReset(ui::askResetGame),
      m_playSound(sound::Play_sound),
      m_game(*this, random ? *random : m_random) {
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
    PIC[1] = ui::startUpPicture(QStringLiteral(":/pictures/letter_s.bmp"), ratio);
    PIC[2] = ui::startUpPicture(QStringLiteral(":/pictures/letter_o.bmp"), ratio);

    m_Timer2 = new QTimer(this);
    m_Timer2->setObjectName(QStringLiteral("Timer2"));
    m_Timer2->setInterval(500);
    connect(m_Timer2, &QTimer::timeout, this, [this] { m_game.Computer_move(); });
    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    m_Timer1->setInterval(1000);
    connect(m_Timer1, &QTimer::timeout, this, [this] { m_game.Clock_tick(); });

    buildLabels();
    buildBoard();
    buildButtons();
    m_lines = new ui::LineOverlay(this);
    m_lines->setGeometry(rect());
    m_lines->setAccessibleDescription(
        QStringLiteral("The lines struck by the latest scoring move"));
    m_lines->raise();
    m_announcer = new ui::Announcer(this);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    m_game.Load();
}

Form1::~Form1() {
    // The secondary windows have no owner; they go with the main window.
    delete m_result;
    delete m_about;
    delete m_options;
}

void Form1::buildLabels() {
    m_timelbl = addLabel("timelbl", ui::topLeft(layout::kTimeLabel), layout::kTimeLabelPoints);
    m_timelbl->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    QPalette blue = m_timelbl->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_timelbl->setPalette(blue);
    m_timelbl->setAccessibleDescription(QStringLiteral("Time played"));

    m_giliranlbl =
        addLabel("giliranlbl", ui::topLeft(layout::kTurnLabel), layout::kTurnLabelPoints);
    m_giliranlbl->setAccessibleDescription(QStringLiteral("Whose turn it is"));
    for (int slot = 1; slot <= 2; ++slot) {
        m_Scorelbl[slot] =
            addLabel(slot == 1 ? "Scorelbl1" : "Scorelbl2", ui::topLeft(layout::scoreLabel(slot)),
                     layout::kScoreLabelPoints);
        m_namalbl[slot] = addLabel(slot == 1 ? "namalbl1" : "namalbl2",
                                   ui::topLeft(layout::nameLabel(slot)), layout::kNameLabelPoints);
        const QString player = slot == 1 ? QStringLiteral("first") : QStringLiteral("second");
        m_Scorelbl[slot]->setAccessibleDescription(
            QStringLiteral("Score of the %1 player").arg(player));
        m_namalbl[slot]->setAccessibleDescription(
            QStringLiteral("Name of the %1 player").arg(player));
    }
}

QLabel *Form1::addLabel(const char *name, QPoint position, qreal pointSize) {
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    // Names are whatever the players typed: never markup, never mnemonics.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setFocusPolicy(Qt::NoFocus);
    // A drag begun on a label stays with the label and never counts as a surface move.
    label->setAttribute(Qt::WA_NoMousePropagation);
    label->setFont(ui::windowFont(QLatin1String(layout::kLabelFace), pointSize, true));
    label->move(position);
    return label;
}

void Form1::setLabelText(QLabel *label, const std::string &text) {
    label->setText(QString::fromStdString(text));
    label->adjustSize();
}

void Form1::buildBoard() {
    for (int n = 1; n <= game::kCells; ++n) {
        auto *cell = new ui::BoardCell(n, this);
        cell->setGeometry(ui::rect(layout::cell(n)));
        connect(cell, &ui::BoardCell::released, this, &Form1::releaseOnCell);
        m_box[n] = cell;
    }
}

// A release over a cell, however it came: the mouse, a board key or a screen reader's action.
void Form1::releaseOnCell(int index, Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            m_game.Release_on_cell(index, game::MouseButton::Left);
            break;
        case Qt::RightButton:
            m_game.Release_on_cell(index, game::MouseButton::Right);
            break;
        case Qt::MiddleButton:
            m_game.Release_on_cell(index, game::MouseButton::Middle);
            break;
        default:
            break;
    }
}

void Form1::buildButtons() {
    static const std::array<QString, 3> kToolTips = {QStringLiteral("Prepare your brain !!"),
                                                     QStringLiteral("Edit the configuration.."),
                                                     QStringLiteral("Who make me ??")};
    static const std::array<QString, 3> kWords = {
        QStringLiteral("Start Game"), QStringLiteral("Options"), QStringLiteral("About..")};
    const qreal ratio = devicePixelRatioF();
    std::array<ui::ButtonLooks, 3> looks;
    for (int i = 0; i < 3; ++i) {
        looks[i] = {buttonPicture(i, "normal", ratio), buttonPicture(i, "hover", ratio),
                    buttonPicture(i, "pressed", ratio)};
        auto *button = new ui::ImageButton(i, this);
        button->setGeometry(ui::rect(layout::tombol(i)));
        button->setToolTip(kToolTips[i]);
        // The pictures carry the words; a screen reader gets them as the name.
        button->setAccessibleName(kWords[i]);
        button->setAccessibleDescription(kToolTips[i]);
        m_tombol[i] = button;
    }
    m_feedback = std::make_unique<ui::ButtonFeedback>(m_tombol, looks);
    for (ui::ImageButton *button : m_tombol) {
        connect(button, &ui::ImageButton::pointerMoved, this,
                [this](int i) { m_feedback->pointerOverButton(i); });
        connect(button, &ui::ImageButton::pressed, this,
                [this](int i) { m_feedback->pressOnButton(i); });
        connect(button, &ui::ImageButton::released, this,
                [this](int i) { m_feedback->releaseAfterPress(i); });
        connect(button, &ui::ImageButton::clicked, this, &Form1::tombolClick);
    }
}

void Form1::tombolClick(int i) {
    switch (i) {
        case 0:
            if (m_game.state().game_over || m_askReset(this)) m_game.New_game();
            break;
        case 1:
            if (!m_options) m_options = new Form2;
            m_options->setApplier(
                [this](const game::OptionValues &v) { m_game.Change_setting(v); });
            m_options->fill(m_game.state());
            ui::showCentredOver(m_options, this);
            break;
        case 2:
            if (!m_about) m_about = new frmAbout;
            ui::showCentredOver(m_about, this);
            break;
        default:
            break;
    }
}

void Form1::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
    if (m_cursorShown) {
        const QRect frame = cursorFrame();
        const QRect inside = frame.adjusted(kCursorRing, kCursorRing, -kCursorRing, -kCursorRing);
        painter.setClipRegion(QRegion(frame).subtracted(inside));
        painter.fillRect(frame, kCursorColour);
    }
}

QRect Form1::cursorFrame() const {
    return m_box[m_cursor]->geometry().adjusted(-kCursorRing, -kCursorRing, kCursorRing,
                                                kCursorRing);
}

void Form1::moveCursor(int cell, bool shown) {
    if (cell == m_cursor && shown == m_cursorShown) return;
    update(cursorFrame());
    m_box[m_cursor]->setCursorHere(false);
    m_cursor = cell;
    m_cursorShown = shown;
    m_box[m_cursor]->setCursorHere(shown);
    update(cursorFrame());
    if (shown) ui::announceFocus(m_box[m_cursor]);
}

void Form1::keyPressEvent(QKeyEvent *event) {
    const ui::KeyCommand command = ui::keyCommand(event->key(), event->modifiers());
    if (command == ui::KeyCommand::None) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // Holding a key moves on; it never places again, nor runs a command twice.
    const bool placing = command == ui::KeyCommand::PlaceS || command == ui::KeyCommand::PlaceO;
    if (event->isAutoRepeat() && (placing || !ui::isBoardCommand(command))) return;
    if (ui::isBoardCommand(command)) moveCursor(ui::cursorTarget(m_cursor, command), true);
    switch (command) {
        case ui::KeyCommand::PlaceS:
            releaseOnCell(m_cursor, Qt::LeftButton);
            break;
        case ui::KeyCommand::PlaceO:
            releaseOnCell(m_cursor, Qt::RightButton);
            break;
        case ui::KeyCommand::StartGame:
            tombolClick(0);
            break;
        case ui::KeyCommand::Options:
            tombolClick(1);
            break;
        case ui::KeyCommand::About:
            tombolClick(2);
            break;
        default:
            break;
    }
}

void Form1::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // Every press in the window, whatever control it lands on, passes the window first.
    if (QWindow *window = windowHandle()) window->installEventFilter(this);
}

bool Form1::eventFilter(QObject *watched, QEvent *event) {
    // A mouse player never sees the keyboard's cursor: a press anywhere hides it.
    if (event->type() == QEvent::MouseButtonPress && watched == windowHandle())
        moveCursor(m_cursor, false);
    return QWidget::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    // Back in the window, a screen reader is told where the cursor stands.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_cursorShown)
        ui::announceFocus(m_box[m_cursor]);
}

void Form1::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    m_feedback->pointerOverSurface();
}

void Form1::closeEvent(QCloseEvent *event) {
    for (QWidget *window :
         {static_cast<QWidget *>(m_result.data()), static_cast<QWidget *>(m_about.data()),
          static_cast<QWidget *>(m_options.data())}) {
        if (window) window->close();
    }
    event->accept();
    qApp->quit();
}

void Form1::showPicture(const game::Picture &picture) {
    m_redrawing = true;
    for (int n = 1; n <= game::kCells; ++n) {
        showCell(n, picture.cells[n]);
        // The start-up letters are decoration on an empty board: they read as empty.
        if (picture.decoration) m_box[n]->setAccessibleName(ui::cellReading(n, game::kEmpty));
    }
    for (int slot = 1; slot <= 2; ++slot) {
        setNameLabel(slot, picture.nameLabel[slot]);
        setScoreLabel(slot, picture.scoreLabel[slot]);
    }
    setTurnLabel(picture.turnLabel);
    setClockLabel(picture.clockLabel);
    eraseLines();
    for (const game::StruckLine &struck : picture.lines) strikeLine(struck.cell, struck.line);
    setClockTimer(picture.clockTimer);
    setComputerTimer(picture.computerTimer);
    m_redrawing = false;
}

void Form1::showCell(int cell, int letter) {
    m_box[cell]->setPicture(letter == game::kS || letter == game::kO ? PIC[letter] : QPixmap());
    const QString reading = ui::cellReading(cell, letter);
    if (m_box[cell]->accessibleName() == reading) return;
    m_box[cell]->setAccessibleName(reading);
    if (!m_redrawing) m_announcer->say(reading);
}

void Form1::setScoreLabel(int slot, const std::string &text) {
    setLabelText(m_Scorelbl[slot], text);
    if (!m_redrawing)
        m_announcer->say(m_namalbl[slot]->text() + QLatin1Char(' ') + m_Scorelbl[slot]->text());
}

void Form1::setNameLabel(int slot, const std::string &text) {
    setLabelText(m_namalbl[slot], text);
}

void Form1::setTurnLabel(const std::string &text) {
    const QString was = m_giliranlbl->text();
    setLabelText(m_giliranlbl, text);
    if (!m_redrawing && m_giliranlbl->text() != was)
        m_announcer->say(QStringLiteral("Turn: ") + m_giliranlbl->text());
}

void Form1::setClockLabel(const std::string &text) {
    setLabelText(m_timelbl, text);
}

void Form1::strikeLine(int cell, const game::Line &line) {
    // From the centre of the first cell to the centre of the last.
    const qreal half = layout::kCellSide / 2.0 / 15;
    const QPointF toCentre(half, half);
    m_lines->addLine(QLineF(QPointF(m_box[line.first]->pos()) + toCentre,
                            QPointF(m_box[line.last]->pos()) + toCentre));
    // The lines of one placement are read together; the next scoring placement replaces them.
    if (cell != m_strikeCell) m_latestStrikes.clear();
    m_strikeCell = cell;
    m_latestStrikes.append(ui::strikeReading(line.first, line.last));
    if (!m_redrawing) m_announcer->say(m_latestStrikes.last());
    m_lines->setAccessibleName(m_latestStrikes.join(QStringLiteral("; ")));
}

void Form1::eraseLines() {
    m_lines->clear();
    m_latestStrikes.clear();
    m_strikeCell = 0;
    m_lines->setAccessibleName(QStringLiteral("No S-O-S struck"));
}

void Form1::setClockTimer(bool enabled) {
    if (enabled)
        m_Timer1->start();
    else
        m_Timer1->stop();
}

void Form1::setComputerTimer(bool enabled) {
    if (enabled)
        m_Timer2->start();
    else
        m_Timer2->stop();
}

void Form1::playSound(int sound) {
    if (m_playSound) m_playSound(sound);
}

void Form1::fillResult(const std::string &name, game::ResultPicture picture) {
    if (!m_result) m_result = new Form3;
    m_result->fill(QString::fromStdString(name), picture);
}

void Form1::showResult() {
    if (m_result) ui::showCentredOver(m_result, this);
}
