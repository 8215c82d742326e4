// SPDX-License-Identifier: MIT
#include "tools/assetgen/asset_set.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <cstring>

#include "tools/assetgen/art.h"
#include "tools/assetgen/bmp_writer.h"
#include "tools/assetgen/fonts.h"
#include "tools/assetgen/gif_writer.h"
#include "tools/assetgen/ico_writer.h"
#include "tools/assetgen/sound_synth.h"
#include "tools/assetgen/wav_writer.h"

namespace assetgen {

namespace {

constexpr int kSampleRate = 22050;
constexpr int kInfoListBytes = 48;
const QByteArray kSoftware("Trilet assetgen 1.0 synthesiser");

QList<AssetFile> sounds() {
    const QByteArray info = infoListBody(kSoftware, kInfoListBytes);

    // Sound 1: format, fact, data, list.
    const QByteArray jingle = synthLosingJingle();
    const QByteArray one = encodeRiffWave({{"fmt ", pcmFormatBody(kSampleRate, 8)},
                                           {"fact", factBody(quint32(jingle.size()))},
                                           {"data", jingle},
                                           {"LIST", info}});

    // Sound 2: format and data, then two bytes after the RIFF chunk.
    const QByteArray two =
        encodeRiffWave({{"fmt ", pcmFormatBody(kSampleRate, 16)}, {"data", synthPlacementClick()}},
                       QByteArray(2, '\0'));

    // Sound 3: format, data of odd length with its pad byte, list, fact.
    const QByteArray fanfare = synthWinningFanfare();
    const QByteArray three = encodeRiffWave({{"fmt ", pcmFormatBody(kSampleRate, 8)},
                                             {"data", fanfare},
                                             {"LIST", info},
                                             {"fact", factBody(quint32(fanfare.size()))}});
    return {{"sounds/1.wav", one}, {"sounds/2.wav", two}, {"sounds/3.wav", three}};
}

}  // namespace

const QList<Picture> &pictures() {
    static const QList<Picture> list = [] {
        QList<Picture> l{
            {"pictures/background.bmp", paintBoardBackground, 24},
            {"pictures/letter_s.bmp", paintLetterS, 24},
            {"pictures/letter_o.bmp", paintLetterO, 24},
        };
        const std::array<const char *, 3> buttonNames{"start", "options", "about"};
        const std::array<std::pair<ButtonLook, const char *>, 3> looks{
            std::pair{ButtonLook::Normal, "normal"}, std::pair{ButtonLook::Highlighted, "hover"},
            std::pair{ButtonLook::Pressed, "pressed"}};
        for (int i = 0; i < 3; ++i)
            for (const auto &[look, lookName] : looks)
                l.append({QStringLiteral("pictures/button_%1_%2.gif")
                              .arg(QLatin1String(buttonNames[size_t(i)]), QLatin1String(lookName)),
                          [i, look] { return paintButton(i, look); }, 0});
        l.append({"pictures/options_background.gif", paintOptionsBackground, 0});
        l.append({"pictures/result_winner.bmp", paintResultWinner, 24});
        l.append({"pictures/result_loser.bmp", paintResultLoser, 32});
        l.append({"pictures/result_draw.bmp", paintResultDraw, 24});
        l.append({"pictures/result_initial.bmp", paintResultInitial, 24});
        l.append({"pictures/about.bmp", paintAbout, 24});
        return l;
    }();
    return list;
}

QList<AssetFile> generateAssets(QString *error) {
    if (!loadFonts(error)) return {};

    QList<AssetFile> files;
    for (const Picture &picture : pictures()) {
        const QImage image = picture.paint();
        const QByteArray bytes =
            picture.bmpBits ? encodeBmp(image, picture.bmpBits) : encodeGif(image, error);
        if (bytes.isEmpty()) return {};
        files.append({picture.path, bytes});
    }

    files.append({"icons/trilet.ico", encodeIco16({paintProgramIcon()})});
    files.append({"icons/options.ico", encodeIco16({paintSpannerIcon(32), paintSpannerIcon(16)})});
    files.append(sounds());
    return files;
}

bool writeAssets(const QList<AssetFile> &files, const QString &dir, QString *error) {
    for (const AssetFile &file : files) {
        const QString path = QDir(dir).filePath(file.path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            *error = QStringLiteral("cannot create the folder of %1").arg(path);
            return false;
        }
        // Written whole or not at all: a failed write, flush or close (a full disk) removes the
        // file, and the run fails.
        QFile out(path);
        bool written = out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                       out.write(file.bytes) == file.bytes.size() && out.flush();
        // A short write sets no error of QFile's own: the system's says why (a full disk).
        QString why = out.error() != QFileDevice::NoError
                          ? out.errorString()
                          : QString::fromLocal8Bit(std::strerror(errno));
        out.close();
        if (written && out.error() != QFileDevice::NoError) {
            written = false;
            why = out.errorString();
        }
        if (!written) {
            *error = QStringLiteral("cannot write %1: %2").arg(path, why);
            if (QFileInfo(path).isFile()) QFile::remove(path);
            return false;
        }
    }
    return true;
}

}  // namespace assetgen
