// SPDX-License-Identifier: MIT
// The installed tree as a package ships it: cmake --install into a temporary DESTDIR, then the
// menu entry, the icons and the metainfo checked where a desktop looks for them, against each
// other, and by the freedesktop validators.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// The keys of a desktop file's [Desktop Entry] group.
QHash<QString, QString> desktopEntry(const QString &path) {
    QHash<QString, QString> keys;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
    bool inEntry = false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith('[')) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (inEntry && eq > 0 && !line.startsWith('#'))
            keys.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return keys;
}

// The texts of a metainfo file's elements by their path under <component>, for example
// "launchable" or "screenshots/screenshot/image", and its attributes as "path@name". Only the
// first occurrence of each path is kept.
QHash<QString, QString> metainfo(const QString &path) {
    QHash<QString, QString> values;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return values;
    QXmlStreamReader xml(&f);
    QStringList stack;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            stack.append(xml.name().toString());
            const QString here = stack.mid(1).join('/');
            for (const QXmlStreamAttribute &a : xml.attributes()) {
                const QString key = here + '@' + a.name().toString();
                if (!values.contains(key)) values.insert(key, a.value().toString());
            }
        } else if (xml.isEndElement()) {
            stack.removeLast();
        } else if (xml.isCharacters() && !xml.isWhitespace()) {
            const QString here = stack.mid(1).join('/');
            if (!values.contains(here)) values.insert(here, xml.text().toString().trimmed());
        }
    }
    if (xml.hasError()) values.insert(QStringLiteral("!error"), xml.errorString());
    return values;
}

// The one file in dir whose name ends with suffix, or an empty string when there is not
// exactly one.
QString onlyFile(const QString &dir, const QString &suffix) {
    const QStringList names = QDir(dir).entryList({'*' + suffix}, QDir::Files);
    return names.size() == 1 ? QDir(dir).filePath(names.first()) : QString();
}

}  // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void installsExactlyTheProgramFiles();
    void validatorAccepts_data();
    void validatorAccepts();
    void menuEntry_data();
    void menuEntry();
    void menuEntryStartsTheInstalledProgram();
    void iconThemeHoldsTheIcon_data();
    void iconThemeHoldsTheIcon();
    void metainfo_data();
    void metainfo();

private:
    QTemporaryDir m_destDir;
    QString m_usr;
    QString m_desktopFile;
    QString m_metainfoFile;
};

void TestInstall::initTestCase() {
    QVERIFY(m_destDir.isValid());
    QProcess install;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), m_destDir.path());
    install.setProcessEnvironment(env);
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(TRILET_CMAKE),
                  {"--install", TRILET_BUILD_DIR, "--prefix", "/usr"});
    QVERIFY2(install.waitForFinished(60000), "cmake --install did not finish");
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
    m_usr = m_destDir.filePath(QStringLiteral("usr"));
    m_desktopFile = onlyFile(m_usr + "/share/applications", ".desktop");
    m_metainfoFile = onlyFile(m_usr + "/share/metainfo", ".metainfo.xml");
    QVERIFY2(!m_desktopFile.isEmpty(), "expected one menu entry under share/applications");
    QVERIFY2(!m_metainfoFile.isEmpty(), "expected one metainfo file under share/metainfo");
}

void TestInstall::installsExactlyTheProgramFiles() {
    // Anything more would end up in the package too: a library, a test, a header.
    QStringList installed;
    QDirIterator it(m_destDir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) installed.append(QDir(m_destDir.path()).relativeFilePath(it.next()));
    installed.sort();
    QStringList expected{
        "usr/bin/trilet",
        "usr/share/applications/" + QFileInfo(m_desktopFile).fileName(),
        "usr/share/doc/trilet/copyright",
        "usr/share/icons/hicolor/256x256/apps/trilet.png",
        "usr/share/icons/hicolor/32x32/apps/trilet.png",
        "usr/share/metainfo/" + QFileInfo(m_metainfoFile).fileName(),
    };
    expected.sort();
    QCOMPARE(installed.join(", "), expected.join(", "));
    QVERIFY(QFileInfo(m_usr + "/bin/trilet").isExecutable());
}

void TestInstall::validatorAccepts_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("package");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("metainfoFile");
    QTest::newRow("menu entry") << "desktop-file-validate"
                                << "desktop-file-utils" << QStringList() << false;
    // Strict: a hint or a warning fails as well as an error.
    QTest::newRow("metainfo") << "appstreamcli"
                              << "appstream" << QStringList{"validate", "--no-net", "--strict"}
                              << true;
}

