// SPDX-License-Identifier: MIT
#include "tools/assetgen/gif_writer.h"

#include <gif_lib.h>

#include <vector>

#include "tools/assetgen/quantizer.h"

namespace assetgen {

namespace {

int appendToBuffer(GifFileType *gif, const GifByteType *data, int length) {
    auto *out = static_cast<QByteArray *>(gif->UserData);
    out->append(reinterpret_cast<const char *>(data), length);
    return length;
}

// The smallest power of two from 2 to 256 that holds n colours, as GIF palettes require.
int paletteSlots(qsizetype n) {
    int entries = 2;
    while (entries < n) entries *= 2;
    return entries;
}

}  // namespace

QByteArray encodeGif(const QImage &image, QString *error) {
    const IndexedImage indexed = quantize(image);
    const int entries = paletteSlots(indexed.palette.size());
    std::vector<GifColorType> colours(size_t(entries), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < indexed.palette.size(); ++i) {
        const QRgb c = indexed.palette[i];
        colours[size_t(i)] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }

    QByteArray out;
    int status = 0;
    GifFileType *gif = EGifOpen(&out, appendToBuffer, &status);
    if (!gif) {
        *error = QStringLiteral("giflib: %1").arg(GifErrorString(status));
        return {};
    }
    ColorMapObject *map = GifMakeMapObject(entries, colours.data());
    bool ok = map && EGifPutScreenDesc(gif, indexed.width, indexed.height, 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(size_t(indexed.width));
    for (int y = 0; ok && y < indexed.height; ++y) {
        for (int x = 0; x < indexed.width; ++x)
            row[size_t(x)] = indexed.indices[qsizetype(y) * indexed.width + x];
        ok = EGifPutLine(gif, row.data(), indexed.width) == GIF_OK;
    }
    if (!ok) *error = QStringLiteral("giflib: %1").arg(GifErrorString(gif->Error));
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &status) != GIF_OK && ok) {
        *error = QStringLiteral("giflib: %1").arg(GifErrorString(status));
        ok = false;
    }
    return ok ? out : QByteArray();
}

}  // namespace assetgen
