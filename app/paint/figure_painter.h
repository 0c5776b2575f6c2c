// The column-base figure drawn from the primitives the report layer computes: plain lines,
// closed outlines and circles in one pen of width 1, without fill, mapped isotropically into the
// figure cell.
#pragma once

#include <QColor>
#include <QRect>

#include "report/figure.h"

class QPainter;

namespace kesto::app {

// How a page is inked: on screen the figure is blue and the texts coloured by kind; on paper
// everything is black and the rib plates are drawn their thickness (the figure is then built
// with `printFigure`).
enum class Ink { screen, print };

inline bool printFigure(Ink ink) {
    return ink == Ink::print;
}

// The pen colour of the figure: blue on screen, black on paper.
QColor figureColour(Ink ink);

// Draws `figure` into the cell rectangle `cell` (device units). The painter's pen, brush and
// hints are left as they were.
void paintColumnBaseFigure(QPainter& painter, const ColumnBaseFigure& figure, const QRect& cell,
                           Ink ink);

}  // namespace kesto::app
