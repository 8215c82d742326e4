// SPDX-License-Identifier: MIT
// The two icons, drawn pixel by pixel in the colours of the standard 16-colour palette: the
// program's board of three by three squares and the options dialog's spanner.
#include <QPainterPath>

#include <array>

#include "tools/assetgen/art.h"
#include "tools/assetgen/paint_util.h"

namespace assetgen {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kAqua(0, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);

// Bold 6 x 7 letters.
constexpr std::array<const char *, 7> kGlyphS{".####.", "##..##", "##....", ".####.",
                                              "....##", "##..##", ".####."};
constexpr std::array<const char *, 7> kGlyphO{".####.", "##..##", "##..##", "##..##",
                                              "##..##", "##..##", ".####."};

void putGlyph(QImage &img, const std::array<const char *, 7> &glyph, int left, int top,
              const QColor &ink) {
    // A navy shadow one pixel down and right gives the mark some depth.
    for (int pass = 0; pass < 2; ++pass)
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 6; ++x)
                if (glyph[size_t(y)][x] == '#')
                    img.setPixelColor(left + x + (pass ? 0 : 1), top + y + (pass ? 0 : 1),
                                      pass ? ink : kNavy);
}

// Fills the inside of a shape mask with bevelled shading: light upper-left edges, dark
// lower-right edges, a flat face between.
QImage bevel(const QImage &mask, const QColor &face) {
    const int n = mask.width();
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < n && y < n && qAlpha(mask.pixel(x, y)) >= 128;
    };
    QImage out(n, n, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (!inside(x, y)) continue;
            QColor c = face;
            if (!inside(x + 1, y) || !inside(x, y + 1) || !inside(x + 1, y + 1))
                c = kBlack;
            else if (!inside(x - 1, y) || !inside(x, y - 1))
                c = kGrey;
            else if (!inside(x + 2, y) || !inside(x, y + 2))
                c = kGrey;
            else if (!inside(x - 2, y) || !inside(x, y - 2))
                c = kWhite;
            out.setPixelColor(x, y, c);
        }
    return out;
}

}  // namespace

QImage paintProgramIcon() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    // A navy frame and grid round nine blue squares of 9, 10 and 9 pixels; the corners are
    // rounded off by one pixel.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool corner = (x == 0 || x == 31) && (y == 0 || y == 31);
            if (corner) continue;
            const bool line =
                x == 0 || x == 31 || y == 0 || y == 31 || x == 10 || x == 21 || y == 10 || y == 21;
            img.setPixelColor(x, y, line ? kNavy : kBlue);
        }
    // Light marks: S O S along the diagonal and an O in the top right square.
    putGlyph(img, kGlyphS, 2, 2, kWhite);
    putGlyph(img, kGlyphO, 13, 13, kYellow);
    putGlyph(img, kGlyphS, 23, 23, kWhite);
    putGlyph(img, kGlyphO, 23, 2, kAqua);
    return img;
}

QImage paintSpannerIcon(int size) {
    // The spanner lies diagonally: an open jaw at the upper right, a ring at the lower left.
    constexpr int kSuper = 8;
    QImage big = canvas(32 * kSuper, 32 * kSuper, Qt::transparent);
    {
        QPainter p(&big);
        prepare(p);
        p.scale(kSuper, kSuper);
        QPainterPath handle;
        handle.moveTo(0, -2.6);
        handle.lineTo(22, -2.6);
        handle.lineTo(22, 2.6);
        handle.lineTo(0, 2.6);
        handle.closeSubpath();
        QPainterPath head;
        head.addEllipse(QPointF(22, 0), 7.5, 7.5);
        QPainterPath jaw;
        jaw.addRect(QRectF(22, -2.9, 10, 5.8));
        QPainterPath ring;
        ring.addEllipse(QPointF(0, 0), 5, 5);
        QPainterPath hole;
        hole.addEllipse(QPointF(0, 0), 2.2, 2.2);
        QPainterPath spanner = handle.united(head).united(ring).subtracted(jaw).subtracted(hole);
        QTransform place;
        place.translate(7, 25);
        place.rotate(-45);
        p.fillPath(place.map(spanner), Qt::black);
    }
    const QImage mask = downsample(big, kSuper * 32 / size);
    return bevel(mask, kSilver);
}

}  // namespace assetgen
