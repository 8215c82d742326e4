// SPDX-License-Identifier: MIT
#include "ui/main/screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMetaObject>
#include <QPointer>

#include "game/game_state.h"
#include "ui/main/board_cell.h"
#include "ui/main/image_button.h"
#include "ui/main/line_overlay.h"

namespace ui {

namespace {

QString place(int n) {
    return QStringLiteral("row %1, column %2").arg(game::rowOf(n)).arg(game::columnOf(n));
}

// A command button as a push button. Pressing it from assistive technology is a click: it
// runs from the event loop, because a click may open a modal question and the request that
// pressed it must be answered first, and like a click it does nothing while a modal window
// blocks the program.
class CommandButtonAccessible final : public QAccessibleWidget {
public:
    explicit CommandButtonAccessible(ImageButton *button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actionName) override {
        if (actionName != pressAction() || !widget()->isEnabled()) return;
        QPointer<ImageButton> button = static_cast<ImageButton *>(widget());
        QMetaObject::invokeMethod(
            button,
            [button] {
                if (button && !QApplication::activeModalWidget())
                    emit button->clicked(button->index());
            },
            Qt::QueuedConnection);
    }
};

QAccessibleInterface *accessibleControl(const QString &, QObject *object) {
    if (auto *button = qobject_cast<ImageButton *>(object))
        return new CommandButtonAccessible(button);
    if (auto *cell = qobject_cast<BoardCell *>(object))
        return new QAccessibleWidget(cell, QAccessible::StaticText);
    if (auto *lines = qobject_cast<LineOverlay *>(object))
        return new QAccessibleWidget(lines, QAccessible::StaticText);
    return nullptr;
}

}  // namespace

QString cellReading(int n, int letter) {
    QString content = QStringLiteral("empty");
    if (letter == game::kS)
        content = QStringLiteral("S");
    else if (letter == game::kO)
        content = QStringLiteral("O");
    QString reading = place(n) + QStringLiteral(": ") + content;
    reading[0] = reading[0].toUpper();
    return reading;
}

QString strikeReading(int firstCell, int lastCell) {
    return QStringLiteral("S-O-S from %1 to %2").arg(place(firstCell), place(lastCell));
}

void installAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleControl);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace ui
