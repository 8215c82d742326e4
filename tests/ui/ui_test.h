// SPDX-License-Identifier: MIT
// Small helpers shared by the widget tests.
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <string>

#include "game/settings.h"
#include "ui/main/board_cell.h"
#include "ui/main/image_button.h"
#include "ui/main/main_window.h"

namespace uitest {

inline QImage rgb(const QImage &image) {
    return image.convertToFormat(QImage::Format_RGB32);
}
inline QImage shot(QWidget *widget) {
    return rgb(widget->grab().toImage());
}
inline QImage picture(const QString &name) {
    return rgb(QImage(QStringLiteral(":/pictures/") + name));
}

// Whether two renderings look the same: the same size, every channel within two levels (other
// libraries and processors round some pixels differently).
inline bool alike(const QImage &a, const QImage &b) {
    if (a.size() != b.size()) return false;
    const QImage x = rgb(a), y = rgb(b);
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int column = 0; column < x.width(); ++column)
            if (qAbs(qRed(p[column]) - qRed(q[column])) > 2 ||
                qAbs(qGreen(p[column]) - qGreen(q[column])) > 2 ||
                qAbs(qBlue(p[column]) - qBlue(q[column])) > 2)
                return false;
    }
    return true;
}

inline QList<QWidget *> visibleWindows(const char *objectName) {
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(objectName) && w->isVisible()) found.append(w);
    return found;
}

// What a screen reader reads as the name of a control.
inline QString readName(QObject *object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

// Answers the next modal message box, once it runs, with answer; "title: text" goes to *seen.
inline void answerNextBox(QObject *context, QMessageBox::StandardButton answer, QString *seen) {
    QTimer::singleShot(0, context, [=] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *seen = box->windowTitle() + QStringLiteral(": ") + box->text();
            QTest::mouseClick(box->button(answer), Qt::LeftButton);
        }
    });
}

// Options as the dialog would hand them over; limit 0 plays until the board is full.
// Mode 1 is two players, mode 2 against the computer.
inline game::Options settings(int mode, int limit, bool soundOn = true,
                              const std::string &name1 = "Lorna Quillet") {
    return {game::GameMode(mode), name1, "Player 2", soundOn, limit == 0, std::to_string(limit)};
}

// Plays "S1 O2 ...": S with the left button, O with the right, into the cells given.
inline void play(MainWindow &window, const QString &moves) {
    for (const QString &move : moves.split(' ', Qt::SkipEmptyParts))
        QTest::mouseClick(window.cell(move.mid(1).toInt()),
                          move[0] == 'S' ? Qt::LeftButton : Qt::RightButton, {}, {17, 17});
}

// A main window that plays no sound and never waits for an answer to its question.
inline void silence(MainWindow &window) {
    window.setSoundOutput([](int) {});
    window.setAskReset([](QWidget *) { return true; });
}

// Fires the window's timer of that name at once, as its next tick would; false if it is not
// running.
inline bool tick(QWidget *window, const char *timerName) {
    auto *timer = window->findChild<QTimer *>(QLatin1String(timerName));
    if (!timer || !timer->isActive()) return false;
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
    return true;
}

}  // namespace uitest
