// SPDX-License-Identifier: MIT
// Every picture, icon and sound: the generator writes exactly the committed files, the same
// bytes on every run; the program embeds them as committed; each has the format, size and
// byte layout the program needs, and a standard reader (Qt's, soxi) accepts it.
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <cmath>

#include "tools/assetgen/asset_set.h"
#include "tools/assetgen/double_size.h"

namespace {

struct Asset {
    const char *path;
    QSize size;          // pixels; of the first image of an icon
    int bits;            // per pixel or per sample
    int bytes;           // of the file; 0 where no size is prescribed
    const char *detail;  // a sound's chunks and length, an icon's images, a button's words
};

const Asset kAssets[] = {
    {"pictures/background.bmp", {532, 393}, 24, 627284, ""},
    {"pictures/letter_s.bmp", {33, 34}, 24, 3456, ""},
    {"pictures/letter_o.bmp", {33, 34}, 24, 3456, ""},
    {"pictures/result_winner.bmp", {479, 385}, 24, 554456, ""},
    {"pictures/result_loser.bmp", {479, 380}, 32, 728136, ""},
    {"pictures/result_draw.bmp", {479, 384}, 24, 553016, ""},
    {"pictures/result_initial.bmp", {479, 385}, 24, 554456, ""},
    {"pictures/about.bmp", {400, 300}, 24, 360056, ""},
    {"pictures/button_start_normal.gif", {150, 45}, 0, 0, "black"},
    {"pictures/button_start_hover.gif", {150, 45}, 0, 0, "black"},
    {"pictures/button_start_pressed.gif", {150, 45}, 0, 0, "red"},
    {"pictures/button_options_normal.gif", {150, 45}, 0, 0, "black"},
    {"pictures/button_options_hover.gif", {150, 45}, 0, 0, "black"},
    {"pictures/button_options_pressed.gif", {150, 45}, 0, 0, "red"},
    {"pictures/button_about_normal.gif", {150, 45}, 0, 0, "black"},
    {"pictures/button_about_hover.gif", {150, 45}, 0, 0, "black"},
    {"pictures/button_about_pressed.gif", {150, 45}, 0, 0, "red"},
    {"pictures/options_background.gif", {340, 220}, 0, 0, "black"},
    {"icons/trilet.ico", {32, 32}, 4, 766, "32"},
    {"icons/options.ico", {32, 32}, 4, 1078, "32 16"},
    {"sounds/1.wav", {}, 8, 44736, "fmt  16, fact 4, data 44624, LIST 48 = 00:00:02.02"},
    {"sounds/2.wav", {}, 16, 7068, "fmt  16, data 7022 = 00:00:00.16"},
    {"sounds/3.wav", {}, 8, 39076, "fmt  16, data 38963, LIST 48, fact 4 = 00:00:01.77"},
};

QByteArray read(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString committed(const QString &path) {
    return QStringLiteral(TRILET_RESOURCE_DIR "/") + path;
}

// A little-endian field of 2 or 4 bytes; 0 past the end, so a short file fails the checks.
int le(const QByteArray &b, qsizetype at, int size = 4) {
    if (at < 0 || at + size > b.size()) return 0;
    return size == 2 ? qFromLittleEndian<quint16>(b.constData() + at)
                     : qFromLittleEndian<qint32>(b.constData() + at);
}

}  // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void regeneration();
    void format_data();
    void format();
    void areas_data();
    void areas();
};

