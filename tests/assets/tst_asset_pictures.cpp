// SPDX-License-Identifier: MIT
// The embedded pictures and icons: each is the committed file, in its format, at its pixel
// size, bit depth and byte count, and Qt's image readers accept it.
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTest>

#include "tests/assets/little_endian.h"

namespace {

QByteArray embedded(const QString &name) {
    QFile f(QStringLiteral(":/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray committed(const QString &name) {
    QFile f(QStringLiteral(TRILET_RESOURCE_DIR "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Reads every image of the bytes with Qt's reader for the given format.
QList<QImage> readWithQt(const QByteArray &bytes, const QByteArray &format) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    QList<QImage> images;
    for (int i = 0; i < qMax(1, reader.imageCount()); ++i) {
        QImage img = reader.read();
        if (img.isNull()) break;
        images.append(img);
        if (!reader.jumpToNextImage()) break;
    }
    return images;
}

}  // namespace

class TestAssetPictures : public QObject {
    Q_OBJECT

private slots:
    void bitmap_data();
    void bitmap();
    void gif_data();
    void gif();
    void icon_data();
    void icon();
};

void TestAssetPictures::bitmap_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("bytes");
    QTest::newRow("main background") << "pictures/background.bmp" << 532 << 393 << 24 << 627284;
    QTest::newRow("S") << "pictures/letter_s.bmp" << 33 << 34 << 24 << 3456;
    QTest::newRow("O") << "pictures/letter_o.bmp" << 33 << 34 << 24 << 3456;
    QTest::newRow("winner") << "pictures/result_winner.bmp" << 479 << 385 << 24 << 554456;
    QTest::newRow("loser") << "pictures/result_loser.bmp" << 479 << 380 << 32 << 728136;
    QTest::newRow("no winner") << "pictures/result_draw.bmp" << 479 << 384 << 24 << 553016;
    QTest::newRow("result window") << "pictures/result_initial.bmp" << 479 << 385 << 24 << 554456;
    QTest::newRow("about") << "pictures/about.bmp" << 400 << 300 << 24 << 360056;
}

void TestAssetPictures::bitmap() {
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bits);
    QFETCH(int, bytes);

    const QByteArray data = embedded(name);
    QVERIFY2(!data.isEmpty(), "not embedded in trilet_resources");
    QCOMPARE(data, committed(name));
    QCOMPARE(data.size(), bytes);

    // File header and 40-byte info header of an uncompressed, bottom-up bitmap.
    QCOMPARE(data.left(2), QByteArray("BM"));
    QCOMPARE(le32(data, 2), quint32(bytes));
    QCOMPARE(le32(data, 10), 54u);
    QCOMPARE(le32(data, 14), 40u);
    QCOMPARE(les32(data, 18), width);
    QCOMPARE(les32(data, 22), height);
    QCOMPARE(le16(data, 26), 1);
    QCOMPARE(int(le16(data, 28)), bits);
    QCOMPARE(le32(data, 30), 0u);
    const int stride = (width * bits / 8 + 3) / 4 * 4;
    QVERIFY(54 + stride * height <= bytes);

    const QList<QImage> images = readWithQt(data, "bmp");
    QCOMPARE(images.size(), 1);
    QCOMPARE(images.first().size(), QSize(width, height));
    // A 32-bit picture's fourth byte is padding; read as alpha it would make the picture
    // vanish on screen.
    const QImage img = images.first().convertToFormat(QImage::Format_ARGB32);
    for (const QPoint pt : {QPoint(0, 0), QPoint(width / 2, height / 2), QPoint(width - 1, 0)})
        QCOMPARE(qAlpha(img.pixel(pt)), 255);
}

void TestAssetPictures::gif_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("redWords");
    const QSize button(150, 45);
    for (const char *word : {"start", "options", "about"}) {
        const QString base = QStringLiteral("pictures/button_%1_").arg(QLatin1String(word));
        QTest::addRow("%s normal", word) << base + "normal.gif" << button << false;
        QTest::addRow("%s highlighted", word) << base + "hover.gif" << button << false;
        QTest::addRow("%s pressed", word) << base + "pressed.gif" << button << true;
    }
    QTest::newRow("options background")
        << "pictures/options_background.gif" << QSize(340, 220) << false;
}

void TestAssetPictures::gif() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, redWords);

    const QByteArray data = embedded(name);
    QVERIFY2(!data.isEmpty(), "not embedded in trilet_resources");
    QCOMPARE(data, committed(name));
    QVERIFY(data.startsWith("GIF87a") || data.startsWith("GIF89a"));
    QCOMPARE(QSize(le16(data, 6), le16(data, 8)), size);

    const QList<QImage> images = readWithQt(data, "gif");
    QCOMPARE(images.size(), 1);
    const QImage img = images.first().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(img.size(), size);
    // The words of a pressed button are red; every other look keeps its words black.
    int red = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80) ++red;
        }
    if (redWords)
        QVERIFY2(red > 100, "pressed look without red words");
    else
        QCOMPARE(red, 0);
}

