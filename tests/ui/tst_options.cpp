// SPDX-License-Identifier: MIT
// The options dialog, opened from the main window's "Options" button: filling, the selectors,
// the keys, closing with and without applying, the range message and the name boxes.
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>

#include "ui/options/options_dialog.h"
#include "ui_test.h"

using namespace uitest;

namespace {

struct Options {
    MainWindow form;
    QPointer<OptionsDialog> dialog;

    explicit Options(const game::Options &options = settings(1, 0)) {
        silence(form);
        form.game().applyOptions(options);
        form.show();
    }
    OptionsDialog *open() {
        QTest::mouseClick(form.commandButton(1), Qt::LeftButton);
        dialog = qobject_cast<OptionsDialog *>(visibleWindows("Form2").value(0));
        if (!QTest::qWaitForWindowActive(dialog)) qWarning("options dialog not active");
        return dialog;
    }
    QWidget *get(const QString &name) { return dialog->findChild<QWidget *>(name); }
    QLineEdit *edit(const char *name) { return dialog->findChild<QLineEdit *>(name); }
    bool on(const char *name) { return dialog->findChild<QAbstractButton *>(name)->isChecked(); }
    bool blue(const char *m) { return get(m)->palette().color(QPalette::WindowText) == Qt::blue; }
    // The controls in words: mode, switch (box off) and box, names, the sound button pressed in.
    QString shown() {
        auto either = [](bool a, bool b, const char *ifA, const char *ifB) {
            return QString::fromLatin1(a && !b ? ifA : b && !a ? ifB : "?");
        };
        QStringList words{either(blue("mode1_1"), blue("mode1_2"), "player", "computer"),
                          either(on("Check2"), edit("Text2")->isEnabled(), "full", "target")};
        for (const char *box : {"Text2", "Text1_1", "Text1_2"}) words << edit(box)->text();
        return (words << either(on("Option1_1"), on("Option1_2"), "ON", "OFF")).join(", ");
    }
    // What the game has taken: mode, sound, target and the first name.
    QString applied() {
        const game::GameState &g = form.game().state();
        return QString::asprintf("%d %s %g %s", int(g.game_mode), g.sound_on ? "ON" : "OFF",
                                 g.score_limit, g.player_name[1].c_str());
    }
    void click(const QString &name) {  // "right:" for the right button
        QTest::mouseClick(get(name.section(':', -1)),
                          name.startsWith("right:") ? Qt::RightButton : Qt::LeftButton);
    }
    // After the deferred deletion of a closed dialog has run.
    bool closed() { return QTest::qWait(0), dialog.isNull(); }
};

}  // namespace

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    // Filled from the game, left with every control changed and a name typed: only Okey applies
    // (Enter only on a focused Okey or Cancel); the next opening refills the one dialog.
    void leaving_data() {
        QTest::addColumn<game::Options>("values");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("after");  // the dialog "open", "closed", or "applied" and closed
        const auto ann = settings(1, 0, true, "Ann");
        const QString shown = "player, full, 20, Ann, Player 2, ON";
        // clang-format off
        QTest::newRow("Cancel") << ann << "click Command2" << shown << "closed";
        QTest::newRow("close box") << settings(2, 12, false, "Ann") << "close"
                                   << "computer, target, 12, Ann, Player 2, OFF" << "closed";
        QTest::newRow("left open") << settings(1, 12, true, "Ann") << "" << "player, target, 12, Ann, Player 2, ON" << "open";
        QTest::newRow("Escape on Okey") << ann << "Escape on Command1" << shown << "open";
        QTest::newRow("Enter on Okey") << ann << "Enter on Command1" << shown << "applied";
        QTest::newRow("Return on Cancel") << ann << "Return on Command2" << shown << "closed";
        QTest::newRow("Return in a name") << ann << "Return on Text1_1" << shown << "open";
        QTest::newRow("Return on the switch") << ann << "Return on Check2" << shown << "open";
        // clang-format on
    }
    void leaving() {
        QFETCH(game::Options, values);
        QFETCH(QString, how);
        QFETCH(QString, shown);
        QFETCH(QString, after);
        Options o(values);
        const QString before = o.applied();
        OptionsDialog *first = o.open();
        QCOMPARE(o.shown(), shown);
        for (const char *name : {values.mode == game::GameMode::TwoPlayers ? "mode1_2" : "mode1_1",
                                 values.soundOn ? "Option1_2" : "Option1_1", "Check2"})
            o.click(name);
        o.edit("Text1_1")->setText(QStringLiteral("Zed"));
        if (how == "close") o.dialog->close();
        if (how.startsWith("click ")) o.click(how.section(' ', 1));
        if (how.contains(" on ")) {  // a key on the focused control
            o.get(how.section(' ', 2))->setFocus();
            QTest::keyClick(QApplication::focusWidget(),
                            QKeySequence(how.section(' ', 0, 0))[0].key());
        }
        QCOMPARE(o.closed(), after != "open");
        QCOMPARE(o.applied() == before, after != "applied");
        if (after == "applied") return;
        OptionsDialog *second = o.open();
        if (after == "open") QCOMPARE(second, first);
        QCOMPARE(visibleWindows("Form2").size(), 1);
        QCOMPARE(o.shown(), shown);
    }

    // A target typed and controls clicked in turn, then Okey applies what they show or, for a
    // target below 1 that counts, brings the range message and keeps the dialog.
    void okey_data() {
        QTest::addColumn<QString>("input");    // "type:" a target, else a control clicked
        QTest::addColumn<QString>("shown");    // the mode, the target switch, the sound
        QTest::addColumn<QString>("applied");  // mode, sound and limit, or "message"
        // clang-format off
        QTest::newRow("vs computer") << "mode1_2" << "computer, full, ON" << "2 ON 0";
        QTest::newRow("and back") << "mode1_2 mode1_1" << "player, full, ON" << "1 ON 0";
        QTest::newRow("right button") << "right:mode1_2" << "player, full, ON" << "1 ON 0";
        QTest::newRow("OFF, ON, OFF") << "Option1_2 Option1_1 Option1_2" << "player, full, OFF" << "1 OFF 0";
        QTest::newRow("target") << "type:20 Check2" << "player, target, ON" << "1 ON 20";
        QTest::newRow("123 typed, 12 kept") << "type:123 Check2" << "player, target, ON" << "1 ON 12";
        QTest::newRow("target 0") << "type:0 Check2" << "player, target, ON" << "message";
        QTest::newRow("empty target") << "type: Check2" << "player, target, ON" << "message";
        QTest::newRow("target 0, full") << "type:0 Check2 Check2" << "player, full, ON" << "1 ON 0";
        // clang-format on
    }
    void okey() {
        QFETCH(QString, input);
        QFETCH(QString, shown);
        QFETCH(QString, applied);
        Options o;
        o.open();
        for (const QString &i : input.split(' '))
            i.startsWith("type:") ? o.edit("Text2")->setText(i.mid(5)) : o.click(i);
        QCOMPARE(o.shown().section(", ", 0, 1) + ", " + o.shown().section(", ", 5), shown);
        QString seen;
        answerNextBox(o.dialog, QMessageBox::Ok, &seen);
        o.click("Command1");
        const bool message = applied == "message";
        QCOMPARE(seen, message ? "Where's your brain ??: The range is 1 to >1, stupid people "
                                 "can't play this game !!"
                               : "");
        QCOMPARE(o.closed(), !message);
        QCOMPARE(o.applied(), (message ? "1 ON 0" : applied) + " Lorna Quillet");
    }

    // Tab walks Okey, Cancel, the names from the second up, the sound button pressed in, the
    // target box while it counts, the switch, and round again.
    void tabChain_data() {
        QTest::addColumn<game::Options>("values");
        QTest::addColumn<QString>("chain");  // after Command1 Command2 Text1_2 Text1_1
        QTest::newRow("until full") << settings(1, 0) << "Option1_1 Check2 Command1";
        QTest::newRow("target, sound off")
            << settings(1, 5, false) << "Option1_2 Text2 Check2 Command1";
    }
    void tabChain() {
        QFETCH(game::Options, values);
        QFETCH(QString, chain);
        Options o(values);
        o.open();
        const QString whole = "Command1 Command2 Text1_2 Text1_1 " + chain;
        QStringList walked{QApplication::focusWidget()->objectName()};
        while (walked.size() <= whole.count(' ')) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked.join(' '), whole);
    }

    // The name boxes keep 13 whole characters, pasted or from the game: never half an emoji.
    void names_data() {
        QTest::addColumn<bool>("fromGame");  // else pasted
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        const QString twelve = QStringLiteral("abcdefghijkl"), eleven = twelve.left(11);
        QTest::newRow("12 + emoji") << false << twelve + emoji << twelve;
        QTest::newRow("11 + emoji") << false << eleven + emoji << eleven + emoji;
        QTest::newRow("12 + emoji from the game") << true << twelve + emoji << twelve;
        QTest::newRow("14 letters") << false << twelve + "mn" << twelve + "m";
        QTest::newRow("markup") << false << QString("<b>&x</b>") << "<b>&x</b>";
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
        o.click("Command1");
        QCOMPARE(o.applied().section(' ', 3), kept);
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
