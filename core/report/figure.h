// The plan view of a column base: caption strings and the drawing as plain primitives (lines,
// closed outlines, circles) in device-independent coordinates, for the view and the printer to
// draw in one pen without fill.
#pragma once

#include <string>
#include <vector>

#include "model/conditions.h"

namespace kesto {

// The caption strings placed around the figure.
struct FigureCaptions {
    std::string plate;      // "BPL-650x650x36"
    std::string rib;        // "RPL-150x12" or "RPL-無し"
    std::string bolt;       // "ABT-M30"
    std::string ribGauge1;  // "%6.1f" of the building's X direction
    std::string ribGauge2;  // and of its Y direction
    std::string boltGauge1;
    std::string boltGauge2;
    std::string pedestal;   // "柱型 BD-750x750"
    std::string anchorage;  // "定着金物 ..."
};

FigureCaptions buildFigureCaptions(const CKesto& page);

struct FigurePoint {
    double x = 0;
    double y = 0;
    bool operator==(const FigurePoint&) const = default;
};

// One primitive. A line has two points; an outline four corners, closed back to the first; a
// circle its bounding box as two opposite corners.
struct FigurePrimitive {
    enum Kind { kLine, kOutline, kCircle };
    Kind kind = kLine;
    std::vector<FigurePoint> points;
    bool operator==(const FigurePrimitive&) const = default;
};

// The figure in model coordinates: millimetres from the plate centre, y upwards, every
// coordinate a whole number. `print` draws the rib plates as rectangles of their thickness,
// otherwise as single lines. Empty when the column section is not in its table or a plate
// dimension is 0.
struct ColumnBaseFigure {
    double extentX = 0;  // plate extents (whole mm) along the drawing's x and y
    double extentY = 0;
    std::vector<FigurePrimitive> primitives;
};
ColumnBaseFigure buildColumnBaseFigure(const CKestoCnt& cnt, const CKesto& page, bool print);

// The isotropic mapping of the figure into a cell rectangle (device units, y downwards): the
// window (extentX + 200, extentY + 200) mm, centred in the cell, one scale for both axes.
struct FigureRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};
FigurePoint mapFigurePoint(const ColumnBaseFigure& figure, const FigureRect& cell, FigurePoint p);

}  // namespace kesto
