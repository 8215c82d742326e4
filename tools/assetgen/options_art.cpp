// SPDX-License-Identifier: MIT
// The options dialog's background: heading, tick mark, rule and the captions of the rows of
// controls, each caption centred on the height of its row's controls.
#include <QLinearGradient>

#include <array>

#include "tools/assetgen/art.h"
#include "tools/assetgen/fonts.h"
#include "tools/assetgen/paint_util.h"
#include "ui/common/layout.h"

namespace assetgen {

namespace {

constexpr int kWidth = 340;
constexpr int kHeight = 220;

struct Caption {
    const char *text;
    qreal rowCentre;  // vertical centre of the row's controls, in pixels from the top
};

// The mode labels take the height of their words: one line of the dialog's bold face in a
// sunken frame.
constexpr int kModeLabelHeight = 17;

// The vertical centre of a control at top, height twips, in pixels as the window places it.
constexpr qreal rowCentre(int top, int height) {
    return layout::px(top) + layout::px(height) / 2.0;
}

constexpr std::array kCaptions{
    Caption{"Game Mode :", layout::px(layout::modeLabel(1).top) + kModeLabelHeight / 2.0},
    Caption{"Score Limit :", rowCentre(layout::kTargetBox.top, layout::kTargetBox.height)},
    Caption{"Player 1 :", rowCentre(layout::nameBox(1).top, layout::nameBox(1).height)},
    Caption{"Player 2 :", rowCentre(layout::nameBox(2).top, layout::nameBox(2).height)},
    Caption{"Sound :", rowCentre(layout::soundButton(1).top, layout::soundButton(1).height)},
};

void paintTickBox(QPainter &p) {
    const QRectF box(293, 12, 30, 30);
    QPainterPath frame;
    frame.addRoundedRect(box, 4, 4);
    paintShadow(p, frame, QPointF(1.5, 2), 2, QColor(0, 0, 40, 80));
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(1, QColor(222, 230, 242));
    fillOutlined(p, frame, fill, QColor(95, 110, 145), 0.75);

    QPainterPath tick;
    tick.moveTo(298, 27);
    tick.lineTo(306, 36);
    tick.cubicTo(311, 24, 318, 14, 331, 5);
    QPainterPathStroker stroker;
    stroker.setWidth(5.5);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath stroke = stroker.createStroke(tick);
    paintShadow(p, stroke, QPointF(1, 1.5), 1, QColor(0, 40, 0, 110));
    QLinearGradient green(QPointF(298, 5), QPointF(330, 38));
    green.setColorAt(0, QColor(120, 220, 90));
    green.setColorAt(1, QColor(0, 125, 30));
    fillOutlined(p, stroke, green, QColor(0, 85, 20), 0.5);
}

}  // namespace

QImage paintOptionsBackground() {
    QImage img = canvas(kWidth, kHeight, Qt::white);
    QPainter p(&img);
    prepare(p);

    const QPainterPath heading = textPath(font(Face::SerifBoldItalic, 30), "Options", 12, 38);
    paintShadow(p, heading, QPointF(1.5, 2), 2, QColor(0, 0, 50, 90));
    QLinearGradient ink(0, 16, 0, 38);
    ink.setColorAt(0, QColor(60, 120, 230));
    ink.setColorAt(1, QColor(5, 30, 130));
    p.fillPath(heading, ink);

    paintTickBox(p);

    QLinearGradient rule(QPointF(10, 0), QPointF(330, 0));
    rule.setColorAt(0, QColor(10, 50, 190));
    rule.setColorAt(0.7, QColor(70, 130, 235));
    rule.setColorAt(1, QColor(200, 220, 255));
    p.fillRect(QRectF(10, 50, 320, 3), rule);

    const QFont captionFont = font(Face::SansBold, 12);
    for (const Caption &c : kCaptions)
        p.fillPath(textPath(captionFont, QString::fromLatin1(c.text), 14, c.rowCentre + 4.5),
                   QColor(25, 30, 60));
    return img;
}

}  // namespace assetgen
