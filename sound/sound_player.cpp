// SPDX-License-Identifier: MIT
#include "sound/sound_player.h"

#include <QFile>
#include <QString>
#include <utility>

namespace sound {

SoundPlayer::SoundPlayer(std::unique_ptr<SoundBackend> backend, Alarm alarm)
    : m_backend(std::move(backend)), m_alarm(std::move(alarm)) {}

SoundPlayer::~SoundPlayer() {
    shutDown();
}

bool SoundPlayer::openPath() {
    if (m_path == Path::Closed) {
        if (m_backend->open()) {
            m_path = Path::Open;
        } else {
            m_path = Path::Unavailable;
            m_alarm(kRetryAfter);
        }
    }
    return m_path == Path::Open;
}

void SoundPlayer::play(int sound) {
    if (!openPath()) return;

    QFile resource(QStringLiteral(":/sounds/%1.wav").arg(sound));
    if (!resource.open(QIODevice::ReadOnly)) return;
    QByteArray image = resource.readAll();

    // The old image must outlive its playback: stop first, then replace the buffer.
    m_backend->stop();
    sound_image = std::move(image);
    const std::optional<Wave> wave =
        readWave(sound_image.constData(), static_cast<std::size_t>(sound_image.size()));
    if (!wave) return;
    const auto start = [&] {
        return m_backend->start(sound, sound_image.constData(),
                                static_cast<std::size_t>(sound_image.size()));
    };
    if (!start()) {
        // The path broke while it was open: one fresh attempt.
        m_backend->close();
        m_path = Path::Closed;
        if (!openPath() || !start()) return;
    }
    m_alarm(wave->length() + kReleaseAfter);
}

void SoundPlayer::release() {
    if (m_path == Path::Open) {
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
