// SPDX-License-Identifier: MIT
// The sound player on a recording backend and a fake clock; its release times follow from the
// lengths read from the three layouts (fact, LIST; 2 bytes after RIFF; odd data, pad, LIST, fact).
#include <QDir>
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
    void log(const QString &event) { m_events << QStringLiteral("%1 %2").arg(m_now).arg(event); }

    QStringList m_events;
    qint64 m_now = 0;
    bool m_deviceExists, m_broken = false;
    QByteArray m_copy;
    const char *m_playing = nullptr;
};

}  // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void player_data() {
        QTest::addColumn<bool>("deviceExists");
        QTest::addColumn<QString>("script");  // "play N", "wait MS", "break", "shutDown"
        QTest::addColumn<QString>("events");
        QTest::newRow("released 3 s after the last sound ends; the next sound opens it again")
            << true << "play 2, wait 3158, wait 1000, play 1"
            << "0 open, 0 play 2, 3159 stop, 3159 close, 4158 open, 4158 play 1";
        QTest::newRow("a new sound cuts the one playing and restarts the wait")
            << true << "play 3, wait 1000, play 2, play 1, wait 9000"
            << "0 open, 0 play 3, 1000 stop, 1000 play 2, 1000 stop, 1000 play 1, "
               "6023 stop, 6023 close";
        QTest::newRow("no sound system: silent, asked again 2 s later")
            << false << "play 2, wait 1999, play 3, wait 1, play 3, wait 20000"
            << "0 open failed, 2000 open failed";
        QTest::newRow("the sound system went away: the next sound opens the path anew")
            << true << "play 2, wait 500, break, play 3, wait 9000"
            << "0 open, 0 play 2, 500 stop, 500 play 3 broken, 500 close, 500 open, 500 play 3, "
               "5267 stop, 5267 close";
        QTest::newRow("shut down, then silent") << true << "play 3, shutDown, play 2, wait 9000"
                                                << "0 open, 0 play 3, 0 stop, 0 close";
    }
    void player() {
        QFETCH(bool, deviceExists);
        QFETCH(QString, script);
        QFETCH(QString, events);
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

    // Without a sound server the real backend refuses at once and leaves no thread behind.
    void pulseWithoutServer() {
        qputenv("PULSE_SERVER", "unix:/nonexistent/trilet-test");
        const auto threads = [] { return QDir(QStringLiteral("/proc/self/task")).count(); };
        const uint before = threads();
        sound::PulseBackend backend;
        QVERIFY(!backend.open());
        QCOMPARE(threads(), before);
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
