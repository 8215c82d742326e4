// SPDX-License-Identifier: MIT
#include "sound/sound_player.h"

#include <QFile>
#include <QString>
#include <utility>

namespace sound {

SoundPlayer::SoundPlayer(std::unique_ptr<SoundBackend> backend) : m_backend(std::move(backend)) {}

SoundPlayer::~SoundPlayer() {
    shutDown();
}

void SoundPlayer::warmUp() {
    deviceReady();
}

bool SoundPlayer::deviceReady() {
    if (m_device == Device::NotOpened)
        m_device = m_backend->open() ? Device::Open : Device::Unavailable;
    return m_device == Device::Open;
}

void SoundPlayer::play(int sound) {
    if (!deviceReady()) return;

    QFile resource(QStringLiteral(":/sounds/%1.wav").arg(sound));
    if (!resource.open(QIODevice::ReadOnly)) return;
    QByteArray image = resource.readAll();

    // The old image must outlive its playback: stop first, then replace the buffer.
    m_backend->stop();
    sound_image = std::move(image);
    m_backend->start(sound_image.constData(), static_cast<std::size_t>(sound_image.size()));
}

void SoundPlayer::shutDown() {
    if (m_device == Device::Open) {
        m_backend->stop();
        m_backend->close();
    }
    m_device = Device::ShutDown;
}

}  // namespace sound
