// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "game/game.h"
#include "game/random_source.h"
#include "ui/main/board_cursor.h"
#include "ui/main/command_runner.h"
#include "ui/main/narrator.h"
#include "ui/main/player_panel.h"
#include "ui/main/secondary_windows.h"

class QTimer;

namespace ui {
class BoardCell;
class CommandButtons;
class ImageButton;
class LineOverlay;
}  // namespace ui

// The main window: the board, the three command buttons (Start Game, Options, About), the player
// panel, the turn label and the clock. It owns the game, passes it the player's moves and
// commands, and shows everything the game reports.
class MainWindow final : public QWidget, private game::GameView {
    Q_OBJECT

public:
    // Asked before a running game is thrown away; true lets the new game start.
    using AskReset = std::function<bool(QWidget *mainWindow)>;
    // Starts sound n (1..3).
    using PlaySound = std::function<void(int sound)>;

    // The computer's random fallback draws from random when given, else from the clock.
    explicit MainWindow(game::RandomSource *random = nullptr);
    ~MainWindow() override;

    game::Game &game() { return m_game; }

    void setAskReset(AskReset ask) { m_askReset = std::move(ask); }
    void setSoundOutput(PlaySound play) { m_playSound = std::move(play); }

    ui::BoardCell *cell(int n) const { return m_cells[n]; }
    // 0 Start Game, 1 Options, 2 About.
    ui::ImageButton *commandButton(int i) const;
    const ui::BoardCursor &cursor() const { return m_cursor; }

    void startGame();
    void openOptions();
    void openAbout();
    // What a key asks for, also asked by assistive technology.
    void runCommand(ui::KeyCommand command) { m_commands.run(command); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildBoard();
    void centreOnScreen();
    const QPixmap &letterPicture(int letter) const;

    // game::GameView
    void showCell(int cell, int letter) override;
    void showDecoration(int cell, int letter) override;
    void showName(int slot, const std::string &name, game::NameStyle style) override;
    void showScore(int slot, int points) override;
    void showTurn(int participant, const std::string &name) override;
    void showClock(int hours, int minutes, int seconds) override;
    void showLine(const game::Line &line) override;
    void clearLines() override;
    void runClock(bool running) override;
    void awaitComputer(bool waiting) override;
    void playSound(int sound) override;
    void fillResult(const std::string &name, game::ResultPicture picture) override;
    void showResult() override;
    void moveMade(const game::MoveReport &move) override;

    QImage m_background;
    std::array<QPixmap, 3> m_letterPictures;  // 1: S, 2: O; 0 stays empty

    std::array<ui::BoardCell *, game::kCells + 1> m_cells{};  // 1..81
    ui::LineOverlay *m_lines = nullptr;
    QTimer *m_clockTimer = nullptr;
    QTimer *m_computerTimer = nullptr;
    std::unique_ptr<ui::CommandButtons> m_buttons;
    ui::PlayerPanel m_panel;
    ui::BoardCursor m_cursor;
    ui::Narrator m_narrator;
    ui::SecondaryWindows m_windows;

    bool m_frameCentred = false;  // the frame, once the window manager made one, is centred
    AskReset m_askReset;
    PlaySound m_playSound;

    game::ClockRandom m_random;
    game::Game m_game;
    ui::CommandRunner m_commands;
};
