// SPDX-License-Identifier: MIT
// What a screen reader gets from the windows: the cells' readings through a game, the struck
// lines, the command buttons, the controls of the main window and the options dialog, and the
// result window's outcome in words. Read through the accessibility interfaces, as assistive
// technology reads them.
#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "game/game.h"
#include "ui/main/board_cell.h"
#include "ui/main/form1.h"
#include "ui/main/image_button.h"
#include "ui/options/form2.h"
#include "ui/result/form3.h"

using game::ResultPicture;

Q_DECLARE_METATYPE(ResultPicture)

namespace {

QString read(QObject *object, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QStringLiteral("<no interface>");
}

// Every interface below root that is on screen, depth first.
void collect(QAccessibleInterface *root, QList<QAccessibleInterface *> &into) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface *child = root->child(i);
        if (!child || child->state().invisible) continue;
        into.append(child);
        collect(child, into);
    }
}

QList<QWidget *> visibleWindows(const char *objectName) {
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(objectName) && w->isVisible()) found.append(w);
    return found;
}

}  // namespace

class TestScreenReader : public QObject {
    Q_OBJECT

private:
    Form1 *m_form = nullptr;

    QString lines() { return read(m_form->findChild<QWidget *>(QStringLiteral("lines"))); }
    // Plays "S1 S3 O2 ...": each letter with its mouse button, into its cell, in this order.
    void play(const QString &moves) {
        for (const QString &move : moves.split(' ', Qt::SkipEmptyParts))
            QTest::mouseClick(m_form->box(move.mid(1).toInt()),
                              move[0] == 'S' ? Qt::LeftButton : Qt::RightButton, {},
                              QPoint(17, 17));
    }

private slots:
    void init() {
        m_form = new Form1;
        m_form->setSoundOutput([](int) {}, [] {});
        m_form->setAskReset([](QWidget *) { return true; });
    }

    void cleanup() {
        delete m_form;  // takes the windows it opened along
        m_form = nullptr;
    }

