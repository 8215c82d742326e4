// SPDX-License-Identifier: MIT
#include "tools/assetgen/asset_check.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMetaEnum>
#include <QSet>

#include <array>

namespace assetgen {

namespace {

// A little-endian field of 2 or 4 bytes; 0 past the end.
quint32 le(const QByteArray &b, qsizetype at, int size = 4) {
    quint32 value = 0;
    for (int i = size - 1; at >= 0 && at + size <= b.size() && i >= 0; --i)
        value = value << 8 | quint8(b.at(at + i));
    return value;
}

// "byte N differs" for the first difference within [from, to), or nothing.
QString firstDifference(const QByteArray &made, const QByteArray &found, qsizetype from,
                        qsizetype to) {
    for (qsizetype i = from; i < to; ++i)
        if (made.at(i) != found.at(i)) return QStringLiteral("byte %1 differs").arg(i);
    return {};
}

QString sizeDifference(const QByteArray &made, const QByteArray &found) {
    if (found.size() == made.size()) return {};
    return QStringLiteral("%1 bytes instead of %2").arg(found.size()).arg(made.size());
}

// Every image of a picture or icon file, as Qt's reader decodes it.
QList<QImage> decode(const QByteArray &bytes, const QByteArray &format) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    QList<QImage> images;
    for (int i = 0; i < qMax(1, reader.imageCount()); ++i, reader.jumpToNextImage())
        if (const QImage image = reader.read(); !image.isNull()) images << image;
    return images;
}

QString formatName(QImage::Format format) {
    return QString::fromLatin1(QMetaEnum::fromType<QImage::Format>().valueToKey(format));
}

QString comparePictures(const QByteArray &made, const QByteArray &found, const QByteArray &kind) {
    const QList<QImage> want = decode(made, kind), have = decode(found, kind);
    if (have.size() != want.size())
        return QStringLiteral("decodes to %1 images instead of %2")
            .arg(have.size())
            .arg(want.size());
    // Where each channel lies in a QRgb.
    static const std::array<std::pair<int, const char *>, 4> channels{
        std::pair{16, "red"}, {8, "green"}, {0, "blue"}, {24, "alpha"}};
    for (qsizetype i = 0; i < want.size(); ++i) {
        const QString image = want.size() > 1 ? QStringLiteral("image %1: ").arg(i + 1) : "";
        const QSize size = want[i].size();
        if (have[i].size() != size)
            return image + QStringLiteral("%1 x %2 pixels instead of %3 x %4")
                               .arg(have[i].width())
                               .arg(have[i].height())
                               .arg(size.width())
                               .arg(size.height());
        if (have[i].format() != want[i].format())
            return image + QStringLiteral("decodes as %1 instead of %2")
                               .arg(formatName(have[i].format()), formatName(want[i].format()));
        const QImage a = want[i].convertToFormat(QImage::Format_ARGB32);
        const QImage b = have[i].convertToFormat(QImage::Format_ARGB32);
        QString first;
        int beyond = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                for (const auto &[shift, name] : channels) {
                    const int d = qAbs(int(a.pixel(x, y) >> shift & 0xff) -
                                       int(b.pixel(x, y) >> shift & 0xff));
                    if (d <= kPixelTolerance) continue;
                    if (beyond++ == 0)
                        first = QStringLiteral("pixel (%1,%2) differs by %3 in %4")
                                    .arg(x)
                                    .arg(y)
                                    .arg(d)
                                    .arg(QLatin1String(name));
                    break;
                }
        if (beyond > 1) first += QStringLiteral(" (%1 pixels in all)").arg(beyond);
        if (beyond) return image + first;
    }
    return {};
}

// The chunks of a RIFF file as "id size" and the offsets of their bodies.
QList<std::pair<QString, qsizetype>> riffChunks(const QByteArray &b) {
    QList<std::pair<QString, qsizetype>> chunks;
    const qsizetype end = qMin(b.size(), 8 + qsizetype(le(b, 4)));
    for (qsizetype at = 12; at + 8 <= end; at += 8 + le(b, at + 4) + le(b, at + 4) % 2)
        chunks.append(
            {QString::fromLatin1(b.mid(at, 4)) + ' ' + QString::number(le(b, at + 4)), at + 8});
    return chunks;
}

QString layout(const QList<std::pair<QString, qsizetype>> &chunks) {
    QStringList names;
    for (const auto &chunk : chunks) names << chunk.first;
    return names.join(", ");
}

QString compareSound(const QByteArray &made, const QByteArray &found) {
    if (const QString size = sizeDifference(made, found); !size.isEmpty()) return size;
    const auto want = riffChunks(made), have = riffChunks(found);
    if (layout(have) != layout(want))
        return QStringLiteral("chunks %1 instead of %2").arg(layout(have), layout(want));
    qsizetype from = 0, to = 0;
    int bits = 8;
    for (const auto &[chunk, at] : want) {
        if (chunk.startsWith("fmt ")) bits = int(le(made, at + 14, 2));
        if (chunk.startsWith("data")) from = at, to = at + le(made, at - 4);
    }
    // Everything but the samples is exact: headers, fact, list, pad byte, trailing bytes.
    QString outside = firstDifference(made, found, 0, from);
    if (outside.isEmpty()) outside = firstDifference(made, found, to, made.size());
    if (!outside.isEmpty()) return outside + QStringLiteral(" outside the samples");
    const int step = bits / 8, tolerance = kSampleTolerance * (bits == 16 ? 256 : 1);
    const auto sample = [&](const QByteArray &b, qsizetype i) {
        return bits == 16 ? int(qint16(le(b, i, 2))) : int(quint8(b.at(i)));
    };
    QString first;
    int beyond = 0;
    for (qsizetype i = from; i + step <= to; i += step) {
        const int d = qAbs(sample(made, i) - sample(found, i));
        if (d > tolerance && beyond++ == 0)
            first = QStringLiteral("sample %1 differs by %2").arg((i - from) / step).arg(d);
    }
    if (beyond > 1) first += QStringLiteral(" (%1 samples in all)").arg(beyond);
    return first;
}

QString compare(const QString &path, const QByteArray &made, const QByteArray &found) {
    const QByteArray kind = QFileInfo(path).suffix().toLatin1();
    if (kind == "wav") return compareSound(made, found);
    if (kind == "bmp" || kind == "ico") {  // their layout fixes the file size
        if (const QString size = sizeDifference(made, found); !size.isEmpty()) return size;
        // A bitmap's file and info headers; an icon's directory and each image's info header.
        QList<std::pair<qsizetype, qsizetype>> headers;
        if (kind == "bmp") headers.append({0, 54});
        const int images = kind == "ico" ? int(le(made, 4, 2)) : 0;
        if (images) headers.append({0, 6 + 16 * images});
        for (int i = 0; i < images; ++i)
            headers.append({le(made, 6 + 16 * i + 12), le(made, 6 + 16 * i + 12) + 40});
        for (const auto &[from, to] : headers)
            if (const QString d = firstDifference(made, found, from, qMin(to, made.size()));
                !d.isEmpty())
                return d + QStringLiteral(" in the header");
    }
    return comparePictures(made, found, kind);
}

}  // namespace

QStringList checkAssets(const QList<AssetFile> &files, const QString &dir) {
    QStringList problems;
    QSet<QString> written;
    for (const AssetFile &file : files) {
        written << file.path;
        QFile in(QDir(dir).filePath(file.path));
        const QString difference = in.open(QIODevice::ReadOnly)
                                       ? compare(file.path, file.bytes, in.readAll())
                                       : QStringLiteral("missing");
        if (!difference.isEmpty()) problems << file.path + ": " + difference;
    }
    // A leftover of an older set would still look like one of the program's files.
    const QDir base(QFileInfo(dir).absoluteFilePath());
    for (QDirIterator it(base.path(), {"*.bmp", "*.gif", "*.ico", "*.png", "*.wav"}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        if (const QString path = base.relativeFilePath(it.next()); !written.contains(path))
            problems << path + ": not written by assetgen";
    return problems;
}

}  // namespace assetgen
