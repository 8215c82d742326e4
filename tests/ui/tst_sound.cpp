// SPDX-License-Identifier: MIT
// The sound player on a recording backend and a fake clock; its release times follow from the
// lengths read from the three layouts (fact, LIST; 2 bytes after RIFF; odd data, pad, LIST, fact).
// Then the PulseAudio backend itself, without a server and against a private one.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <memory>

#include "sound/pulse_backend.h"
#include "sound/sound_player.h"

namespace {

// Writes down, at the fake clock's time, what the backend went through: "open", "open
// failed", "play N", "play N broken" (the sound system went away), "stop" and "close".
struct RecordingBackend final : sound::SoundBackend {
    explicit RecordingBackend(bool deviceExists) : m_deviceExists(deviceExists) {}
    bool open() override { return log(m_deviceExists ? "open" : "open failed"), m_deviceExists; }
    bool start(int sound, const char *data, std::size_t size) override {
        log(QStringLiteral("play %1%2").arg(sound).arg(m_broken ? " broken" : ""));
        if (std::exchange(m_broken, false)) return false;
        m_copy = QByteArray(data, qsizetype(size)), m_playing = data;
        return true;
    }
    // A sound system reads the bytes while it plays them: they must stay intact until then.
    void stop() override {
        if (!m_playing) return;
        const bool intact = !std::memcmp(m_playing, m_copy.constData(), std::size_t(m_copy.size()));
        log(intact ? "stop" : "stop from freed memory"), m_playing = nullptr;
    }
    void close() override { stop(), log("close"); }
    std::string whySilent() const override { return m_deviceExists ? "" : "no server here"; }
    void log(const QString &event) { m_events << QStringLiteral("%1 %2").arg(m_now).arg(event); }

