// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "game/game.h"
#include "ui/options/options_opening.h"
#include "ui/options/wrapped_check_box.h"

namespace {

const QColor kBlue(0, 0, 255);
const QColor kGrey(192, 192, 192);

// Records the labels the game writes and counts every other call.
class RecordingView final : public game::GameView {
public:
    std::vector<std::string> labels;
    int others = 0;

    void setNameLabel(int slot, const std::string &text) override {
        labels.push_back("name" + std::to_string(slot) + "=" + text);
    }
    void setTurnLabel(const std::string &text) override { labels.push_back("turn=" + text); }
    // clang-format off
    void showCell(int, int) override { ++others; }
    void setScoreLabel(int, const std::string &) override { ++others; }
    void setClockLabel(const std::string &) override { ++others; }
    void strikeLine(int, int) override { ++others; }
    void eraseLines() override { ++others; }
    void setClockTimer(bool) override { ++others; }
    void setComputerTimer(bool) override { ++others; }
    void playSound(int) override { ++others; }
    void fillResult(const std::string &, game::ResultPicture) override { ++others; }
    void showResult() override { ++others; }
    // clang-format on
};

class FixedRandom final : public game::RandomSource {
public:
    void reseed() override {}
    double next() override { return 0.5; }
};

// A started game engine, a stand-in main window and the options dialog opened over it.
struct Harness {
    RecordingView view;
    FixedRandom random;
    game::Game game{view, random};
    QWidget mainWindow;  // destroyed first: it takes an open dialog with it
    QPointer<Form2> dialog;
    int messages = 0;

    Harness() {
        game.Load();
        view.labels.clear();
        view.others = 0;
        mainWindow.resize(532, 393);
        mainWindow.show();
    }

    Form2 *open() {
        ui::openOptionsDialog(dialog, &mainWindow, game);
        dialog->setRangeMessage([this](QWidget *) { ++messages; });
        if (!QTest::qWaitForWindowActive(dialog)) qWarning("options dialog not active");
        return dialog;
    }

    template <typename T>
    T *child(const char *name) const {
        T *found = dialog->findChild<T *>(QLatin1String(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    QColor colour(const char *label) const {
        return child<QLabel>(label)->palette().color(QPalette::WindowText);
    }
    void click(const char *name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }
    bool closed() const {
        QTest::qWait(0);  // lets the deferred deletion of a closed dialog run
        return dialog.isNull();
    }
};

game::OptionValues settings(int mode, const std::string &name1, const std::string &name2,
                            bool sound, const std::string &target) {
    return {mode == 1, mode == 2, name1, name2, sound, target.empty(), target};
}

// Types text as a keyboard does: one key event per character, a surrogate pair in one event.
void typeText(QWidget *widget, const QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length),
                            Qt::NoModifier);
        i += length - 1;
    }
}

}  // namespace

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void openingFill_data();
    void openingFill();
    void selectors_data();
    void selectors();
    void targetSwitch_data();
    void targetSwitch();
    void tabOrder_data();
    void tabOrder();
    void keys_data();
    void keys();
    void closingWithoutApplying_data();
    void closingWithoutApplying();
    void secondOpeningRefillsTheOneDialog();
    void rangeCheck_data();
    void rangeCheck();
    void realRangeMessage();
    void names_data();
    void names();
    void okAppliesEverything();
    void appearance();
    void goesWithTheMainWindow();
};

void TestOptions::openingFill_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("target");  // empty: until the board is full
    QTest::addColumn<bool>("sound");
    QTest::addColumn<QString>("shownTarget");

    QTest::newRow("vs player, no limit, sound on") << 1 << "" << true << "20";
    QTest::newRow("vs computer, limit 12, sound off") << 2 << "12" << false << "12";
    QTest::newRow("limit from 7x, written whole") << 1 << "7x" << true << "7";
    QTest::newRow("limit from 9.9, fraction dropped") << 2 << "9.9" << false << "9";
}

