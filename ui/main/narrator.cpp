// SPDX-License-Identifier: MIT
#include "ui/main/narrator.h"

#include <QAccessible>
#include <QMetaObject>

#include "ui/main/screen_reader.h"

namespace ui {

Announcer::Announcer(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::say(const QString &words) {
    if (m_pending.isEmpty())
        QMetaObject::invokeMethod(this, &Announcer::flush, Qt::QueuedConnection);
    m_pending.append(words);
}

void Announcer::flush() {
    setAccessibleName(m_pending.join(QStringLiteral(". ")));
    m_pending.clear();
    // A notification coming into view is spoken; the widget itself stays hidden.
    QAccessibleEvent event(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

Narrator::Narrator(QWidget *window) : m_announcer(new Announcer(window)) {}

void Narrator::tell(const game::MoveReport &move) {
    m_announcer->say(cellReading(move.cell, move.letter));
    for (const game::Line &line : move.lines)
        m_announcer->say(strikeReading(line.first, line.last));
    if (!move.lines.empty())
        m_announcer->say(QString::fromStdString(move.playerName) + QStringLiteral(": ") +
                         QString::number(move.score));
    if (move.turnPassed)
        m_announcer->say(QStringLiteral("Turn: ") + QString::fromStdString(move.nextName));
}

void Narrator::read(const QString &reading) {
    m_announcer->say(reading);
}

}  // namespace ui
