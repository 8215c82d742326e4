// SPDX-License-Identifier: MIT
// The result window: its pictures, its name label and what a click does.
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "ui/result/form3.h"

using game::ResultPicture;

Q_DECLARE_METATYPE(ResultPicture)

namespace {

constexpr QRect kLabel1Rect(248, 56, 225, 42);

QLabel *label1(Form3 &window) {
    return window.findChild<QLabel *>(QStringLiteral("Label1"));
}

// Columns where the label, drawn alone on black, puts its white text.
struct Ink {
    int left = -1;
    int right = -1;
};

Ink inkColumns(QLabel *label) {
    QImage image(label->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    label->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    Ink ink;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) > 96) {
                if (ink.left < 0) ink.left = x;
                ink.right = x;
                break;
            }
        }
    }
    return ink;
}

}  // namespace

class TestForm3 : public QObject {
    Q_OBJECT

private slots:
    void backgroundPicture_data();
    void backgroundPicture();
    void label1ShowsNamePlainAndCut_data();
    void label1ShowsNamePlainAndCut();
    void label1FontIsASerifBold();
    void click_data();
    void click();
};

void TestForm3::backgroundPicture_data() {
    QTest::addColumn<QList<ResultPicture>>("fills");
    QTest::addColumn<QString>("picture");

    QTest::newRow("before any fill") << QList<ResultPicture>{} << ":/pictures/result_initial.bmp";
    QTest::newRow("winner") << QList{ResultPicture::Winner} << ":/pictures/result_winner.bmp";
    QTest::newRow("loser") << QList{ResultPicture::Loser} << ":/pictures/result_loser.bmp";
    QTest::newRow("draw") << QList{ResultPicture::Draw} << ":/pictures/result_draw.bmp";
    QTest::newRow("loser after winner: no winner rows left below")
        << QList{ResultPicture::Winner, ResultPicture::Loser} << ":/pictures/result_loser.bmp";
}

// The picture sits unscaled at the top left; the strip it leaves free is white.
void TestForm3::backgroundPicture() {
    QFETCH(QList<ResultPicture>, fills);
    QFETCH(QString, picture);

    Form3 window;
    label1(window)->setText(QString());
    for (ResultPicture fill : fills) window.fill(QString(), fill);
    const QImage shown = window.grab().toImage();
    const QImage expected = QImage(picture).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!expected.isNull());
    QCOMPARE(shown.size(), QSize(480, 388));
    QVERIFY(expected.width() < 480 && expected.height() < 388);

    int wrong = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const bool onPicture = x < expected.width() && y < expected.height();
            if (shown.pixel(x, y) != (onPicture ? expected.pixel(x, y) : qRgb(255, 255, 255)))
                ++wrong;
        }
    }
    QCOMPARE(wrong, 0);
}

void TestForm3::label1ShowsNamePlainAndCut_data() {
    QTest::addColumn<QString>("name");

    QTest::newRow("short name") << "Al";
    QTest::newRow("ordinary name") << "Lorna Quillet";
    QTest::newRow("markup stays text") << "<b>x</b>";
    QTest::newRow("ampersand") << "R & D";
    QTest::newRow("too long, one word") << QString(30, QLatin1Char('W'));
    QTest::newRow("too long, several words") << "Maximilian Bartholomew Featherstonehaugh";
}

// The text is drawn as typed, centred in a label that keeps its place and size: a text
// that fits is inked over about its own advance, a longer one is cut off at both edges
// (neither shortened with an ellipsis nor wrapped onto a second line).
void TestForm3::label1ShowsNamePlainAndCut() {
    QFETCH(QString, name);

    Form3 window;
    window.fill(name, ResultPicture::Winner);
    QLabel *label = label1(window);
    QVERIFY(label);
    QCOMPARE(label->geometry(), kLabel1Rect);
    QCOMPARE(label->text(), name);

    const Ink ink = inkColumns(label);
    QVERIFY(ink.left >= 0);
    const int advance = label->fontMetrics().horizontalAdvance(name);
    if (advance > kLabel1Rect.width()) {
        QCOMPARE(ink.left, 0);
        QCOMPARE(ink.right, kLabel1Rect.width() - 1);
    } else {
        QVERIFY2(qAbs(ink.right - ink.left + 1 - advance) <= 8,
                 qPrintable(QStringLiteral("inked %1 px, text advance %2 px")
                                .arg(ink.right - ink.left + 1)
                                .arg(advance)));
        const int leftMargin = ink.left;
        const int rightMargin = kLabel1Rect.width() - 1 - ink.right;
        QVERIFY2(qAbs(leftMargin - rightMargin) <= 4,
                 qPrintable(QStringLiteral("margins %1 and %2").arg(leftMargin).arg(rightMargin)));
    }
}

// "Times New Roman" is not on the machine; its metric twin must stand in, not DejaVu.
void TestForm3::label1FontIsASerifBold() {
    Form3 window;
    const QFontInfo info(label1(window)->font());
    QCOMPARE(info.family(), QStringLiteral("Liberation Serif"));
    QVERIFY(info.bold());
    QVERIFY(qAbs(info.pointSizeF() - 27.75) < 0.5);
}

void TestForm3::click_data() {
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("closes");

    const QPoint onLabel = kLabel1Rect.center();
    QTest::newRow("surface, left button")
        << QPoint(20, 20) << QPoint(20, 20) << Qt::LeftButton << true;
    QTest::newRow("surface, right button")
        << QPoint(120, 300) << QPoint(120, 300) << Qt::RightButton << true;
    QTest::newRow("white strip, bottom right corner")
        << QPoint(479, 387) << QPoint(479, 387) << Qt::LeftButton << true;
    QTest::newRow("moved on the surface before release")
        << QPoint(20, 20) << QPoint(200, 300) << Qt::LeftButton << true;
    QTest::newRow("on the label") << onLabel << onLabel << Qt::LeftButton << false;
    QTest::newRow("label edge") << QPoint(248, 56) << QPoint(248, 56) << Qt::LeftButton << false;
    QTest::newRow("pressed on the label, released on the surface")
        << onLabel << QPoint(20, 20) << Qt::LeftButton << false;
    QTest::newRow("pressed on the surface, released outside")
        << QPoint(20, 20) << QPoint(-30, 20) << Qt::LeftButton << false;
}

// Events go to the window, as the platform would send them, so that the label's share of
// them and the mouse grab count.
void TestForm3::click() {
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, releaseAt);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, closes);

    QPointer<Form3> window = new Form3;
    window->fill(QStringLiteral("Lorna Quillet"), ResultPicture::Winner);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QTest::mousePress(window->windowHandle(), button, {}, pressAt);
    QVERIFY2(window && window->isVisible(), "closed by the press alone");
    QTest::mouseRelease(window->windowHandle(), button, {}, releaseAt);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(window.isNull(), closes);
    if (!closes) {
        QVERIFY(window->isVisible());
        delete window;
    }
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
