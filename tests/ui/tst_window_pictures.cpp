// SPDX-License-Identifier: MIT
// The main window on a dense screen (device pixel ratio 2): the same layout in logical pixels,
// every picture drawn pixel for pixel from its double-size file "name@2x.png".
#include "ui_test.h"

using namespace uitest;

class TestWindowPictures : public QObject {
    Q_OBJECT

private slots:
    // The picture whose top-left corner sits at "at", compared over "part" of it.
    void pictures_data() {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRect>("part");
        QTest::addColumn<QString>("file");
        const QRect letter(0, 0, 33, 34), button(0, 0, 150, 45);
        QTest::newRow("start-up S") << "" << QPoint(11, 9) << letter << "letter_s";
        QTest::newRow("placed O") << "S40 O41" << QPoint(164, 162) << letter << "letter_o";
        QTest::newRow("button") << "" << QPoint(368, 96) << button << "button_start_normal";
        QTest::newRow("background") << "" << QPoint() << QRect(366, 0, 164, 96) << "background";
    }
    void pictures() {
        QFETCH(QString, moves);
        QFETCH(QPoint, at);
        QFETCH(QRect, part);
        QFETCH(QString, file);
        Form1 form;
        silence(form);
        if (!moves.isEmpty()) QTest::mouseClick(form.tombol(0), Qt::LeftButton);
        play(form, moves);
        QCOMPARE(form.box(81)->geometry(), QRect(317, 315, 35, 35));
        const QImage shown = shot(&form);
        QCOMPARE(shown.size(), QSize(1060, 784));
        const auto device = [](const QRect &r) { return QRect(r.topLeft() * 2, r.size() * 2); };
        QCOMPARE(shown.copy(device(part.translated(at))),
                 picture(file + "@2x.png").copy(device(part)));
    }
};

int main(int argc, char *argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestWindowPictures test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_pictures.moc"
