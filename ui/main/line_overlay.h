// SPDX-License-Identifier: MIT
#pragma once

#include <QLineF>
#include <QList>
#include <QWidget>

namespace ui {

// The struck S-O-S lines. A see-through layer over the whole window, above the cells,
// so the lines cross the letters; the mouse passes through it to whatever lies below.
class LineOverlay final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPenWidth = 3;

    explicit LineOverlay(QWidget *parent);

    const QList<QLineF> &lines() const { return m_lines; }
    void addLine(const QLineF &line);
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QLineF> m_lines;
};

}  // namespace ui
