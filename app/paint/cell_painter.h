// The results grid of one page on any paint device: every cell's border, its text placed by its
// text flags on the fixed character grid, and the column-base figure in the figure cell. The main
// view, the print preview, the printer and PDF output all draw a page block with this routine.
#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

#include "app/paint/figure_painter.h"
#include "app/paint/grid_font.h"
#include "report/figure.h"
#include "report/result_cells.h"

class QPainter;

namespace kesto::app {

// A cell's rectangle on the grid of `grid` with the grid's origin at `origin`: left = x + w·column,
// top = y + h·row, one unit wider and higher than w·width × h·height so that the borders of
// neighbouring cells fall on the same line.
QRect cellRectangle(QPoint origin, const GridFont& grid, const DisplayCell& cell);

// The text colour of a cell: on screen by its kind (a judgement NG red, fixed texts black, the
// rest blue), black on paper.
QColor cellColour(const DisplayCell& cell, Ink ink);

// Draws `cells` with the grid's origin at `origin`. The figure cell receives `figure` (built for
// the same ink). The painter's state is left as it was.
void paintCells(QPainter& painter, QPoint origin, const GridFont& grid,
                const std::vector<DisplayCell>& cells, const ColumnBaseFigure& figure, Ink ink);

}  // namespace kesto::app
