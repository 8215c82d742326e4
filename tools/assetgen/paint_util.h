// SPDX-License-Identifier: MIT
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace assetgen {

// The scale canvas() paints at: 1, or 2 while a RenderScale(2) lives, for the renderings at
// twice the pixel size. Painters keep drawing in the picture's own coordinates either way.
class RenderScale {
public:
    explicit RenderScale(int factor);
    ~RenderScale();
    RenderScale(const RenderScale &) = delete;
    RenderScale &operator=(const RenderScale &) = delete;

private:
    int m_previous;
};

// A blank picture of the given size, premultiplied ARGB so that soft shadows and glows blend.
// At a render scale above 1 it has that many times the pixels and that device pixel ratio.
QImage canvas(int width, int height, const QColor &fill);

// A painter with anti-aliasing for shapes and smooth scaling for images.
void prepare(QPainter &p);

// The outline of a text as a path, its baseline starting at (x, baseline).
QPainterPath textPath(const QFont &font, const QString &text, qreal x, qreal baseline);

// The same, centred horizontally on centreX.
QPainterPath textPathCentred(const QFont &font, const QString &text, qreal centreX, qreal baseline);

// The same, ending at rightX.
QPainterPath textPathRight(const QFont &font, const QString &text, qreal rightX, qreal baseline);

// Largest whole pixel size, at most maxSize, at which the text fits in width.
int fittingPixelSize(QFont font, const QString &text, qreal width, int maxSize);

// Paints a soft shadow of a shape: the shape in colour, blurred by radius pixels and
// shifted by offset. On a picture of device pixel ratio 2 the shadow has twice the detail.
void paintShadow(QPainter &p, const QPainterPath &shape, QPointF offset, int radius,
                 const QColor &colour);

// Fills a path and strokes its outline, the outline drawn first so that the fill stays whole.
void fillOutlined(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &outline,
                  qreal outlineWidth);

// The blue the program's name is lettered in: light at top, through a bright blue to a deep
// navy at bottom (both in pixels from the top of the picture).
QLinearGradient nameInk(qreal top, qreal bottom);

// How a raised letter tile is drawn: its corner radius, its shadow and its face.
struct TileStyle {
    qreal cornerRadius;
    QPointF shadowOffset;
    int shadowRadius;
    QColor shadow;
    QColor faceBottom;  // the face runs from white at the top to this colour
    QColor outline;
    qreal outlineWidth;
};

// Paints the tile behind a letter (the letter itself is the caller's).
void paintTileFace(QPainter &p, const QRectF &r, const TileStyle &style);

// Blurs an image in place with three box passes, a close match to a Gaussian.
void blur(QImage &image, int radius);

// Shrinks an image by a whole factor, each pixel the plain average of a factor x factor block.
// Used to paint small pictures at a larger size first.
QImage downsample(const QImage &image, int factor);

}  // namespace assetgen
