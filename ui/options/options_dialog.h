// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QPixmap>

#include <functional>

#include "game/game_state.h"
#include "game/settings.h"

class QLineEdit;
class QPushButton;

namespace ui {
class ModeLabel;
class WrappedCheckBox;
}  // namespace ui

// The options dialog: game mode, the two human names, sound on or off and the score target.
//
// fill() writes the game state into the controls; Okey reads them back, refuses a score target
// below 1 with a modal message while "Until All box filled" is unchecked, and otherwise hands
// the options on and closes. Cancel and the close box close without applying. Closing destroys
// the dialog. Escape does nothing; Enter presses only the focused Okey or Cancel button, and no
// button is a default button. The game mode is chosen with two labels: the chosen one shows its
// text in blue, the other in light grey.
class OptionsDialog final : public QDialog {
    Q_OBJECT
public:
    using Apply = std::function<void(const game::Options &)>;
    // Shows the score-target message, modal to the program; dialog is the options dialog.
    using RangeMessage = std::function<void(QWidget *dialog)>;

    OptionsDialog();

    // Fills the controls from the game state, in this order: game mode, score target
    // (limit 0 checks "Until All box filled" and disables the target box, leaving its text;
    // otherwise the box is enabled and shows the limit as a whole number), names 1 and 2, sound.
    void fill(const game::GameState &state);

    // The options as the controls show them; names and target text in UTF-8.
    game::Options options() const;

    // Receives the options when Okey accepts them, before the dialog closes.
    void setApply(Apply apply);
    void setRangeMessage(RangeMessage message);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void createControls();
    void setTabChain();
    void chooseMode(game::GameMode mode);
    void pressOk();

    QPixmap m_background;
    game::GameMode m_mode = game::GameMode::TwoPlayers;
    ui::ModeLabel *m_modeLabels[3] = {};  // 1 two players, 2 against the computer
    QLineEdit *m_targetBox = nullptr;
    ui::WrappedCheckBox *m_untilFullBox = nullptr;
    QLineEdit *m_nameBoxes[3] = {};       // players 1..2
    QPushButton *m_soundButtons[3] = {};  // 1 on, 2 off
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_okButton = nullptr;
    Apply m_apply;
    RangeMessage m_rangeMessage;
};