void TestAssets::regeneration() {
    QString error;
    const QList<assetgen::AssetFile> first = assetgen::generateAssets(&error);
    QVERIFY2(!first.isEmpty(), qPrintable(error));
    QSet<QString> written, expected;
    for (const assetgen::AssetFile &f : first) {
        QVERIFY2(read(committed(f.path)) == f.bytes, qPrintable(f.path + " differs; make assets"));
        written << f.path;
    }
    for (const Asset &a : kAssets) expected << a.path;
    QCOMPARE(written.size(), first.size());  // none twice
    QCOMPARE(written, expected);
    // The double-size renderings for dense screens come from the same painters.
    const QList<assetgen::AssetFile> doubled = assetgen::paintDoubleSizePictures(&error);
    QCOMPARE(doubled.size(), assetgen::doubleSizedPictures().size());
    for (const assetgen::AssetFile &f : doubled)
        QVERIFY2(read(committed(f.path)) == f.bytes, qPrintable(f.path + " differs; make assets"));
    const QList<assetgen::AssetFile> second = assetgen::generateAssets(&error);
    QCOMPARE(second.size(), first.size());
    for (qsizetype i = 0; i < first.size(); ++i) QVERIFY(second[i].bytes == first[i].bytes);
}

void TestAssets::format_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("detail");
    for (const Asset &a : kAssets)
        QTest::newRow(a.path) << QString(a.path) << a.size << a.bits << a.bytes << a.detail;
}

