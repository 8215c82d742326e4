// SPDX-License-Identifier: MIT
#include "tools/assetgen/paint_util.h"

#include <QFontMetricsF>

#include <vector>

namespace assetgen {

namespace {

// One box-blur pass along rows (horizontal) or columns over premultiplied ARGB.
void boxPass(QImage &img, int radius, bool horizontal) {
    const int w = img.width();
    const int h = img.height();
    const int lines = horizontal ? h : w;
    const int length = horizontal ? w : h;
    std::vector<quint32> source(size_t(length), 0);
    const int window = 2 * radius + 1;
    for (int line = 0; line < lines; ++line) {
        auto at = [&](int i) -> QRgb & {
            return horizontal ? reinterpret_cast<QRgb *>(img.scanLine(line))[i]
                              : reinterpret_cast<QRgb *>(img.scanLine(i))[line];
        };
        for (int i = 0; i < length; ++i) source[size_t(i)] = at(i);
        int sum[4] = {0, 0, 0, 0};
        auto add = [&](int i, int sign) {
            if (i < 0 || i >= length) return;
            const quint32 c = source[size_t(i)];
            sum[0] += sign * int(qAlpha(c));
            sum[1] += sign * int(qRed(c));
            sum[2] += sign * int(qGreen(c));
            sum[3] += sign * int(qBlue(c));
        };
        for (int i = -radius; i <= radius; ++i) add(i, 1);
        for (int i = 0; i < length; ++i) {
            auto avg = [&](int k) { return (sum[k] + window / 2) / window; };
            at(i) = qRgba(avg(1), avg(2), avg(3), avg(0));
            add(i - radius, -1);
            add(i + radius + 1, 1);
        }
    }
}

int g_renderScale = 1;

}  // namespace

RenderScale::RenderScale(int factor) : m_previous(g_renderScale) {
    g_renderScale = factor;
}

RenderScale::~RenderScale() {
    g_renderScale = m_previous;
}

QImage canvas(int width, int height, const QColor &fill) {
    QImage img(width * g_renderScale, height * g_renderScale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(g_renderScale);
    img.fill(fill);
    return img;
}

void prepare(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

QPainterPath textPath(const QFont &font, const QString &text, qreal x, qreal baseline) {
    QPainterPath path;
    path.addText(QPointF(x, baseline), font, text);
    return path;
}

QPainterPath textPathCentred(const QFont &font, const QString &text, qreal centreX,
                             qreal baseline) {
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    return textPath(font, text, centreX - width / 2, baseline);
}

QPainterPath textPathRight(const QFont &font, const QString &text, qreal rightX, qreal baseline) {
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    return textPath(font, text, rightX - width, baseline);
}

int fittingPixelSize(QFont font, const QString &text, qreal width, int maxSize) {
    int size = maxSize;
    for (; size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width) break;
    }
    return size;
}

void blur(QImage &image, int radius) {
    if (radius <= 0) return;
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(image, radius, true);
        boxPass(image, radius, false);
    }
}

void paintShadow(QPainter &p, const QPainterPath &shape, QPointF offset, int radius,
                 const QColor &colour) {
    const QRectF bounds = shape.boundingRect().adjusted(-3 * radius - 2, -3 * radius - 2,
                                                        3 * radius + 2, 3 * radius + 2);
    const QRect area = bounds.toAlignedRect();
    const int scale = qMax(1, qRound(p.device()->devicePixelRatio()));
    QImage layer(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(scale);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        prepare(lp);
        lp.translate(-area.topLeft());
        lp.fillPath(shape, colour);
    }
    blur(layer, radius * scale);
    p.drawImage(QPointF(area.topLeft()) + offset, layer);
}

void fillOutlined(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &outline,
                  qreal outlineWidth) {
    if (outlineWidth > 0) {
        QPen pen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.strokePath(path, pen);
    }
    p.fillPath(path, fill);
}

QLinearGradient nameInk(qreal top, qreal bottom) {
    QLinearGradient ink(0, top, 0, bottom);
    ink.setColorAt(0, QColor(110, 175, 255));
    ink.setColorAt(0.5, QColor(30, 95, 225));
    ink.setColorAt(1, QColor(5, 30, 130));
    return ink;
}

void paintTileFace(QPainter &p, const QRectF &r, const TileStyle &style) {
    QPainterPath tile;
    tile.addRoundedRect(r, style.cornerRadius, style.cornerRadius);
    paintShadow(p, tile, style.shadowOffset, style.shadowRadius, style.shadow);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, style.faceBottom);
    fillOutlined(p, tile, face, style.outline, style.outlineWidth);
}

QImage downsample(const QImage &image, int factor) {
    const QImage src = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = src.width() / factor;
    const int h = src.height() / factor;
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    const int n = factor * factor;
    for (int y = 0; y < h; ++y) {
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int sy = 0; sy < factor; ++sy) {
                const auto *line =
                    reinterpret_cast<const QRgb *>(src.constScanLine(y * factor + sy));
                for (int sx = 0; sx < factor; ++sx) {
                    const QRgb c = line[x * factor + sx];
                    sum[0] += qAlpha(c);
                    sum[1] += qRed(c);
                    sum[2] += qGreen(c);
                    sum[3] += qBlue(c);
                }
            }
            auto avg = [&](int k) { return (sum[k] + n / 2) / n; };
            dst[x] = qRgba(avg(1), avg(2), avg(3), avg(0));
        }
    }
    return out;
}

}  // namespace assetgen
