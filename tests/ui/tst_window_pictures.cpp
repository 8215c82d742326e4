// SPDX-License-Identifier: MIT
// Every window draws its pictures from the rendering made for the screen's device pixel ratio,
// pixel for pixel, and keeps its layout in logical pixels. At ratio 1 that is the pictures
// themselves, exactly as they are; at ratio 2 the renderings at twice the size, "name@2x.png".
// Built once for each ratio (TRILET_TEST_RATIO), since the ratio is fixed when the application
// starts.
#include <QApplication>
#include <QTest>

#include <cstdint>
#include <memory>

#include "ui/about/frm_about.h"
#include "ui/main/board_cell.h"
#include "ui/main/form1.h"
#include "ui/main/image_button.h"
#include "ui/options/form2.h"
#include "ui/result/form3.h"

using game::ResultPicture;

Q_DECLARE_METATYPE(ResultPicture)

namespace {

constexpr int kRatio = TRILET_TEST_RATIO;

// The file a screen of this ratio should get for a picture of the program.
QImage rendering(const QString &name) {
    QString file = QStringLiteral(":/pictures/") + name;
    if (kRatio == 2) file = file.left(file.lastIndexOf('.')) + QStringLiteral("@2x.png");
    const QImage image(file);
    return image.convertToFormat(QImage::Format_RGB32);
}

QRect devicePixels(const QRect &logical) {
    return {logical.topLeft() * kRatio, logical.size() * kRatio};
}

QImage shot(QWidget *widget) {
    const QPixmap grabbed = widget->grab();
    if (grabbed.devicePixelRatio() != kRatio) return {};
    return grabbed.toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestWindowPictures : public QObject {
    Q_OBJECT

private:
    Form1 *m_form = nullptr;

private slots:
    void initTestCase() {
        QCOMPARE(qApp->devicePixelRatio(), qreal(kRatio));
        // The renderings exist and differ from each other, so that a match means something.
        QVERIFY(!rendering("letter_s.bmp").isNull());
        QVERIFY(rendering("letter_s.bmp") != rendering("letter_o.bmp"));
        QCOMPARE(rendering("letter_s.bmp").size(), QSize(33, 34) * kRatio);
    }

    void init() {
        m_form = new Form1;
        m_form->setSoundOutput([](int) {}, [] {});
        m_form->setAskReset([](QWidget *) { return true; });
    }

    void cleanup() {
        delete m_form;
        m_form = nullptr;
    }

    void layoutStaysInLogicalPixels() {
        QCOMPARE(m_form->size(), QSize(530, 392));
        QCOMPARE(m_form->box(1)->geometry(), QRect(11, 9, 35, 35));
        QCOMPARE(m_form->box(81)->geometry(), QRect(317, 315, 35, 35));
        QCOMPARE(m_form->tombol(2)->geometry(), QRect(368, 192, 150, 45));
        const QPixmap grabbed = m_form->grab();
        QCOMPARE(grabbed.size(), QSize(530, 392) * kRatio);
        QCOMPARE(grabbed.devicePixelRatio(), qreal(kRatio));
    }

    void cells_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("placed");  // "" for the start-up picture
        QTest::addColumn<QString>("picture");
        QTest::newRow("start-up S") << 1 << ""
                                    << "letter_s.bmp";
        QTest::newRow("start-up O") << 2 << ""
                                    << "letter_o.bmp";
        QTest::newRow("start-up, bottom right") << 81 << ""
                                                << "letter_s.bmp";
        QTest::newRow("placed S") << 40 << "S"
                                  << "letter_s.bmp";
        QTest::newRow("placed O") << 41 << "O"
                                  << "letter_o.bmp";
    }
    void cells() {
        QFETCH(int, cell);
        QFETCH(QString, placed);
        QFETCH(QString, picture);
        ui::BoardCell *box = m_form->box(cell);
        if (!placed.isEmpty()) {
            QTest::mouseClick(m_form->tombol(0), Qt::LeftButton);
            QTest::mouseClick(box, placed == "S" ? Qt::LeftButton : Qt::RightButton, {},
                              QPoint(17, 17));
        }
        QCOMPARE(box->picture().devicePixelRatio(), qreal(kRatio));
        const QImage expected = rendering(picture);
        QCOMPARE(shot(m_form).copy(QRect(box->pos() * kRatio, expected.size())), expected);
    }

    void buttons_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QString>("picture");
        QTest::newRow("start") << 0 << false << "button_start_normal.gif";
        QTest::newRow("options") << 1 << false << "button_options_normal.gif";
        QTest::newRow("about") << 2 << false << "button_about_normal.gif";
        QTest::newRow("start pressed") << 0 << true << "button_start_pressed.gif";
        QTest::newRow("about pressed") << 2 << true << "button_about_pressed.gif";
    }
    void buttons() {
        QFETCH(int, index);
        QFETCH(bool, pressed);
        QFETCH(QString, picture);
        ui::ImageButton *button = m_form->tombol(index);
        if (pressed) QTest::mousePress(button, Qt::LeftButton);
        const QImage expected = rendering(picture);
        QCOMPARE(shot(m_form).copy(devicePixels(button->geometry())), expected);
        if (pressed) QTest::mouseRelease(button, Qt::LeftButton);
    }

