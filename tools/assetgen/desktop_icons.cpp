// SPDX-License-Identifier: MIT
// The icons a desktop shows in its menus: the window icon as a PNG and a large smooth rendering
// of the same board for menus, docks and software centres.
#include "tools/assetgen/desktop_icons.h"

#include <QFontMetricsF>
#include <QLinearGradient>

#include <array>

#include "tools/assetgen/fonts.h"
#include "tools/assetgen/paint_util.h"
#include "tools/assetgen/png_writer.h"

namespace assetgen {

namespace {

constexpr int kSize = 256;

// The board: a rounded navy frame, 10 pixels wide, round three rows of three squares of 66
// pixels with navy lines of 7 pixels between them.
const QRectF kBoard(12, 8, 232, 232);
constexpr qreal kFrame = 10;
constexpr qreal kSquare = 66;
constexpr qreal kLine = 7;

// The marks of the window icon, by row and column from the top left.
struct Mark {
    int row;
    int column;
    const char *letter;
    QColor ink;
};
const std::array<Mark, 4> kMarks{
    Mark{0, 0, "S", QColor(255, 255, 255)}, Mark{1, 1, "O", QColor(255, 255, 0)},
    Mark{2, 2, "S", QColor(255, 255, 255)}, Mark{0, 2, "O", QColor(0, 255, 255)}};

QRectF squareRect(int row, int column) {
    return QRectF(kBoard.left() + kFrame + column * (kSquare + kLine),
                  kBoard.top() + kFrame + row * (kSquare + kLine), kSquare, kSquare);
}

void paintBoard(QPainter &p) {
    QPainterPath board;
    board.addRoundedRect(kBoard, 26, 26);
    paintShadow(p, board, QPointF(0, 4), 4, QColor(0, 0, 30, 120));
    QLinearGradient navy(kBoard.topLeft(), kBoard.bottomLeft());
    navy.setColorAt(0, QColor(28, 40, 160));
    navy.setColorAt(1, QColor(0, 0, 104));
    fillOutlined(p, board, navy, QColor(0, 0, 60), 0.75);

    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const QRectF r = squareRect(row, column);
            QPainterPath square;
            square.addRoundedRect(r, 8, 8);
            QLinearGradient blue(r.topLeft(), r.bottomLeft());
            blue.setColorAt(0, QColor(70, 125, 255));
            blue.setColorAt(0.45, QColor(20, 45, 245));
            blue.setColorAt(1, QColor(0, 10, 215));
            p.fillPath(square, blue);
            // A soft sheen over the upper part, as on a glazed tile.
            QLinearGradient sheen(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.5));
            sheen.setColorAt(0, QColor(255, 255, 255, 80));
            sheen.setColorAt(1, QColor(255, 255, 255, 0));
            p.fillPath(square, sheen);
        }
}

void paintMark(QPainter &p, const Mark &mark) {
    const QFont f = font(Face::SansBold, 62);
    const QRectF r = squareRect(mark.row, mark.column);
    const qreal baseline = r.center().y() + QFontMetricsF(f).capHeight() / 2;
    const QPainterPath letter =
        textPathCentred(f, QString::fromLatin1(mark.letter), r.center().x(), baseline);
    // A navy shadow down and to the right, like the window icon's.
    paintShadow(p, letter, QPointF(3, 3), 2, QColor(0, 0, 70, 220));
    fillOutlined(p, letter, mark.ink, QColor(0, 0, 90), 1);
}

}  // namespace

QImage paintLargeProgramIcon() {
    QImage img = canvas(kSize, kSize, Qt::transparent);
    {
        QPainter p(&img);
        prepare(p);
        paintBoard(p);
        for (const Mark &mark : kMarks) paintMark(p, mark);
    }
    return img.convertToFormat(QImage::Format_ARGB32);
}

QList<AssetFile> withDesktopIcons(QList<AssetFile> files, QString *error) {
    if (files.isEmpty()) return files;
    QImage small;
    for (const AssetFile &file : files)
        if (file.path == QLatin1String("icons/trilet.ico"))
            small = QImage::fromData(file.bytes, "ICO");
    if (small.isNull()) {
        *error = QStringLiteral("cannot read icons/trilet.ico back for the desktop icons");
        return {};
    }
    const QByteArray png32 = encodePng(small.convertToFormat(QImage::Format_ARGB32), error);
    const QByteArray png256 = encodePng(paintLargeProgramIcon(), error);
    if (png32.isEmpty() || png256.isEmpty()) return {};
    files.append({kDesktopIcon32, png32});
    files.append({kDesktopIcon256, png256});
    return files;
}

}  // namespace assetgen