void TestInstall::validatorAccepts() {
    QFETCH(QString, tool);
    QFETCH(QString, package);
    QFETCH(QStringList, options);
    QFETCH(bool, metainfoFile);
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        QFAIL(qPrintable(QStringLiteral("%1 is missing: install the Debian package %2 (the setup "
                                        "script lists it)")
                             .arg(tool, package)));
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, options << (metainfoFile ? m_metainfoFile : m_desktopFile));
    QVERIFY(p.waitForFinished(30000));
    const QByteArray output = p.readAll();
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, output.constData());
    // desktop-file-validate reports hints and warnings with a zero exit status.
    if (!metainfoFile) QVERIFY2(output.trimmed().isEmpty(), output.constData());
}

void TestInstall::menuEntry_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name") << "Name"
                          << "Trilet";
    QTest::newRow("icon from the theme") << "Icon"
                                         << "trilet";
    QTest::newRow("categories") << "Categories"
                                << "Game;BoardGame;";
    QTest::newRow("an application") << "Type"
                                    << "Application";
    QTest::newRow("no terminal") << "Terminal"
                                 << "false";
}

void TestInstall::menuEntry() {
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const QHash<QString, QString> entry = desktopEntry(m_desktopFile);
    QVERIFY2(entry.contains(key), qPrintable(key));
    QCOMPARE(entry.value(key), expected);
    // The comment is one line of its own, not a repeat of the name.
    QVERIFY(!entry.value("Comment").isEmpty());
    QVERIFY(entry.value("Comment") != entry.value("Name"));
}

void TestInstall::menuEntryStartsTheInstalledProgram() {
    // The program takes no command line, so the entry runs the bare program found on the PATH.
    const QString exec = desktopEntry(m_desktopFile).value("Exec");
    QVERIFY2(!exec.contains(' ') && !exec.contains('%'), qPrintable(exec));
    const QString program = exec.startsWith('/') ? m_destDir.path() + exec : m_usr + "/bin/" + exec;
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(exec + " is not installed"));
}

void TestInstall::iconThemeHoldsTheIcon_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("32 x 32") << 32;
    QTest::newRow("256 x 256") << 256;
}

void TestInstall::iconThemeHoldsTheIcon() {
    QFETCH(int, size);
    // The theme looks the entry's icon name up in each size folder, by the folder's name alone.
    const QString icon = desktopEntry(m_desktopFile).value("Icon");
    const QString path =
        QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/%3.png").arg(m_usr).arg(size).arg(icon);
    QImage image;
    QVERIFY2(image.load(path, "PNG"), qPrintable(path));
    QCOMPARE(image.size(), QSize(size, size));
    // An icon with a shape of its own: clear corners, solid middle.
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

void TestInstall::metainfo_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");  // empty: must be present and not empty
    const QString desktopName = QFileInfo(m_desktopFile).fileName();
    QTest::newRow("id of the menu entry") << "id" << desktopName.chopped(8);
    QTest::newRow("launches the menu entry") << "launchable" << desktopName;
    QTest::newRow("launchable is a desktop id") << "launchable@type"
                                                << "desktop-id";
    QTest::newRow("name as in the menu") << "name" << desktopEntry(m_desktopFile).value("Name");
    QTest::newRow("summary") << "summary" << QString();
    QTest::newRow("description") << "description/p" << QString();
    QTest::newRow("metadata licence") << "metadata_license"
                                      << "MIT";
    QTest::newRow("program licence") << "project_license"
                                     << "MIT";
    QTest::newRow("content rating") << "content_rating@type"
                                    << "oars-1.1";
    QTest::newRow("screenshot") << "screenshots/screenshot/image" << QString();
    QTest::newRow("provides the program") << "provides/binary"
                                          << "trilet";
}

void TestInstall::metainfo() {
    QFETCH(QString, path);
    QFETCH(QString, expected);
    const QHash<QString, QString> values = ::metainfo(m_metainfoFile);
    QVERIFY2(!values.contains("!error"), qPrintable(values.value("!error")));
    QVERIFY2(values.contains(path), qPrintable(path + " is missing"));
    if (expected.isEmpty())
        QVERIFY(!values.value(path).isEmpty());
    else
        QCOMPARE(values.value(path), expected);
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
