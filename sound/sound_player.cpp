// SPDX-License-Identifier: MIT
#include "sound/sound_player.h"

#include <QFile>
#include <QLoggingCategory>
#include <QString>
#include <utility>

Q_LOGGING_CATEGORY(lcSound, "trilet.sound")

namespace sound {

SoundPlayer::SoundPlayer(std::unique_ptr<SoundBackend> backend, Alarm alarm)
    : m_backend(std::move(backend)), m_alarm(std::move(alarm)) {}

SoundPlayer::~SoundPlayer() {
    shutDown();
}

void SoundPlayer::setAlarm(std::chrono::milliseconds delay) {
    m_alarmSet = true;
    m_alarm(delay);
}

void SoundPlayer::tellWhySilent() {
    const std::string why = m_backend->whySilent();
    if (m_toldWhySilent || why.empty()) return;
    m_toldWhySilent = true;
    qCWarning(lcSound).noquote() << "no sound:" << QString::fromStdString(why);
}

bool SoundPlayer::openPath() {
    if (m_path == Path::Closed) {
        if (m_backend->open()) {
            m_path = Path::Open;
        } else {
            m_path = Path::Unavailable;
            tellWhySilent();
            setAlarm(kRetryAfter);
        }
    }
    return m_path == Path::Open;
}

void SoundPlayer::play(int sound) {
    QFile resource(QStringLiteral(":/sounds/%1.wav").arg(sound));
    if (m_path == Path::ShutDown || !resource.open(QIODevice::ReadOnly)) return;
    QByteArray image = resource.readAll();
    const std::optional<Wave> wave =
        readWave(image.constData(), static_cast<std::size_t>(image.size()));
    if (!wave || !openPath()) return;
    const std::chrono::milliseconds length = wave->length();

    // The old image must outlive its playback: stop first, then replace the buffer.
    m_backend->stop();
    sound_image = std::move(image);
    const auto start = [&] {
        return m_backend->start(sound, sound_image.constData(),
                                static_cast<std::size_t>(sound_image.size()));
    };
    if (!start()) {
        // The path broke while it was open: one fresh attempt.
        tellWhySilent();
        m_backend->close();
        m_path = Path::Closed;
        if (!openPath() || !start()) return;
    }
    setAlarm(length + kReleaseAfter);
}

void SoundPlayer::hold(bool held) {
    m_held = held;
    if (!held && m_path == Path::Open && !m_alarmSet) setAlarm(kReleaseAfter);
}

void SoundPlayer::release() {
    m_alarmSet = false;
    if (m_path == Path::Open) {
        if (m_held) return;
        m_backend->stop();
        m_backend->close();
    }
    if (m_path != Path::ShutDown) m_path = Path::Closed;
}

void SoundPlayer::shutDown() {
    if (m_path == Path::Open) {
        m_backend->stop();
        m_backend->close();
    }
    m_path = Path::ShutDown;
}

}  // namespace sound
