// SPDX-License-Identifier: MIT
#include "ui/options/options_dialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

#include "ui/common/fonts.h"
#include "ui/common/pictures.h"
#include "ui/common/twips.h"
#include "ui/options/mode_label.h"
#include "ui/options/whole_character_validator.h"
#include "ui/options/wrapped_check_box.h"

namespace {

const QColor kSelectedMode(0, 0, 255);
const QColor kOtherMode(192, 192, 192);
const QColor kWhite(255, 255, 255);
constexpr int kNameLength = 13;
constexpr int kTargetLength = 2;

// "MS Sans Serif" 8.25 pt; Liberation Sans stands in where it is missing.
QFont dialogFont(bool bold) {
    return ui::windowFont(QStringLiteral("MS Sans Serif"), 8.25, bold);
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void paintWhite(QWidget *widget) {
    setColour(widget, QPalette::Window, kWhite);
    widget->setBackgroundRole(QPalette::Window);  // buttons fill with their button colour
    widget->setAutoFillBackground(true);
}

QLineEdit *textBox(QWidget *parent, const char *name, int maxLength, const QRect &geometry,
                   const QString &toolTip) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(maxLength);
    box->setValidator(new ui::WholeCharacterValidator(box));
    box->setGeometry(geometry);
    box->setToolTip(toolTip);
    return box;
}

// The refusal of a score target below 1. The box belongs to the dialog, which can be destroyed
// while the box waits (closing the main window takes it along); the guarded pointer knows.
void showRangeMessage(QWidget *dialog) {
    QPointer<QMessageBox> box = new QMessageBox(
        QMessageBox::Critical, QStringLiteral("Where's your brain ??"),
        QStringLiteral("The range is 1 to >1, stupid people can't play this game !!"),
        QMessageBox::Ok, dialog);
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
    delete box;
}

}  // namespace

OptionsDialog::OptionsDialog() : m_rangeMessage(&showRangeMessage) {
    m_background =
        ui::loadPicture(QStringLiteral(":/pictures/options_background.gif"), devicePixelRatioF());
    setObjectName(QStringLiteral("Form2"));
    // A plain window, not a dialog: X11 would make a dialog without a parent belong to the
    // program's other windows, and window managers would keep it above the main window.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Options"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/options.ico")));
    setFixedSize(ui::size(layout::kOptionsClient));
    setFont(dialogFont(false));
    paintWhite(this);

    createControls();
    setTabChain();
    m_okButton->setFocus();
}

void OptionsDialog::createControls() {
    const QString modeText[3] = {{}, QStringLiteral("Vs Player"), QStringLiteral("Vs Computer")};
    const QString modeTip[3] = {
        {}, QStringLiteral("Play against your friend"), QStringLiteral("Play with machine")};
    for (int i = 1; i <= 2; ++i) {
        auto *label = new ui::ModeLabel(modeText[i], this);
        label->setObjectName(QStringLiteral("mode1_%1").arg(i));
        label->setFont(dialogFont(true));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setToolTip(modeTip[i]);
        label->move(ui::topLeft(layout::modeLabel(i)));
        label->adjustSize();
        connect(label, &ui::ModeLabel::clicked, this,
                [this, i] { chooseMode(static_cast<game::GameMode>(i)); });
        m_modeLabels[i] = label;
    }
    // The mode labels take no focus; from the keyboard Alt+P picks the player and Alt+M the
    // machine. Nothing on the dialog shows these keys: its looks stay as they are.
    const QKeySequence modeKeys[3] = {
        {}, QKeySequence(Qt::ALT | Qt::Key_P), QKeySequence(Qt::ALT | Qt::Key_M)};
    for (int i = 1; i <= 2; ++i)
        connect(new QShortcut(modeKeys[i], this), &QShortcut::activated, this,
                [this, i] { chooseMode(static_cast<game::GameMode>(i)); });
    // "Vs Player" lets the background picture show through; "Vs Computer" is opaque white.
    paintWhite(m_modeLabels[2]);
    chooseMode(game::GameMode::TwoPlayers);

    m_targetBox = textBox(this, "Text2", kTargetLength, ui::rect(layout::kTargetBox),
                          QStringLiteral("Limit to win"));
    m_targetBox->setText(QStringLiteral("20"));
    m_targetBox->setEnabled(false);
    // The captions of the rows are painted on the background; a screen reader needs them.
    m_targetBox->setAccessibleName(QStringLiteral("Score Limit"));

    m_untilFullBox = new ui::WrappedCheckBox(QStringLiteral("Until All box filled"), this);
    m_untilFullBox->setObjectName(QStringLiteral("Check2"));
    m_untilFullBox->setGeometry(ui::rect(layout::kUntilFull));
    m_untilFullBox->setToolTip(QStringLiteral("You can win if all the box is filled"));
    m_untilFullBox->setChecked(true);
    paintWhite(m_untilFullBox);
    connect(m_untilFullBox, &QCheckBox::toggled, m_targetBox,
            [this](bool checked) { m_targetBox->setEnabled(!checked); });

    const QString nameText[3] = {
        {}, QStringLiteral("Lorna Quillet"), QStringLiteral("Ruth Penhallo")};
    const QColor nameColour[3] = {{}, QColor(0, 0, 255), QColor(255, 0, 0)};
    for (int i = 1; i <= 2; ++i) {
        QLineEdit *box =
            textBox(this, i == 1 ? "Text1_1" : "Text1_2", kNameLength, ui::rect(layout::nameBox(i)),
                    QStringLiteral("Stupid people %1").arg(i));
        box->setFont(dialogFont(true));
        setColour(box, QPalette::Text, nameColour[i]);
        box->setText(nameText[i]);
        box->setAccessibleName(QStringLiteral("Player %1").arg(i));
        m_nameBoxes[i] = box;
    }

    // Sound: two checkable push buttons that exclude each other; the selected one stays
    // pressed in, and clicking it again keeps it selected.
    const QString soundText[3] = {{}, QStringLiteral("ON"), QStringLiteral("OFF")};
    const QString soundTip[3] = {
        {}, QStringLiteral("Play the sound !!"), QStringLiteral("Fuck the sound !!")};
    for (int i = 1; i <= 2; ++i) {
        auto *button = new QPushButton(soundText[i], this);
        button->setObjectName(QStringLiteral("Option1_%1").arg(i));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setAutoDefault(false);
        button->setGeometry(ui::rect(layout::soundButton(i)));
        button->setToolTip(soundTip[i]);
        button->setAccessibleName(QStringLiteral("Sound ") + soundText[i]);
        setColour(button, QPalette::Button, kWhite);
        m_soundButtons[i] = button;
    }
    m_soundButtons[1]->setChecked(true);

    m_cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancelButton->setAutoDefault(false);
    m_cancelButton->setObjectName(QStringLiteral("Command2"));
    m_cancelButton->setGeometry(ui::rect(layout::kCancel));
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);

    m_okButton = new QPushButton(QStringLiteral("&Okey"), this);
    m_okButton->setAutoDefault(false);
    m_okButton->setObjectName(QStringLiteral("Command1"));
    m_okButton->setGeometry(ui::rect(layout::kOkey));
    connect(m_okButton, &QPushButton::clicked, this, &OptionsDialog::pressOk);
}