void TestOptions::openingFill() {
    QFETCH(int, mode);
    QFETCH(QString, target);
    QFETCH(bool, sound);
    QFETCH(QString, shownTarget);

    Harness h;
    h.game.Change_setting(settings(mode, "Ann", "Bob", sound, target.toStdString()));
    h.open();

    QCOMPARE(h.colour("mode1_1"), mode == 1 ? kBlue : kGrey);
    QCOMPARE(h.colour("mode1_2"), mode == 2 ? kBlue : kGrey);
    QCOMPARE(h.child<QCheckBox>("Check2")->isChecked(), target.isEmpty());
    QCOMPARE(h.child<QLineEdit>("Text2")->isEnabled(), !target.isEmpty());
    QCOMPARE(h.child<QLineEdit>("Text2")->text(), shownTarget);
    // The second box offers participant 2's name even against the computer.
    QCOMPARE(h.child<QLineEdit>("Text1_1")->text(), QStringLiteral("Ann"));
    QCOMPARE(h.child<QLineEdit>("Text1_2")->text(), QStringLiteral("Bob"));
    QCOMPARE(h.child<QPushButton>("Option1_1")->isChecked(), sound);
    QCOMPARE(h.child<QPushButton>("Option1_2")->isChecked(), !sound);
    QCOMPARE(QApplication::focusWidget(), h.child<QWidget>("Command1"));
}

void TestOptions::selectors_data() {
    QTest::addColumn<int>("startMode");
    QTest::addColumn<bool>("startSound");
    QTest::addColumn<QStringList>("clicks");  // controls clicked in turn; "right:" a right click
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("sound");

    const QStringList toComputer{"mode1_2"};
    QTest::newRow("vs computer") << 1 << true << toComputer << 2 << true;
    QTest::newRow("vs computer, vs player")
        << 1 << true << toComputer + QStringList{"mode1_1"} << 1 << true;
    QTest::newRow("vs player twice") << 1 << true << QStringList{"mode1_1", "mode1_1"} << 1 << true;
    QTest::newRow("vs computer twice") << 1 << true << toComputer + toComputer << 2 << true;
    QTest::newRow("back to vs player") << 2 << true << QStringList{"mode1_1"} << 1 << true;
    QTest::newRow("right button") << 1 << true << QStringList{"right:mode1_2"} << 1 << true;
    QTest::newRow("sound off") << 1 << true << QStringList{"Option1_2"} << 1 << false;
    QTest::newRow("selected ON again") << 1 << true << QStringList{"Option1_1"} << 1 << true;
    QTest::newRow("OFF twice") << 1 << true << QStringList{"Option1_2", "Option1_2"} << 1 << false;
    QTest::newRow("OFF, ON") << 2 << true << QStringList{"Option1_2", "Option1_1"} << 2 << true;
    QTest::newRow("ON from off") << 1 << false << QStringList{"Option1_1"} << 1 << true;
}

void TestOptions::selectors() {
    QFETCH(int, startMode);
    QFETCH(bool, startSound);
    QFETCH(QStringList, clicks);
    QFETCH(int, mode);
    QFETCH(bool, sound);

    Harness h;
    h.game.Change_setting(settings(startMode, "Ann", "Bob", startSound, ""));
    h.open();
    for (const QString &click : clicks) {
        const QByteArray name = click.section(':', -1).toLatin1();
        QTest::mouseClick(h.child<QWidget>(name.constData()),
                          click.startsWith("right:") ? Qt::RightButton : Qt::LeftButton);
    }
    QCOMPARE(h.colour("mode1_1"), mode == 1 ? kBlue : kGrey);
    QCOMPARE(h.colour("mode1_2"), mode == 2 ? kBlue : kGrey);
    QCOMPARE(h.child<QPushButton>("Option1_1")->isChecked(), sound);
    QCOMPARE(h.child<QPushButton>("Option1_2")->isChecked(), !sound);

    h.click("Command1");
    QCOMPARE(h.game.state().game_mode, mode);
    QCOMPARE(h.game.state().sound_on, sound);
}

