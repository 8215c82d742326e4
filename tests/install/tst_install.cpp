// SPDX-License-Identifier: MIT
// The program installed by cmake --install, as its package installs it, in a temporary DESTDIR.
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

const QString kEntry = "share/applications/com.kovlane.trilet.desktop",
              kMetainfo = "share/metainfo/com.kovlane.trilet.metainfo.xml";
QTemporaryDir dest;
const auto installed = [](const QString &path) { return dest.filePath("usr/" + path); };

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles();
    void desktopFile_data();
    void desktopFile();
};

void TestInstall::initTestCase() {  // cmake prints what it installs, and why it fails
    qputenv("DESTDIR", QFile::encodeName(dest.path()));
    QVERIFY(!QProcess::execute(TRILET_CMAKE, {"--install", TRILET_BUILD_DIR, "--prefix", "/usr"}));
}

void TestInstall::installedFiles() {
    QStringList files;  // anything more would go into the package too: a library, a test, a header
    for (QDirIterator it(dest.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        files << QDir(installed("")).relativeFilePath(it.next());
    files.sort();
    const QString icon = "share/icons/hicolor/%1x%1/apps/trilet.png";
    QCOMPARE(files, QStringList({"bin/trilet", kEntry, "share/doc/trilet/copyright", icon.arg(256),
                                 icon.arg(32), kMetainfo}));
    QVERIFY(QFileInfo(installed("bin/trilet")).isExecutable());
    for (const int side : {32, 256})  // PNGs of the size their theme folder names
        QCOMPARE(QImage(installed(icon.arg(side)), "PNG").size(), QSize(side, side));
}

void TestInstall::desktopFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("validator");
    QTest::addColumn<QStringList>("patterns");
    // The menu runs the bare program (it takes no arguments) under the theme's icon name.
    // clang-format off
    QTest::newRow("menu entry") << kEntry << QStringList{"desktop-file-validate"} << QStringList{
        "^Type=Application$", "^Name=Trilet$", "^Exec=trilet$", "^Icon=trilet$", "^Terminal=false$",
        "^Categories=Game;BoardGame;$", "^Comment=.+$"};
    QTest::newRow("metainfo") << kMetainfo << QStringList{"appstreamcli", "validate", "--no-net",
        "--strict"} << QStringList{"<id>com.kovlane.trilet</id>", "<name>Trilet</name>",
        "<launchable type=\"desktop-id\">com.kovlane.trilet.desktop</launchable>",
        "<metadata_license>MIT</metadata_license>", "<project_license>MIT</project_license>",
        "<content_rating type=\"oars-1.1\"", "<binary>trilet</binary>"};
    // clang-format on
}

void TestInstall::desktopFile() {
    QFETCH(QString, file);
    QFETCH(QStringList, validator);
    QFETCH(QStringList, patterns);
    QFile f(installed(file));
    const QString content = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : "";
    for (const QString &pattern : patterns)
        QVERIFY2(content.contains(QRegularExpression("(?m)" + pattern)), qPrintable(pattern));
    // Hints and warnings fail too; desktop-file-validate prints them but exits with 0.
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(validator[0], validator.mid(1) << f.fileName());
    QVERIFY2(p.waitForFinished(30000), "scripts/setup installs desktop-file-utils, appstream");
    const QByteArray output = p.readAll();
    QVERIFY2(p.exitCode() == 0 && (validator.size() > 1 || output.trimmed().isEmpty()), output);
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
