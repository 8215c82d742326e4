// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QWidget>

#include "game/game_view.h"

namespace ui {

// A voice for what happens on the board away from the focus. It is never drawn; what is said
// during one pass of the event loop reaches assistive technology as one notification, its name.
// Screen readers such as Orca ignore name changes of labels without the focus, but speak this.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);
    void say(const QString &words);

private:
    void flush();
    QStringList m_pending;
};

// Tells each placement aloud, from what the game reports of it: the letter and its cell (the
// computer's moves too), the lines it struck, who scored and their new score, and the turn when
// it passes, as "Row 5, column 5: S. S-O-S from row 5, column 5 to row 5, column 7. Ann: 1";
// and the readings the player asks for.
class Narrator {
public:
    explicit Narrator(QWidget *window);
    void tell(const game::MoveReport &move);
    // Says a reading the player asked for.
    void read(const QString &reading);

private:
    Announcer *m_announcer;
};

}  // namespace ui