void TestAssets::format() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(int, bits);
    QFETCH(int, bytes);
    QFETCH(QString, detail);
    const QByteArray data = read(committed(path));
    QVERIFY2(!data.isEmpty(), "missing from resources/");
    QVERIFY2(read(":/" + path) == data, "not embedded as committed");
    if (bytes) QCOMPARE(data.size(), bytes);
    const QString kind = path.section('.', -1);
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, kind.toLatin1());
    QList<QImage> images;
    for (int i = 0; kind != "wav" && i < qMax(1, reader.imageCount());
         ++i, reader.jumpToNextImage())
        images << reader.read().convertToFormat(QImage::Format_ARGB32);

    if (kind == "bmp") {  // an uncompressed bottom-up bitmap with a 40-byte info header
        QCOMPARE(data.left(2), "BM");
        QCOMPARE(QList<int>({le(data, 2), le(data, 10), le(data, 14), le(data, 18), le(data, 22),
                             le(data, 26, 2), le(data, 28, 2), le(data, 30)}),
                 QList<int>({bytes, 54, 40, size.width(), size.height(), 1, bits, 0}));
        QVERIFY(54 + (size.width() * bits / 8 + 3) / 4 * 4 * size.height() <= bytes);
        // A 32-bit picture's fourth byte is padding: read as alpha it would hide the picture.
        QCOMPARE(qAlpha(images.value(0).pixel(size.width() / 2, size.height() / 2)), 255);
    } else if (kind == "gif") {
        QVERIFY(data.startsWith("GIF87a") || data.startsWith("GIF89a"));
        QCOMPARE(QSize(le(data, 6, 2), le(data, 8, 2)), size);
        // The pressed look writes its words in red; the other looks in black.
        int red = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const QRgb c = images.value(0).pixel(x, y);
                red += qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80;
            }
        QVERIFY2(detail == "red" ? red > 100 : red == 0, qPrintable(QString::number(red)));
    } else if (kind == "ico") {  // 16-colour images with a transparency mask
        const QStringList sides = detail.split(' ');
        QCOMPARE(QList<int>({le(data, 2, 2), le(data, 4, 2)}), QList<int>({1, int(sides.size())}));
        if (path.contains("trilet")) QCOMPARE(le(data, 6 + 8), 744);
        for (int i = 0; i < sides.size(); ++i) {
            const int n = sides[i].toInt();
            QCOMPARE(QList<int>({quint8(data[6 + 16 * i + 2]), le(data, 6 + 16 * i + 6, 2)}),
                     QList<int>({16, 4}));
            QCOMPARE(images.value(i).size(), QSize(n, n));
            QCOMPARE(qAlpha(images.value(i).pixel(0, 0)), 0);  // the mask clears the corner
            // The program's board is mostly blue; the options spanner is grey throughout.
            int opaque = 0, coloured = 0, blue = 0;
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x) {
                    const QRgb c = images.value(i).pixel(x, y);
                    if (qAlpha(c) < 255) continue;
                    ++opaque;
                    coloured += qRed(c) != qGreen(c) || qGreen(c) != qBlue(c);
                    blue += qBlue(c) > 100 && qRed(c) < 60 && qGreen(c) < 60;
                }
            QVERIFY(opaque > n * n / 5 &&
                    (path.contains("trilet") ? 2 * blue > opaque : !coloured));
        }
    } else {  // PCM, one channel, 22050 samples per second
        QCOMPARE(data.left(4) + data.mid(8, 4), "RIFFWAVE");
        const qsizetype end = 8 + le(data, 4);
        QStringList found;
        qsizetype at = 12, fmt = 0, body = 0, samples = 0, fact = -1;
        for (; at + 8 <= end; at += 8 + le(data, at + 4) + le(data, at + 4) % 2) {
            const QString id = QString::fromLatin1(data.mid(at, 4));
            found << id + ' ' + QString::number(le(data, at + 4));
            if (id == "fmt ") fmt = at + 8;
            if (id == "data") body = at + 8, samples = le(data, at + 4) / (bits / 8);
            if (id == "fact") fact = le(data, at + 8);
            if (id == "LIST") QCOMPARE(data.mid(at + 8, 4), "INFO");
        }
        QCOMPARE(at, end);  // no chunk runs past the RIFF length
        // Loud but unclipped, and audible in every 50 ms of its first three quarters.
        const auto sample = [&](qsizetype i) {
            return bits == 8 ? (quint8(data[body + i]) - 128) / 128.0
                             : qint16(le(data, body + 2 * i, 2)) / 32768.0;
        };
        double peak = 0;
        for (qsizetype i = 0; i < samples; ++i) peak = qMax(peak, qAbs(sample(i)));
        QVERIFY2(peak > 0.4 && peak < 0.97, qPrintable(QString::number(peak)));
        for (qsizetype from = 0, w = 22050 / 20; from + w <= samples * 3 / 4; from += w / 2) {
            double energy = 0;
            for (qsizetype i = from; i < from + w; ++i) energy += sample(i) * sample(i);
            QVERIFY2(energy / w > 1e-4,
                     qPrintable(QStringLiteral("silent at sample %1").arg(from)));
        }
        if (fact >= 0) QCOMPARE(fact, samples);
        QCOMPARE(found.join(", "), detail.section(" = ", 0, 0));
        QCOMPARE(QList<int>({le(data, fmt, 2), le(data, fmt + 2, 2), le(data, fmt + 4),
                             le(data, fmt + 8), le(data, fmt + 12, 2), le(data, fmt + 14, 2)}),
                 QList<int>({1, 1, 22050, 22050 * bits / 8, bits / 8, bits}));
        // A standard reader takes the file as the program plays it.
        QProcess soxi;
        soxi.start("soxi", {committed(path)});
        QVERIFY2(soxi.waitForFinished(10000) && soxi.exitCode() == 0, "soxi (package sox) failed");
        const QString report = QString::fromLocal8Bit(soxi.readAllStandardOutput());
        for (const QString &line :
             {QStringLiteral("Channels       : 1"), QStringLiteral("Sample Rate    : 22050"),
              QStringLiteral("Precision      : %1-bit").arg(bits),
              QStringLiteral("Duration       : %1 = %2 samples")
                  .arg(detail.section(" = ", 1))
                  .arg(samples)})
            QVERIFY2(report.contains(line), qPrintable(report));
    }
}

