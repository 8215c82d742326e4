// SPDX-License-Identifier: MIT
// The generator against the committed files: it writes exactly the program's asset files, and
// running it again gives the same bytes as the files in resources/.
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <QTest>

#include "tools/assetgen/asset_set.h"

namespace {

const QStringList kAssetFiles{
    "pictures/background.bmp",
    "pictures/letter_s.bmp",
    "pictures/letter_o.bmp",
    "pictures/button_start_normal.gif",
    "pictures/button_start_hover.gif",
    "pictures/button_start_pressed.gif",
    "pictures/button_options_normal.gif",
    "pictures/button_options_hover.gif",
    "pictures/button_options_pressed.gif",
    "pictures/button_about_normal.gif",
    "pictures/button_about_hover.gif",
    "pictures/button_about_pressed.gif",
    "pictures/options_background.gif",
    "pictures/result_winner.bmp",
    "pictures/result_loser.bmp",
    "pictures/result_draw.bmp",
    "pictures/result_initial.bmp",
    "pictures/about.bmp",
    "icons/trilet.ico",
    "icons/options.ico",
    "sounds/1.wav",
    "sounds/2.wav",
    "sounds/3.wav",
};

QByteArray bytesOf(const QList<assetgen::AssetFile> &files, const QString &path) {
    for (const auto &f : files)
        if (f.path == path) return f.bytes;
    return {};
}

}  // namespace

class TestAssetRegenerate : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void writesExactlyTheAssetFiles();
    void matchesCommittedFile_data();
    void matchesCommittedFile();
    void secondRunIsIdentical();

private:
    QList<assetgen::AssetFile> m_first;
};

void TestAssetRegenerate::initTestCase() {
    QString error;
    m_first = assetgen::generateAssets(&error);
    QVERIFY2(!m_first.isEmpty(), qPrintable(error));
}

void TestAssetRegenerate::writesExactlyTheAssetFiles() {
    QSet<QString> written;
    for (const auto &f : m_first) written.insert(f.path);
    QCOMPARE(written.size(), m_first.size());  // no file written twice
    QCOMPARE(written, QSet<QString>(kAssetFiles.begin(), kAssetFiles.end()));
}

void TestAssetRegenerate::matchesCommittedFile_data() {
    QTest::addColumn<QString>("path");
    for (const QString &path : kAssetFiles) QTest::newRow(qPrintable(path)) << path;
}

void TestAssetRegenerate::matchesCommittedFile() {
    QFETCH(QString, path);
    QFile f(QStringLiteral(TRILET_RESOURCE_DIR "/") + path);
    QVERIFY2(f.open(QIODevice::ReadOnly), "missing from resources/");
    const QByteArray committed = f.readAll();
    const QByteArray generated = bytesOf(m_first, path);
    if (generated != committed) {
        qsizetype at = 0;
        while (at < qMin(generated.size(), committed.size()) && generated[at] == committed[at])
            ++at;
        QFAIL(qPrintable(QStringLiteral("differs from the committed file from byte %1 (%2 and %3 "
                                        "bytes); run make assets")
                             .arg(at)
                             .arg(generated.size())
                             .arg(committed.size())));
    }
}

void TestAssetRegenerate::secondRunIsIdentical() {
    QString error;
    const QList<assetgen::AssetFile> second = assetgen::generateAssets(&error);
    QCOMPARE(second.size(), m_first.size());
    for (qsizetype i = 0; i < second.size(); ++i) {
        QCOMPARE(second[i].path, m_first[i].path);
        QVERIFY2(second[i].bytes == m_first[i].bytes, qPrintable(second[i].path));
    }
}

QTEST_MAIN(TestAssetRegenerate)
#include "tst_asset_regenerate.moc"
