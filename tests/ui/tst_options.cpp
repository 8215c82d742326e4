// SPDX-License-Identifier: MIT
// The options dialog, opened from the main window's "Options" button: filling, the selectors,
// the keys, closing with and without applying, the range message and the name boxes.
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "ui/options/form2.h"
#include "ui_test.h"

using namespace uitest;

Q_DECLARE_METATYPE(game::OptionValues)

namespace {

struct Options {
    Form1 form;
    QPointer<Form2> dialog;

    explicit Options(const game::OptionValues &values = settings(1, 0)) {
        silence(form);
        form.game().Change_setting(values);
        form.show();
    }
    Form2 *open() {
        QTest::mouseClick(form.tombol(1), Qt::LeftButton);
        dialog = qobject_cast<Form2 *>(visibleWindows("Form2").value(0));
        if (!QTest::qWaitForWindowActive(dialog)) qWarning("options dialog not active");
        return dialog;
    }
    const game::GameState &state() { return form.game().state(); }
    QWidget *get(const QString &name) { return dialog->findChild<QWidget *>(name); }
    QLineEdit *edit(const char *name) { return dialog->findChild<QLineEdit *>(name); }
    bool on(const char *name) { return dialog->findChild<QAbstractButton *>(name)->isChecked(); }
    bool blue(const char *mode) {
        return get(mode)->palette().color(QPalette::WindowText) == QColor(0, 0, 255);
    }
    // The controls in words: mode, "full" (checked, box off) or "target", the target box's
    // text, the two names, and the sound button pressed in.
    QString shown() {
        auto either = [](bool a, bool b, const char *ifA, const char *ifB) {
            return QString::fromLatin1(a && !b ? ifA : b && !a ? ifB : "?");
        };
        return QStringList{either(blue("mode1_1"), blue("mode1_2"), "player", "computer"),
                           either(on("Check2"), edit("Text2")->isEnabled(), "full", "target"),
                           edit("Text2")->text(),
                           edit("Text1_1")->text(),
                           edit("Text1_2")->text(),
                           either(on("Option1_1"), on("Option1_2"), "ON", "OFF")}
            .join(", ");
    }
    void click(const QString &name) {  // "right:" for the right button
        QTest::mouseClick(get(name.section(':', -1)),
                          name.startsWith("right:") ? Qt::RightButton : Qt::LeftButton);
    }
    bool closed() {
        QTest::qWait(0);  // lets the deferred deletion of a closed dialog run
        return dialog.isNull();
    }
};

}  // namespace

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    // The dialog opens filled from the game. Cancel and the close box apply nothing, and a
    // second opening refills the one dialog with the game's values, not the abandoned ones.
    void fillAndClosing_data() {
        QTest::addColumn<game::OptionValues>("values");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Cancel") << settings(1, 0, true, "Ann") << "Command2"
                                << "player, full, 20, Ann, Player 2, ON";
        QTest::newRow("close box") << settings(2, 12, false, "Ann") << "close"
                                   << "computer, target, 12, Ann, Player 2, OFF";
        QTest::newRow("opened again") << settings(1, 12, true, "Ann") << "again"
                                      << "player, target, 12, Ann, Player 2, ON";
    }
    void fillAndClosing() {
        QFETCH(game::OptionValues, values);
        QFETCH(QString, how);
        QFETCH(QString, shown);
        Options o(values);
        const game::GameState before = o.state();
        Form2 *first = o.open();
        QCOMPARE(o.shown(), shown);
        for (const char *name : {values.mode1Blue ? "mode1_2" : "mode1_1",
                                 values.soundOn ? "Option1_2" : "Option1_1", "Check2"})
            o.click(name);
        o.edit("Text1_1")->setText(QStringLiteral("Zed"));
        if (how == "close") o.dialog->close();
        if (how == "Command2") o.click(how);
        QCOMPARE(o.closed(), how != "again");
        QVERIFY(o.state().game_mode == before.game_mode && o.state().sound_on == before.sound_on &&
                o.state().player_name == before.player_name &&
                o.state().score_limit == before.score_limit);
        Form2 *second = o.open();
        if (how == "again") QCOMPARE(second, first);
        QCOMPARE(visibleWindows("Form2").size(), 1);
        QCOMPARE(o.shown(), shown);
    }

    // Over a game played to a full board: a target typed and controls clicked in turn, then
    // Okey applies what they show or, for a target below 1 that counts, brings the message and
    // keeps the dialog.
    void okey_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("shown");    // the mode, the target switch, the sound
        QTest::addColumn<QString>("applied");  // mode, sound and limit, or "message"
        using L = QStringList;
        // clang-format off
        QTest::newRow("vs computer") << "20" << L{"mode1_2"} << "computer, full, ON" << "2 ON 0";
        QTest::newRow("and back") << "20" << L{"mode1_2", "mode1_1"} << "player, full, ON" << "1 ON 0";
        QTest::newRow("right button") << "20" << L{"right:mode1_2"} << "player, full, ON" << "1 ON 0";
        QTest::newRow("OFF, ON, OFF") << "20" << L{"Option1_2", "Option1_1", "Option1_2"} << "player, full, OFF" << "1 OFF 0";
        QTest::newRow("target") << "20" << L{"Check2"} << "player, target, ON" << "1 ON 20";
        QTest::newRow("123 typed, 12 kept") << "123" << L{"Check2"} << "player, target, ON" << "1 ON 12";
        QTest::newRow("target 0") << "0" << L{"Check2"} << "player, target, ON" << "message";
        QTest::newRow("empty target") << "" << L{"Check2"} << "player, target, ON" << "message";
        QTest::newRow("target 0, full") << "0" << L{"Check2", "Check2"} << "player, full, ON" << "1 ON 0";
        // clang-format on
    }
    void okey() {
        QFETCH(QString, typed);
        QFETCH(QStringList, clicks);
        QFETCH(QString, shown);
        QFETCH(QString, applied);
        Options o;
        o.open();
        o.edit("Text2")->setText(typed);
        for (const QString &name : clicks) o.click(name);
        const QStringList words = o.shown().split(", ");
        QCOMPARE(QStringList({words[0], words[1], words[5]}).join(", "), shown);
        QString seen;
        answerNextBox(o.dialog, QMessageBox::Ok, &seen);
        o.click("Command1");
        const bool message = applied == "message";
        QCOMPARE(seen, message ? "Where's your brain ??: The range is 1 to >1, stupid people "
                                 "can't play this game !!"
                               : "");
        QCOMPARE(o.closed(), !message);
        const game::GameState &g = o.state();
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(g.game_mode)
                     .arg(g.sound_on ? "ON" : "OFF")
                     .arg(g.score_limit),
                 message ? "1 ON 0" : applied);
    }

    // Escape does nothing; Enter presses only the focused Okey or Cancel.
    void keys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("applied");
        QTest::addColumn<bool>("closed");
        QTest::newRow("Escape on Okey") << "Command1" << Qt::Key_Escape << false << false;
        QTest::newRow("Enter on Okey") << "Command1" << Qt::Key_Enter << true << true;
        QTest::newRow("Return on Cancel") << "Command2" << Qt::Key_Return << false << true;
        QTest::newRow("Return in a name") << "Text1_1" << Qt::Key_Return << false << false;
        QTest::newRow("Return on the switch") << "Check2" << Qt::Key_Return << false << false;
    }
    void keys() {
        QFETCH(QString, focus);
        QFETCH(Qt::Key, key);
        QFETCH(bool, applied);
        QFETCH(bool, closed);
        Options o;
        o.open();
        o.edit("Text1_1")->setText(QStringLiteral("Zed"));
        o.get(focus)->setFocus();
        QTest::keyClick(o.get(focus), key);
        QCOMPARE(o.state().player_name[1] == "Zed", applied);
        QCOMPARE(o.closed(), closed);
    }

    // Tab walks Okey, Cancel, the names from the second up, the sound button pressed in, the
    // target box while it counts, the switch, and round again.
    void tabChain_data() {
        QTest::addColumn<game::OptionValues>("values");
        QTest::addColumn<QString>("chain");
        const QString names = "Command1 Command2 Text1_2 Text1_1 ";
        QTest::newRow("until full") << settings(1, 0) << names + "Option1_1 Check2 Command1";
        QTest::newRow("target, sound off")
            << settings(1, 5, false) << names + "Option1_2 Text2 Check2 Command1";
    }
    void tabChain() {
        QFETCH(game::OptionValues, values);
        QFETCH(QString, chain);
        Options o(values);
        o.open();
        QStringList walked{QApplication::focusWidget()->objectName()};
        while (walked.size() <= chain.count(' ')) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked.join(' '), chain);
    }

    // The name boxes keep 13 whole characters, pasted or given by the game: an emoji is never cut
    // in half.
    void names_data() {
        QTest::addColumn<bool>("fromGame");  // else pasted
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        const QString twelve = QStringLiteral("abcdefghijkl"), eleven = twelve.left(11);
        // clang-format off
        QTest::newRow("12 + emoji") << false << twelve + emoji << twelve;
        QTest::newRow("11 + emoji") << false << eleven + emoji << eleven + emoji;
        QTest::newRow("12 + emoji from the game") << true << twelve + emoji << twelve;
        QTest::newRow("14 letters") << false << twelve + "mn" << twelve + "m";
        QTest::newRow("markup and ampersands") << false << "<b>&x</b>" << "<b>&x</b>";
        // clang-format on
    }
    void names() {
        QFETCH(bool, fromGame);
        QFETCH(QString, input);
        QFETCH(QString, kept);
        Options o(settings(1, 0, true, fromGame ? input.toStdString() : "Ann"));
        o.open();
        QLineEdit *edit = o.edit("Text1_1");
        if (!fromGame) {
            edit->clear();
            QApplication::clipboard()->setText(input);
            QTest::keySequence(edit, QKeySequence::Paste);
        }
        QCOMPARE(edit->text(), kept);
        QVERIFY(edit->text().isValidUtf16());
        o.click("Command1");
        QCOMPARE(QString::fromStdString(o.state().player_name[1]), kept);
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
