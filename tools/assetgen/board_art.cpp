// SPDX-License-Identifier: MIT
// The main window's pictures: the background with the board grid and the side panel, and the
// two letter pictures that the board cells show.
#include <QLinearGradient>
#include <QRadialGradient>

#include <array>

#include "game/game_state.h"
#include "tools/assetgen/art.h"
#include "tools/assetgen/fonts.h"
#include "tools/assetgen/paint_util.h"
#include "ui/common/layout.h"
#include "ui/common/version.h"

namespace assetgen {

namespace {

constexpr int kWidth = 532;
constexpr int kHeight = 393;
static_assert(kWidth >= layout::px(layout::kMainClient.width) &&
                  kHeight >= layout::px(layout::kMainClient.height),
              "the background must cover the whole main window");

// The letter pictures, shown at the top left corner of their cell.
constexpr int kLetterWidth = 33;
constexpr int kLetterHeight = 34;
static_assert(kLetterWidth <= layout::px(layout::kCellSide) &&
                  kLetterHeight <= layout::px(layout::kCellSide),
              "a letter must fit its cell");

// Grid lines, in pixels from the left and from the top: line k runs between the columns (and
// the rows) k and k + 1, the first before column 1 and the last after the last column. Placed by
// eye, and held to the cells of the layout table by gridFramesEveryLetter().
constexpr std::array<int, game::kSide + 1> kGridLines{6, 44, 83, 121, 160, 198, 236, 275, 313, 352};

// True when every letter, at its cell's place in the window, lies strictly between the lines on
// either side of its column and of its row.
constexpr bool gridFramesEveryLetter() {
    for (int n = 1; n <= game::kCells; ++n) {
        const int left = layout::px(layout::cell(n).left);
        const int top = layout::px(layout::cell(n).top);
        const auto column = size_t(game::columnOf(n));
        const auto row = size_t(game::rowOf(n));
        if (kGridLines[column - 1] >= left || kGridLines[column] < left + kLetterWidth)
            return false;
        if (kGridLines[row - 1] >= top || kGridLines[row] < top + kLetterHeight) return false;
    }
    return true;
}
static_assert(gridFramesEveryLetter(), "a grid line crosses a letter: place the lines again");

const QColor kGridGrey(150, 154, 164);
const QColor kNavy(12, 32, 104);

void paintBoard(QPainter &p) {
    const int first = kGridLines.front();
    const int last = kGridLines.back();
    const QRectF board(first, first, last - first + 1, last - first + 1);
    QPainterPath frame;
    frame.addRect(board);
    paintShadow(p, frame, QPointF(3, 3), 3, QColor(20, 30, 70, 90));
    p.fillRect(board, Qt::white);
    for (int line : kGridLines) {
        p.fillRect(QRect(line, first, 1, last - first + 1), kGridGrey);
        p.fillRect(QRect(first, line, last - first + 1, 1), kGridGrey);
    }
}

void paintTile(QPainter &p, const QRectF &r, const QString &letter, const QColor &ink) {
    paintTileFace(p, r,
                  {4, QPointF(1.5, 2), 2, QColor(0, 0, 40, 90), QColor(218, 225, 238),
                   QColor(110, 122, 150), 0.5});
    const QFont f = font(Face::SansBold, 20);
    p.fillPath(textPathCentred(f, letter, r.center().x(), r.bottom() - 5.5), ink);
}

void paintTitle(QPainter &p) {
    // Three tiles reading S O S, struck through like a scored line.
    const qreal tile = 26;
    const qreal gap = 7;
    const qreal left = 447 - (3 * tile + 2 * gap) / 2;
    const QColor blue(0, 55, 190);
    const QColor red(205, 10, 10);
    for (int i = 0; i < 3; ++i)
        paintTile(p, QRectF(left + i * (tile + gap), 7, tile, tile), i == 1 ? "O" : "S",
                  i == 1 ? red : blue);
    p.setPen(QPen(QColor(0, 0, 0, 190), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left + tile / 2, 20), QPointF(left + 2.5 * tile + 2 * gap, 20));

    // The name in bold italic capitals with a blue gradient.
    const QPainterPath name = textPathCentred(font(Face::SansBoldItalic, 40), "TRILET", 447, 75);
    paintShadow(p, name, QPointF(2, 2.5), 2, QColor(0, 0, 50, 110));
    fillOutlined(p, name, nameInk(44, 75), kNavy, 0.8);

    // The version mark, white on a red pill under the name's right end.
    const QRectF pill(470, 79, 50, 14);
    QPainterPath pillPath;
    pillPath.addRoundedRect(pill, 7, 7);
    QLinearGradient pillFill(pill.topLeft(), pill.bottomLeft());
    pillFill.setColorAt(0, QColor(235, 60, 50));
    pillFill.setColorAt(1, QColor(160, 0, 0));
    p.fillPath(pillPath, pillFill);
    p.fillPath(textPathCentred(font(Face::SansBold, 10), "VER " TRILET_SHORT_VERSION,
                               pill.center().x(), 90),
               Qt::white);
}

// The panel behind the players' names and scores (layout::nameLabel, layout::scoreLabel): its
// heading above the first row, lettered from the names' left edge, and room for three digits
// right of the scores' left edge.
void paintScorePanel(QPainter &p) {
    const int names = layout::px(layout::nameLabel(1).left);
    const int scores = layout::px(layout::scoreLabel(1).left);
    const int firstRow = layout::px(layout::nameLabel(1).top);
    const int secondRow = layout::px(layout::nameLabel(2).top);
    const QRectF panel(QPointF(names - 10, firstRow - 27), QPointF(scores + 60, secondRow + 21));
    QPainterPath body;
    body.addRoundedRect(panel, 6, 6);
    paintShadow(p, body, QPointF(2, 2), 2, QColor(0, 0, 50, 60));
    fillOutlined(p, body, QColor(245, 248, 254), QColor(150, 166, 200), 0.5);

    QPainterPath head;
    head.addRoundedRect(QRectF(panel.left(), panel.top(), panel.width(), 22), 6, 6);
    QPainterPath headClip;
    headClip.addRect(QRectF(panel.left() - 1, panel.top() - 1, panel.width() + 2, 19));
    QLinearGradient headFill(0, panel.top(), 0, panel.top() + 18);
    headFill.setColorAt(0, QColor(70, 125, 225));
    headFill.setColorAt(1, QColor(20, 55, 150));
    p.fillPath(head.intersected(headClip), headFill);
    p.fillPath(textPath(font(Face::SansBold, 14), "Score", names, panel.top() + 14.5), Qt::white);
}

void paintMakerLogo(QPainter &p) {
    // A red-orange disc with a K, beside the maker's name.
    const QPointF centre(386, 333);
    QPainterPath disc;
    disc.addEllipse(centre, 13, 13);
    paintShadow(p, disc, QPointF(1.5, 1.5), 2, QColor(60, 0, 0, 90));
    QRadialGradient discFill(centre - QPointF(4, 5), 18);
    discFill.setColorAt(0, QColor(255, 190, 90));
    discFill.setColorAt(0.6, QColor(235, 90, 20));
    discFill.setColorAt(1, QColor(160, 30, 0));
    fillOutlined(p, disc, discFill, QColor(120, 20, 0), 0.5);
    p.fillPath(textPathCentred(font(Face::SerifBoldItalic, 19), "K", centre.x() - 0.5, 340),
               Qt::white);

    QFont nameFont = font(Face::SansBold, 16);
    nameFont.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.fillPath(textPath(nameFont, "KOVLANE", 405, 333), QColor(55, 58, 72));
    QFont small = font(Face::Sans, 10);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    p.fillPath(textPath(small, "software  \u00b7  2003", 406, 347), QColor(120, 124, 138));
}

// The bar across the foot of the window behind the turn and time labels, its caption ending
// just left of the turn label (layout::kTurnLabel), on the label's line.
void paintTurnBar(QPainter &p) {
    const int labelLeft = layout::px(layout::kTurnLabel.left);
    const int labelTop = layout::px(layout::kTurnLabel.top);
    const int top = labelTop - 12;
    const QRectF bar(0, top, kWidth, kHeight - top);
    QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
    fill.setColorAt(0, QColor(236, 241, 252));
    fill.setColorAt(1, QColor(198, 211, 238));
    p.fillRect(bar, fill);
    p.fillRect(QRectF(0, top, kWidth, 1), QColor(96, 118, 170));
    p.fillRect(QRectF(0, top + 1, kWidth, 1), Qt::white);
    p.fillPath(
        textPathRight(font(Face::SansBold, 18), "Giliran /Turn :", labelLeft - 8, labelTop + 16),
        kNavy);
}

QPainterPath fitted(const QPainterPath &path, const QRectF &box) {
    const QRectF b = path.boundingRect();
    const qreal scale = qMin(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

constexpr int kSuper = 4;  // letters are painted four times larger, then averaged down

// A letter picture: draw paints on white in the picture's own pixels, four times larger, and
// the result is averaged down.
QImage letterPicture(void (*draw)(QPainter &)) {
    QImage big = canvas(kLetterWidth * kSuper, kLetterHeight * kSuper, Qt::white);
    QPainter p(&big);
    prepare(p);
    p.scale(kSuper, kSuper);
    draw(p);
    p.end();
    return downsample(big, kSuper);
}

void drawLetterS(QPainter &p) {
    const QPainterPath s =
        fitted(textPath(font(Face::SansBold, 100), "S", 0, 100), QRectF(3.5, 2, 25, 29));
    paintShadow(p, s, QPointF(1.6, 1.6), 1, QColor(0, 10, 60, 120));
    QLinearGradient shade(QPointF(5, 2), QPointF(27, 31));
    shade.setColorAt(0, QColor(135, 190, 255));
    shade.setColorAt(0.45, QColor(30, 100, 235));
    shade.setColorAt(1, QColor(0, 25, 125));
    fillOutlined(p, s, shade, QColor(0, 18, 85), 0.6);
    p.save();
    p.setClipPath(s);
    QLinearGradient gloss(QPointF(0, 2), QPointF(0, 15));
    gloss.setColorAt(0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, kLetterWidth, 15), gloss);
    p.restore();
}

void drawLetterO(QPainter &p) {
    const QPointF centre(15.5, 16);
    QPainterPath ring;
    ring.addEllipse(centre, 13, 14);
    ring.addEllipse(centre, 5.5, 7);
    paintShadow(p, ring, QPointF(1.6, 1.8), 1, QColor(60, 0, 0, 110));
    QRadialGradient ball(centre, 14, centre - QPointF(5, 6));
    ball.setColorAt(0, QColor(255, 175, 165));
    ball.setColorAt(0.35, QColor(240, 40, 35));
    ball.setColorAt(0.8, QColor(165, 0, 0));
    ball.setColorAt(1, QColor(95, 0, 0));
    fillOutlined(p, ring, ball, QColor(90, 0, 0), 0.5);
    // Gloss: a soft white reflection on the upper left of the ring.
    p.save();
    p.setClipPath(ring);
    QRadialGradient gloss(centre - QPointF(6, 7.5), 6);
    gloss.setColorAt(0, QColor(255, 255, 255, 235));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, kLetterWidth, kLetterHeight), gloss);
    p.restore();
}

}  // namespace

QImage paintBoardBackground() {
    QImage img = canvas(kWidth, kHeight, Qt::white);
    QPainter p(&img);
    prepare(p);
    paintBoard(p);
    paintTitle(p);
    paintScorePanel(p);
    paintMakerLogo(p);
    paintTurnBar(p);
    return img;
}

QImage paintLetterS() {
    return letterPicture(drawLetterS);
}

QImage paintLetterO() {
    return letterPicture(drawLetterO);
}

}  // namespace assetgen