void TestOptions::targetSwitch_data() {
    QTest::addColumn<QStringList>("steps");  // "click" by the user, "set:0"/"set:1" by the program
    QTest::addColumn<bool>("enabled");

    QTest::newRow("user unchecks") << QStringList{"click"} << true;
    QTest::newRow("user unchecks and checks") << QStringList{"click", "click"} << false;
    QTest::newRow("program unchecks") << QStringList{"set:0"} << true;
    QTest::newRow("program unchecks and checks") << QStringList{"set:0", "set:1"} << false;
    QTest::newRow("user unchecks, program checks") << QStringList{"click", "set:1"} << false;
}

void TestOptions::targetSwitch() {
    QFETCH(QStringList, steps);
    QFETCH(bool, enabled);

    Harness h;
    h.open();
    auto *check = h.child<QCheckBox>("Check2");
    auto *target = h.child<QLineEdit>("Text2");
    for (const QString &step : steps) {
        if (step == QLatin1String("click"))
            QTest::mouseClick(check, Qt::LeftButton);
        else
            check->setChecked(step.endsWith('1'));
    }
    QCOMPARE(target->isEnabled(), enabled);
    QCOMPARE(target->text(), QStringLiteral("20"));
}

void TestOptions::tabOrder_data() {
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<bool>("untilFull");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("sound on, no target")
        << true << true << false
        << QStringList{"Command2", "Text1_2", "Text1_1", "Option1_1", "Check2", "Command1"};
    QTest::newRow("sound off, target")
        << false << false << false << QStringList{"Command2", "Text1_2", "Text1_1", "Option1_2",
                                                  "Text2",    "Check2",  "Command1"};
    QTest::newRow("backwards, sound off, no target")
        << false << true << true
        << QStringList{"Check2", "Option1_2", "Text1_1", "Text1_2", "Command2", "Command1"};
}

void TestOptions::tabOrder() {
    QFETCH(bool, soundOn);
    QFETCH(bool, untilFull);
    QFETCH(bool, backwards);
    QFETCH(QStringList, order);

    Harness h;
    h.game.Change_setting(settings(1, "Ann", "Bob", soundOn, untilFull ? "" : "5"));
    h.open();
    QStringList seen;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, order);
}

void TestOptions::keys_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<bool>("closed");

    const int none = Qt::NoModifier;
    QTest::newRow("Escape on Okey") << "Command1" << int(Qt::Key_Escape) << none << false << false;
    QTest::newRow("Escape in a name") << "Text1_1" << int(Qt::Key_Escape) << none << false << false;
    QTest::newRow("Enter on Okey") << "Command1" << int(Qt::Key_Enter) << none << true << true;
    QTest::newRow("Return on Okey") << "Command1" << int(Qt::Key_Return) << none << true << true;
    QTest::newRow("Return on Cancel") << "Command2" << int(Qt::Key_Return) << none << false << true;
    QTest::newRow("Return in a name") << "Text1_1" << int(Qt::Key_Return) << none << false << false;
    QTest::newRow("Return on a sound button")
        << "Option1_1" << int(Qt::Key_Return) << none << false << false;
    QTest::newRow("Return on the switch")
        << "Check2" << int(Qt::Key_Return) << none << false << false;
    QTest::newRow("Alt+O in a name")
        << "Text1_2" << int(Qt::Key_O) << int(Qt::AltModifier) << true << true;
    QTest::newRow("Alt+C in a name")
        << "Text1_1" << int(Qt::Key_C) << int(Qt::AltModifier) << false << true;
}

