// SPDX-License-Identifier: MIT
#include "ui/main/player_panel.h"

#include <QLabel>

#include "game/game_clock.h"
#include "ui/common/fonts.h"
#include "ui/common/twips.h"

namespace ui {

namespace {

void setLabelText(QLabel *label, const QString &text) {
    label->setText(text);
    label->adjustSize();
}

}  // namespace

PlayerPanel::PlayerPanel(QWidget *window) : m_window(window) {
    m_clockLabel = addLabel("timelbl", topLeft(layout::kTimeLabel), layout::kTimeLabelPoints);
    m_clockLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_clockLabel->setLineWidth(1);
    QPalette blue = m_clockLabel->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_clockLabel->setPalette(blue);
    m_clockLabel->setAccessibleDescription(QStringLiteral("Time played"));

    m_turnLabel = addLabel("giliranlbl", topLeft(layout::kTurnLabel), layout::kTurnLabelPoints);
    m_turnLabel->setAccessibleDescription(QStringLiteral("Whose turn it is"));
    for (int slot = 1; slot <= 2; ++slot) {
        m_scoreLabels[slot] =
            addLabel(slot == 1 ? "Scorelbl1" : "Scorelbl2", topLeft(layout::scoreLabel(slot)),
                     layout::kScoreLabelPoints);
        m_nameLabels[slot] = addLabel(slot == 1 ? "namalbl1" : "namalbl2",
                                      topLeft(layout::nameLabel(slot)), layout::kNameLabelPoints);
        const QString player = slot == 1 ? QStringLiteral("first") : QStringLiteral("second");
        m_scoreLabels[slot]->setAccessibleDescription(
            QStringLiteral("Score of the %1 player").arg(player));
        m_nameLabels[slot]->setAccessibleDescription(
            QStringLiteral("Name of the %1 player").arg(player));
    }
}

QLabel *PlayerPanel::addLabel(const char *name, QPoint position, qreal pointSize) {
    auto *label = new QLabel(m_window);
    label->setObjectName(QLatin1String(name));
    // Names are whatever the players typed: never markup, never mnemonics.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setFocusPolicy(Qt::NoFocus);
    // A drag begun on a label stays with the label and never counts as a surface move.
    label->setAttribute(Qt::WA_NoMousePropagation);
    label->setFont(windowFont(QLatin1String(layout::kLabelFace), pointSize, true));
    label->move(position);
    return label;
}

void PlayerPanel::showName(int slot, const std::string &name, game::NameStyle style) {
    const QString text = QString::fromStdString(name);
    setLabelText(m_nameLabels[slot],
                 style == game::NameStyle::Heading ? text + QLatin1Char(':') : text);
}

void PlayerPanel::showScore(int slot, int points) {
    // A fresh score reads "00", as the label starts out.
    setLabelText(m_scoreLabels[slot], points == 0 ? QStringLiteral("00") : QString::number(points));
}

void PlayerPanel::showTurn(int participant, const std::string &name) {
    // Before the first game nobody is to move.
    setLabelText(m_turnLabel,
                 participant == 0 ? QStringLiteral("None/Tuyul") : QString::fromStdString(name));
}

void PlayerPanel::showClock(int hours, int minutes, int seconds) {
    setLabelText(m_clockLabel, QString::fromStdString(game::clockText(hours, minutes, seconds)));
}

}  // namespace ui
