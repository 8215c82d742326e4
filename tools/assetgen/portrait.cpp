// SPDX-License-Identifier: MIT
#include "tools/assetgen/portrait.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "tools/assetgen/paint_util.h"

namespace assetgen {

namespace {

// The figure is drawn in a 240 x 385 frame; the head's centre is at (120, 165).
constexpr qreal kCx = 120;
constexpr qreal kCy = 165;

QPainterPath headShape() {
    // An egg: broad forehead and cheekbones, narrower chin.
    QPainterPath head;
    head.moveTo(kCx, kCy - 82);
    head.cubicTo(kCx + 52, kCy - 82, kCx + 66, kCy - 40, kCx + 64, kCy + 4);
    head.cubicTo(kCx + 62, kCy + 52, kCx + 34, kCy + 84, kCx, kCy + 86);
    head.cubicTo(kCx - 34, kCy + 84, kCx - 62, kCy + 52, kCx - 64, kCy + 4);
    head.cubicTo(kCx - 66, kCy - 40, kCx - 52, kCy - 82, kCx, kCy - 82);
    head.closeSubpath();
    return head;
}

void paintBody(QPainter &p, const PortraitStyle &s) {
    QPainterPath body;
    body.moveTo(-10, 385);
    body.lineTo(-10, 330);
    body.cubicTo(0, 292, 40, 276, 88, 266);
    body.lineTo(152, 266);
    body.cubicTo(200, 276, 240, 292, 250, 330);
    body.lineTo(250, 385);
    body.closeSubpath();
    paintShadow(p, body, QPointF(0, -4), 6, QColor(0, 0, 0, 90));
    QLinearGradient shirt(QPointF(0, 266), QPointF(240, 385));
    shirt.setColorAt(0, s.shirt.lighter(130));
    shirt.setColorAt(0.5, s.shirt);
    shirt.setColorAt(1, s.shirt.darker(170));
    fillOutlined(p, body, shirt, s.shirt.darker(250), 1);

    // Neck with the chin's shadow, then a V-shaped collar.
    QPainterPath neck;
    neck.moveTo(94, 225);
    neck.lineTo(146, 225);
    neck.lineTo(150, 272);
    neck.cubicTo(140, 296, 100, 296, 90, 272);
    neck.closeSubpath();
    QLinearGradient neckFill(QPointF(0, 225), QPointF(0, 290));
    neckFill.setColorAt(0, s.skin.darker(150));
    neckFill.setColorAt(0.5, s.skin.darker(118));
    neckFill.setColorAt(1, s.skin.darker(108));
    fillOutlined(p, neck, neckFill, s.skin.darker(190), 0.8);

    QPainterPath collar;
    collar.moveTo(82, 266);
    collar.lineTo(120, 318);
    collar.lineTo(158, 266);
    collar.lineTo(170, 272);
    collar.lineTo(124, 336);
    collar.lineTo(116, 336);
    collar.lineTo(70, 272);
    collar.closeSubpath();
    fillOutlined(p, collar, s.shirt.lighter(165), s.shirt.darker(250), 0.8);
}

void paintHairBack(QPainter &p, const PortraitStyle &s) {
    if (s.hairStyle != HairStyle::Long) return;
    QPainterPath back;
    back.moveTo(kCx - 70, kCy - 20);
    back.cubicTo(kCx - 90, kCy + 60, kCx - 80, kCy + 110, kCx - 58, kCy + 130);
    back.lineTo(kCx + 58, kCy + 130);
    back.cubicTo(kCx + 80, kCy + 110, kCx + 90, kCy + 60, kCx + 70, kCy - 20);
    back.closeSubpath();
    QLinearGradient fill(QPointF(0, kCy - 20), QPointF(0, kCy + 130));
    fill.setColorAt(0, s.hair);
    fill.setColorAt(1, s.hair.darker(160));
    fillOutlined(p, back, fill, s.hair.darker(220), 1);
}

void paintHead(QPainter &p, const PortraitStyle &s) {
    // Ears first, so the head's outline covers their inner edge.
    for (int side : {-1, 1}) {
        QPainterPath ear;
        ear.addEllipse(QPointF(kCx + side * 63, kCy + 12), 11, 18);
        fillOutlined(p, ear, s.skin.darker(108), s.skin.darker(190), 0.8);
    }
    const QPainterPath head = headShape();
    QRadialGradient skin(QPointF(kCx - 20, kCy - 30), 110, QPointF(kCx - 25, kCy - 35));
    skin.setColorAt(0, s.skin.lighter(112));
    skin.setColorAt(0.6, s.skin);
    skin.setColorAt(1, s.skin.darker(135));
    fillOutlined(p, head, skin, s.skin.darker(190), 1);

    // Rosy cheeks.
    for (int side : {-1, 1}) {
        QRadialGradient blush(QPointF(kCx + side * 38, kCy + 30), 18);
        blush.setColorAt(0, QColor(235, 90, 90, s.mood == Mood::Triumphant ? 110 : 60));
        blush.setColorAt(1, QColor(235, 90, 90, 0));
        p.fillRect(QRectF(kCx + side * 38 - 20, kCy + 10, 40, 40), blush);
    }
}

void paintHairFront(QPainter &p, const PortraitStyle &s) {
    QPainterPath cap;
    switch (s.hairStyle) {
        case HairStyle::Short:
            cap.moveTo(kCx - 66, kCy - 2);
            cap.cubicTo(kCx - 78, kCy - 70, kCx - 40, kCy - 100, kCx + 4, kCy - 96);
            cap.cubicTo(kCx + 50, kCy - 96, kCx + 78, kCy - 66, kCx + 66, kCy - 2);
            cap.cubicTo(kCx + 60, kCy - 30, kCx + 52, kCy - 44, kCx + 40, kCy - 52);
            cap.cubicTo(kCx + 10, kCy - 44, kCx - 20, kCy - 58, kCx - 30, kCy - 66);
            cap.cubicTo(kCx - 40, kCy - 50, kCx - 56, kCy - 36, kCx - 66, kCy - 2);
            break;
        case HairStyle::Long:
            cap.moveTo(kCx - 72, kCy + 40);
            cap.cubicTo(kCx - 86, kCy - 70, kCx - 40, kCy - 102, kCx + 6, kCy - 98);
            cap.cubicTo(kCx + 56, kCy - 96, kCx + 86, kCy - 60, kCx + 72, kCy + 40);
            cap.cubicTo(kCx + 64, kCy - 10, kCx + 56, kCy - 40, kCx + 24, kCy - 58);
            cap.cubicTo(kCx - 6, kCy - 40, kCx - 40, kCy - 40, kCx - 56, kCy - 30);
            cap.cubicTo(kCx - 62, kCy - 10, kCx - 64, kCy + 10, kCx - 72, kCy + 40);
            break;
        case HairStyle::Curly: {
            // A mass of curls: a crown of round bumps over the head, the face cut out of it.
            cap.addEllipse(QPointF(kCx, kCy - 38), 70, 58);
            for (int i = 0; i <= 12; ++i) {
                const qreal a = std::numbers::pi * (0.95 + i * 1.1 / 12);
                QPainterPath curl;
                curl.addEllipse(QPointF(kCx + 72 * std::cos(a), kCy - 38 + 60 * std::sin(a)), 17,
                                17);
                cap = cap.united(curl);
            }
            QPainterPath face;
            face.addEllipse(QPointF(kCx, kCy + 22), 56, 66);
            cap = cap.subtracted(face);
            break;
        }
    }
    QLinearGradient fill(QPointF(kCx - 40, kCy - 100), QPointF(kCx + 40, kCy));
    fill.setColorAt(0, s.hair.lighter(150));
    fill.setColorAt(0.4, s.hair);
    fill.setColorAt(1, s.hair.darker(160));
    fillOutlined(p, cap, fill, s.hair.darker(230), 1);
    // A soft sheen where the light falls on the crown, and for curls a ring on each curl.
    p.save();
    p.setClipPath(cap);
    QRadialGradient sheen(QPointF(kCx - 22, kCy - 78), 34);
    sheen.setColorAt(0, QColor(255, 255, 255, 85));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(kCx - 80, kCy - 120, 160, 100), sheen);
    if (s.hairStyle == HairStyle::Curly) {
        p.setPen(QPen(s.hair.lighter(220), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i <= 12; ++i) {
            const qreal a = std::numbers::pi * (0.95 + i * 1.1 / 12);
            const QPointF c(kCx + 72 * std::cos(a), kCy - 38 + 60 * std::sin(a));
            p.drawArc(QRectF(c.x() - 9, c.y() - 9, 18, 18), 60 * 16, 110 * 16);
        }
        for (int i = 0; i < 7; ++i) {
            const QPointF c(kCx - 45 + i * 15, kCy - 62 - (i % 2) * 14);
            p.drawArc(QRectF(c.x() - 8, c.y() - 8, 16, 16), 40 * 16, 130 * 16);
        }
    }
    p.restore();
}

void paintEyes(QPainter &p, const PortraitStyle &s) {
    const QColor line = s.skin.darker(260);
    for (int side : {-1, 1}) {
        const QPointF c(kCx + side * 25, kCy + 2);
        // Eyebrow: raised for joy, slanted up in the middle for sorrow, one cocked when unsure.
        QPainterPath brow;
        qreal inner = -22, outer = -20;
        if (s.mood == Mood::Triumphant) inner = outer = -27;
        if (s.mood == Mood::Crushed) {
            inner = -28;
            outer = -16;
        }
        if (s.mood == Mood::Unsure && side > 0) inner = outer = -31;
        brow.moveTo(c.x() - side * 4, c.y() + inner);
        brow.quadTo(c.x() + side * 8, c.y() + qMin(inner, outer) - 6, c.x() + side * 18,
                    c.y() + outer);
        p.setPen(QPen(s.hair.darker(140), 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(brow);

        if (s.mood == Mood::Triumphant) {
            // Eyes closed with laughter: two upward arcs.
            QPainterPath arc;
            arc.moveTo(c.x() - 12, c.y() + 3);
            arc.quadTo(c.x(), c.y() - 10, c.x() + 12, c.y() + 3);
            p.setPen(QPen(line, 3.5, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(arc);
            continue;
        }
        const qreal open = s.mood == Mood::Crushed ? 6.5 : 8.5;
        QPainterPath white;
        white.addEllipse(c, 12, open);
        fillOutlined(p, white, Qt::white, line, 0.9);
        p.save();
        p.setClipPath(white);
        const QPointF look = s.mood == Mood::Unsure ? QPointF(side * 0 + 4, -1) : QPointF(0, 2);
        QRadialGradient iris(c + look, 7);
        iris.setColorAt(0, s.eyes.lighter(150));
        iris.setColorAt(1, s.eyes.darker(150));
        p.setPen(Qt::NoPen);
        p.setBrush(iris);
        p.drawEllipse(c + look, 7, 7);
        p.setBrush(QColor(15, 15, 20));
        p.drawEllipse(c + look, 3.2, 3.2);
        p.setBrush(Qt::white);
        p.drawEllipse(c + look + QPointF(-2.5, -2.5), 1.8, 1.8);
        // Heavy upper lids for sorrow.
        if (s.mood == Mood::Crushed) {
            p.setBrush(s.skin.darker(115));
            p.drawRect(QRectF(c.x() - 14, c.y() - 10, 28, 7));
        }
        p.restore();
        p.setPen(QPen(line, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 12, c.y() - open, 24, 2 * open), 20 * 16, 140 * 16);
    }
}

void paintNoseAndMouth(QPainter &p, const PortraitStyle &s) {
    const QColor line = s.skin.darker(200);
    QPainterPath nose;
    nose.moveTo(kCx - 3, kCy + 8);
    nose.cubicTo(kCx - 6, kCy + 24, kCx - 12, kCy + 32, kCx - 5, kCy + 36);
    nose.quadTo(kCx + 2, kCy + 39, kCx + 8, kCy + 35);
    p.setPen(QPen(line, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(nose);

    const QColor lips(150, 40, 45);
    switch (s.mood) {
        case Mood::Triumphant: {
            // A wide open laugh with a row of teeth.
            QPainterPath mouth;
            mouth.moveTo(kCx - 32, kCy + 50);
            mouth.quadTo(kCx, kCy + 56, kCx + 32, kCy + 50);
            mouth.cubicTo(kCx + 26, kCy + 82, kCx - 26, kCy + 82, kCx - 32, kCy + 50);
            mouth.closeSubpath();
            fillOutlined(p, mouth, QColor(95, 15, 25), lips.darker(150), 1.2);
            p.save();
            p.setClipPath(mouth);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(kCx - 34, kCy + 44, 68, 16));
            p.setBrush(QColor(225, 90, 100));
            p.drawEllipse(QPointF(kCx, kCy + 78), 17, 9);
            p.restore();
            break;
        }
        case Mood::Crushed: {
            QPainterPath mouth;
            mouth.moveTo(kCx - 24, kCy + 66);
            mouth.quadTo(kCx, kCy + 46, kCx + 24, kCy + 66);
            p.setPen(QPen(lips, 4.5, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(mouth);
            // A tear rolling down the left cheek.
            QPainterPath tear;
            tear.moveTo(kCx - 34, kCy + 14);
            tear.cubicTo(kCx - 28, kCy + 26, kCx - 26, kCy + 34, kCx - 34, kCy + 36);
            tear.cubicTo(kCx - 42, kCy + 34, kCx - 40, kCy + 26, kCx - 34, kCy + 14);
            QLinearGradient water(QPointF(kCx - 40, kCy + 14), QPointF(kCx - 28, kCy + 36));
            water.setColorAt(0, QColor(230, 245, 255, 230));
            water.setColorAt(1, QColor(90, 160, 235, 230));
            fillOutlined(p, tear, water, QColor(40, 90, 170), 0.6);
            break;
        }
        case Mood::Unsure: {
            // A lopsided, puzzled half-smile.
            QPainterPath mouth;
            mouth.moveTo(kCx - 22, kCy + 60);
            mouth.cubicTo(kCx - 8, kCy + 62, kCx + 8, kCy + 58, kCx + 22, kCy + 52);
            p.setPen(QPen(lips, 4.5, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(mouth);
            break;
        }
    }
}

}  // namespace

void paintPortrait(QPainter &p, const QRectF &frame, const PortraitStyle &style) {
    p.save();
    p.translate(frame.topLeft());
    p.scale(frame.width() / 240, frame.height() / 385);
    paintHairBack(p, style);
    paintBody(p, style);
    paintShadow(p, headShape(), QPointF(4, 6), 6, QColor(0, 0, 0, 80));
    paintHead(p, style);
    paintHairFront(p, style);
    paintEyes(p, style);
    paintNoseAndMouth(p, style);
    p.restore();
}

}  // namespace assetgen
