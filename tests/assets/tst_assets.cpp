// SPDX-License-Identifier: MIT
// Every picture, icon and sound embedded as committed, of its byte size, read by a standard reader
// (Qt's, soxi) at the pixel size, depth and length the program needs; @2x pictures at twice that.
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTest>

struct Asset {
    QString path;
    QSize size;           // pixels; of each image of an icon
    int bits = 0;         // per pixel of a bitmap, per sample of a sound
    int bytes = 0;        // of the file; 0 where no size is prescribed
    QString detail = {};  // an icon's image sides; a sound's chunks, duration and samples
};

const Asset kAssets[] = {
    {"pictures/background.bmp", {532, 393}, 24, 627284},
    {"pictures/letter_s.bmp", {33, 34}, 24, 3456},
    {"pictures/letter_o.bmp", {33, 34}, 24, 3456},
    {"pictures/result_winner.bmp", {479, 385}, 24, 554456},
    {"pictures/result_loser.bmp", {479, 380}, 32, 728136},
    {"pictures/result_draw.bmp", {479, 384}, 24, 553016},
    {"pictures/result_initial.bmp", {479, 385}, 24, 554456},
    {"pictures/about.bmp", {400, 300}, 24, 360056},
    {"pictures/options_background.gif", {340, 220}},
    {"icons/trilet.ico", {32, 32}, 0, 766, "32"},
    {"icons/options.ico", {32, 32}, 0, 1078, "32 16"},
    {"sounds/1.wav", {}, 8, 44736, "fmt  16, fact 4, data 44624, LIST 48 = 00:00:02.02 = 44624"},
    {"sounds/2.wav", {}, 16, 7068, "fmt  16, data 7022 = 00:00:00.16 = 3511"},
    {"sounds/3.wav", {}, 8, 39076, "fmt  16, data 38963, LIST 48, fact 4 = 00:00:01.77 = 38963"},
};

static int le(const QByteArray &b, qsizetype at, int size = 4) {  // little-endian, 0 past the end
    int v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | (at + i < b.size() ? quint8(b[at + i]) : 0);
    return v;
}

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void asset_data() {
        QTest::addColumn<Asset>("asset");
        QList<Asset> assets(std::begin(kAssets), std::end(kAssets));
        for (const char *b : {"start", "options", "about"})
            for (const char *look : {"normal", "hover", "pressed"})
                assets.append({QString("pictures/button_%1_%2.gif").arg(b, look), {150, 45}});
        for (const Asset &a : assets) {  // pictures again at twice the size, for pixel ratio 2
            QTest::newRow(qPrintable(a.path)) << a;
            const Asset twice{a.path.section('.', 0, 0) + "@2x.png", 2 * a.size};
            if (a.path.startsWith("pictures/")) QTest::newRow(qPrintable(twice.path)) << twice;
        }
    }
    void asset() {
        QFETCH(Asset, asset);
        const auto &[path, size, bits, bytes, detail] = asset;
        QFile file(TRILET_RESOURCE_DIR "/" + path), embedded(":/" + path);
        QVERIFY2(file.open(QIODevice::ReadOnly), "missing from resources/");
        const QByteArray data = file.readAll();
        QVERIFY2(embedded.open(QIODevice::ReadOnly) && embedded.readAll() == data,
                 "embedded differs");
        if (bytes) QCOMPARE(data.size(), bytes);

        if (!path.endsWith(".wav")) {
            QImageReader reader(file.fileName());
            const QStringList sides = detail.split(' ');
            QCOMPARE(qMax(1, reader.imageCount()), sides.size());
            for (int i = 0; i < sides.size(); ++i, reader.jumpToNextImage()) {
                const int n = sides[i].toInt();
                QCOMPARE(reader.read().size(), n ? QSize(n, n) : size);
                if (n) QCOMPARE(quint8(data[6 + 16 * i + 2]), 16);  // colours, in the directory
            }
            if (path.endsWith(".bmp")) QCOMPARE(le(data, 28, 2), bits);
            if (path.endsWith("trilet.ico")) QCOMPARE(le(data, 6 + 8), 744);  // bytes of the image
            return;
        }
        QByteArrayList chunks;
        for (qsizetype at = 12, end = 8 + le(data, 4); at + 8 <= end;
             at += 8 + le(data, at + 4) + le(data, at + 4) % 2)
            chunks << data.mid(at, 4) + ' ' + QByteArray::number(le(data, at + 4));
        QCOMPARE(QString(chunks.join(", ")), detail.section(" = ", 0, 0));
        QProcess soxi;
        soxi.start("soxi", {file.fileName()});
        QVERIFY2(soxi.waitForFinished(10000) && soxi.exitCode() == 0, "soxi (package sox) failed");
        const QString report = QString::fromLocal8Bit(soxi.readAllStandardOutput()).simplified();
        const QString encoding = bits == 8 ? "8-bit Unsigned" : "16-bit Signed";
        for (const QString &fact : {QString("Channels : 1 Sample Rate : 22050 "),
                                    "Duration : " + detail.section(" = ", 1) + " samples",
                                    "Encoding: " + encoding + " Integer PCM"})
            QVERIFY2(report.contains(fact), qPrintable(report));
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
