// SPDX-License-Identifier: MIT
#include "ui/main/screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMetaObject>
#include <QPointer>

#include "game/game_state.h"
#include "ui/common/picture_window.h"
#include "ui/main/board_cell.h"
#include "ui/main/image_button.h"
#include "ui/main/line_overlay.h"
#include "ui/main/main_window.h"
#include "ui/main/narrator.h"

namespace ui {

namespace {

// Runs what an action of assistive technology asks for from the event loop, as a mouse click
// would: the request must be answered first, since the deed may open a modal question. Like a
// click, it does nothing while a modal window blocks the program, nor once the control is gone.
template <typename Control, typename Deed>
void actLater(Control *control, Deed deed) {
    QPointer<Control> guarded = control;
    QMetaObject::invokeMethod(
        control,
        [guarded, deed] {
            if (guarded && !QApplication::activeModalWidget()) deed(guarded.data());
        },
        Qt::QueuedConnection);
}

// A command button as a push button, with the key that runs its command.
class CommandButtonAccessible final : public QAccessibleWidget {
public:
    explicit CommandButtonAccessible(ImageButton *button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }

    QStringList keyBindingsForAction(const QString &actionName) const override {
        static const QStringList kKeys = {QStringLiteral("Ctrl+N"), QStringLiteral("Ctrl+,"),
                                          QStringLiteral("F1")};
        const int i = static_cast<ImageButton *>(widget())->index();
        if (actionName != pressAction() || i < 0 || i >= kKeys.size()) return {};
        return {kKeys[i]};
    }

    void doAction(const QString &actionName) override {
        if (actionName != pressAction() || !widget()->isEnabled()) return;
        actLater(static_cast<ImageButton *>(widget()),
                 [](ImageButton *button) { button->click(); });
    }
};

// A cell as a text that can be played: its actions put an S or an O in it, as the mouse would.
// Its name is read from the letter it holds when asked for, so that a placement raises no name
// change: the move is told once, by the narrator. The keyboard's cursor on it makes it focused.
class CellAccessible final : public QAccessibleWidget {
public:
    explicit CellAccessible(BoardCell *cell) : QAccessibleWidget(cell, QAccessible::StaticText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        state.focused = static_cast<BoardCell *>(widget())->hasCursor();
        return state;
    }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto *cell = static_cast<BoardCell *>(widget());
        return cellReading(cell->index(), cell->letter());
    }

    QStringList actionNames() const override {
        QStringList names = {placeS(), placeO()};
        for (const Reading &r : kReadings) names << r.action;
        return names;
    }

    QStringList keyBindingsForAction(const QString &actionName) const override {
        if (actionName == placeS()) return {QStringLiteral("S")};
        if (actionName == placeO()) return {QStringLiteral("O")};
        for (const Reading &r : kReadings)
            if (actionName == r.action) return r.keys;
        return {};
    }

    void doAction(const QString &actionName) override {
        auto *cell = static_cast<BoardCell *>(widget());
        for (const Reading &r : kReadings)
            if (actionName == r.action)
                return actLater(cell, [r](BoardCell *c) {
                    for (KeyCommand what : r.commands) c->askReading(what);
                });
        if (actionName != placeS() && actionName != placeO()) return;
        const game::Letter letter = actionName == placeS() ? game::Letter::S : game::Letter::O;
        actLater(cell, [letter](BoardCell *c) { c->choose(letter); });
    }

private:
    // The readings of the lines through a cell, with their keys.
    struct Reading {
        QString action;
        QStringList keys;
        QList<KeyCommand> commands;
    };
    inline static const Reading kReadings[] = {
        {QStringLiteral("Read row"), {QStringLiteral("R")}, {KeyCommand::ReadRow}},
        {QStringLiteral("Read column"), {QStringLiteral("C")}, {KeyCommand::ReadColumn}},
        {QStringLiteral("Read diagonals"),
         {QStringLiteral("D"), QStringLiteral("Shift+D")},
         {KeyCommand::ReadDiagonal, KeyCommand::ReadOtherDiagonal}},
    };

    static QString placeS() { return QStringLiteral("Place S"); }
    static QString placeO() { return QStringLiteral("Place O"); }
};

// The main window, in the role Qt gives it, with actions that read the score and the turn and
// the last move, and take the keyboard's cursor to the last move, as their keys do.
class MainWindowAccessible final : public QAccessibleWidget {
public:
    explicit MainWindowAccessible(MainWindow *window) : QAccessibleWidget(window) {}

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        for (const Action &a : kActions) names << a.name;
        return names;
    }

    QStringList keyBindingsForAction(const QString &actionName) const override {
        for (const Action &a : kActions)
            if (actionName == a.name) return {a.key};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }

    void doAction(const QString &actionName) override {
        for (const Action &a : kActions)
            if (actionName == a.name)
                return actLater(static_cast<MainWindow *>(widget()),
                                [command = a.command](MainWindow *w) { w->runCommand(command); });
        QAccessibleWidget::doAction(actionName);
    }

private:
    struct Action {
        QString name;
        QString key;
        KeyCommand command;
    };
    inline static const Action kActions[] = {
        {QStringLiteral("Read score and turn"), QStringLiteral("T"), KeyCommand::ReadScore},
        {QStringLiteral("Read last move"), QStringLiteral("L"), KeyCommand::ReadLastMove},
        {QStringLiteral("Go to last move"), QStringLiteral("Shift+L"), KeyCommand::GoToLastMove},
    };
};

// The result window and the About box: a click anywhere, Escape or Enter closes them.
class PictureWindowAccessible final : public QAccessibleWidget {
public:
    explicit PictureWindowAccessible(PictureWindow *window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    QStringList actionNames() const override { return {closeAction()}; }

    QStringList keyBindingsForAction(const QString &actionName) const override {
        if (actionName != closeAction()) return {};
        return {QStringLiteral("Escape")};
    }

    void doAction(const QString &actionName) override {
        if (actionName == closeAction())
            actLater(static_cast<PictureWindow *>(widget()), [](PictureWindow *w) { w->close(); });
    }

private:
    static QString closeAction() { return QStringLiteral("Close"); }
};

QAccessibleInterface *accessibleControl(const QString &, QObject *object) {
    if (auto *button = qobject_cast<ImageButton *>(object))
        return new CommandButtonAccessible(button);
    if (auto *cell = qobject_cast<BoardCell *>(object)) return new CellAccessible(cell);
    if (auto *window = qobject_cast<MainWindow *>(object)) return new MainWindowAccessible(window);
    if (auto *window = qobject_cast<PictureWindow *>(object))
        return new PictureWindowAccessible(window);
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    if (auto *lines = qobject_cast<LineOverlay *>(object))
        return new QAccessibleWidget(lines, QAccessible::StaticText);
    return nullptr;
}

}  // namespace

QString place(int n) {
    return QStringLiteral("row %1, column %2").arg(game::rowOf(n)).arg(game::columnOf(n));
}

QString letterReading(int letter) {
    if (letter == game::kS) return QStringLiteral("S");
    if (letter == game::kO) return QStringLiteral("O");
    return QStringLiteral("empty");
}

QString cellReading(int n, int letter) {
    QString reading = place(n) + QStringLiteral(": ") + letterReading(letter);
    reading[0] = reading[0].toUpper();
    return reading;
}

QString strikeReading(int firstCell, int lastCell) {
    return QStringLiteral("S-O-S from %1 to %2").arg(place(firstCell), place(lastCell));
}

void announceFocus(QWidget *control) {
    QAccessibleEvent event(control, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void installAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleControl);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace ui
