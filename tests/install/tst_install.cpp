// SPDX-License-Identifier: MIT
// The program installed by cmake --install, as its package installs it, in a temporary DESTDIR.
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

const QString kEntry = "share/applications/com.kovlane.trilet.desktop",
              kMetainfo = "share/metainfo/com.kovlane.trilet.metainfo.xml",
              kManual = "share/man/man6/trilet.6.gz", kChangelog = "share/doc/trilet/changelog.gz",
              kVersion = QRegularExpression::escape(TRILET_VERSION);
QTemporaryDir dest;
const auto installed = [](const QString &path) { return dest.filePath("usr/" + path); };

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles();
    void textFile_data();
    void textFile();
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
    QCOMPARE(files, QStringList({"games/trilet", kEntry, kChangelog, "share/doc/trilet/copyright",
                                 icon.arg(256), icon.arg(32), kManual, kMetainfo}));
    QVERIFY(QFileInfo(installed("games/trilet")).isExecutable());  // where Debian keeps games
    for (const int side : {32, 256})  // PNGs of the size their theme folder names
        QCOMPARE(QImage(installed(icon.arg(side)), "PNG").size(), QSize(side, side));
}

void TestInstall::textFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("validator");
    QTest::addColumn<QStringList>("patterns");
    // The menu runs the bare program (it takes no arguments) under the theme's icon name. Only a
    // home page given to the build is named, and every file gives the project's version.
    const QString home = TRILET_HOMEPAGE, unzip = "gzip -dc \"$0\" | ";
    // clang-format off
    QTest::newRow("menu entry") << kEntry << QStringList{"desktop-file-validate"} << QStringList{
        "^Type=Application$", "^Name=Trilet$", "^Exec=trilet$", "^Icon=trilet$", "^Terminal=false$",
        "^Categories=Game;BoardGame;$", "^Comment=.+$"};
    QTest::newRow("metainfo") << kMetainfo << QStringList{"appstreamcli", "validate", "--no-net",
        "--strict"} << QStringList{"<id>com.kovlane.trilet</id>", "<name>Trilet</name>",
        "<launchable type=\"desktop-id\">com.kovlane.trilet.desktop</launchable>",
        "<metadata_license>MIT</metadata_license>", "<project_license>MIT</project_license>",
        "<content_rating type=\"oars-1.1\"", "<binary>trilet</binary>",
        "<release version=\"" + kVersion + "\" date=\"\\d{4}-\\d\\d-\\d\\d\"/>", home.isEmpty() ?
        "\\A(?![\\s\\S]*://)" : "<url type=\"homepage\">" + QRegularExpression::escape(home) + "<"};
    QTest::newRow("manual page") << kManual << QStringList{"sh", "-c", unzip + "groff -man -ww -z"}
        << QStringList{"^\\.TH TRILET 6 \"[-0-9]{10}\" \"Trilet " + kVersion + "\"", "^\\.B Left mouse",
        "^\\.I /usr/games/trilet$"};
    QTest::newRow("changelog") << kChangelog << QStringList{"sh", "-c", unzip +
        "dpkg-parsechangelog -l - -S version"} << QStringList{"^trilet \\(" + kVersion + "\\) "};
    QTest::newRow("copyright") << "share/doc/trilet/copyright" << QStringList{} << QStringList{
        "^Format: https://www\\.debian\\.org/doc/packaging-manuals/copyright-format/1\\.0/$",
        "^Files: \\*$", "^License: MIT$"};
    // clang-format on
}

void TestInstall::textFile() {
    QFETCH(QString, file);
    QFETCH(QStringList, validator);
    QFETCH(QStringList, patterns);
    QFile f(installed(file));
    QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : "";
    QProcess p;
    if (file.endsWith(".gz")) {  // as Debian wants them: gzip -9 (02) without name and time (0)
        QCOMPARE(bytes.left(9).toHex(), QByteArray("1f8b08000000000002"));
        p.start("gzip", {"-dc", f.fileName()});
        QVERIFY(p.waitForFinished());
        bytes = p.readAllStandardOutput();
    }
    for (const QString &pattern : patterns)
        QVERIFY2(QString::fromUtf8(bytes).contains(QRegularExpression("(?m)" + pattern)),
                 qPrintable(pattern));
    if (validator.isEmpty()) return;
    // Hints and warnings fail too; desktop-file-validate and groff print them but exit with 0.
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(validator[0], validator.mid(1) << f.fileName());
    QVERIFY2(p.waitForFinished(30000), "scripts/setup installs desktop-file-utils, appstream");
    const QByteArray output = p.readAll();
    QVERIFY2(p.exitCode() == 0 && !output.contains("hint") && !output.contains("warning"), output);
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