void TestAssets::areas_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QString>("rule");
    const auto row = [](const char *name, const char *picture, QRect area, const char *rule) {
        QTest::newRow(name) << QString(picture) << area << QString(rule);
    };
    // clang-format off
    // The board: a grid of ten lines each way, and white under each of the 81 cells placed at
    // left 160 + 575 (c - 1), top 130 + 575 (r - 1) twips, 15 twips to the pixel.
    row("grid, across", "background.bmp", {0, 25, 360, 1}, "10 lines");
    row("grid, down", "background.bmp", {25, 0, 1, 360}, "10 lines");
    row("grid, across the last row", "background.bmp", {0, 333, 360, 1}, "10 lines");
    row("grid, down the last column", "background.bmp", {333, 0, 1, 360}, "10 lines");
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            QTest::addRow("cell %d", 9 * r + c + 1) << "background.bmp"
                << QRect(qRound((160 + 575.0 * c) / 15), qRound((130 + 575.0 * r) / 15), 33, 34)
                << "white";
    // Controls with a white background or black text: the buttons' normal looks, the options.
    for (int i = 0; i < 3; ++i)
        QTest::addRow("tombol(%d)", i) << "background.bmp" << QRect(368, 96 + 48 * i, 150, 45)
            << "white";
    row("mode1(1)", "options_background.gif", {144, 72, 58, 17}, "white");
    row("mode1(2)", "options_background.gif", {208, 72, 76, 17}, "white");
    row("Check2", "options_background.gif", {248, 88, 81, 33}, "white");
    row("Option1(1)", "options_background.gif", {144, 160, 25, 17}, "white");
    row("Option1(2)", "options_background.gif", {176, 160, 33, 17}, "white");
    // Captions left of the options' rows; light behind the black labels of the main window;
    // dark behind the white name of the result window.
    for (const auto &[top, height] : {std::pair{72, 17}, {93, 19}, {112, 19}, {136, 19}, {160, 17}})
        QTest::addRow("caption at %d", top) << "options_background.gif"
            << QRect(4, top, 112, height) << "ink";
    row("player panel", "background.bmp", {376, 272, 140, 30}, "light");
    row("turn label", "background.bmp", {224, 368, 200, 24}, "light");
    row("clock label", "background.bmp", {448, 368, 75, 24}, "light");
    for (const char *picture :
         {"result_winner.bmp", "result_loser.bmp", "result_draw.bmp", "result_initial.bmp"})
        row(picture, picture, {248, 56, 225, 42}, "dark");
    // The letters on white: S in blue, O in red.
    row("S", "letter_s.bmp", {0, 0, 33, 34}, "blue");
    row("O", "letter_o.bmp", {0, 0, 33, 34}, "red");
    // clang-format on
}

void TestAssets::areas() {
    QFETCH(QString, picture);
    QFETCH(QRect, area);
    QFETCH(QString, rule);
    const QImage image = QImage(":/pictures/" + picture).convertToFormat(QImage::Format_RGB32);
    QVERIFY(image.rect().contains(area));
    const auto linear = [](int v) {
        return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
    };
    const auto low = [](QRgb c) { return qMin(qMin(qRed(c), qGreen(c)), qBlue(c)); };
    int white = 0, grey = 0, lines = 0, blueExcess = 0;
    double luminance = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            const int high = qMax(qMax(qRed(c), qGreen(c)), qBlue(c));
            white += low(c) >= 250;
            lines += high < 215 && high - low(c) < 30 && !grey;  // a run of neutral grey
            grey = high < 215 && high - low(c) < 30;
            blueExcess += low(c) >= 250 ? 0 : qBlue(c) - qRed(c);
            luminance +=
                0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
        }
    const int pixels = area.width() * area.height(), ink = pixels - white;
    luminance /= pixels;
    if (rule == "white") QCOMPARE(ink, 0);
    if (rule == "10 lines") QCOMPARE(lines, 10);
    if (rule == "ink") QVERIFY(ink > 40);
    if (rule == "light") QVERIFY(luminance >= 0.30);  // black text keeps a contrast of 7:1
    if (rule == "dark") QVERIFY(1.05 / (luminance + 0.05) >= 4.5);  // white text 4.5:1
    if (rule == "blue" || rule == "red") {  // inked a quarter or more, white in the corners
        QVERIFY(ink > pixels / 4 && (rule == "blue" ? blueExcess : -blueExcess) > 60 * ink);
        for (const QPoint p :
             {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
            QVERIFY(low(image.pixel(p)) >= 250);
    }
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
