// SPDX-License-Identifier: MIT
// The result window's pictures: a drawn figure at the left, the outcome's words in the right
// half under the white name label (layout::kResultName), whose background is kept dark.
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "tools/assetgen/art.h"
#include "tools/assetgen/fonts.h"
#include "tools/assetgen/paint_util.h"
#include "tools/assetgen/portrait.h"
#include "ui/common/layout.h"

namespace assetgen {

namespace {

constexpr int kWidth = 479;

// The name label in pixels.
constexpr int kNameLeft = layout::px(layout::kResultName.left);
constexpr int kNameTop = layout::px(layout::kResultName.top);
constexpr int kNameWidth = layout::px(layout::kResultName.width);
constexpr int kNameHeight = layout::px(layout::kResultName.height);
static_assert(kNameLeft + kNameWidth <= kWidth, "the name label must lie on the pictures");

// The words under the name label are centred on it (the half pixel rounded up) and keep 5
// pixels from either end of it.
constexpr qreal kWordsCentre = (2 * kNameLeft + kNameWidth + 1) / 2;
constexpr qreal kWordsWidth = kNameWidth - 10;

// Darkens the place of the name label with a soft-edged shade, so that white text always reads.
void shadeNameBand(QPainter &p) {
    QPainterPath band;
    band.addRoundedRect(QRectF(kNameLeft, kNameTop, kNameWidth, kNameHeight).adjusted(4, -2, -3, 2),
                        16, 16);
    paintShadow(p, band, QPointF(0, 0), 8, QColor(0, 0, 0, 85));
}

void paintVignette(QPainter &p, int height, const QPointF &light) {
    QRadialGradient v(light, kWidth * 0.75);
    v.setColorAt(0, QColor(255, 255, 255, 40));
    v.setColorAt(0.45, QColor(0, 0, 0, 0));
    v.setColorAt(1, QColor(0, 0, 0, 120));
    p.fillRect(QRectF(0, 0, kWidth, height), v);
}

// Words painted with a gradient, a dark outline and a soft drop shadow.
void paintWords(QPainter &p, const QPainterPath &words, const QColor &top, const QColor &bottom,
                const QColor &outline) {
    paintShadow(p, words, QPointF(2.5, 3), 3, QColor(0, 0, 0, 150));
    const QRectF b = words.boundingRect();
    QLinearGradient ink(b.topLeft(), b.bottomLeft());
    ink.setColorAt(0, top);
    ink.setColorAt(1, bottom);
    fillOutlined(p, words, ink, outline, 1.2);
}

QPainterPath fittedLine(Face face, int maxSize, const QString &text, qreal baseline) {
    const int size = fittingPixelSize(font(face, maxSize), text, kWordsWidth, maxSize);
    return textPathCentred(font(face, size), text, kWordsCentre, baseline);
}

QPainterPath star(const QPointF &c, qreal outer, qreal inner, qreal turn) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal a = turn + i * std::numbers::pi / 5 - std::numbers::pi / 2;
        const qreal r = i % 2 ? inner : outer;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void paintTrophy(QPainter &p, const QPointF &c) {
    QPainterPath cup;
    cup.moveTo(c.x() - 34, c.y() - 44);
    cup.lineTo(c.x() + 34, c.y() - 44);
    cup.cubicTo(c.x() + 34, c.y() + 2, c.x() + 18, c.y() + 14, c.x() + 6, c.y() + 16);
    cup.lineTo(c.x() + 6, c.y() + 30);
    cup.lineTo(c.x() + 22, c.y() + 40);
    cup.lineTo(c.x() - 22, c.y() + 40);
    cup.lineTo(c.x() - 6, c.y() + 30);
    cup.lineTo(c.x() - 6, c.y() + 16);
    cup.cubicTo(c.x() - 18, c.y() + 14, c.x() - 34, c.y() + 2, c.x() - 34, c.y() - 44);
    cup.closeSubpath();
    QPainterPath handles;
    for (int side : {-1, 1}) {
        QPainterPath h;
        h.addEllipse(QPointF(c.x() + side * 36, c.y() - 26), 14, 15);
        h.addEllipse(QPointF(c.x() + side * 36, c.y() - 26), 8, 9);
        handles.addPath(h);
    }
    QPainterPath base;
    base.addRoundedRect(QRectF(c.x() - 30, c.y() + 40, 60, 12), 2, 2);
    const QPainterPath whole = cup.united(handles).united(base);
    paintShadow(p, whole, QPointF(3, 4), 3, QColor(0, 0, 0, 140));
    QLinearGradient gold(QPointF(c.x() - 40, 0), QPointF(c.x() + 40, 0));
    gold.setColorAt(0, QColor(160, 105, 10));
    gold.setColorAt(0.3, QColor(255, 235, 130));
    gold.setColorAt(0.55, QColor(240, 185, 40));
    gold.setColorAt(1, QColor(140, 85, 5));
    fillOutlined(p, whole, gold, QColor(90, 55, 0), 0.9);
    p.fillPath(textPathCentred(font(Face::SerifBold, 26), "1", c.x(), c.y() - 8),
               QColor(130, 80, 0));
}

void paintTile(QPainter &p, const QPointF &c, qreal size, qreal angle, const QString &letter,
               const QColor &ink) {
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(-size / 2, -size / 2, size, size), 5, 5);
    paintShadow(p, tile, QPointF(2, 3), 3, QColor(0, 0, 0, 140));
    QLinearGradient face(QPointF(0, -size / 2), QPointF(0, size / 2));
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(205, 212, 228));
    fillOutlined(p, tile, face, QColor(80, 85, 100), 0.8);
    p.fillPath(textPathCentred(font(Face::SansBold, int(size * 0.72)), letter, 0, size * 0.26),
               ink);
    p.restore();
}

