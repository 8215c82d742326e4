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

    // Controls clicked in turn, then Okey applies what they show.
    void selectors_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("mode");  // and the target switch
        QTest::addColumn<QString>("sound");
        // clang-format off
        QTest::newRow("vs computer") << QStringList{"mode1_2"} << "computer, full" << "ON";
        QTest::newRow("and back") << QStringList{"mode1_2", "mode1_1"} << "player, full" << "ON";
        QTest::newRow("right button") << QStringList{"right:mode1_2"} << "player, full" << "ON";
        QTest::newRow("sound off") << QStringList{"Option1_2"} << "player, full" << "OFF";
        QTest::newRow("OFF, ON") << QStringList{"Option1_2", "Option1_1"} << "player, full" << "ON";
        QTest::newRow("target") << QStringList{"Check2"} << "player, target" << "ON";
        QTest::newRow("target, full") << QStringList{"Check2", "Check2"} << "player, full" << "ON";
        // clang-format on
    }
    void selectors() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, mode);
        QFETCH(QString, sound);
        Options o;
        o.open();
        for (const QString &name : clicks) o.click(name);
        QCOMPARE(o.shown(), mode + ", 20, Lorna Quillet, Player 2, " + sound);
        o.click("Command1");
        QCOMPARE(o.state().game_mode, mode.startsWith("computer") ? 2 : 1);
        QCOMPARE(o.state().sound_on, sound == "ON");
        QCOMPARE(o.state().score_limit, mode.endsWith("target") ? 20.0 : 0.0);
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

    // Okey with a target below 1, while it counts, brings the message and keeps the dialog.
    void rangeCheck_data() {
        QTest::addColumn<bool>("untilFull");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("limit");  // 0 with a message
        QTest::newRow("0") << false << "0" << 0.0;
        QTest::newRow("empty") << false << "" << 0.0;
        QTest::newRow("x") << false << "x" << 0.0;
        QTest::newRow("1") << false << "1" << 1.0;
        QTest::newRow("123 typed, 12 kept") << false << "123" << 12.0;
        QTest::newRow("x, until full") << true << "x" << 0.0;
    }
    void rangeCheck() {
        QFETCH(bool, untilFull);
        QFETCH(QString, typed);
        QFETCH(double, limit);
        Options o(settings(1, 5));
        o.open();
        o.edit("Text2")->clear();
        QTest::keyClicks(o.edit("Text2"), typed);
        if (untilFull) o.click("Check2");
        QString seen;
        answerNextBox(o.dialog, QMessageBox::Ok, &seen);
        o.click("Command1");
        const bool message = !untilFull && limit == 0;
        QCOMPARE(seen, message ? "Where's your brain ??: The range is 1 to >1, stupid people "
                                 "can't play this game !!"
                               : "");
        QCOMPARE(o.closed(), !message);
        QCOMPARE(o.state().score_limit, message ? 5.0 : limit);
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
        QTest::newRow("emojis only") << false << emoji.repeated(7) << emoji.repeated(6);
        QTest::newRow("14 letters") << false << twelve + "mn" << twelve + "m";
        QTest::newRow("markup") << false << "<b>x</b><br>" << "<b>x</b><br>";
        QTest::newRow("ampersands") << false << "Tom & &Jerry" << "Tom & &Jerry";
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
