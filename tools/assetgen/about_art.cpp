// SPDX-License-Identifier: MIT
// The About box picture: the title with its letter tiles, the version, the credits and the
// maker's name running up the right edge.
#include <QLinearGradient>

#include <array>

#include "tools/assetgen/art.h"
#include "tools/assetgen/fonts.h"
#include "tools/assetgen/paint_util.h"
#include "ui/common/version.h"

namespace assetgen {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr qreal kBandLeft = 352;

void paintTile(QPainter &p, const QRectF &r, const QString &letter, const QColor &ink) {
    paintTileFace(p, r,
                  {6, QPointF(2, 3), 3, QColor(0, 0, 40, 110), QColor(210, 218, 235),
                   QColor(90, 100, 130), 0.8});
    const QPainterPath glyph = textPathCentred(font(Face::SansBold, int(r.height() * 0.78)), letter,
                                               r.center().x(), r.bottom() - r.height() * 0.2);
    QLinearGradient shade(r.topLeft(), r.bottomRight());
    shade.setColorAt(0, ink.lighter(170));
    shade.setColorAt(1, ink.darker(140));
    p.fillPath(glyph, shade);
}

void paintMakerBand(QPainter &p) {
    const QRectF band(kBandLeft, 0, kWidth - kBandLeft, kHeight);
    QLinearGradient fill(band.topLeft(), band.topRight());
    fill.setColorAt(0, QColor(18, 40, 115));
    fill.setColorAt(1, QColor(6, 18, 60));
    p.fillRect(band, fill);
    p.fillRect(QRectF(kBandLeft, 0, 2, kHeight), QColor(220, 40, 30));

    QFont f = font(Face::SansBold, 30);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 7);
    p.save();
    p.translate(band.center().x() + 11, band.center().y());
    p.rotate(-90);
    const QPainterPath name = textPathCentred(f, "KOVLANE", 3.5, 0);
    paintShadow(p, name, QPointF(2, 2), 2, QColor(0, 0, 0, 160));
    QLinearGradient ink(QPointF(0, -22), QPointF(0, 0));
    ink.setColorAt(0, QColor(255, 255, 255));
    ink.setColorAt(1, QColor(170, 200, 255));
    p.fillPath(name, ink);
    p.restore();
}

}  // namespace

QImage paintAbout() {
    QImage img = canvas(kWidth, kHeight, Qt::white);
    QPainter p(&img);
    prepare(p);
    QLinearGradient paper(QPointF(0, 0), QPointF(0, kHeight));
    paper.setColorAt(0, QColor(255, 255, 255));
    paper.setColorAt(1, QColor(222, 232, 250));
    p.fillRect(QRectF(0, 0, kBandLeft, kHeight), paper);

    // Title: S O S on three tiles, struck through like a scored line, the name beside them.
    const std::array<QString, 3> letters{"S", "O", "S"};
    for (int i = 0; i < 3; ++i)
        paintTile(p, QRectF(22 + i * 50, 20, 42, 42), letters[size_t(i)],
                  i == 1 ? QColor(205, 10, 10) : QColor(0, 55, 190));
    p.setPen(QPen(QColor(0, 0, 0, 200), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(43, 41), QPointF(165, 41));

    const QPainterPath name = textPath(font(Face::SansBoldItalic, 46), "TRILET", 20, 112);
    paintShadow(p, name, QPointF(2.5, 3), 3, QColor(0, 0, 50, 110));
    fillOutlined(p, name, nameInk(78, 112), QColor(12, 32, 104), 0.9);

    // Version mark: a red seal.
    const QPointF seal(268, 62);
    QPainterPath disc;
    disc.addEllipse(seal, 34, 34);
    paintShadow(p, disc, QPointF(2, 3), 3, QColor(60, 0, 0, 110));
    QLinearGradient red(seal - QPointF(30, 30), seal + QPointF(30, 30));
    red.setColorAt(0, QColor(245, 80, 60));
    red.setColorAt(1, QColor(150, 0, 0));
    fillOutlined(p, disc, red, QColor(110, 0, 0), 0.8);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(seal, 29, 29);
    QFont versionFont = font(Face::SansBold, 9);
    versionFont.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    p.fillPath(textPathCentred(versionFont, "VERSION", seal.x(), seal.y() - 8), Qt::white);
    p.fillPath(
        textPathCentred(font(Face::SansBold, 24), TRILET_SHORT_VERSION, seal.x(), seal.y() + 19),
        Qt::white);

    QLinearGradient rule(QPointF(20, 0), QPointF(330, 0));
    rule.setColorAt(0, QColor(10, 50, 190));
    rule.setColorAt(1, QColor(190, 210, 250));
    p.fillRect(QRectF(20, 126, 310, 2), rule);

    const QColor dark(30, 35, 60);
    const QColor soft(90, 98, 125);
    p.fillPath(textPath(font(Face::SerifBoldItalic, 17), "A game of S and O for two", 22, 154),
               dark);
    p.fillPath(textPath(font(Face::Sans, 13), "Programming, pictures and sounds", 22, 184), soft);
    p.fillPath(textPath(font(Face::SansBold, 15), "Kovlane", 22, 202), dark);
    p.fillPath(textPath(font(Face::Sans, 13), "Thanks for playing, and good luck!", 22, 230), soft);
    p.fillPath(textPath(font(Face::Sans, 13), "Copyright \u00a9 2003 Kovlane", 22, 262), dark);
    p.fillPath(textPath(font(Face::SerifBoldItalic, 12), "Click anywhere to close", 22, 284),
               QColor(170, 30, 30));

    paintMakerBand(p);
    return img;
}

}  // namespace assetgen