QImage winnerPicture(bool flare) {
    const int h = 385;
    QImage img = canvas(kWidth, h, Qt::white);
    QPainter p(&img);
    prepare(p);
    // Diagonal blue stripes.
    p.fillRect(QRectF(0, 0, kWidth, h), QColor(20, 48, 135));
    p.save();
    p.rotate(-30);
    for (int i = -20; i < 40; ++i) p.fillRect(QRectF(i * 30, -400, 15, 1200), QColor(34, 78, 185));
    p.restore();
    paintVignette(p, h, QPointF(120, 170));

    // A glow of light behind the figure.
    QRadialGradient halo(QPointF(120, 160), 150);
    halo.setColorAt(0, QColor(255, 240, 170, 150));
    halo.setColorAt(1, QColor(255, 240, 170, 0));
    p.fillRect(QRectF(0, 0, 260, h), halo);

    paintPortrait(p, QRectF(6, 12, 232, 373),
                  {Mood::Triumphant, HairStyle::Short, QColor(238, 196, 160), QColor(110, 62, 28),
                   QColor(240, 170, 20), QColor(60, 110, 60)});
    // A gold medal on the chest.
    p.setPen(QPen(QColor(200, 20, 30), 7));
    p.drawLine(QPointF(96, 268), QPointF(118, 328));
    p.drawLine(QPointF(144, 268), QPointF(124, 328));
    QPainterPath medal;
    medal.addEllipse(QPointF(121, 342), 17, 17);
    paintShadow(p, medal, QPointF(2, 3), 2, QColor(0, 0, 0, 120));
    QRadialGradient gold(QPointF(115, 336), 20);
    gold.setColorAt(0, QColor(255, 245, 170));
    gold.setColorAt(0.6, QColor(240, 180, 30));
    gold.setColorAt(1, QColor(160, 100, 0));
    fillOutlined(p, medal, gold, QColor(110, 70, 0), 0.8);
    p.fillPath(star(QPointF(121, 343), 10, 4.2, 0), QColor(200, 130, 0));

    shadeNameBand(p);
    paintWords(p, fittedLine(Face::SerifBoldItalic, 40, "Is The Winner", 148),
               QColor(255, 248, 190), QColor(240, 170, 20), QColor(70, 35, 0));
    paintTrophy(p, QPointF(kWordsCentre, 222));
    const QColor sparkle(255, 240, 150);
    p.fillPath(star(QPointF(300, 200), 9, 3.5, 0.2), sparkle);
    p.fillPath(star(QPointF(425, 186), 7, 2.8, 0.5), sparkle);
    p.fillPath(star(QPointF(418, 258), 10, 4, 0.1), sparkle);
    p.fillPath(star(QPointF(296, 262), 6, 2.4, 0.3), sparkle);
    const QColor dareTop(255, 255, 255);
    const QColor dareBottom(200, 225, 255);
    paintWords(p, fittedLine(Face::ScriptBold, 30, "I dare you to play", 314), dareTop, dareBottom,
               QColor(10, 25, 80));
    paintWords(p, fittedLine(Face::ScriptBold, 30, "once again !!!!", 348), dareTop, dareBottom,
               QColor(10, 25, 80));

    if (flare) {
        // A lens flare from the top left: a bright core, long streaks and rings along the axis.
        p.setCompositionMode(QPainter::CompositionMode_Screen);
        const QPointF sun(44, 38);
        QRadialGradient core(sun, 90);
        core.setColorAt(0, QColor(255, 255, 255));
        core.setColorAt(0.08, QColor(255, 255, 230));
        core.setColorAt(0.3, QColor(255, 210, 120, 150));
        core.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(QRectF(0, 0, 200, 200), core);
        for (qreal angle : {0.0, 90.0, 35.0, 125.0}) {
            p.save();
            p.translate(sun);
            p.rotate(angle);
            QLinearGradient streak(QPointF(-160, 0), QPointF(160, 0));
            streak.setColorAt(0, QColor(0, 0, 0, 0));
            streak.setColorAt(0.5, QColor(255, 250, 220, angle == 0.0 ? 230 : 140));
            streak.setColorAt(1, QColor(0, 0, 0, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(streak);
            p.drawEllipse(QPointF(0, 0), 160, angle == 0.0 ? 2.5 : 1.5);
            p.restore();
        }
        const QPointF axis = QPointF(300, 260) - sun;
        const struct {
            qreal at;
            qreal radius;
            QColor colour;
        } rings[] = {{0.35, 14, QColor(120, 255, 160, 70)},
                     {0.55, 26, QColor(120, 170, 255, 55)},
                     {0.75, 9, QColor(255, 200, 120, 90)},
                     {1.0, 40, QColor(200, 120, 255, 40)}};
        for (const auto &r : rings) {
            QRadialGradient ring(sun + axis * r.at, r.radius);
            ring.setColorAt(0, QColor(0, 0, 0, 0));
            ring.setColorAt(0.7, r.colour);
            ring.setColorAt(0.9, r.colour.lighter(130));
            ring.setColorAt(1, QColor(0, 0, 0, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(ring);
            p.drawEllipse(sun + axis * r.at, r.radius, r.radius);
        }
    }
    return img;
}

}  // namespace

QImage paintResultWinner() {
    return winnerPicture(false);
}

QImage paintResultInitial() {
    return winnerPicture(true);
}

QImage paintResultLoser() {
    const int h = 380;
    QImage img = canvas(kWidth, h, Qt::white);
    // A red swirl: logarithmic spiral arms turning round a point behind the figure.
    const QPointF centre(125, 175);
    const qreal scale = img.devicePixelRatio();
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const qreal dx = x / scale - centre.x();
            const qreal dy = y / scale - centre.y();
            const qreal r = std::sqrt(dx * dx + dy * dy) + 1;
            const qreal arms = std::sin(4 * std::atan2(dy, dx) + 3.2 * std::log(r));
            const qreal t = std::pow(0.5 + 0.5 * arms, 1.6);
            const qreal fall = std::exp(-r / 650);
            const int red = int(55 + 185 * t * fall);
            const int green = int(4 + 34 * t * t * fall);
            const int blue = int(8 + 26 * t * t * fall);
            line[x] = qRgb(red, green, blue);
        }
    }
    QPainter p(&img);
    prepare(p);
    paintVignette(p, h, centre);

    paintPortrait(p, QRectF(6, 10, 230, 370),
                  {Mood::Crushed, HairStyle::Long, QColor(224, 178, 140), QColor(40, 30, 30),
                   QColor(90, 110, 150), QColor(70, 100, 160)});

    shadeNameBand(p);
    paintWords(p, fittedLine(Face::SansBold, 34, "IS PERFECT", 140), QColor(255, 255, 255),
               QColor(255, 200, 190), QColor(60, 0, 0));
    paintWords(p, fittedLine(Face::SansBold, 44, "LOZER", 186), QColor(255, 255, 255),
               QColor(255, 200, 190), QColor(60, 0, 0));
    // The letters of a lost game, tumbling.
    paintTile(p, QPointF(306, 238), 36, -18, "S", QColor(0, 55, 190));
    paintTile(p, QPointF(360, 252), 36, 11, "O", QColor(205, 10, 10));
    paintTile(p, QPointF(414, 232), 36, 27, "S", QColor(0, 55, 190));
    paintWords(p, fittedLine(Face::SerifBold, 50, "Game Over", 338), QColor(255, 235, 120),
               QColor(235, 120, 20), QColor(50, 0, 0));
    return img;
}

QImage paintResultDraw() {
    const int h = 384;
    QImage img = canvas(kWidth, h, Qt::white);
    QPainter p(&img);
    prepare(p);
    QRadialGradient green(QPointF(130, 170), 420);
    green.setColorAt(0, QColor(70, 170, 80));
    green.setColorAt(0.5, QColor(25, 110, 50));
    green.setColorAt(1, QColor(5, 55, 25));
    p.fillRect(QRectF(0, 0, kWidth, h), green);
    // A faint board pattern in the background.
    for (int y = 0; y < h; y += 32)
        for (int x = (y / 32) % 2 * 32; x < kWidth; x += 64)
            p.fillRect(QRectF(x, y, 32, 32), QColor(255, 255, 255, 14));
    paintVignette(p, h, QPointF(130, 170));

    paintPortrait(p, QRectF(6, 12, 232, 372),
                  {Mood::Unsure, HairStyle::Curly, QColor(150, 100, 70), QColor(30, 20, 15),
                   QColor(150, 60, 170), QColor(70, 45, 25)});

    shadeNameBand(p);
    paintWords(p, fittedLine(Face::SansBold, 42, "THE GAME", 146), QColor(255, 255, 255),
               QColor(210, 255, 210), QColor(0, 40, 10));
    // Two equal piles: S and O tiles standing level on either side of an equals sign.
    paintTile(p, QPointF(316, 232), 44, 0, "S", QColor(0, 55, 190));
    paintTile(p, QPointF(406, 232), 44, 0, "O", QColor(205, 10, 10));
    QPainterPath equals;
    equals.addRoundedRect(QRectF(347, 219, 28, 7), 2, 2);
    equals.addRoundedRect(QRectF(347, 236, 28, 7), 2, 2);
    paintShadow(p, equals, QPointF(1.5, 2), 2, QColor(0, 0, 0, 130));
    p.fillPath(equals, Qt::white);
    // "is" in a small italic, then DRAW large, the two centred together on one line.
    const QFont small = font(Face::SerifBoldItalic, 34);
    const QFont large = font(Face::SansBold, 58);
    const qreal smallWidth = QFontMetricsF(small).horizontalAdvance("is ");
    const qreal left =
        kWordsCentre - (smallWidth + QFontMetricsF(large).horizontalAdvance("DRAW")) / 2;
    paintWords(p, textPath(small, "is", left, 340), QColor(255, 255, 255), QColor(220, 240, 220),
               QColor(0, 40, 10));
    paintWords(p, textPath(large, "DRAW", left + smallWidth, 340), QColor(255, 250, 170),
               QColor(240, 190, 40), QColor(40, 30, 0));
    return img;
}

}  // namespace assetgen
