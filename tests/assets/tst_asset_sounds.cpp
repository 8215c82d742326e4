// SPDX-License-Identifier: MIT
// The three embedded sounds: RIFF WAVE files with the formats, chunk orders, byte counts and
// lengths the program's sound player expects, accepted by a standard reader (soxi), audible and
// unclipped.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTest>

#include <cmath>

#include "tests/assets/little_endian.h"

namespace {

struct Chunk {
    QByteArray id;
    qsizetype offset;  // of the body
    quint32 size;
};

// The chunks of a RIFF WAVE file in file order, walking from the form type to the end that the
// RIFF length gives. Returns false when a chunk runs past that end.
bool readChunks(const QByteArray &file, QList<Chunk> *chunks) {
    const qsizetype end = 8 + qsizetype(le32(file, 4));
    qsizetype at = 12;
    while (at + 8 <= end) {
        const Chunk c{file.mid(at, 4), at + 8, le32(file, at + 4)};
        at = c.offset + c.size + (c.size % 2);
        if (at > end) return false;
        chunks->append(c);
    }
    return at == end;
}

const Chunk *find(const QList<Chunk> &chunks, const char *id) {
    for (const Chunk &c : chunks)
        if (c.id == id) return &c;
    return nullptr;
}

// Samples scaled to -1..1.
QList<double> samples(const QByteArray &file, const Chunk &data, int bits) {
    QList<double> out;
    if (bits == 8) {
        for (quint32 i = 0; i < data.size; ++i)
            out.append((quint8(file[data.offset + i]) - 128) / 128.0);
    } else {
        for (quint32 i = 0; i + 1 < data.size; i += 2)
            out.append(qint16(le16(file, data.offset + i)) / 32768.0);
    }
    return out;
}

QString soxi(const QString &option, const QString &path) {
    QProcess p;
    p.start(QStringLiteral("soxi"), {option, path});
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("soxi failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

}  // namespace

class TestAssetSounds : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void content_data();
    void content();
    void standardReader_data();
    void standardReader();

private:
    static void addSoundColumn();
};

void TestAssetSounds::addSoundColumn() {
    QTest::addColumn<int>("sound");
    QTest::addColumn<int>("bits");
    QTest::newRow("1 losing jingle") << 1 << 8;
    QTest::newRow("2 placement click") << 2 << 16;
    QTest::newRow("3 winning fanfare") << 3 << 8;
}

static QByteArray soundFile(int sound) {
    QFile f(QStringLiteral(":/sounds/%1.wav").arg(sound));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestAssetSounds::layout_data() {
    QTest::addColumn<int>("sound");
    QTest::addColumn<int>("fileBytes");
    QTest::addColumn<int>("riffEnd");
    QTest::addColumn<QList<QByteArray>>("order");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("dataBytes");
    QTest::addColumn<int>("centiseconds");
    QTest::newRow("1") << 1 << 44736 << 44736 << QList<QByteArray>{"fmt ", "fact", "data", "LIST"}
                       << 8 << 44624 << 202;
    QTest::newRow("2") << 2 << 7068 << 7066 << QList<QByteArray>{"fmt ", "data"} << 16 << 7022
                       << 16;
    QTest::newRow("3") << 3 << 39076 << 39076 << QList<QByteArray>{"fmt ", "data", "LIST", "fact"}
                       << 8 << 38963 << 177;
}

void TestAssetSounds::layout() {
    QFETCH(int, sound);
    QFETCH(int, fileBytes);
    QFETCH(int, riffEnd);
    QFETCH(QList<QByteArray>, order);
    QFETCH(int, bits);
    QFETCH(int, dataBytes);
    QFETCH(int, centiseconds);

    const QByteArray file = soundFile(sound);
    QVERIFY2(!file.isEmpty(), "not embedded in trilet_resources");
    QFile committed(QStringLiteral(TRILET_RESOURCE_DIR "/sounds/%1.wav").arg(sound));
    QVERIFY(committed.open(QIODevice::ReadOnly));
    QCOMPARE(file, committed.readAll());

    QCOMPARE(file.size(), fileBytes);
    QCOMPARE(file.left(4), QByteArray("RIFF"));
    QCOMPARE(file.mid(8, 4), QByteArray("WAVE"));
    QCOMPARE(8 + int(le32(file, 4)), riffEnd);

    QList<Chunk> chunks;
    QVERIFY2(readChunks(file, &chunks), "a chunk runs past the RIFF length");
    QList<QByteArray> ids;
    for (const Chunk &c : chunks) ids.append(c.id);
    QCOMPARE(ids, order);

    const Chunk *fmt = find(chunks, "fmt ");
    QCOMPARE(fmt->size, 16u);
    QCOMPARE(le16(file, fmt->offset), 1);  // PCM
    QCOMPARE(le16(file, fmt->offset + 2), 1);
    QCOMPARE(le32(file, fmt->offset + 4), 22050u);
    QCOMPARE(le32(file, fmt->offset + 8), quint32(22050 * bits / 8));
    QCOMPARE(int(le16(file, fmt->offset + 12)), bits / 8);
    QCOMPARE(int(le16(file, fmt->offset + 14)), bits);

    const Chunk *data = find(chunks, "data");
    QCOMPARE(int(data->size), dataBytes);
    const int frames = dataBytes / (bits / 8);
    QCOMPARE(qRound(frames * 100.0 / 22050), centiseconds);

    if (const Chunk *fact = find(chunks, "fact")) {
        QCOMPARE(fact->size, 4u);
        QCOMPARE(int(le32(file, fact->offset)), frames);
    }
    if (const Chunk *list = find(chunks, "LIST")) {
        // 48 bytes of INFO items, nothing else.
        QCOMPARE(list->size, 48u);
        QCOMPARE(file.mid(list->offset, 4), QByteArray("INFO"));
        qsizetype at = list->offset + 4;
        const qsizetype end = list->offset + list->size;
        while (at < end) {
            QCOMPARE(file.at(at), 'I');
            const quint32 size = le32(file, at + 4);
            QVERIFY(size > 0);
            at += 8 + size + size % 2;
        }
        QCOMPARE(at, end);
    }
}

void TestAssetSounds::content_data() {
    addSoundColumn();
}

void TestAssetSounds::content() {
    QFETCH(int, sound);
    QFETCH(int, bits);
    const QByteArray file = soundFile(sound);
    QList<Chunk> chunks;
    QVERIFY(readChunks(file, &chunks));
    const QList<double> s = samples(file, *find(chunks, "data"), bits);
    QVERIFY(!s.isEmpty());

    double peak = 0;
    for (double v : s) peak = qMax(peak, std::abs(v));
    QVERIFY2(peak < 0.97, "clipped or at full scale");
    QVERIFY2(peak > 0.4, "too quiet");

    // Audible throughout: every 50 ms stretch of the first three quarters carries sound.
    const int window = 22050 / 20;
    for (int start = 0; start + window <= s.size() * 3 / 4; start += window / 2) {
        double energy = 0;
        for (int i = start; i < start + window; ++i) energy += s[i] * s[i];
        const double rms = std::sqrt(energy / window);
        QVERIFY2(rms > 0.01, qPrintable(QStringLiteral("silent near %1 s").arg(start / 22050.0)));
    }
}

void TestAssetSounds::standardReader_data() {
    addSoundColumn();
}

void TestAssetSounds::standardReader() {
    QFETCH(int, sound);
    QFETCH(int, bits);
    if (QStandardPaths::findExecutable(QStringLiteral("soxi")).isEmpty())
        QFAIL("soxi not found: install the Debian package sox (scripts/setup installs it)");

    // The embedded bytes, as the program plays them.
    QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/trilet-sound-XXXXXX.wav"));
    QVERIFY(copy.open());
    const QByteArray file = soundFile(sound);
    QCOMPARE(copy.write(file), file.size());
    QVERIFY(copy.flush());

    QCOMPARE(soxi("-t", copy.fileName()), QStringLiteral("wav"));
    QCOMPARE(soxi("-r", copy.fileName()), QStringLiteral("22050"));
    QCOMPARE(soxi("-c", copy.fileName()), QStringLiteral("1"));
    QCOMPARE(soxi("-b", copy.fileName()), QString::number(bits));
    QList<Chunk> chunks;
    QVERIFY(readChunks(file, &chunks));
    QCOMPARE(soxi("-s", copy.fileName()), QString::number(find(chunks, "data")->size / (bits / 8)));
}

QTEST_GUILESS_MAIN(TestAssetSounds)
#include "tst_asset_sounds.moc"
