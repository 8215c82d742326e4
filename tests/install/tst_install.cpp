// SPDX-License-Identifier: MIT
// The program installed as its package installs it (cmake --install into a temporary DESTDIR):
// the files where desktops look, the menu entry and the metainfo with the freedesktop
// validators, and the desktop icons against the window icon.
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "tools/assetgen/desktop_icons.h"
#include "tools/assetgen/fonts.h"

namespace {

QByteArray read(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kUsr = "usr/", kEntry = "share/applications/com.kovlane.trilet.desktop",
              kMetainfo = "share/metainfo/com.kovlane.trilet.metainfo.xml";

}  // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles();
    void text_data();
    void text();
    void icon_data();
    void icon();

private:
    QTemporaryDir m_dest;
    QString installed(const QString &path) const { return m_dest.filePath(kUsr + path); }
};

void TestInstall::initTestCase() {
    QProcess install;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DESTDIR", m_dest.path());
    install.setProcessEnvironment(env);
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(TRILET_CMAKE, {"--install", TRILET_BUILD_DIR, "--prefix", "/usr"});
    QVERIFY2(install.waitForFinished(60000) && install.exitCode() == 0, install.readAll());
}

void TestInstall::installedFiles() {
    // Anything more would end up in the package too: a library, a test, a header.
    QStringList files;
    for (QDirIterator it(m_dest.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        files << QDir(m_dest.filePath(kUsr)).relativeFilePath(it.next());
    files.sort();
    QCOMPARE(files, QStringList({"bin/trilet", kEntry, "share/doc/trilet/copyright",
                                 "share/icons/hicolor/256x256/apps/trilet.png",
                                 "share/icons/hicolor/32x32/apps/trilet.png", kMetainfo}));
    QVERIFY(QFileInfo(installed("bin/trilet")).isExecutable());
    // Both pass the freedesktop validators; a hint or a warning fails as well.
    for (const QStringList &command :
         {QStringList{"desktop-file-validate", installed(kEntry)},
          QStringList{"appstreamcli", "validate", "--no-net", "--strict", installed(kMetainfo)}}) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(command[0], command.mid(1));
        QVERIFY2(p.waitForFinished(30000), "scripts/setup installs desktop-file-utils, appstream");
        const QByteArray output = p.readAll();
        // desktop-file-validate reports hints and warnings with a zero exit status.
        QVERIFY2(p.exitCode() == 0 && (command.size() > 2 || output.trimmed().isEmpty()), output);
    }
}

void TestInstall::text_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    // clang-format off
    // The menu entry runs the bare installed program (it takes no command line) under the
    // icon name the theme holds, with a comment; the metainfo describes that entry.
    for (const char *line : {"Type=Application", "Name=Trilet", "Exec=trilet", "Icon=trilet",
             "Terminal=false", "Categories=Game;BoardGame;", "Comment="})
        QTest::newRow(line) << kEntry << QString('\n') + line;
    for (const char *element : {"<id>com.kovlane.trilet</id>", "<name>Trilet</name>",
             "<launchable type=\"desktop-id\">com.kovlane.trilet.desktop</launchable>",
             "<metadata_license>MIT</metadata_license>", "<project_license>MIT</project_license>",
             "<content_rating type=\"oars-1.1\"", "<binary>trilet</binary>"})
        QTest::newRow(element) << kMetainfo << QString(element);
    // clang-format on
}

void TestInstall::text() {
    QFETCH(QString, file);
    QFETCH(QString, text);
    const QString content = QString::fromUtf8('\n' + read(installed(file)));
    QVERIFY(content.contains(text));
    if (text.endsWith('=')) QVERIFY(!content.section(text, 1).section('\n', 0, 0).isEmpty());
}

void TestInstall::icon_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("32 x 32") << 32;
    QTest::newRow("256 x 256") << 256;
}

void TestInstall::icon() {
    QFETCH(int, size);
    const QString path = QStringLiteral("icons/hicolor/%1x%1/apps/trilet.png").arg(size);
    // In the theme's size folder: clear corners, a solid middle.
    const QImage image =
        QImage(installed("share/" + path)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(qAlpha(image.pixel(0, 0)) == 0 && qAlpha(image.pixel(size - 1, size - 1)) == 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);

    QString error;  // the generator makes it from the committed window icon, as committed
    QVERIFY2(assetgen::loadFonts(&error), qPrintable(error));
    const QByteArray ico = read(TRILET_RESOURCE_DIR "/icons/trilet.ico");
    QByteArray generated;
    for (const assetgen::AssetFile &f :
         assetgen::withDesktopIcons({{"icons/trilet.ico", ico}}, &error))
        if (f.path == path) generated = f.bytes;
    QVERIFY2(!generated.isEmpty() && generated == read(TRILET_RESOURCE_DIR "/" + path),
             "differs from the committed file: run make assets");

    // The window icon's board: the same pixels at 32; at 256 each of the nine squares, between
    // the window icon's lines at 0, 10, 21 and 31, shows the same mark (the only pixels bright
    // in green) in the same colour, or none.
    const QImage window = QImage::fromData(ico).convertToFormat(image.format());
    if (size == 32) QCOMPARE(image, window);
    const int from[] = {1, 11, 22, 32}, scale = size / 32;
    const auto bright = [](QRgb c) { return qAlpha(c) == 255 && qGreen(c) >= 200; };
    for (int square = 0; size == 256 && square < 9; ++square) {
        const int r = square / 3, c = square % 3;
        QSet<QRgb> mark;
        for (int y = from[r]; y < from[r + 1] - 1; ++y)
            for (int x = from[c]; x < from[c + 1] - 1; ++x)
                if (bright(window.pixel(x, y))) mark << window.pixel(x, y);
        const QRgb m = mark.isEmpty() ? 0 : *mark.begin();
        const QRect area(QPoint(from[c] * scale + 4, from[r] * scale + 4),
                         QPoint((from[c + 1] - 1) * scale - 5, (from[r + 1] - 1) * scale - 5));
        int lit = 0, inMark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb p = image.pixel(x, y);
                lit += bright(p);
                inMark += bright(p) && qAbs(qRed(p) - qRed(m)) <= 40 &&
                          qAbs(qGreen(p) - qGreen(m)) <= 40 && qAbs(qBlue(p) - qBlue(m)) <= 40;
            }
        // A readable letter in the mark's colour where the window icon has one.
        QVERIFY2(mark.size() == 1 ? 20 * inMark >= area.width() * area.height()
                                  : mark.isEmpty() && lit == 0,
                 qPrintable(QStringLiteral("square %1").arg(square + 1)));
    }
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
