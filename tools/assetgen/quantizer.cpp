// SPDX-License-Identifier: MIT
#include "tools/assetgen/quantizer.h"

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <vector>

namespace assetgen {

namespace {

struct ColourCount {
    QRgb rgb;
    qint64 count;
};

int channel(QRgb c, int ch) {
    return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c);
}

// One box of median cut: a run of the colour list.
struct Box {
    qsizetype begin;
    qsizetype end;

    std::array<int, 3> ranges(const std::vector<ColourCount> &colours) const {
        std::array<int, 3> lo{255, 255, 255};
        std::array<int, 3> hi{0, 0, 0};
        for (qsizetype i = begin; i < end; ++i)
            for (int ch = 0; ch < 3; ++ch) {
                lo[ch] = std::min(lo[ch], channel(colours[i].rgb, ch));
                hi[ch] = std::max(hi[ch], channel(colours[i].rgb, ch));
            }
        return {hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]};
    }
};

QRgb average(const std::vector<ColourCount> &colours, const Box &box) {
    qint64 sum[3] = {0, 0, 0};
    qint64 total = 0;
    for (qsizetype i = box.begin; i < box.end; ++i) {
        for (int ch = 0; ch < 3; ++ch) sum[ch] += channel(colours[i].rgb, ch) * colours[i].count;
        total += colours[i].count;
    }
    auto mean = [&](int ch) { return int((sum[ch] + total / 2) / total); };
    return qRgb(mean(0), mean(1), mean(2));
}

QList<QRgb> medianCut(std::vector<ColourCount> colours, int maxColours) {
    std::vector<Box> boxes{{0, qsizetype(colours.size())}};
    while (int(boxes.size()) < maxColours) {
        // Split the box with the widest channel range; ties go to the earlier box.
        int best = -1;
        int bestRange = 0;
        int bestChannel = 0;
        for (int b = 0; b < int(boxes.size()); ++b) {
            if (boxes[b].end - boxes[b].begin < 2) continue;
            const auto r = boxes[b].ranges(colours);
            for (int ch = 0; ch < 3; ++ch)
                if (r[ch] > bestRange) {
                    best = b;
                    bestRange = r[ch];
                    bestChannel = ch;
                }
        }
        if (best < 0) break;
        Box box = boxes[best];
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [bestChannel](const ColourCount &a, const ColourCount &b) {
                      const int ca = channel(a.rgb, bestChannel);
                      const int cb = channel(b.rgb, bestChannel);
                      return ca != cb ? ca < cb : (a.rgb & 0xffffff) < (b.rgb & 0xffffff);
                  });
        qint64 total = 0;
        for (qsizetype i = box.begin; i < box.end; ++i) total += colours[i].count;
        qint64 running = 0;
        qsizetype split = box.begin + 1;
        for (qsizetype i = box.begin; i < box.end - 1; ++i) {
            running += colours[i].count;
            split = i + 1;
            if (running * 2 >= total) break;
        }
        boxes[best] = {box.begin, split};
        boxes.insert(boxes.begin() + best + 1, Box{split, box.end});
    }
    QList<QRgb> palette;
    for (const Box &box : boxes) palette.append(average(colours, box));
    return palette;
}

}  // namespace

IndexedImage quantize(const QImage &image, int maxColours) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, qint64> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) ++histogram[line[x] | 0xff000000u];
    }

    IndexedImage out;
    out.width = rgb.width();
    out.height = rgb.height();
    std::vector<ColourCount> colours;
    for (const auto &[c, n] : histogram) colours.push_back({c, n});
    if (int(colours.size()) <= maxColours) {
        for (const auto &cc : colours) out.palette.append(cc.rgb);
    } else {
        out.palette = medianCut(std::move(colours), maxColours);
    }

    std::map<QRgb, quint8> lookup;
    out.indices.reserve(qsizetype(out.width) * out.height);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x] | 0xff000000u;
            auto it = lookup.find(c);
            if (it == lookup.end())
                it = lookup.emplace(c, quint8(nearestColour(out.palette, c))).first;
            out.indices.append(it->second);
        }
    }
    return out;
}

int nearestColour(const QList<QRgb> &palette, QRgb c) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(c);
        const int dg = qGreen(palette[i]) - qGreen(c);
        const int db = qBlue(palette[i]) - qBlue(c);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

}  // namespace assetgen
