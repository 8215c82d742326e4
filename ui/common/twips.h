// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "ui/common/layout.h"

namespace ui {

// A box of the layout table in pixels: each twip figure becomes the nearest whole pixel.
constexpr QPoint topLeft(const layout::Box &box) {
    return {layout::px(box.left), layout::px(box.top)};
}
constexpr QSize size(const layout::Box &box) {
    return {layout::px(box.width), layout::px(box.height)};
}
constexpr QRect rect(const layout::Box &box) {
    return {topLeft(box), size(box)};
}

}  // namespace ui