void TestOptions::keys() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, applied);
    QFETCH(bool, closed);

    Harness h;
    h.open();
    h.child<QLineEdit>("Text1_1")->setText(QStringLiteral("Zed"));
    auto *target = h.child<QWidget>(focus.toLatin1().constData());
    target->setFocus();
    // No button is highlighted as the one Enter would press from elsewhere.
    QVERIFY(!h.child<QPushButton>("Command1")->isDefault());
    QVERIFY(!h.child<QPushButton>("Command2")->isDefault());
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::qWait(200);  // a mnemonic presses its button with a short animation

    QCOMPARE(h.game.state().player_name[1] == "Zed", applied);
    QCOMPARE(h.closed(), closed);
    QCOMPARE(h.messages, 0);
}

void TestOptions::closingWithoutApplying_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "Command2";
    QTest::newRow("close box") << "close";
}

void TestOptions::closingWithoutApplying() {
    QFETCH(QString, how);

    Harness h;
    h.game.Change_setting(settings(1, "Ann", "Bob", true, "12"));
    h.view.labels.clear();
    const game::GameState before = h.game.state();

    h.open();
    h.click("mode1_2");
    h.click("Option1_2");
    h.click("Check2");
    h.child<QLineEdit>("Text1_1")->setText(QStringLiteral("Zed"));
    h.child<QLineEdit>("Text1_2")->clear();
    if (how == QLatin1String("close"))
        h.dialog->close();
    else
        h.click("Command2");
    QVERIFY(h.closed());

    const game::GameState &after = h.game.state();
    QCOMPARE(after.game_mode, before.game_mode);
    QCOMPARE(after.player_name, before.player_name);
    QCOMPARE(after.sound_on, before.sound_on);
    QCOMPARE(after.score_limit, before.score_limit);
    QVERIFY(h.view.labels.empty());
    QCOMPARE(h.view.others, 0);

    // Opened again, it shows the game's values, not the abandoned ones.
    h.open();
    QCOMPARE(h.child<QLineEdit>("Text1_1")->text(), QStringLiteral("Ann"));
    QCOMPARE(h.colour("mode1_1"), kBlue);
    QVERIFY(h.child<QPushButton>("Option1_1")->isChecked());
    QVERIFY(!h.child<QCheckBox>("Check2")->isChecked());
}

void TestOptions::secondOpeningRefillsTheOneDialog() {
    Harness h;
    Form2 *first = h.open();
    h.click("mode1_2");
    h.click("Check2");
    h.child<QLineEdit>("Text1_1")->setText(QStringLiteral("Zed"));
    h.child<QLineEdit>("Text2")->setText(QStringLiteral("33"));

    QCOMPARE(h.open(), first);
    int dialogs = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) dialogs += qobject_cast<Form2 *>(w) ? 1 : 0;
    QCOMPARE(dialogs, 1);
    QCOMPARE(h.colour("mode1_1"), kBlue);
    QCOMPARE(h.child<QLineEdit>("Text1_1")->text(), QStringLiteral("Lorna Quillet"));
    QVERIFY(h.child<QCheckBox>("Check2")->isChecked());
    QVERIFY(!h.child<QLineEdit>("Text2")->isEnabled());
    QCOMPARE(h.child<QLineEdit>("Text2")->text(), QStringLiteral("33"));  // left as it was
}

void TestOptions::rangeCheck_data() {
    QTest::addColumn<bool>("untilFull");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("message");
    QTest::addColumn<double>("limit");

    QTest::newRow("0") << false << "0" << true << 0.0;
    QTest::newRow("empty") << false << "" << true << 0.0;
    QTest::newRow("-1") << false << "-1" << true << 0.0;
    QTest::newRow("x") << false << "x" << true << 0.0;
    QTest::newRow("1") << false << "1" << false << 1.0;
    QTest::newRow("20") << false << "20" << false << 20.0;
    QTest::newRow("99") << false << "99" << false << 99.0;
    QTest::newRow("7x") << false << "7x" << false << 7.0;
    QTest::newRow("123 typed, 12 kept") << false << "123" << false << 12.0;
    QTest::newRow("checked, empty") << true << "" << false << 0.0;
    QTest::newRow("checked, x") << true << "x" << false << 0.0;
}

