// SPDX-License-Identifier: MIT
// The About box: its picture, its kind of window and closing by a click.
#include <QPointer>
#include <QTest>

#include "ui/about/frm_about.h"

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void pictureOnAToolWindow();
    void click_data();
    void click();
};

// The credits picture is drawn unscaled from the top left; a tool window keeps the box
// off the taskbar.
void TestAbout::pictureOnAToolWindow() {
    frmAbout window;
    QCOMPARE(window.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);

    const QImage shown = window.grab().toImage();
    const QImage picture =
        QImage(QStringLiteral(":/pictures/about.bmp")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(400, 299));
    QCOMPARE(picture.size(), QSize(400, 300));
    int wrong = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != picture.pixel(x, y)) ++wrong;
        }
    }
    QCOMPARE(wrong, 0);
}

void TestAbout::click_data() {
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("closes");

    QTest::newRow("top left corner") << QPoint(0, 0) << QPoint(0, 0) << Qt::LeftButton << true;
    QTest::newRow("bottom right corner")
        << QPoint(399, 298) << QPoint(399, 298) << Qt::LeftButton << true;
    QTest::newRow("middle, right button")
        << QPoint(200, 150) << QPoint(200, 150) << Qt::RightButton << true;
    QTest::newRow("pressed inside, released outside")
        << QPoint(200, 150) << QPoint(200, 320) << Qt::LeftButton << false;
}

void TestAbout::click() {
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, releaseAt);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, closes);

    QPointer<frmAbout> window = new frmAbout;
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

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
