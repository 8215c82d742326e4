// SPDX-License-Identifier: MIT
// The sound player against a recording backend (what is played, cut and closed, and
// from which bytes and memory), and the SDL backend on SDL's dummy driver and without any driver.
#include <QFile>
#include <QTest>
#include <cstring>
#include <memory>

#include "sound/sdl_backend.h"
#include "sound/sound_player.h"

namespace {

// The embedded sounds as they stand in the source tree, to tell which one the backend got.
QList<QByteArray> soundFiles() {
    QList<QByteArray> files;
    for (int sound = 1; sound <= 3; ++sound) {
        QFile file(QFINDTESTDATA(QStringLiteral("../../resources/sounds/%1.wav").arg(sound)));
        files << (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return files;
}

// What the backend went through, in words: "open", "open failed", "play N", "reject N",
// "cut N" (a sound stopped while playing) and "close". N is the number of the sound file
// whose bytes the image is exactly, 0 for none.
struct BackendRecord {
    QStringList events;
    QByteArray lastImage;
    bool playedFromReleasedMemory = false;
};

// Plays nothing, but checks at every stop that the image it was given is still intact,
// as a device playing from that memory would need it.
class RecordingBackend final : public sound::SoundBackend {
public:
    RecordingBackend(std::shared_ptr<BackendRecord> record, bool deviceExists, int rejectedSound)
        : m_record(std::move(record)), m_deviceExists(deviceExists), m_rejected(rejectedSound) {}

    bool open() override {
        m_record->events << (m_deviceExists ? "open" : "open failed");
        return m_deviceExists;
    }

    bool start(const char *data, std::size_t size) override {
        const int sound = static_cast<int>(m_files.indexOf(QByteArray(data, qsizetype(size)))) + 1;
        m_record->lastImage = QByteArray(data, static_cast<qsizetype>(size));
        if (sound == m_rejected) {
            m_record->events << QStringLiteral("reject %1").arg(sound);
            return false;
        }
        m_record->events << QStringLiteral("play %1").arg(sound);
        m_playingData = data;
        m_playingSound = sound;
        return true;
    }

    void stop() override {
        if (!m_playingData) return;
        const QByteArray &copy = m_record->lastImage;
        if (std::memcmp(m_playingData, copy.constData(), static_cast<std::size_t>(copy.size())))
            m_record->playedFromReleasedMemory = true;
        m_record->events << QStringLiteral("cut %1").arg(m_playingSound);
        m_playingData = nullptr;
    }

    void close() override {
        stop();
        m_record->events << "close";
    }

private:
    const QList<QByteArray> m_files = soundFiles();
    std::shared_ptr<BackendRecord> m_record;
    bool m_deviceExists;
    int m_rejected;
    const char *m_playingData = nullptr;
    int m_playingSound = 0;
};

}  // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void playerDrivesTheBackend_data();
    void playerDrivesTheBackend();
    void sdlBackend_data();
    void sdlBackend();
};

void TestSound::initTestCase() {
    for (const QByteArray &file : soundFiles()) QVERIFY(file.startsWith("RIFF"));
}

void TestSound::playerDrivesTheBackend_data() {
    QTest::addColumn<bool>("deviceExists");
    QTest::addColumn<int>("rejectedSound");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("first sound opens the device")
        << true << 0 << QStringList{"play 2"} << QStringList{"open", "play 2"};
    QTest::newRow("warm-up opens once")
        << true << 0 << QStringList{"warmUp", "warmUp", "play 1"} << QStringList{"open", "play 1"};
    QTest::newRow("new sound cuts the one playing")
        << true << 0 << QStringList{"play 2", "play 3", "play 1"}
        << QStringList{"open", "play 2", "cut 2", "play 3", "cut 3", "play 1"};
    QTest::newRow("same sound again starts over")
        << true << 0 << QStringList{"warmUp", "play 2", "play 2"}
        << QStringList{"open", "play 2", "cut 2", "play 2"};
    QTest::newRow("unknown numbers leave the sound playing")
        << true << 0 << QStringList{"play 3", "play 0", "play 4", "play -1"}
        << QStringList{"open", "play 3"};
    QTest::newRow("no device: silent, asked once")
        << false << 0 << QStringList{"warmUp", "play 2", "play 3", "warmUp"}
        << QStringList{"open failed"};
    QTest::newRow("no device found by the first sound")
        << false << 0 << QStringList{"play 2", "play 2"} << QStringList{"open failed"};
    QTest::newRow("unplayable image is skipped")
        << true << 2 << QStringList{"play 3", "play 2", "play 1"}
        << QStringList{"open", "play 3", "cut 3", "reject 2", "play 1"};
    QTest::newRow("shut down stops, closes, then stays silent")
        << true << 0 << QStringList{"play 3", "shutDown", "play 2", "warmUp", "shutDown"}
        << QStringList{"open", "play 3", "cut 3", "close"};
    QTest::newRow("shut down before any sound never opens")
        << true << 0 << QStringList{"shutDown", "play 2"} << QStringList{};
}

void TestSound::playerDrivesTheBackend() {
    QFETCH(bool, deviceExists);
    QFETCH(int, rejectedSound);
    QFETCH(QStringList, calls);
    QFETCH(QStringList, events);

    auto record = std::make_shared<BackendRecord>();
    {
        sound::SoundPlayer player(
            std::make_unique<RecordingBackend>(record, deviceExists, rejectedSound));
        for (const QString &call : calls) {
            if (call == "warmUp")
                player.warmUp();
            else if (call == "shutDown")
                player.shutDown();
            else
                player.play(call.sliced(5).toInt());
        }
        QCOMPARE(record->events, events);
    }
    QVERIFY2(!record->playedFromReleasedMemory, "an image was released while it still played");
}

void TestSound::sdlBackend_data() {
    QTest::addColumn<QByteArray>("driver");
    QTest::addColumn<bool>("deviceExists");

    QTest::newRow("dummy driver") << QByteArray("dummy") << true;
    QTest::newRow("no such driver") << QByteArray("no-such-audio-driver") << false;
}

// The dummy driver consumes sound at the speed of a real device, so how long the channel
// stays busy tells which sound it plays: 2 lasts 0.16 s, 3 lasts 1.77 s.
void TestSound::sdlBackend() {
    QFETCH(QByteArray, driver);
    QFETCH(bool, deviceExists);

    qputenv("SDL_AUDIODRIVER", driver);
    auto owned = std::make_unique<sound::SdlBackend>();
    sound::SdlBackend *backend = owned.get();
    sound::SoundPlayer player(std::move(owned));

    player.play(3);
    QCOMPARE(backend->isPlaying(), deviceExists);
    if (!deviceExists) {
        player.play(2);
        QVERIFY(!backend->isPlaying());
        return;
    }

    player.play(2);  // cuts sound 3 at once: the channel is free long before 1.77 s
    QVERIFY(backend->isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(!backend->isPlaying(), 1200);

    player.play(3);
    QTest::qWait(400);
    QVERIFY2(backend->isPlaying(), "sound 3 ended far too early");

    player.shutDown();
    QVERIFY(!backend->isPlaying());
    player.play(2);
    QVERIFY(!backend->isPlaying());
}

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
