#include "app/paint/cell_painter.h"

#include <QPainter>

namespace kesto::app {
namespace {

// Where a single line of text of width `width` starts in `r` under the cell's text flags:
// left or centred across, top, centred or bottom down.
QPoint textOrigin(const QRect& r, const GridFont& grid, int flags, int width) {
    const int right = r.left() + r.width();
    const int bottom = r.top() + r.height();
    const int x =
        (flags & kTextCentred) != 0 ? r.left() + (right - r.left() - width) / 2 : r.left();
    int y = r.top();
    if ((flags & kTextBottom) != 0) {
        y = bottom - grid.textHeight;
    } else if ((flags & kTextVCentred) != 0) {
        y = r.top() + (bottom - r.top() - grid.textHeight) / 2;
    }
    return QPoint(x, y);
}

}  // namespace

QRect cellRectangle(QPoint origin, const GridFont& grid, const DisplayCell& cell) {
    DeviceMetrics m;
    m.charWidth = grid.charWidth;
    m.lineHeight = grid.lineHeight;
    const DeviceRect d = cellRect(origin.x(), origin.y(), m, cell.cellColumn, cell.cellRow,
                                  cell.cellWidth, cell.cellHeight);
    return QRect(d.left, d.top, d.right - d.left, d.bottom - d.top);
}

QColor cellColour(const DisplayCell& cell, Ink ink) {
    if (ink == Ink::print) {
        return QColor(0, 0, 0);
    }
    switch (cellTextColour(cell)) {
        case CellColour::red:
            return QColor(255, 0, 0);
        case CellColour::blue:
            return QColor(0, 0, 255);
        case CellColour::black:
            break;
    }
    return QColor(0, 0, 0);
}

void paintCells(QPainter& painter, QPoint origin, const GridFont& grid,
                const std::vector<DisplayCell>& cells, const ColumnBaseFigure& figure, Ink ink) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QPen border(QColor(0, 0, 0), 1);
    for (const DisplayCell& cell : cells) {
        const QRect r = cellRectangle(origin, grid, cell);
        painter.setPen(border);
        // The border covers the rectangle's first and last unit on each side, as the platform's
        // rectangle does; QPainter's outline of (x, y, w, h) covers x … x + w.
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        if (cell.cellKind == kCellFigure) {
            paintColumnBaseFigure(painter, figure, r, ink);
            continue;
        }
        const std::string text = cellText(cell);
        if (text.empty()) {
            continue;
        }
        painter.save();
        painter.setClipRect(r);
        painter.setPen(cellColour(cell, ink));
        drawGridText(painter, grid, textOrigin(r, grid, cell.textFlags, gridTextWidth(grid, text)),
                     text);
        painter.restore();
    }
    painter.restore();
}

}  // namespace kesto::app