    QStringList m_events;
    qint64 m_now = 0;
    bool m_deviceExists, m_broken = false;
    QByteArray m_copy;
    const char *m_playing = nullptr;
};

QByteArray image(int sound) {
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(sound));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString pactl(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The sink inputs (playing sounds) whose properties name the sample, each as its property
// lines.
QStringList playing(const std::string &sample) {
    QStringList found;
    for (const QString &input :
         pactl({"list", "sink-inputs"}).split(QStringLiteral("Sink Input #")))
        if (input.contains(QStringLiteral("media.name = \"%1\"").arg(sample.c_str())))
            found << input;
    return found;
}

}  // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void player_data() {
        QTest::addColumn<bool>("deviceExists");
        QTest::addColumn<QString>("script");  // "play N", "wait MS", "break", "hold", "unhold",
                                              // "shutDown"
        QTest::addColumn<QString>("events");
        QTest::newRow("released half a second after the last sound ends; the next opens it again")
            << true << "play 2, wait 658, wait 1000, play 1"
            << "0 open, 0 play 2, 659 stop, 659 close, 1658 open, 1658 play 1";
        QTest::newRow("a new sound cuts the one playing and restarts the wait")
            << true << "play 3, wait 1000, play 2, play 1, wait 9000"
            << "0 open, 0 play 3, 1000 stop, 1000 play 2, 1000 stop, 1000 play 1, "
               "3523 stop, 3523 close";
        QTest::newRow("a game holds the path between sounds; let go after the game")
            << true << "hold, play 2, wait 5000, play 2, wait 5000, unhold, wait 9000"
            << "0 open, 0 play 2, 5000 stop, 5000 play 2, 10500 stop, 10500 close";
        QTest::newRow("a game that ends while a sound plays lets go after its last sound")
            << true << "hold, play 2, wait 100, unhold, play 3, wait 9000"
            << "0 open, 0 play 2, 100 stop, 100 play 3, 2367 stop, 2367 close";
        QTest::newRow("a game without sounds opens nothing")
            << true << "hold, wait 5000, unhold, wait 9000"
            << "";
        QTest::newRow("an unknown sound opens nothing") << true << "play 4, wait 9000"
                                                        << "";
        QTest::newRow("no sound system: silent, asked again 2 s later")
            << false << "play 2, wait 1999, play 3, wait 1, play 3, wait 20000"
            << "0 open failed, 2000 open failed";
        QTest::newRow("the sound system went away: the next sound opens the path anew")
            << true << "hold, play 2, wait 500, break, play 3, wait 9000, unhold, wait 9000"
            << "0 open, 0 play 2, 500 stop, 500 play 3 broken, 500 close, 500 open, 500 play 3, "
               "10000 stop, 10000 close";
        QTest::newRow("shut down, then silent") << true << "play 3, shutDown, play 2, wait 9000"
                                                << "0 open, 0 play 3, 0 stop, 0 close";
    }
    void player() {
        QFETCH(bool, deviceExists);
        QFETCH(QString, script);
        QFETCH(QString, events);
        // Without a sound system the reason is told once, however often it is found again.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        if (!deviceExists) QTest::ignoreMessage(QtWarningMsg, "no sound: no server here");
        auto owned = std::make_unique<RecordingBackend>(deviceExists);
        RecordingBackend *backend = owned.get();
        qint64 &now = backend->m_now, due = -1;  // due: when the player asked to be called back
        sound::SoundPlayer player(
            std::move(owned), [&](std::chrono::milliseconds delay) { due = now + delay.count(); });
        for (const QString &step : script.split(", ")) {
            const qint64 argument = step.section(' ', 1).toLongLong();
            if (step.startsWith("play")) {
                player.play(int(argument));
            } else if (step == "break") {
                backend->m_broken = true;
            } else if (step == "hold" || step == "unhold") {
                player.hold(step == "hold");
            } else if (step == "shutDown") {
                player.shutDown();
            } else {
                const qint64 until = now + argument;
                for (; due >= 0 && due <= until; player.release()) now = std::exchange(due, -1);
                now = until;
            }
        }
        QCOMPARE(backend->m_events.join(", "), events);
    }

    // Without a sound server the real backend refuses at once, says why and leaves no thread.
    void pulseWithoutServer() {
        qputenv("PULSE_SERVER", "unix:/nonexistent/trilet-test");
        const auto threads = [] { return QDir(QStringLiteral("/proc/self/task")).count(); };
        const uint before = threads();
        sound::PulseBackend backend;
        QVERIFY(!backend.open());
        QCOMPARE(threads(), before);
        QVERIFY2(backend.whySilent().find("no sound server answers") == 0,
                 backend.whySilent().c_str());
    }

    // Two copies against a private PulseAudio: each sound plays under the program's name and
    // role, a cut ends it, and each copy's samples stay its own and leave with it.
    void pulseWithServer() {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty())
            QSKIP("pulseaudio is not installed (scripts/setup installs it)");
        QTemporaryDir folder;
        const QString socket = folder.filePath(QStringLiteral("native"));
        QProcess server;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), folder.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
        server.setProcessEnvironment(environment);
        server.start(QStringLiteral("pulseaudio"),
                     {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-L",
                      "module-null-sink sink_name=cap", "-L",
                      "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
        QTRY_VERIFY_WITH_TIMEOUT(pactl({"info"}).contains("Default Sink: cap"), 30000);

        sound::PulseBackend first, second;
        QVERIFY(first.sampleName(1) != second.sampleName(1));
        const QByteArray one = image(1), two = image(2);
        QVERIFY(first.open() && second.open());
        QVERIFY(first.start(1, one.constData(), std::size_t(one.size())));
        QVERIFY(second.start(1, one.constData(), std::size_t(one.size())));
        QTRY_COMPARE_WITH_TIMEOUT(playing(first.sampleName(1)).size(), 1, 10000);
        const QString input = playing(first.sampleName(1)).value(0);
        for (const char *property :
             {"application.name = \"Trilet\"", "application.id = \"com.kovlane.trilet\"",
              "application.icon_name = \"trilet\"", "media.role = \"game\""})
            QVERIFY2(input.contains(property), qPrintable(input));

        first.stop();  // the player's cut before the next sound
        QVERIFY(first.start(2, two.constData(), std::size_t(two.size())));
        QTRY_VERIFY_WITH_TIMEOUT(playing(first.sampleName(1)).isEmpty(), 10000);
        QCOMPARE(playing(second.sampleName(1)).size(), 1);  // the other copy plays on

        const auto samples = [] { return pactl({"list", "samples", "short"}); };
        QTRY_VERIFY_WITH_TIMEOUT(samples().contains(QString::fromStdString(first.sampleName(2))),
                                 10000);
        first.close();
        QVERIFY(!samples().contains(QString::fromStdString(first.sampleName(1))));
        QVERIFY(!samples().contains(QString::fromStdString(first.sampleName(2))));
        QVERIFY(samples().contains(QString::fromStdString(second.sampleName(1))));
        second.close();
        QVERIFY2(!samples().contains(QStringLiteral("trilet-")), qPrintable(samples()));
        server.terminate();
        server.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
