// SPDX-License-Identifier: MIT
#include "ui/main/board_cursor.h"

#include <QPainter>
#include <QWidget>

#include "ui/main/board_cell.h"
#include "ui/main/screen_reader.h"

namespace ui {

namespace {

// A ring this wide in the gap round the cell, in a colour that neither the letters nor the
// struck lines use.
constexpr int kRingWidth = 3;
const QColor kRingColour(255, 140, 0);

}  // namespace

BoardCursor::BoardCursor(QWidget *window, const std::array<BoardCell *, game::kCells + 1> &cells)
    : m_window(window), m_cells(cells) {}

void BoardCursor::moveTo(int cell, bool shown) {
    if (cell == m_cell && shown == m_shown) return;
    m_window->update(ring());
    m_cells[m_cell]->setCursorHere(false);
    m_cell = cell;
    m_shown = shown;
    m_cells[m_cell]->setCursorHere(shown);
    m_window->update(ring());
    announce();
}

void BoardCursor::announce() const {
    if (m_shown) announceFocus(m_cells[m_cell]);
}

void BoardCursor::paint(QPainter &painter) const {
    if (!m_shown) return;
    const QRect outside = ring();
    const QRect inside = outside.adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth);
    painter.save();
    painter.setClipRegion(QRegion(outside).subtracted(inside));
    painter.fillRect(outside, kRingColour);
    painter.restore();
}

QRect BoardCursor::ring() const {
    return m_cells[m_cell]->geometry().adjusted(-kRingWidth, -kRingWidth, kRingWidth, kRingWidth);
}

}  // namespace ui
