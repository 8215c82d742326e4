// SPDX-License-Identifier: MIT
// The desktop icons under resources/icons/hicolor: what the generator makes of the committed
// window icon, the small one pixel for pixel the window icon, the large one the same board with
// the same marks.
#include <QFile>
#include <QImage>
#include <QTest>

#include "tools/assetgen/desktop_icons.h"
#include "tools/assetgen/fonts.h"

namespace {

QByteArray committed(const QString &path) {
    QFile f(QStringLiteral(TRILET_RESOURCE_DIR "/") + path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage committedImage(const QString &path) {
    return QImage::fromData(committed(path)).convertToFormat(QImage::Format_ARGB32);
}

// The window icon's squares run between its grid lines at 0, 10, 21 and 31 pixels.
constexpr int kSmallSquareFrom[3]{1, 11, 22};
constexpr int kSmallSquareTo[3]{9, 20, 30};  // inclusive

// The marks are the only light pixels: every mark colour of the window icon is bright in green,
// the blue of the squares and the navy of the lines never are.
bool isMarkPixel(QRgb c) {
    return qAlpha(c) == 255 && qGreen(c) >= 200;
}

bool near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= 40 && qAbs(qGreen(a) - qGreen(b)) <= 40 &&
           qAbs(qBlue(a) - qBlue(b)) <= 40;
}

}  // namespace

class TestDesktopIcons : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void matchesCommittedFile_data();
    void matchesCommittedFile();
    void smallIconIsTheWindowIcon();
    void largeIconShowsTheSameMarks_data();
    void largeIconShowsTheSameMarks();

private:
    QList<assetgen::AssetFile> m_generated;
};

void TestDesktopIcons::initTestCase() {
    QString error;
    QVERIFY2(assetgen::loadFonts(&error), qPrintable(error));
    const QByteArray ico = committed("icons/trilet.ico");
    QVERIFY2(!ico.isEmpty(), "resources/icons/trilet.ico is missing");
    m_generated = assetgen::withDesktopIcons({{"icons/trilet.ico", ico}}, &error);
    QVERIFY2(m_generated.size() == 3, qPrintable(error));
}

void TestDesktopIcons::matchesCommittedFile_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("32 x 32") << assetgen::kDesktopIcon32;
    QTest::newRow("256 x 256") << assetgen::kDesktopIcon256;
}

void TestDesktopIcons::matchesCommittedFile() {
    QFETCH(QString, path);
    QByteArray generated;
    for (const assetgen::AssetFile &f : m_generated)
        if (f.path == path) generated = f.bytes;
    QVERIFY2(!generated.isEmpty(), "not generated");
    const QByteArray onDisk = committed(path);
    QVERIFY2(!onDisk.isEmpty(), "missing from resources/; run make assets");
    QVERIFY2(generated == onDisk, "differs from the committed file; run make assets");
}

void TestDesktopIcons::smallIconIsTheWindowIcon() {
    const QImage window = committedImage("icons/trilet.ico");
    const QImage desktop = committedImage(assetgen::kDesktopIcon32);
    QCOMPARE(desktop.size(), QSize(32, 32));
    QCOMPARE(window.size(), desktop.size());
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb a = window.pixel(x, y);
            const QRgb b = desktop.pixel(x, y);
            // Fully transparent pixels may carry any colour.
            const bool same = qAlpha(a) == 0 ? qAlpha(b) == 0 : a == b;
            QVERIFY2(same, qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
        }
}

void TestDesktopIcons::largeIconShowsTheSameMarks_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            QTest::addRow("row %d column %d", row + 1, column + 1) << row << column;
}

void TestDesktopIcons::largeIconShowsTheSameMarks() {
    QFETCH(int, row);
    QFETCH(int, column);
    const QImage small = committedImage("icons/trilet.ico");
    const QImage large = committedImage(assetgen::kDesktopIcon256);
    QCOMPARE(large.size(), QSize(256, 256));

    // The mark colour of this square in the window icon, if it has a mark.
    QHash<QRgb, int> smallColours;
    for (int y = kSmallSquareFrom[row]; y <= kSmallSquareTo[row]; ++y)
        for (int x = kSmallSquareFrom[column]; x <= kSmallSquareTo[column]; ++x)
            if (isMarkPixel(small.pixel(x, y))) ++smallColours[small.pixel(x, y)];
    QVERIFY2(smallColours.size() <= 1, "one mark colour per square");

    // The same square of the large icon, eight times the size, kept clear of the grid lines.
    const int scale = large.width() / small.width();
    const QRect area(
        QPoint(kSmallSquareFrom[column] * scale + 4, kSmallSquareFrom[row] * scale + 4),
        QPoint((kSmallSquareTo[column] + 1) * scale - 5, (kSmallSquareTo[row] + 1) * scale - 5));
    int markPixels = 0;
    int inMarkColour = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = large.pixel(x, y);
            if (!isMarkPixel(c)) continue;
            ++markPixels;
            if (!smallColours.isEmpty() && near(c, smallColours.constBegin().key())) ++inMarkColour;
        }
    if (smallColours.isEmpty()) {
        QCOMPARE(markPixels, 0);
    } else {
        // A letter of a readable size, and in the window icon's colour.
        const int areaPixels = area.width() * area.height();
        QVERIFY2(inMarkColour * 20 >= areaPixels,
                 qPrintable(QStringLiteral("%1 of %2 pixels in the mark colour")
                                .arg(inMarkColour)
                                .arg(areaPixels)));
    }
}

QTEST_MAIN(TestDesktopIcons)
#include "tst_desktop_icons.moc"
