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
// It keeps no values of its own: the controls' states are its data, and the game-mode
// selector (two labels) records the selected mode only as the blue text colour of one label.
// fill() writes the game state into the controls; OK (Command1) reads them back, refuses a
// score target below 1 with a modal message while "Until All box filled" is unchecked, and
// otherwise hands the values to the applier and closes. Cancel (Command2) and the close box
// close without applying. Closing destroys the dialog. Escape does nothing; Enter presses only
// the focused Okey or Cancel button, and no button is a default button.
class Form2 final : public QDialog {
    Q_OBJECT
public:
    using Applier = std::function<void(const game::OptionValues &)>;
    // Shows the score-target message, modal to the program; dialog is the options dialog.
    using RangeMessage = std::function<void(QWidget *dialog)>;

    Form2();

    // Fills the controls from the game state, in this order: mode colours, score target
    // (limit 0 checks "Until All box filled" and disables the target box, leaving its text;
    // otherwise the box is enabled and shows the limit as a whole number), names 1 and 2, sound.
    void fill(const game::GameState &state);

    // The controls' values as OK reads them; names and target text in UTF-8.
    game::OptionValues values() const;

    // Receives the values when OK accepts them, before the dialog closes.
    void setApplier(Applier applier);
    void setRangeMessage(RangeMessage message);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void createControls();
    void setTabChain();
    // Mode selector: label index (1 or 2) turns blue, the other light grey.
    void selectMode(int index);
    void pressOk();

    QPixmap m_background;
    ui::ModeLabel *m_mode1[3] = {};  // 1..2
    QLineEdit *m_text2 = nullptr;
    ui::WrappedCheckBox *m_check2 = nullptr;
    QLineEdit *m_text1[3] = {};      // 1..2
    QPushButton *m_option1[3] = {};  // 1..2
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command1 = nullptr;
    Applier m_applier;
    RangeMessage m_rangeMessage;
};