void TestOptions::rangeCheck() {
    QFETCH(bool, untilFull);
    QFETCH(QString, typed);
    QFETCH(bool, message);
    QFETCH(double, limit);

    Harness h;
    h.game.Change_setting(settings(1, "Ann", "Bob", true, "5"));  // Text2 enabled
    h.open();
    auto *target = h.child<QLineEdit>("Text2");
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClicks(target, typed);
    const QString shown = target->text();
    if (untilFull) h.click("Check2");
    h.child<QLineEdit>("Text1_1")->setText(QStringLiteral("Zed"));

    h.click("Command1");
    QCOMPARE(h.messages, message ? 1 : 0);
    QCOMPARE(h.closed(), !message);
    if (message) {
        QCOMPARE(target->text(), shown);
        QCOMPARE(h.game.state().player_name[1], std::string("Ann"));
        QCOMPARE(h.game.state().score_limit, 5.0);
    } else {
        QCOMPARE(h.game.state().player_name[1], std::string("Zed"));
        QCOMPARE(h.game.state().score_limit, limit);
    }
}

void TestOptions::realRangeMessage() {
    Harness h;
    ui::openOptionsDialog(h.dialog, &h.mainWindow, h.game);  // keeps the real message box
    QVERIFY(QTest::qWaitForWindowActive(h.dialog));
    h.click("Check2");
    h.child<QLineEdit>("Text2")->clear();

    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) return;
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        modality = box->windowModality();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    h.click("Command1");

    QCOMPARE(text, QStringLiteral("The range is 1 to >1, stupid people can't play this game !!"));
    QCOMPARE(title, QStringLiteral("Where's your brain ??"));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(modality, Qt::ApplicationModal);
    QVERIFY(!h.closed());
    QVERIFY(h.dialog->isVisible());
}

void TestOptions::names_data() {
    QTest::addColumn<QString>("how");  // "paste", "type", or "state" (given by the game)
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("kept");

    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString twelve = QStringLiteral("abcdefghijkl");
    QTest::newRow("12 + emoji pasted") << "paste" << 1 << twelve + emoji << twelve;
    QTest::newRow("11 + emoji pasted")
        << "paste" << 2 << twelve.left(11) + emoji << twelve.left(11) + emoji;
    QTest::newRow("12 + emoji typed") << "type" << 1 << twelve + emoji + "x" << twelve + "x";
    QTest::newRow("12 + emoji from the game") << "state" << 2 << twelve + emoji << twelve;
    QTest::newRow("14 pasted") << "paste" << 1 << twelve + "mn" << twelve + "m";
    QTest::newRow("emojis only") << "paste" << 1 << emoji.repeated(7) << emoji.repeated(6);
    QTest::newRow("markup") << "paste" << 1 << "<b>x</b><br>"
                            << "<b>x</b><br>";
    QTest::newRow("ampersand") << "type" << 2 << "Tom & &Jerry"
                               << "Tom & &Jerry";
    QTest::newRow("right to left")
        << "paste" << 1 << QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D")
        << QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D");
    QTest::newRow("blanks") << "type" << 2 << "   "
                            << "   ";
}

void TestOptions::names() {
    QFETCH(QString, how);
    QFETCH(int, box);
    QFETCH(QString, input);
    QFETCH(QString, kept);

    Harness h;
    if (how == QLatin1String("state")) {
        const std::string name = input.toStdString();
        h.game.Change_setting(
            settings(1, box == 1 ? name : "Ann", box == 2 ? name : "Bob", true, ""));
    }
    h.open();
    auto *edit = h.child<QLineEdit>(box == 1 ? "Text1_1" : "Text1_2");
    if (how != QLatin1String("state")) {
        edit->clear();
        edit->setFocus();
        if (how == QLatin1String("paste")) {
            QApplication::clipboard()->setText(input);
            QTest::keySequence(edit, QKeySequence::Paste);
        } else {
            typeText(edit, input);
        }
    }
    QCOMPARE(edit->text(), kept);
    QVERIFY(edit->text().isValidUtf16());

    h.view.labels.clear();
    h.click("Command1");
    QCOMPARE(QString::fromStdString(h.game.state().player_name[box]), kept);
    QCOMPARE(QString::fromStdString(h.view.labels.at(box - 1)),
             QStringLiteral("name%1=").arg(box) + kept);
}

