// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "game/game.h"
#include "game/game_view.h"
#include "game/random_source.h"

class QLabel;
class QTimer;
class Form3;
class frmAbout;
class Form2;

namespace ui {
class Announcer;
class BoardCell;
class ButtonFeedback;
class ImageButton;
class LineOverlay;
}  // namespace ui

// The main window: the board, the three command buttons, the player panel, the turn
// label and the clock. It owns the game and shows everything the game reports; the
// result window, the About box and the options dialog open from here, one of each.
class Form1 final : public QWidget, private game::GameView {
    Q_OBJECT

public:
    // Asked before a running game is thrown away; true lets the new game start.
    using AskReset = std::function<bool(QWidget *mainWindow)>;
    // Starts sound n (1..3).
    using PlaySound = std::function<void(int sound)>;

    // The computer's random fallback draws from random when given, else from the clock.
    explicit Form1(game::RandomSource *random = nullptr);
    ~Form1() override;

    game::Game &game() { return m_game; }

    void setAskReset(AskReset ask) { m_askReset = std::move(ask); }
    void setSoundOutput(PlaySound play) { m_playSound = std::move(play); }

    ui::BoardCell *box(int n) const { return m_box[n]; }
    ui::ImageButton *tombol(int i) const { return m_tombol[i]; }

    // The keyboard's cursor: the cell the board keys act on, and whether its frame shows.
    int cursorCell() const { return m_cursor; }
    bool cursorShown() const { return m_cursorShown; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildBoard();
    void buildButtons();
    void buildLabels();
    QLabel *addLabel(const char *name, QPoint position, qreal pointSize);
    static void setLabelText(QLabel *label, const std::string &text);
    void tombolClick(int i);
    void releaseOnCell(int index, Qt::MouseButton button);
    void moveCursor(int cell, bool shown);
    QRect cursorFrame() const;

    // game::GameView
    void showPicture(const game::Picture &picture) override;
    void showCell(int cell, int letter) override;
    void setScoreLabel(int slot, const std::string &text) override;
    void setNameLabel(int slot, const std::string &text) override;
    void setTurnLabel(const std::string &text) override;
    void setClockLabel(const std::string &text) override;
    void strikeLine(int cell, const game::Line &line) override;
    void eraseLines() override;
    void setClockTimer(bool enabled) override;
    void setComputerTimer(bool enabled) override;
    void playSound(int sound) override;
    void fillResult(const std::string &name, game::ResultPicture picture) override;
    void showResult() override;

    QImage m_background;
    std::array<QPixmap, 3> PIC;  // 1: the S picture, 2: the O picture

    std::array<ui::BoardCell *, game::kCells + 1> m_box{};  // 1..81
    std::array<ui::ImageButton *, 3> m_tombol{};
    std::array<QLabel *, 3> m_namalbl{};   // 1..2
    std::array<QLabel *, 3> m_Scorelbl{};  // 1..2
    QLabel *m_giliranlbl = nullptr;
    QLabel *m_timelbl = nullptr;
    ui::LineOverlay *m_lines = nullptr;
    ui::Announcer *m_announcer = nullptr;
    bool m_redrawing = false;               // a whole picture is being drawn: nothing to announce
    QStringList m_latestStrikes;            // read as the name of m_lines
    int m_strikeCell = 0;                   // the placement that struck them
    int m_cursor = (game::kCells + 1) / 2;  // the centre cell
    bool m_cursorShown = false;
    QTimer *m_Timer1 = nullptr;
    QTimer *m_Timer2 = nullptr;
    std::unique_ptr<ui::ButtonFeedback> m_feedback;

    QPointer<Form3> m_result;
    QPointer<frmAbout> m_about;
    QPointer<Form2> m_options;

    AskReset m_askReset;
    PlaySound m_playSound;

    game::ClockRandom m_random;
    game::Game m_game;
};
