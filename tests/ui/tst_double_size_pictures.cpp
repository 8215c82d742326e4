// SPDX-License-Identifier: MIT
// The pictures at twice their pixel size, "name@2x.png" beside each picture the windows show:
// twice the size of their picture, the same picture when brought back to its size, painted
// with real detail rather than doubled pixels, and exactly what the generator paints.
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QSet>
#include <QTest>

#include "tools/assetgen/double_size.h"
#include "tools/assetgen/fonts.h"

namespace {

const QStringList kPictures{
    "background.bmp",
    "letter_s.bmp",
    "letter_o.bmp",
    "button_start_normal.gif",
    "button_start_hover.gif",
    "button_start_pressed.gif",
    "button_options_normal.gif",
    "button_options_hover.gif",
    "button_options_pressed.gif",
    "button_about_normal.gif",
    "button_about_hover.gif",
    "button_about_pressed.gif",
    "options_background.gif",
    "result_winner.bmp",
    "result_loser.bmp",
    "result_draw.bmp",
    "result_initial.bmp",
    "about.bmp",
};

QString twiceName(const QString &name) {
    return name.left(name.lastIndexOf('.')) + QStringLiteral("@2x.png");
}

QImage rgb(const QImage &image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// Each pixel the average of a 2 x 2 block.
QImage halved(const QImage &image) {
    QImage out(image.width() / 2, image.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            int sum[3] = {0, 0, 0};
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb c = image.pixel(2 * x + dx, 2 * y + dy);
                    sum[0] += qRed(c);
                    sum[1] += qGreen(c);
                    sum[2] += qBlue(c);
                }
            }
            out.setPixel(x, y, qRgb((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4));
        }
    }
    return out;
}

// Mean difference per colour channel over the area both cover, shifted by dx.
double meanDifference(const QImage &a, const QImage &b, int dx = 0) {
    qint64 total = 0;
    qint64 count = 0;
    for (int y = 0; y < qMin(a.height(), b.height()); ++y) {
        for (int x = qMax(0, -dx); x < qMin(a.width(), b.width()) - qMax(0, dx); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x + dx, y);
            total +=
                qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
            count += 3;
        }
    }
    return count ? double(total) / double(count) : 255.0;
}

// Share of 2 x 2 blocks whose four pixels are not all alike: none in a picture that was
// merely enlarged.
double detailedBlocks(const QImage &image) {
    int detailed = 0;
    const int blocks = (image.width() / 2) * (image.height() / 2);
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                image.pixel(x + 1, y + 1) != c)
                ++detailed;
        }
    }
    return blocks ? double(detailed) / blocks : 0.0;
}

}  // namespace

class TestDoubleSizePictures : public QObject {
    Q_OBJECT

private slots:
    void eachPictureHasItsDoubleSize_data();
    void eachPictureHasItsDoubleSize();
    void generatorPaintsTheCommittedFiles();
};

void TestDoubleSizePictures::eachPictureHasItsDoubleSize_data() {
    QTest::addColumn<QString>("name");
    for (const QString &name : kPictures) QTest::newRow(qPrintable(name)) << name;
}

void TestDoubleSizePictures::eachPictureHasItsDoubleSize() {
    QFETCH(QString, name);
    const QImage picture = rgb(QImage(QStringLiteral(":/pictures/") + name));
    QVERIFY(!picture.isNull());
    QImageReader reader(QStringLiteral(":/pictures/") + twiceName(name));
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage read = reader.read();
    QVERIFY2(!read.isNull(), qPrintable(reader.errorString()));
    QVERIFY(!read.hasAlphaChannel());
    // Qt gives a file named "@2x" the ratio that makes it paint at its picture's size.
    QCOMPARE(read.devicePixelRatio(), 2.0);
    QCOMPARE(read.size(), picture.size() * 2);

    // Brought back to its size it is the same picture, in the same place: far closer to it
    // than to the picture moved by one pixel.
    const QImage twice = rgb(read);
    const double same = meanDifference(halved(twice), picture);
    const double moved = meanDifference(halved(twice), picture, 1);
    QVERIFY2(same < 4.0, qPrintable(QString::number(same)));
    QVERIFY2(same * 2 < moved, qPrintable(QStringLiteral("%1 vs %2").arg(same).arg(moved)));

    // Painted at its size, not enlarged: edges and gradients fall inside the 2 x 2 blocks.
    const double detail = detailedBlocks(twice);
    QVERIFY2(detail > 0.02, qPrintable(QString::number(detail)));
}

void TestDoubleSizePictures::generatorPaintsTheCommittedFiles() {
    QString error;
    QVERIFY2(assetgen::loadFonts(&error), qPrintable(error));
    const QList<assetgen::AssetFile> files = assetgen::paintDoubleSizePictures(&error);
    QVERIFY2(!files.isEmpty(), qPrintable(error));

    QSet<QString> expected;
    for (const QString &name : kPictures) expected.insert("pictures/" + twiceName(name));
    QSet<QString> written;
    for (const assetgen::AssetFile &file : files) written.insert(file.path);
    QCOMPARE(written, expected);

    for (const assetgen::AssetFile &file : files) {
        QFile committed(QStringLiteral(TRILET_RESOURCE_DIR "/") + file.path);
        QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(file.path));
        const QImage painted = QImage::fromData(file.bytes, "png");
        QVERIFY(!painted.isNull());
        QVERIFY2(rgb(painted) == rgb(QImage::fromData(committed.readAll(), "png")),
                 qPrintable(file.path + " differs from the generator's: run make assets"));
    }
}

QTEST_MAIN(TestDoubleSizePictures)
#include "tst_double_size_pictures.moc"