    void background_data() {
        QTest::addColumn<QRect>("area");  // bare background, no control over it
        QTest::newRow("top edge") << QRect(0, 0, 530, 9);
        QTest::newRow("between the first two rows of cells") << QRect(0, 44, 366, 3);
        QTest::newRow("title") << QRect(366, 0, 164, 96);
    }
    void background() {
        QFETCH(QRect, area);
        QCOMPARE(shot(m_form).copy(devicePixels(area)),
                 rendering("background.bmp").copy(devicePixels(area)));
    }

    void struckLineIsThreeLogicalPixelsWide() {
        QTest::mouseClick(m_form->tombol(0), Qt::LeftButton);
        for (int cell : {1, 3}) QTest::mouseClick(m_form->box(cell), Qt::LeftButton);
        QTest::mouseClick(m_form->box(2), Qt::RightButton);
        QCOMPARE(m_form->game().state().score[1], std::int16_t(1));
        // Across the line between the first two cells, where the background is white: the
        // line runs along the cells' centres, 9 + 17.5 pixels from the top.
        const QImage image = shot(m_form);
        const int x = 47 * kRatio;
        int dark = 0;
        for (int y = 20 * kRatio; y < 33 * kRatio; ++y) dark += qGray(image.pixel(x, y)) < 64;
        QCOMPARE(dark, 3 * kRatio);
        QCOMPARE(qGray(image.pixel(x, 23 * kRatio)), 255);
        QCOMPARE(qGray(image.pixel(x, 30 * kRatio)), 255);
    }

    void otherWindows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QRect>("area");  // picture without controls over it
        QTest::addColumn<QString>("picture");
        QTest::newRow("result before filling")
            << "Form3" << QRect(0, 0, 240, 380) << "result_initial.bmp";
        QTest::newRow("result, loser")
            << "Form3 loser" << QRect(0, 0, 240, 380) << "result_loser.bmp";
        QTest::newRow("result, draw")
            << "Form3 draw" << QRect(0, 100, 479, 284) << "result_draw.bmp";
        QTest::newRow("about") << "frmAbout" << QRect(0, 0, 400, 299) << "about.bmp";
        QTest::newRow("options") << "Form2" << QRect(0, 0, 340, 70) << "options_background.gif";
    }
    void otherWindows() {
        QFETCH(QString, window);
        QFETCH(QRect, area);
        QFETCH(QString, picture);
        std::unique_ptr<QWidget> shown;
        if (window.startsWith("Form3")) {
            auto *result = new Form3;
            if (window.endsWith("loser")) result->fill("Com", ResultPicture::Loser);
            if (window.endsWith("draw")) result->fill("", ResultPicture::Draw);
            shown.reset(result);
        } else if (window == "frmAbout") {
            shown = std::make_unique<frmAbout>();
        } else {
            shown = std::make_unique<Form2>();
        }
        QCOMPARE(shot(shown.get()).size(), shown->size() * kRatio);
        QCOMPARE(shot(shown.get()).copy(devicePixels(area)),
                 rendering(picture).copy(devicePixels(area)));
    }
};

int main(int argc, char *argv[]) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kRatio));
    QApplication app(argc, argv);
    TestWindowPictures test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_pictures.moc"