    void cellReadsItsPlaceAndLetter_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("place");
        QTest::newRow("top left") << 1 << "Row 1, column 1";
        QTest::newRow("end of the first row") << 9 << "Row 1, column 9";
        QTest::newRow("start of the second row") << 10 << "Row 2, column 1";
        QTest::newRow("row 3, column 7") << 25 << "Row 3, column 7";
        QTest::newRow("middle") << 41 << "Row 5, column 5";
        QTest::newRow("bottom right") << 81 << "Row 9, column 9";
    }
    void cellReadsItsPlaceAndLetter() {
        QFETCH(int, cell);
        QFETCH(QString, place);
        ui::BoardCell *box = m_form->box(cell);
        ui::BoardCell *neighbour = m_form->box(cell == 81 ? 80 : cell + 1);

        // Start-up: a letter picture is shown as decoration, but the board is empty.
        QVERIFY(!box->picture().isNull());
        QCOMPARE(read(box), place + ": empty");

        m_form->game().New_game();
        QCOMPARE(read(box), place + ": empty");
        play(QStringLiteral("S%1").arg(cell));
        QCOMPARE(read(box), place + ": S");
        QVERIFY2(read(neighbour).endsWith(": empty"), qPrintable(read(neighbour)));

        m_form->game().New_game();
        QCOMPARE(read(box), place + ": empty");
        play(QStringLiteral("O%1").arg(cell));
        QCOMPARE(read(box), place + ": O");

        // A click on "Start Game" clears it again.
        QTest::mouseClick(m_form->tombol(0), Qt::LeftButton);
        QCOMPARE(read(box), place + ": empty");
    }

    void struckLinesAreRead_data() {
        QTest::addColumn<QString>("moves");
        // The ends of each line the last move struck, either way round.
        QTest::addColumn<QList<QStringList>>("struck");
        QTest::newRow("row") << "S1 S3 O2"
                             << QList<QStringList>{{"row 1, column 1", "row 1, column 3"}};
        QTest::newRow("column") << "S1 O10 S19"
                                << QList<QStringList>{{"row 1, column 1", "row 3, column 1"}};
        QTest::newRow("diagonal") << "S81 O71 S61"
                                  << QList<QStringList>{{"row 7, column 7", "row 9, column 9"}};
        QTest::newRow("two at once") << "S1 O2 S19 O11 S3"
                                     << QList<QStringList>{{"row 1, column 1", "row 1, column 3"},
                                                           {"row 1, column 3", "row 3, column 1"}};
        QTest::newRow("only the latest")
            << "S1 S3 O2 S19 S40 O11" << QList<QStringList>{{"row 1, column 3", "row 3, column 1"}};
    }
    void struckLinesAreRead() {
        QFETCH(QString, moves);
        QFETCH(QList<QStringList>, struck);
        QCOMPARE(lines(), QStringLiteral("No S-O-S struck"));
        m_form->game().New_game();
        play(moves);

        const QStringList readings = lines().split(QStringLiteral("; "));
        QCOMPARE(readings.size(), struck.size());
        for (const QStringList &ends : struck) {
            const QString forth = QStringLiteral("S-O-S from %1 to %2").arg(ends[0], ends[1]);
            const QString back = QStringLiteral("S-O-S from %1 to %2").arg(ends[1], ends[0]);
            QVERIFY2(readings.contains(forth) || readings.contains(back), qPrintable(lines()));
        }

        // A placement that strikes nothing keeps the reading; a new game clears it.
        const QString before = lines();
        play(QStringLiteral("O50"));
        QCOMPARE(lines(), before);
        m_form->game().New_game();
        QCOMPARE(lines(), QStringLiteral("No S-O-S struck"));
    }

    void commandButtons_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("opens");  // the window a press opens; none for a new game
        QTest::newRow("start") << 0 << "Start Game"
                               << "Prepare your brain !!"
                               << "";
        QTest::newRow("options") << 1 << "Options"
                                 << "Edit the configuration.."
                                 << "Form2";
        QTest::newRow("about") << 2 << "About.."
                               << "Who make me ??"
                               << "frmAbout";
    }
    void commandButtons() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QString, opens);
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(m_form->tombol(index));
        QVERIFY(button);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), name);
        QCOMPARE(button->text(QAccessible::Description), description);

        // Pressing it from assistive technology does what a click does.
        QAccessibleActionInterface *actions = button->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QVERIFY(m_form->game().state().game_over);
        actions->doAction(QAccessibleActionInterface::pressAction());
        if (opens.isEmpty())
            QTRY_VERIFY(!m_form->game().state().game_over);
        else
            QTRY_COMPARE(visibleWindows(qPrintable(opens)).size(), 1);
    }

    void pressWaitsForAModalWindow() {
        // Like the mouse, assistive technology cannot reach past a modal question.
        QDialog question;
        question.setWindowModality(Qt::ApplicationModal);
        question.show();
        QAccessibleActionInterface *about =
            QAccessible::queryAccessibleInterface(m_form->tombol(2))->actionInterface();
        about->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(50);
        QCOMPARE(visibleWindows("frmAbout").size(), 0);
        question.close();
        about->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(visibleWindows("frmAbout").size(), 1);
    }

    void everyControlIsNamed_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("atLeast");  // controls on screen
        QTest::newRow("main window") << "Form1" << 81 + 3 + 6 + 1;
        QTest::newRow("options dialog") << "Form2" << 10;
    }
    void everyControlIsNamed() {
        QFETCH(QString, window);
        QFETCH(int, atLeast);
        QWidget *shown = m_form;
        if (window == QLatin1String("Form2")) {
            QTest::mouseClick(m_form->tombol(1), Qt::LeftButton);
            QCOMPARE(visibleWindows("Form2").size(), 1);
            shown = visibleWindows("Form2").first();
        } else {
            m_form->show();
        }
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QList<QAccessibleInterface *> controls;
        collect(QAccessible::queryAccessibleInterface(shown), controls);
        QVERIFY2(controls.size() >= atLeast, qPrintable(QString::number(controls.size())));
        for (QAccessibleInterface *control : controls) {
            QVERIFY2(!control->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(control->object()->objectName()));
        }
        QCOMPARE(read(shown), shown->windowTitle());
    }

    void modeSelectionIsSaid() {
        QTest::mouseClick(m_form->tombol(1), Qt::LeftButton);
        QWidget *dialog = visibleWindows("Form2").value(0);
        QVERIFY(dialog);
        QLabel *vsPlayer = dialog->findChild<QLabel *>(QStringLiteral("mode1_1"));
        QLabel *vsComputer = dialog->findChild<QLabel *>(QStringLiteral("mode1_2"));
        QCOMPARE(read(vsPlayer), QStringLiteral("Game mode Vs Player, selected"));
        QCOMPARE(read(vsComputer), QStringLiteral("Game mode Vs Computer"));
        QTest::mouseClick(vsComputer, Qt::LeftButton);
        QCOMPARE(read(vsPlayer), QStringLiteral("Game mode Vs Player"));
        QCOMPARE(read(vsComputer), QStringLiteral("Game mode Vs Computer, selected"));
        QCOMPARE(read(vsComputer, QAccessible::Description), QStringLiteral("Play with machine"));
    }

    void resultWindowSaysTheOutcome_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ResultPicture>("picture");
        QTest::addColumn<QString>("said");
        QTest::newRow("winner") << "Lorna Quillet" << ResultPicture::Winner
                                << "Lorna Quillet is the winner";
        QTest::newRow("other winner")
            << "Ruth Penhallo" << ResultPicture::Winner << "Ruth Penhallo is the winner";
        QTest::newRow("loser") << "Lorna Quillet" << ResultPicture::Loser
                               << "Lorna Quillet is the loser";
        QTest::newRow("draw") << "" << ResultPicture::Draw << "The game is a draw";
    }
    void resultWindowSaysTheOutcome() {
        QFETCH(QString, name);
        QFETCH(ResultPicture, picture);
        QFETCH(QString, said);
        QPointer<Form3> result = new Form3;
        result->fill(name, picture);
        QCOMPARE(read(result), said);
        QCOMPARE(read(result, QAccessible::Description), QStringLiteral("Click to close"));

        // The window is filled again for the next game's end: the reading follows.
        result->fill(QStringLiteral("Com"), ResultPicture::Loser);
        QCOMPARE(read(result), QStringLiteral("Com is the loser"));
        result->fill(name, picture);
        QCOMPARE(read(result), said);
        delete result;
    }

    void gameEndSaysTheWinner() {
        game::OptionValues values;
        values.name1 = "Ruth Penhallo";
        values.name2 = "Lorna Quillet";
        values.untilFull = false;
        values.targetText = "1";
        m_form->game().Change_setting(values);
        m_form->game().New_game();
        play(QStringLiteral("S1 O2 S40 S3"));  // the second player strikes the line
        const QList<QWidget *> results = visibleWindows("Form3");
        QCOMPARE(results.size(), 1);
        QCOMPARE(read(results[0]), QStringLiteral("Lorna Quillet is the winner"));
    }
};

QTEST_MAIN(TestScreenReader)
#include "tst_screen_reader.moc"