void TestAssetPictures::icon_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<bool>("grey");
    QTest::newRow("program") << "icons/trilet.ico" << 766 << QList<int>{32} << false;
    QTest::newRow("options") << "icons/options.ico" << 1078 << QList<int>{32, 16} << true;
}

void TestAssetPictures::icon() {
    QFETCH(QString, name);
    QFETCH(int, bytes);
    QFETCH(QList<int>, sizes);
    QFETCH(bool, grey);

    const QByteArray data = embedded(name);
    QVERIFY2(!data.isEmpty(), "not embedded in trilet_resources");
    QCOMPARE(data, committed(name));
    QCOMPARE(data.size(), bytes);
    QCOMPARE(le16(data, 0), 0);
    QCOMPARE(le16(data, 2), 1);
    QCOMPARE(int(le16(data, 4)), sizes.size());

    // Directory entries and 4-bit images: header, 16-colour palette, colour and mask rows.
    qsizetype end = 6 + 16 * sizes.size();
    for (int i = 0; i < sizes.size(); ++i) {
        const qsizetype entry = 6 + 16 * i;
        const int n = sizes[i];
        QCOMPARE(int(quint8(data[entry])), n);
        QCOMPARE(int(quint8(data[entry + 1])), n);
        QCOMPARE(int(quint8(data[entry + 2])), 16);
        QCOMPARE(le16(data, entry + 4), 1);
        QCOMPARE(le16(data, entry + 6), 4);
        const int imageBytes = 40 + 64 + ((n / 2 + 3) / 4 * 4 + (n / 8 + 3) / 4 * 4) * n;
        QCOMPARE(int(le32(data, entry + 8)), imageBytes);
        const qsizetype offset = le32(data, entry + 12);
        QCOMPARE(offset, end);
        QCOMPARE(le32(data, offset), 40u);
        QCOMPARE(les32(data, offset + 4), n);
        QCOMPARE(les32(data, offset + 8), 2 * n);
        QCOMPARE(le16(data, offset + 14), 4);
        end += imageBytes;
    }
    QCOMPARE(end, data.size());
    if (sizes == QList<int>{32}) QCOMPARE(int(le32(data, 6 + 8)), 744);

    const QList<QImage> images = readWithQt(data, "ico");
    QCOMPARE(images.size(), sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        const QImage img = images[i].convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(img.size(), QSize(sizes[i], sizes[i]));
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);  // the mask leaves the corner transparent
        // The spanner is grey throughout; the board is mostly blue.
        int opaque = 0, coloured = 0, blue = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (qAlpha(c) < 255) continue;
                ++opaque;
                if (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c)) ++coloured;
                if (qBlue(c) > 100 && qRed(c) < 60 && qGreen(c) < 60) ++blue;
            }
        QVERIFY(opaque > sizes[i] * sizes[i] / 5);
        if (grey)
            QCOMPARE(coloured, 0);
        else
            QVERIFY2(blue * 2 > opaque, "program icon is not mainly blue");
    }
}

QTEST_GUILESS_MAIN(TestAssetPictures)
#include "tst_asset_pictures.moc"