void TestOptions::okAppliesEverything() {
    Harness h;
    h.open();
    h.click("mode1_2");
    h.child<QLineEdit>("Text1_1")->setText(QStringLiteral("Ann"));
    h.child<QLineEdit>("Text1_2")->setText(QStringLiteral("Bob"));
    h.click("Option1_2");
    h.click("Check2");
    h.child<QLineEdit>("Text2")->setText(QStringLiteral("15"));
    h.click("Command1");

    QVERIFY(h.closed());
    const game::GameState &state = h.game.state();
    QCOMPARE(state.game_mode, 2);
    QCOMPARE(state.player_name[1], std::string("Ann"));
    QCOMPARE(state.player_name[2], std::string("Bob"));
    QCOMPARE(state.player_name[3], std::string("Com"));
    QCOMPARE(state.sound_on, false);
    QCOMPARE(state.score_limit, 15.0);
    QCOMPARE(h.view.labels, (std::vector<std::string>{"name1=Ann", "name2=Bob", "name2=Com"}));
    QCOMPARE(h.view.others, 0);
}

void TestOptions::appearance() {
    Harness h;
    h.open();
    QCOMPARE(h.dialog->size(), QSize(343, 229));
    QCOMPARE(QFontInfo(h.child<QWidget>("Text1_1")->font()).family(),
             QStringLiteral("Liberation Sans"));

    // The selector labels take the size of their text, growing from their fixed top-left.
    for (const char *name : {"mode1_1", "mode1_2"}) {
        auto *label = h.child<QLabel>(name);
        QCOMPARE(label->y(), 72);
        QVERIFY(label->contentsRect().width() >=
                label->fontMetrics().horizontalAdvance(label->text()));
    }

    // The switch's caption wraps onto exactly two lines inside its box.
    auto *check = h.child<ui::WrappedCheckBox>("Check2");
    const QRect caption = check->captionRect();
    const int flags = Qt::AlignLeft | Qt::TextWordWrap;
    const QRect used = check->fontMetrics().boundingRect(caption, flags, check->text());
    QCOMPARE(used.height(), 2 * check->fontMetrics().boundingRect(caption, flags, "U").height());
    QVERIFY(check->rect().contains(used));

    // The picture sits unscaled at the top left; the strip beyond it is white.
    const QImage shot = h.dialog->grab().toImage();
    QCOMPARE(QColor(shot.pixel(342, 228)), QColor(Qt::white));
    QCOMPARE(QColor(shot.pixel(check->geometry().bottomRight())), QColor(Qt::white));
    const QImage picture(QStringLiteral(":/pictures/options_background.gif"));
    if (picture.isNull()) QSKIP("background picture not available");
    QCOMPARE(picture.size(), QSize(340, 220));
    // Compared where no control stands: the strip above the controls and the one left of them.
    int marks = 0;
    for (int y = 0; y < 220; ++y) {
        for (int x = 0; x < (y < 72 ? 340 : 120); ++x) {
            QCOMPARE(shot.pixel(x, y), picture.pixel(x, y));
            marks += QColor(picture.pixel(x, y)) != QColor(Qt::white) ? 1 : 0;
        }
    }
    QVERIFY(marks > 0);
}

void TestOptions::goesWithTheMainWindow() {
    auto *h = new Harness;
    h->open();
    QPointer<Form2> dialog = h->dialog;
    delete h;
    QVERIFY(dialog.isNull());
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
