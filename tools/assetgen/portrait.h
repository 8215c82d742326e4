// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace assetgen {

// The drawn head-and-shoulders figures of the result pictures: invented cartoon people, not
// likenesses of anybody.
enum class Mood { Triumphant, Crushed, Unsure };
enum class HairStyle { Short, Long, Curly };

struct PortraitStyle {
    Mood mood;
    HairStyle hairStyle;
    QColor skin;
    QColor hair;
    QColor shirt;
    QColor eyes;
};

// Paints the figure into frame, which should have the proportions 240 x 385; the shoulders
// run out at the frame's bottom edge.
void paintPortrait(QPainter &p, const QRectF &frame, const PortraitStyle &style);

}  // namespace assetgen
