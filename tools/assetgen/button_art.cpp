// SPDX-License-Identifier: MIT
// The three image buttons of the main window, each in its normal, highlighted and pressed
// look: the word in a brush script, plain on white, then on a raised rounded button.
#include <QFontMetricsF>
#include <QLinearGradient>

#include <array>

#include "tools/assetgen/art.h"
#include "tools/assetgen/fonts.h"
#include "tools/assetgen/paint_util.h"

namespace assetgen {

namespace {

constexpr int kWidth = 150;
constexpr int kHeight = 45;
constexpr std::array<const char *, 3> kWords{"Start Game", "Options", "About.."};

// One size for all three words, the largest at which the longest one fits the button face.
int wordSize() {
    return fittingPixelSize(font(Face::ScriptBold, 30), QString::fromLatin1(kWords[0]), 114, 30);
}

QRectF buttonFace() {
    return QRectF(5.5, 4.5, 136, 33);
}

void paintRaisedButton(QPainter &p, bool pressed) {
    const QRectF face = pressed ? buttonFace().translated(0.5, 0.5) : buttonFace();
    QPainterPath shape;
    shape.addRoundedRect(face, 11, 11);
    if (pressed)
        paintShadow(p, shape, QPointF(1.5, 1.5), 2, QColor(0, 0, 30, 95));
    else
        paintShadow(p, shape, QPointF(3, 3.5), 3, QColor(0, 0, 30, 110));
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(0.55, QColor(246, 247, 250));
    fill.setColorAt(1, pressed ? QColor(222, 225, 233) : QColor(214, 218, 228));
    fillOutlined(p, shape, fill, QColor(140, 146, 160), 0.5);
    // A thin light rim along the top edge makes the face stand out.
    QPainterPath rim;
    rim.addRoundedRect(face.adjusted(1.5, 1.5, -1.5, -1.5), 10, 10);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.save();
    p.setClipRect(QRectF(0, 0, kWidth, face.center().y()));
    p.drawPath(rim);
    p.restore();
}

}  // namespace

QImage paintButton(int index, ButtonLook look) {
    QImage img = canvas(kWidth, kHeight, Qt::white);
    QPainter p(&img);
    prepare(p);
    const bool raised = look != ButtonLook::Normal;
    const bool pressed = look == ButtonLook::Pressed;
    if (raised) paintRaisedButton(p, pressed);

    const QFont f = font(Face::ScriptBold, wordSize());
    const QString word = QString::fromLatin1(kWords[size_t(index)]);
    const QPointF shift = pressed ? QPointF(0.5, 0.5) : QPointF(0, 0);
    const qreal baseline = buttonFace().center().y() + QFontMetricsF(f).capHeight() / 2 + 1;
    const QPainterPath text =
        textPathCentred(f, word, buttonFace().center().x(), baseline).translated(shift);
    p.fillPath(text, pressed ? QColor(205, 0, 0) : QColor(0, 0, 0));
    return img;
}

}  // namespace assetgen
