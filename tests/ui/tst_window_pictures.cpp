// SPDX-License-Identifier: MIT
// The main window at device pixel ratio TRILET_TEST_RATIO (fixed at start-up, so built once
// for 1 and once for 2): layout in logical pixels, pictures pixel for pixel from the files for
// that ratio, the pictures themselves at 1 and "name@2x.png" at 2.
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
        QTest::newRow("start-up S") << "" << QPoint(11, 9) << letter << "letter_s.bmp";
        QTest::newRow("start-up O") << "" << QPoint(49, 9) << letter << "letter_o.bmp";
        QTest::newRow("placed O") << "S40 O41" << QPoint(164, 162) << letter << "letter_o.bmp";
        QTest::newRow("button") << "" << QPoint(368, 96) << button << "button_start_normal.gif";
        QTest::newRow("background") << "" << QPoint() << QRect(366, 0, 164, 96) << "background.bmp";
    }
    void pictures() {
        QFETCH(QString, moves);
        QFETCH(QPoint, at);
        QFETCH(QRect, part);
        QFETCH(QString, file);
        constexpr int kRatio = TRILET_TEST_RATIO;
        Form1 form;
        silence(form);
        if (!moves.isEmpty()) QTest::mouseClick(form.tombol(0), Qt::LeftButton);
        play(form, moves);
        QCOMPARE(form.box(81)->geometry(), QRect(317, 315, 35, 35));
        const QImage shown = shot(&form);
        QCOMPARE(shown.size(), QSize(530, 392) * kRatio);
        if (kRatio == 2) file = file.left(file.lastIndexOf('.')) + "@2x.png";
        const auto device = [](const QRect &r) {
            return QRect(r.topLeft() * kRatio, r.size() * kRatio);
        };
        QCOMPARE(shown.copy(device(part.translated(at))), picture(file).copy(device(part)));
    }
};

int main(int argc, char *argv[]) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(TRILET_TEST_RATIO));
    QApplication app(argc, argv);
    TestWindowPictures test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_pictures.moc"
