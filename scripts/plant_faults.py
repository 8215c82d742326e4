#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plants realistic program faults one at a time and checks which test catches each.

usage: plant_faults.py --tree DIR --build BUILD [--only ID,...] [--group NAME,...] [--list]
                       [--timeout SECONDS] [--jobs N]

For every fault of the table below: the fault's `old` snippet must occur exactly once in
DIR/file (otherwise the fault is "stale"); it is replaced by `new`, BUILD is rebuilt
incrementally (a fault that does not compile is reported as "does not build", not as
caught), and the tests of BUILD run one at a time, cheapest first, until the first failure.
The file is always restored afterwards, also on Ctrl-C. One line per fault on stdout:

    ID caught by TEST
    ID MISSED
    ID stale (...)
    ID does not build

then the totals per group; at the end the pristine tree is rebuilt. Progress and timings go
to stderr; build and test logs to BUILD/plant_faults_logs/.

BUILD must be configured for DIR (for example with -DCMAKE_BUILD_TYPE=Debug
-DTRILET_SANITIZE=ON). Python standard library only.
"""

import argparse
import json
import os
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass


@dataclass(frozen=True)
class Fault:
    id: str
    group: str
    what: str  # what a player or user would notice
    file: str  # relative to the repository root
    old: str  # must occur exactly once in the file
    new: str


def F(id, group, what, file, old, new):
    return Fault(id, group, what, file, old, new)


GAME = "game/game.cpp"
LINES = "game/line_search.cpp"
COMPUTER = "game/computer_player.cpp"
CLOCK = "game/game_clock.cpp"
SETTINGS = "game/settings.cpp"
SOUND_PLAYER = "sound/sound_player.cpp"
LAYOUT = "ui/common/layout.h"
LEFT_CLICK = "ui/common/left_click.h"
PICTURE_WINDOW = "ui/common/picture_window.cpp"
MAIN_WINDOW = "ui/main/main_window.cpp"
COMMAND_RUNNER = "ui/main/command_runner.cpp"
PLAYER_PANEL = "ui/main/player_panel.cpp"
COMMAND_BUTTONS = "ui/main/command_buttons.cpp"
BOARD_CELL = "ui/main/board_cell.cpp"
BOARD_CURSOR = "ui/main/board_cursor.cpp"
BOARD_KEYS = "ui/main/board_keys.cpp"
LINE_OVERLAY = "ui/main/line_overlay.cpp"
NARRATOR = "ui/main/narrator.cpp"
SCREEN_READER = "ui/main/screen_reader.cpp"
SECONDARY_WINDOWS = "ui/main/secondary_windows.cpp"
OPTIONS_DIALOG = "ui/options/options_dialog.cpp"
RESULT_WINDOW = "ui/result/result_window.cpp"

FAULTS = [
    # ---------------------------------------------------------------- engine: line search
    F(
        "e_ls_s_col8_wrap",
        "engine",
        "an S in column 8 scores an S-O-S that wraps from the row's end into the next row",
        LINES,
        "(x == kS && (c == kSide - 1 || c == 0))",
        "(x == kS && c == 0)",
    ),
    F(
        "e_ls_o_left_edge_col2",
        "engine",
        "an O in column 2 scores only its column; an O in column 1 also scores rows and diagonals "
        "that wrap round the board's edge",
        LINES,
        "const bool leftBlocked = (x == kO && c == 1)",
        "const bool leftBlocked = (x == kO && c == 2)",
    ),
    F(
        "e_ls_o_column_at_edge",
        "engine",
        "an O in column 1 or 9 never scores its column; a diagonal through it wraps instead",
        LINES,
        "if (d == kUp || (!leftBlocked",
        "if (d == kUpRight || (!leftBlocked",
    ),
    F(
        "e_ls_parity",
        "engine",
        "O-S-O lines are struck and scored, S-O-S lines are not",
        LINES,
        "value % 2 != k % 2",
        "value % 2 == k % 2",
    ),
    F(
        "e_ls_s_down_diagonals",
        "engine",
        "an S near the left or right edge misses its down-diagonal lines and scores wrapped ones",
        LINES,
        "const bool left = d == kUpLeft || d == -kUpRight;\n"
        "            const bool right = d == kUpRight || d == -kUpLeft;",
        "const bool left = d == kUpLeft || d == -kUpLeft;\n"
        "            const bool right = d == kUpRight || d == -kUpRight;",
    ),
    F(
        "e_ls_s_right_missing",
        "engine",
        "an S never scores a row line running to its right",
        LINES,
        "        if (!rightBlocked) test(n, n + 1, n + 2);\n",
        "",
    ),
    # ---------------------------------------------------------------- engine: scoring
    F(
        "e_score_one_line_only",
        "engine",
        "a letter that completes two lines at once scores one point and strikes one line",
        GAME,
        "        report.lines.push_back(line);\n    }",
        "        report.lines.push_back(line);\n        break;\n    }",
    ),
    F(
        "e_no_extra_move",
        "engine",
        "after scoring the turn passes anyway: no extra move for the scorer",
        GAME,
        "    if (report.lines.empty()) {\n",
        "    {\n",
    ),
    # ---------------------------------------------------------------- engine: turn passing
    F(
        "e_turn_modes_mixed",
        "engine",
        "in two-player mode the move goes to the computer, against the computer to player 2",
        GAME,
        "m_state.current_player = m_state.current_player == 1 ? opponent : 1;",
        "m_state.current_player = m_state.current_player == 1\n"
        "            ? (m_state.game_mode == GameMode::TwoPlayers ? kComputer : 2) : 1;",
    ),
    F(
        "e_timer_for_player2",
        "engine",
        "the computer never answers; in two-player mode it moves for player 2",
        GAME,
        "if (m_state.current_player == kComputer) m_view.awaitComputer(true);",
        "if (m_state.current_player == 2) m_view.awaitComputer(true);",
    ),
    # ---------------------------------------------------------------- engine: game end
    F(
        "e_target_ignores_computer",
        "engine",
        "the computer reaching the score target does not end the game",
        GAME,
        "for (int p = 1; p <= 3 && winner < 0; ++p)",
        "for (int p = 1; p <= 2 && winner < 0; ++p)",
    ),
    F(
        "e_target_zero_ends",
        "engine",
        "with 'Until All box filled' the game ends at the first placement",
        GAME,
        "if (m_state.score_limit > 0) {",
        "if (m_state.score_limit >= 0) {",
    ),
    F(
        "e_full_board_off_by_one",
        "engine",
        "the game ends as 'board full' while cell 81 is still empty",
        GAME,
        "for (int n = 1; n <= kCells && full; ++n)",
        "for (int n = 1; n < kCells && full; ++n)",
    ),
    F(
        "e_full_board_vs_player2",
        "engine",
        "on a full board against the computer the human wins or draws whatever the computer scored",
        GAME,
        "second = m_state.score[opponent];",
        "second = m_state.score[2];",
    ),
    F(
        "e_tie_to_player1",
        "engine",
        "a tie on a full board is won by player 1 instead of being a draw",
        GAME,
        "winner = first > second ? 1 :",
        "winner = first >= second ? 1 :",
    ),
    F(
        "e_clock_runs_after_end",
        "engine",
        "the clock keeps running after the game has ended",
        GAME,
        "    m_state.game_over = true;\n    m_view.runClock(false);\n",
        "    m_state.game_over = true;\n",
    ),
    # ---------------------------------------------------------------- engine: outcome
    F(
        "e_mode2_draw_sound",
        "engine",
        "a draw against the computer plays the win sound 3 instead of sound 1",
        GAME,
        "        if (winner == 0) {\n            sound = 1;",
        "        if (winner == 0) {\n            sound = 3;",
    ),
    F(
        "e_mode2_loss_sound",
        "engine",
        "losing to the computer plays the win sound 3 instead of sound 1",
        GAME,
        "            picture = ResultPicture::Loser;\n            sound = 1;\n",
        "            picture = ResultPicture::Loser;\n",
    ),
    F(
        "e_mode2_loss_picture",
        "engine",
        "losing to the computer shows the winner picture",
        GAME,
        "            picture = ResultPicture::Loser;",
        "            picture = ResultPicture::Winner;",
    ),
    F(
        "e_mode2_loss_name",
        "engine",
        "losing to the computer shows 'Com' over the loser picture instead of the human's name",
        GAME,
        "            name = m_state.player_name[1];\n            picture = ResultPicture::Loser;",
        "            name = m_state.player_name[winner];\n"
        "            picture = ResultPicture::Loser;",
    ),
    F(
        "e_mode1_winner_name",
        "engine",
        "in two-player mode the result window always names player 1 as the winner",
        GAME,
        "        name = m_state.player_name[winner];",
        "        name = m_state.player_name[1];",
    ),
    F(
        "e_end_sound_when_off",
        "engine",
        "the end-of-game sound plays with sound switched off",
        GAME,
        "    if (m_state.sound_on) m_view.playSound(sound);",
        "    m_view.playSound(sound);",
    ),
    # ---------------------------------------------------------------- engine: refusals
    F(
        "e_place_when_no_game",
        "engine",
        "letters can be placed before the first game and after a game has ended",
        GAME,
        "    if (m_state.game_over || m_state.current_player == kComputer) return;",
        "    if (m_state.current_player == kComputer) return;",
    ),
    F(
        "e_place_in_computer_turn",
        "engine",
        "the player can place letters while the computer is to move",
        GAME,
        "    if (m_state.game_over || m_state.current_player == kComputer) return;",
        "    if (m_state.game_over) return;",
    ),
    # The cell, no longer the engine, turns a mouse button into a letter.
    F(
        "e_middle_button_places",
        "engine",
        "the middle mouse button places an O",
        BOARD_CELL,
        "    else if (event->button() == Qt::RightButton)\n",
        "    else\n",
    ),
    # ---------------------------------------------------------------- engine: computer
    F(
        "e_comp_columns_first",
        "engine",
        "the computer completes a column before a row (its scan starts with the columns)",
        COMPUTER,
        "        {run(1, n, n), 1, false},\n",
        "        {run(1, 1, n), n, false},\n",
    ),
    F(
        "e_comp_pattern_letter",
        "engine",
        "with S, O, empty in a line the computer puts an O into the gap and scores nothing",
        COMPUTER,
        "move = {t3, kS};",
        "move = {t3, kO};",
    ),
    F(
        "e_comp_diagonal_short",
        "engine",
        "the computer overlooks the last line of every diagonal (for example 55-65-75)",
        COMPUTER,
        "const int lineCount = group.growing ? k + 1 : kSide - 2;",
        "const int lineCount = group.growing ? k : kSide - 2;",
    ),
    F(
        "e_comp_letter_swapped",
        "engine",
        "the computer's fallback plays the other letter than the one last placed",
        COMPUTER,
        "board[lastCell] == kO ? kO : kS;",
        "board[lastCell] == kO ? kS : kO;",
    ),
    F(
        "e_comp_neighbour_order",
        "engine",
        "the computer's fallback takes the neighbour below the last letter before the one above",
        COMPUTER,
        "for (int d : {-kSide - 1, -kSide, -kSide + 1, -1, 1, kSide - 1, kSide, kSide + 1}) {",
        "for (int d : {kSide + 1, kSide, kSide - 1, 1, -1, -kSide + 1, -kSide, -kSide - 1}) {",
    ),
    F(
        "e_comp_neighbour_wrap",
        "engine",
        "after a letter in column 9 the computer's fallback plays into column 1 of the next row",
        COMPUTER,
        "if (column + dColumn < 1 || column + dColumn > kSide) continue;",
        "if (column + dColumn < 1) continue;",
    ),
    F(
        "e_comp_redraw_range",
        "engine",
        "the computer's random redraw never reaches cell 81: the game hangs when it is the only "
        "choice",
        COMPUTER,
        "n = std::clamp(draw() + 1, 1, kCells);",
        "n = std::clamp(draw(), 1, kCells);",
    ),
    # ---------------------------------------------------------------- engine: clock
    F(
        "e_clock_sixty",
        "engine",
        "the clock shows 00:00:60 before it turns to a full minute",
        CLOCK,
        "if (state.clock_seconds >= 60) {",
        "if (state.clock_seconds > 60) {",
    ),
    F(
        "e_clock_blank_hours",
        "engine",
        "the clock's hours are padded with a blank (' 0:00:01')",
        CLOCK,
        '"%02d:%02d:%02d"',
        '"%2d:%02d:%02d"',
    ),
    # ---------------------------------------------------------------- engine: options
    F(
        "e_opt_empty_name",
        "engine",
        "an empty name stays empty instead of becoming 'Lorna Quillet'",
        GAME,
        "names[i]->empty() ? kDefaultName : *names[i]",
        "*names[i]",
    ),
    F(
        "e_opt_computer_label",
        "engine",
        "against the computer the second name label shows player 2's name instead of 'Com'",
        GAME,
        "    if (m_state.game_mode == GameMode::AgainstComputer)\n"
        "        m_view.showName(2, m_state.player_name[kComputer], NameStyle::Bare);\n",
        "",
    ),
    F(
        "e_opt_modes_swapped",
        "engine",
        "choosing 'Vs Computer' gives a two-player game and 'Vs Player' a computer game",
        GAME,
        "    m_state.game_mode = options.mode;",
        "    m_state.game_mode = options.mode == GameMode::TwoPlayers ? GameMode::AgainstComputer\n"
        "                                                             : GameMode::TwoPlayers;",
    ),
    F(
        "e_opt_minus_ignored",
        "engine",
        "a score target of -5 is taken as 5 instead of being refused",
        SETTINGS,
        "        if (compact[i] == '-') sign = -1.0;\n",
        "",
    ),
    F(
        "e_opt_range_strict",
        "engine",
        "a score target of 1 is refused with the range message",
        SETTINGS,
        "numericValue(options.targetText) >= 1.0",
        "numericValue(options.targetText) > 1.0",
    ),
    # ---------------------------------------------------------------- engine: new game
    F(
        "e_new_timer_armed",
        "engine",
        "a computer move still pending when a new game starts lands in the new game, as the "
        "first player's move",
        GAME,
        "    m_view.awaitComputer(!m_state.game_over && mover == kComputer);\n",
        "",
    ),
    F(
        "e_new_scores_kept",
        "engine",
        "the computer's score carries over into the next game",
        GAME,
        "    m_state.score = {};\n",
        "    m_state.score[1] = m_state.score[2] = 0;\n",
    ),
    F(
        "e_new_board_kept",
        "engine",
        "a new game keeps the last game's letters on the board",
        GAME,
        "    m_state.board = Board{};\n",
        "",
    ),
    # ================================================================ widgets
    # No fault for the program's end when the main window closes: the explicit quit in its
    # close handler and Qt's quit on the last window cover each other (the other windows do
    # not keep the program alive), so no single slip there changes what the user sees.
    F(
        "w_cell_spacing",
        "widgets",
        "the board's columns are squeezed together: cells touch side by side",
        LAYOUT,
        "    return {kCellLeft + kCellPitch * (game::columnOf(n) - 1),",
        "    return {kCellLeft + kCellSide * (game::columnOf(n) - 1),",
    ),
    F(
        "w_letter_pictures",
        "widgets",
        "a left click shows an O picture and a right click an S picture",
        MAIN_WINDOW,
        'ui::startUpPicture(QStringLiteral(":/pictures/letter_s.bmp"), ratio);\n    m_letterPictures[game::kO] =\n        ui::startUpPicture(QStringLiteral(":/pictures/letter_o.bmp"), ratio);',
        'ui::startUpPicture(QStringLiteral(":/pictures/letter_o.bmp"), ratio);\n    m_letterPictures[game::kO] =\n        ui::startUpPicture(QStringLiteral(":/pictures/letter_s.bmp"), ratio);',
    ),
    F(
        "w_release_global_position",
        "widgets",
        "releasing a button over a cell places nothing (the screen position is tested)",
        BOARD_CELL,
        "if (!rect().contains(event->position().toPoint())) return;",
        "if (!rect().contains(event->globalPosition().toPoint())) return;",
    ),
    F(
        "w_line_corners",
        "widgets",
        "struck lines run between the cells' bottom-right corners instead of their centres",
        MAIN_WINDOW,
        "const qreal half = layout::kCellSide / 2.0 / 15;",
        "const qreal half = layout::kCellSide / 1.0 / 15;",
    ),
    F(
        "w_lines_not_repainted",
        "widgets",
        "struck lines stay on screen after a new game until something else repaints",
        LINE_OVERLAY,
        "    m_lines.clear();\n    update();",
        "    m_lines.clear();",
    ),
    F(
        "w_overlay_takes_clicks",
        "widgets",
        "clicks on the board are swallowed by the line layer: no letter can be placed",
        LINE_OVERLAY,
        "    setAttribute(Qt::WA_TransparentForMouseEvents);\n",
        "",
    ),
    F(
        "w_hover_not_recorded",
        "widgets",
        "a highlighted button stays highlighted after the pointer moves to another",
        COMMAND_BUTTONS,
        "    m_buttons[i]->setPicture(m_looks[i].highlighted);\n    m_highlighted = i;",
        "    m_buttons[i]->setPicture(m_looks[i].highlighted);",
    ),
    F(
        "w_release_look_normal",
        "widgets",
        "after a press on a button its release shows the normal look instead of the highlight",
        COMMAND_BUTTONS,
        "[this](int b) { m_buttons[b]->setPicture(m_looks[b].highlighted); });",
        "[this](int b) { m_buttons[b]->setPicture(m_looks[b].normal); });",
    ),
    F(
        "w_question_condition",
        "widgets",
        "Start Game resets a running game without asking and asks when no game runs",
        MAIN_WINDOW,
        "if (m_game.state().game_over || m_askReset(this)) m_game.startNewGame();",
        "if (!m_game.state().game_over || m_askReset(this)) m_game.startNewGame();",
    ),
    F(
        "w_labels_rich_text",
        "widgets",
        "a name typed as <b>Ann</b> shows in bold on the main window instead of as typed",
        PLAYER_PANEL,
        "    label->setTextFormat(Qt::PlainText);\n    label->setTextInteractionFlags",
        "    label->setTextInteractionFlags",
    ),
    F(
        "w_result_pictures_swapped",
        "widgets",
        "the result window shows the loser picture for a win and the winner picture for a loss",
        RESULT_WINDOW,
        'return QStringLiteral(":/pictures/result_winner.bmp");\n'
        "        case game::ResultPicture::Loser:\n"
        '            return QStringLiteral(":/pictures/result_loser.bmp");',
        'return QStringLiteral(":/pictures/result_loser.bmp");\n'
        "        case game::ResultPicture::Loser:\n"
        '            return QStringLiteral(":/pictures/result_winner.bmp");',
    ),
    F(
        "w_result_name_kept",
        "widgets",
        "the result window always shows 'Lorna Quillet' instead of the outcome's name",
        RESULT_WINDOW,
        "    m_nameLabel->setText(name);\n",
        "",
    ),
    # The result window, the About box and the mode labels share one click detector.
    F(
        "w_result_click_inverted",
        "widgets",
        "a click on the result window, the About box or a game mode in the options does nothing; "
        "a press there released outside it counts as the click",
        LEFT_CLICK,
        "return held && area.contains(event->position().toPoint());",
        "return held && !area.contains(event->position().toPoint());",
    ),
    F(
        "w_about_never_closes",
        "widgets",
        "clicking the About box or the result window does not close it",
        PICTURE_WINDOW,
        "    m_click.press(event);\n",
        "",
    ),
    F(
        "w_about_twice",
        "widgets",
        "every click on About.. opens one more About box",
        SECONDARY_WINDOWS,
        "if (!m_about) m_about = new AboutBox;",
        "m_about = new AboutBox;",
    ),
    F(
        "w_fill_name2",
        "widgets",
        "the options dialog shows player 1's name in both name boxes",
        OPTIONS_DIALOG,
        "m_nameBoxes[2]->setText(QString::fromStdString(state.player_name[2]));",
        "m_nameBoxes[2]->setText(QString::fromStdString(state.player_name[1]));",
    ),
    F(
        "w_mode_selector_greys",
        "widgets",
        "clicking a game mode in the options turns it grey instead of blue",
        OPTIONS_DIALOG,
        "ui::ModeLabel *other = m_modeLabels[3 - index];",
        "ui::ModeLabel *other = m_modeLabels[index];",
    ),
    F(
        "w_enter_on_cancel",
        "widgets",
        "Enter on the focused Cancel button of the options does nothing",
        OPTIONS_DIALOG,
        "if (focused == m_okButton || focused == m_cancelButton)",
        "if (focused == m_okButton)",
    ),
    F(
        "w_range_then_applies",
        "widgets",
        "after the range message the refused target is applied anyway and the dialog closes",
        OPTIONS_DIALOG,
        "        if (message) message(this);\n        return;\n    }",
        "        if (message) message(this);\n    }",
    ),
    F(
        "w_name_length_12",
        "widgets",
        "names are cut at 12 characters instead of 13",
        OPTIONS_DIALOG,
        "constexpr int kNameLength = 13;",
        "constexpr int kNameLength = 12;",
    ),
    F(
        "w_ok_not_applied",
        "widgets",
        "OK closes the options dialog without applying anything",
        OPTIONS_DIALOG,
        "    if (m_apply) m_apply(chosen);\n    close();",
        "    close();",
    ),
    F(
        "w_sound_not_cut",
        "widgets",
        "a new sound does not stop the previous one before its buffer is replaced",
        SOUND_PLAYER,
        "    m_backend->stop();\n    sound_image = std::move(image);",
        "    sound_image = std::move(image);",
    ),
    F(
        "w_no_device_retries",
        "widgets",
        "without a sound server every placement tries to reach it again instead of waiting a while",
        SOUND_PLAYER,
        "            m_path = Path::Unavailable;",
        "            m_path = Path::Closed;",
    ),
    F(
        "w_sound_path_kept",
        "widgets",
        "the sound path stays open after a finished game's last sound, waking the program for nothing",
        SOUND_PLAYER,
        "        m_backend->stop();\n        m_backend->close();\n    }\n    if (m_path != Path::ShutDown)",
        "        m_backend->stop();\n    }\n    if (m_path != Path::ShutDown)",
    ),
    F(
        "w_release_during_sound",
        "widgets",
        "the sound path is let go half a second after a sound starts instead of after it ends",
        SOUND_PLAYER,
        "    setAlarm(length + kReleaseAfter);",
        "    setAlarm(kReleaseAfter);",
    ),
    # ================================================================ e2e_soak
    F(
        "x_drag_places",
        "e2e_soak",
        "a press on one cell released over another cell places a letter",
        BOARD_CELL,
        "    if (!rect().contains(event->position().toPoint())) return;\n",
        "",
    ),
    F(
        "x_computer_150ms",
        "e2e_soak",
        "the computer answers after 150 ms instead of half a second",
        MAIN_WINDOW,
        "m_computerTimer->setInterval(500);",
        "m_computerTimer->setInterval(150);",
    ),
    F(
        "x_computer_1500ms",
        "e2e_soak",
        "the computer answers after 1.5 s instead of half a second",
        MAIN_WINDOW,
        "m_computerTimer->setInterval(500);",
        "m_computerTimer->setInterval(1500);",
    ),
    F(
        "x_escape_closes_options",
        "e2e_soak",
        "Escape closes the options dialog",
        OPTIONS_DIALOG,
        "    if (event->matches(QKeySequence::Cancel)) {\n"
        "        event->accept();\n"
        "        return;\n"
        "    }\n",
        "",
    ),
    F(
        "x_wrong_end_sound",
        "e2e_soak",
        "a two-player game ends with sound 1 instead of sound 3",
        GAME,
        "    int sound = 3;",
        "    int sound = 1;",
    ),
    F(
        "x_lines_below_cells",
        "e2e_soak",
        "struck lines are drawn below the letter pictures instead of across them",
        MAIN_WINDOW,
        "    m_lines->raise();",
        "    m_lines->lower();",
    ),
    F(
        "x_turn_not_passing",
        "e2e_soak",
        "a move that scores nothing keeps the turn; a scoring move passes it",
        GAME,
        "    if (report.lines.empty()) {",
        "    if (!report.lines.empty()) {",
    ),
    F(
        "x_target_strict",
        "e2e_soak",
        "reaching the score target does not end the game; only passing it does",
        GAME,
        "if (m_state.score[p] >= m_state.score_limit) winner = p;",
        "if (m_state.score[p] > m_state.score_limit) winner = p;",
    ),
    F(
        "x_no_pressed_look",
        "e2e_soak",
        "pressing a command button shows no pressed look",
        COMMAND_BUTTONS,
        "[this](int b) { m_buttons[b]->setPicture(m_looks[b].pressed); });",
        "[this](int b) { m_buttons[b]->setPicture(m_looks[b].highlighted); });",
    ),
    F(
        "x_points_to_player1",
        "e2e_soak",
        "every point goes to player 1's tally, whoever scored",
        GAME,
        "m_state.score[player] = static_cast<std::int16_t>(m_state.score[player] + 1);\n"
        "        m_view.showScore(slotOf(player), m_state.score[player]);",
        "m_state.score[1] = static_cast<std::int16_t>(m_state.score[1] + 1);\n"
        "        m_view.showScore(slotOf(player), m_state.score[1]);",
    ),
    F(
        "x_sound_when_off",
        "e2e_soak",
        "a player's placement sounds with sound switched off",
        GAME,
        "    if (m_state.sound_on) m_view.playSound(2);\n    scoreLinesThrough(cell",
        "    m_view.playSound(2);\n    scoreLinesThrough(cell",
    ),
    F(
        "x_lines_kept",
        "e2e_soak",
        "the struck lines of the last game stay on the board after a new game",
        GAME,
        "    m_state.lines.clear();\n",
        "",
    ),
    F(
        "x_overwrite_taken",
        "e2e_soak",
        "a click on a taken cell replaces its letter",
        GAME,
        "    if (m_state.board[cell] != kEmpty) return;\n",
        "",
    ),
    # Playing without a mouse: the keys, the cursor and what a screen reader gets.
    F(
        "k_cursor_stays",
        "keyboard",
        "the cursor's frame stays on the board after a mouse press",
        MAIN_WINDOW,
        "        m_cursor.moveTo(m_cursor.cell(), false);",
        "        m_cursor.moveTo(m_cursor.cell(), m_cursor.shown());",
    ),
    F(
        "k_s_key_puts_o",
        "keyboard",
        "the S key puts an O",
        COMMAND_RUNNER,
        "            m_game.place(m_cursor.cell(), game::Letter::S);",
        "            m_game.place(m_cursor.cell(), game::Letter::O);",
    ),
    F(
        "k_right_edge_open",
        "keyboard",
        "Right on the last column runs off the row",
        BOARD_KEYS,
        "    column = std::clamp(column, 1, game::kSide);",
        "    column = std::max(column, 1);",
    ),
    F(
        "k_ring_not_drawn",
        "keyboard",
        "the cursor moves but no frame shows where it is",
        BOARD_CURSOR,
        "    painter.fillRect(outside, kRingColour);",
        "    painter.fillRect(outside, Qt::transparent);",
    ),
    F(
        "k_held_ctrl_n_repeats",
        "keyboard",
        "holding Ctrl+N asks the new-game question again and again",
        COMMAND_RUNNER,
        "    if (!repeated || (isBoardCommand(command) && !placing)) run(command);",
        "    if (!repeated || !placing) run(command);",
    ),
    F(
        "k_escape_keeps_window",
        "keyboard",
        "Escape leaves the result window and the About box open",
        PICTURE_WINDOW,
        "(key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)",
        "(key == Qt::Key_Return || key == Qt::Key_Enter)",
    ),
    F(
        "k_mode_keys_swapped",
        "keyboard",
        "Alt+M chooses Vs Player and Alt+P Vs Computer",
        OPTIONS_DIALOG,
        "&QShortcut::activated, this,\n"
        "                [this, i] { chooseMode(static_cast<game::GameMode>(i)); });",
        "&QShortcut::activated, this,\n"
        "                [this, i] { chooseMode(static_cast<game::GameMode>(3 - i)); });",
    ),
    F(
        "k_action_puts_wrong_letter",
        "keyboard",
        "a screen reader's Place S puts an O",
        SCREEN_READER,
        "actionName == placeS() ? game::Letter::S : game::Letter::O;",
        "actionName == placeS() ? game::Letter::O : game::Letter::S;",
    ),
    F(
        "k_close_action_inert",
        "keyboard",
        "a screen reader's Close leaves the window open",
        SCREEN_READER,
        "[](PictureWindow *w) { w->close(); });",
        "[](PictureWindow *w) { w->update(); });",
    ),
    F(
        "k_focus_not_told",
        "keyboard",
        "a screen reader is not told that the cursor moved",
        BOARD_CURSOR,
        "    if (m_shown) announceFocus(m_cells[m_cell]);",
        "",
    ),
    F(
        "k_moves_unheard",
        "keyboard",
        "a screen reader hears nothing of the moves",
        NARRATOR,
        "    QAccessibleEvent event(this, QAccessible::ObjectShow);\n"
        "    QAccessible::updateAccessibility(&event);",
        "",
    ),
    # The narrator tells the turn from the move's report; nothing is read back from labels.
    F(
        "k_kept_turn_announced",
        "keyboard",
        "after a scoring move a screen reader hears 'Turn: ...' although the turn did not pass",
        NARRATOR,
        "    if (move.turnPassed)\n",
        "    if (!move.nextName.empty())\n",
    ),
    F(
        "k_cell_name_empty",
        "keyboard",
        "a screen reader reads every cell as empty, whatever letter it holds",
        MAIN_WINDOW,
        "    m_cells[cell]->setContent(letter, letterPicture(letter));",
        "    m_cells[cell]->setContent(game::kEmpty, letterPicture(letter));",
    ),
]

GROUPS = ["engine", "widgets", "e2e_soak", "keyboard"]


def log(message):
    print(message, file=sys.stderr, flush=True)


def run(command, log_path, timeout=None):
    """Runs command with its output into log_path; returns the exit status (124 on timeout)."""
    with open(log_path, "w", encoding="utf-8") as out:
        out.write("$ " + " ".join(command) + "\n")
        out.flush()
        process = subprocess.Popen(
            command, stdout=out, stderr=subprocess.STDOUT, start_new_session=True
        )
        try:
            return process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            out.write(f"\n*** killed after {timeout} s\n")
            return 124
        except BaseException:
            # Ctrl-C: the child runs in its own session and must not outlive us.
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
            raise


def test_names(build):
    listing = subprocess.run(
        ["ctest", "--test-dir", build, "-N"], capture_output=True, text=True, check=True
    ).stdout
    return re.findall(r"^\s*Test\s+#\d+:\s+(\S+)\s*$", listing, re.MULTILINE)


def cost_order(build, names):
    """Cheapest first: the engine test, the widget tests, the soak test, then the rest (the
    end-to-end and screen-reader tests); within each, by the costs ctest has recorded."""
    costs = {}
    try:
        with open(
            os.path.join(build, "Testing", "Temporary", "CTestCostData.txt"), encoding="utf-8"
        ) as data:
            for line in data:
                parts = line.split()
                if line.startswith("---"):
                    break
                if len(parts) == 3:
                    costs[parts[0]] = float(parts[2])
    except OSError:
        pass

    def rank(name):
        if name == "game_engine":
            return 0
        if name == "tst_soak":
            return 2
        if name.startswith("tst_"):
            return 1
        return 3

    index = {name: i for i, name in enumerate(names)}
    return sorted(names, key=lambda n: (rank(n), costs.get(n, float("inf")), index[n]))


class Journal:
    """Keeps the original text of a file while a fault is planted in it, so that even a
    killed run can be repaired by the next one."""

    def __init__(self, path):
        self.path = path

    def recover(self):
        if not os.path.exists(self.path):
            return
        with open(self.path, encoding="utf-8") as f:
            entry = json.load(f)
        write_text(entry["file"], entry["original"])
        log(f"restored {entry['file']} left planted by an interrupted run")
        os.remove(self.path)

    def open(self, file, original):
        with open(self.path, "w", encoding="utf-8") as f:
            json.dump({"file": file, "original": original}, f)

    def close(self):
        if os.path.exists(self.path):
            os.remove(self.path)


def read_text(path):
    with open(path, encoding="utf-8", newline="") as f:
        return f.read()


def write_text(path, text):
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(text)


def build_tree(build, jobs, log_path):
    return run(["cmake", "--build", build, "-j", str(jobs)], log_path) == 0


def select(args):
    faults = FAULTS
    if args.group:
        wanted = set(args.group.split(","))
        unknown = wanted - set(GROUPS)
        if unknown:
            sys.exit(f"unknown group: {', '.join(sorted(unknown))}")
        faults = [f for f in faults if f.group in wanted]
    if args.only:
        wanted = [w for w in args.only.split(",") if w]
        known = {f.id for f in FAULTS}
        unknown = [w for w in wanted if w not in known]
        if unknown:
            sys.exit(f"unknown fault: {', '.join(unknown)}")
        faults = [f for f in faults if f.id in wanted]
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--tree", help="the source tree to plant faults in")
    parser.add_argument("--build", help="a build folder configured for that tree")
    parser.add_argument("--only", help="comma-separated fault ids")
    parser.add_argument("--group", help="comma-separated groups: " + ", ".join(GROUPS))
    parser.add_argument("--list", action="store_true", help="list the faults and stop")
    parser.add_argument("--timeout", type=int, default=300, help="seconds per test (300)")
    parser.add_argument("--jobs", type=int, default=2, help="build jobs (2)")
    parser.add_argument(
        "--all", action="store_true", help="run every test on each fault and name all that catch it"
    )
    parser.add_argument("--skip", help="a regular expression: tests to leave out")
    args = parser.parse_args()

    ids = [f.id for f in FAULTS]
    assert len(ids) == len(set(ids)), "duplicate fault id"
    faults = select(args)

    if args.list:
        for f in faults:
            print(f"{f.id}\t{f.group}\t{f.file}\t{f.what}")
        for group in GROUPS:
            print(f"{group}: {sum(f.group == group for f in faults)} faults")
        return 0

    if not args.tree or not args.build:
        parser.error("--tree and --build are required (or --list)")
    tree = os.path.abspath(args.tree)
    build = os.path.abspath(args.build)
    logs = os.path.join(build, "plant_faults_logs")
    os.makedirs(logs, exist_ok=True)

    # Ctrl-C and a plain kill both end the run through the restoring path.
    def terminate(signum, frame):
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, terminate)
    signal.signal(signal.SIGHUP, terminate)

    journal = Journal(os.path.join(logs, "planted.json"))
    journal.recover()

    started = time.monotonic()
    log("building the pristine tree")
    if not build_tree(build, args.jobs, os.path.join(logs, "pristine.build.log")):
        sys.exit(f"the pristine tree does not build: see {logs}/pristine.build.log")
    tests = [
        t
        for t in cost_order(build, test_names(build))
        if not (args.skip and re.search(args.skip, t))
    ]
    if not tests:
        sys.exit("no tests in " + build)
    log("test order: " + ", ".join(tests))

    results = {}  # id -> ("caught", test) | ("missed",) | ("stale", why) | ("nobuild",)
    interrupted = False
    try:
        for number, fault in enumerate(faults, 1):
            path = os.path.join(tree, fault.file)
            prefix = f"[{number}/{len(faults)}] {fault.id}"
            try:
                original = read_text(path)
            except OSError as error:
                results[fault.id] = ("stale", f"cannot read {fault.file}: {error.strerror}")
                print(f"{fault.id} stale ({results[fault.id][1]})", flush=True)
                continue
            count = original.count(fault.old)
            if count != 1:
                results[fault.id] = ("stale", f"snippet found {count} times in {fault.file}")
                print(f"{fault.id} stale ({results[fault.id][1]})", flush=True)
                continue

            fault_started = time.monotonic()
            journal.open(path, original)
            try:
                write_text(path, original.replace(fault.old, fault.new, 1))
                log(f"{prefix}: building")
                if not build_tree(build, args.jobs, os.path.join(logs, f"{fault.id}.build.log")):
                    results[fault.id] = ("nobuild",)
                else:
                    results[fault.id] = ("missed",)
                    for test in tests:
                        log(f"{prefix}: {test}")
                        status = run(
                            [
                                "ctest",
                                "--test-dir",
                                build,
                                "-R",
                                f"^{re.escape(test)}$",
                                "--output-on-failure",
                                "--timeout",
                                str(args.timeout),
                            ],
                            os.path.join(logs, f"{fault.id}.{test}.log"),
                            timeout=args.timeout + 120,
                        )
                        if status != 0:
                            catchers = (
                                results[fault.id][1:] if results[fault.id][0] == "caught" else ()
                            )
                            results[fault.id] = ("caught", *catchers, test)
                            if not args.all:
                                break
            finally:
                write_text(path, original)
                journal.close()

            outcome = results[fault.id]
            line = {
                "caught": lambda: f"{fault.id} caught by {', '.join(outcome[1:])}",
                "missed": lambda: f"{fault.id} MISSED",
                "nobuild": lambda: f"{fault.id} does not build",
            }[outcome[0]]()
            print(line, flush=True)
            log(f"{prefix}: {time.monotonic() - fault_started:.0f} s")
    except KeyboardInterrupt:
        interrupted = True
        log("interrupted: the planted file has been restored")

    print()
    print("totals" + (" (interrupted, partial)" if interrupted else ""))
    for group in GROUPS:
        members = [f for f in faults if f.group == group]
        if not members:
            continue
        done = [f for f in members if f.id in results]
        kinds = {
            k: [f.id for f in done if results[f.id][0] == k]
            for k in ("caught", "missed", "stale", "nobuild")
        }
        measured = len(kinds["caught"]) + len(kinds["missed"])
        print(
            f"{group}: caught {len(kinds['caught'])}/{measured}"
            f" (of {len(members)} faults; stale {len(kinds['stale'])},"
            f" does not build {len(kinds['nobuild'])}"
            + (f", not run {len(members) - len(done)}" if len(done) < len(members) else "")
            + ")"
        )
        if kinds["missed"]:
            print(f"  missed: {', '.join(kinds['missed'])}")
        if kinds["stale"]:
            print(f"  stale: {', '.join(kinds['stale'])}")
        if kinds["nobuild"]:
            print(f"  does not build: {', '.join(kinds['nobuild'])}")
    caught = sum(1 for r in results.values() if r[0] == "caught")
    measured = sum(1 for r in results.values() if r[0] in ("caught", "missed"))
    print(f"all: caught {caught}/{measured}")
    sys.stdout.flush()

    log("rebuilding the pristine tree")
    pristine = build_tree(build, args.jobs, os.path.join(logs, "pristine.build.log"))
    log(
        f"pristine rebuild {'done' if pristine else 'FAILED'};"
        f" total time {time.monotonic() - started:.0f} s"
    )
    if interrupted:
        return 130
    return 0 if pristine else 1


if __name__ == "__main__":
    sys.exit(main())