void OptionsDialog::setTabChain() {
    const QWidget *chain[] = {m_okButton,        m_cancelButton,    m_nameBoxes[2], m_nameBoxes[1],
                              m_soundButtons[1], m_soundButtons[2], m_targetBox,    m_untilFullBox};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(const_cast<QWidget *>(chain[i - 1]), const_cast<QWidget *>(chain[i]));
}

void OptionsDialog::chooseMode(game::GameMode mode) {
    m_mode = mode;
    const int index = static_cast<int>(mode);
    ui::ModeLabel *other = m_modeLabels[3 - index];
    setColour(m_modeLabels[index], QPalette::WindowText, kSelectedMode);
    setColour(other, QPalette::WindowText, kOtherMode);
    // The selection shows only as a colour; a screen reader says it in words.
    const QString selected =
        QStringLiteral("Game mode ") + m_modeLabels[index]->text() + QStringLiteral(", selected");
    if (m_modeLabels[index]->accessibleName() != selected)
        m_modeLabels[index]->setAccessibleName(selected);
    const QString notSelected = QStringLiteral("Game mode ") + other->text();
    if (other->accessibleName() != notSelected) other->setAccessibleName(notSelected);
}

void OptionsDialog::fill(const game::GameState &state) {
    chooseMode(state.game_mode);

    if (state.score_limit == 0) {
        m_untilFullBox->setChecked(true);
        m_targetBox->setEnabled(false);
    } else {
        m_targetBox->setEnabled(true);
        m_untilFullBox->setChecked(false);
        m_targetBox->setText(QString::number(state.score_limit, 'f', 0));
    }

    m_nameBoxes[1]->setText(QString::fromStdString(state.player_name[1]));
    m_nameBoxes[2]->setText(QString::fromStdString(state.player_name[2]));

    m_soundButtons[state.sound_on ? 1 : 2]->setChecked(true);
}

game::Options OptionsDialog::options() const {
    game::Options chosen;
    chosen.mode = m_mode;
    chosen.name1 = m_nameBoxes[1]->text().toStdString();
    chosen.name2 = m_nameBoxes[2]->text().toStdString();
    chosen.soundOn = m_soundButtons[1]->isChecked();
    chosen.untilFull = m_untilFullBox->isChecked();
    chosen.targetText = m_targetBox->text().toStdString();
    return chosen;
}

void OptionsDialog::setApply(Apply apply) {
    m_apply = std::move(apply);
}

void OptionsDialog::setRangeMessage(RangeMessage message) {
    m_rangeMessage = std::move(message);
}

void OptionsDialog::pressOk() {
    const game::Options chosen = options();
    if (!game::targetAcceptable(chosen)) {
        // A copy: the message runs a nested event loop, and the dialog may be gone after it.
        const RangeMessage message = m_rangeMessage;
        if (message) message(this);
        return;
    }
    if (m_apply) m_apply(chosen);
    close();
}

void OptionsDialog::keyPressEvent(QKeyEvent *event) {
    // Escape does nothing, and Enter presses only the focused Okey or Cancel button. No
    // button of this dialog is a default button (a QDialog would otherwise make one, press it
    // on Enter from anywhere and draw it highlighted).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QWidget *focused = focusWidget();
        if (focused == m_okButton || focused == m_cancelButton)
            static_cast<QPushButton *>(focused)->click();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void OptionsDialog::showEvent(QShowEvent *event) {
    // Mark the focused control from the start, not only after the first Tab (Qt clears this
    // whenever a window is shown).
    setAttribute(Qt::WA_KeyboardFocusChange);
    QDialog::showEvent(event);
}

void OptionsDialog::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

bool OptionsDialog::focusNextPrevChild(bool next) {
    // Of the two sound buttons only the selected one is a stop of the Tab key (the arrow keys
    // move between them). Qt hands that stop to whichever of them last had the focus, so it
    // is set right before every move.
    const int selected = m_soundButtons[1]->isChecked() ? 1 : 2;
    m_soundButtons[selected]->setFocusPolicy(Qt::StrongFocus);
    m_soundButtons[3 - selected]->setFocusPolicy(Qt::ClickFocus);
    return QDialog::focusNextPrevChild(next);
}
