// SPDX-License-Identifier: MIT
// The sound player against a recording backend (what is played, cut and closed, from which
// bytes), and the SDL backend on SDL's dummy driver and without any driver.
#include <QTest>
#include <cstring>
#include <memory>

#include "sound/sdl_backend.h"
#include "sound/sound_player.h"

namespace {

// Writes down what the backend went through: "open", "open failed", "play N", "cut N" (stopped
// while playing) and "close", N being the sound whose WAVE file it got (known by its size).
struct RecordingBackend final : sound::SoundBackend {
    RecordingBackend(QStringList *events, bool deviceExists)
        : m_events(events), m_deviceExists(deviceExists) {}
    bool open() override {
        *m_events << (m_deviceExists ? "open" : "open failed");
        return m_deviceExists;
    }
    bool start(const char *data, std::size_t size) override {
        m_copy = QByteArray(data, qsizetype(size));
        m_playing = data;
        *m_events << QStringLiteral("play %1").arg(sound());
        return true;
    }
    // A device reads the bytes while it plays them: they must stay intact until it stops.
    void stop() override {
        if (!m_playing) return;
        const bool intact = !std::memcmp(m_playing, m_copy.constData(), std::size_t(m_copy.size()));
        *m_events
            << QStringLiteral("cut %1%2").arg(sound()).arg(intact ? "" : " from freed memory");
        m_playing = nullptr;
    }
    void close() override {
        stop();
        *m_events << "close";
    }
    int sound() const { return QList<qsizetype>{44736, 7068, 39076}.indexOf(m_copy.size()) + 1; }

    QStringList *m_events;
    bool m_deviceExists;
    QByteArray m_copy;
    const char *m_playing = nullptr;
};

}  // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void player_data() {
        QTest::addColumn<bool>("deviceExists");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("first sound opens the device")
            << true << QStringList{"play 2"} << QStringList{"open", "play 2"};
        QTest::newRow("a new sound cuts the one playing")
            << true << QStringList{"warmUp", "play 2", "play 3", "play 1"}
            << QStringList{"open", "play 2", "cut 2", "play 3", "cut 3", "play 1"};
        QTest::newRow("no device: silent, asked once")
            << false << QStringList{"warmUp", "play 2", "play 3"} << QStringList{"open failed"};
        QTest::newRow("shut down, then silent")
            << true << QStringList{"play 3", "shutDown", "play 2", "warmUp"}
            << QStringList{"open", "play 3", "cut 3", "close"};
    }
    void player() {
        QFETCH(bool, deviceExists);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, events);
        QStringList recorded;
        sound::SoundPlayer player(std::make_unique<RecordingBackend>(&recorded, deviceExists));
        for (const QString &call : calls) {
            if (call == "warmUp")
                player.warmUp();
            else if (call == "shutDown")
                player.shutDown();
            else
                player.play(call.sliced(5).toInt());
        }
        QCOMPARE(recorded, events);
    }

    // SDL's dummy driver plays at a real device's pace: sound 2 lasts 0.16 s, sound 3 1.77 s.
    // Without a driver nothing plays, and nothing breaks.
    void sdlBackend() {
        for (const bool device : {true, false}) {
            qputenv("SDL_AUDIODRIVER", device ? "dummy" : "no-such-audio-driver");
            auto owned = std::make_unique<sound::SdlBackend>();
            sound::SdlBackend *backend = owned.get();
            sound::SoundPlayer player(std::move(owned));
            player.play(3);
            QCOMPARE(backend->isPlaying(), device);
            player.play(2);  // cuts sound 3: the channel is free long before 1.77 s
            QTRY_VERIFY_WITH_TIMEOUT(!backend->isPlaying(), 1200);
            player.shutDown();
            player.play(3);
            QVERIFY(!backend->isPlaying());
        }
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
