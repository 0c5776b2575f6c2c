#include "app/paint/figure_painter.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace kesto::app {

QColor figureColour(Ink ink) {
    return ink == Ink::screen ? QColor(0, 0, 255) : QColor(0, 0, 0);
}

void paintColumnBaseFigure(QPainter& painter, const ColumnBaseFigure& figure, const QRect& cell,
                           Ink ink) {
    if (figure.primitives.empty()) {
        return;
    }
    const FigureRect r{static_cast<double>(cell.left()), static_cast<double>(cell.top()),
                       static_cast<double>(cell.width()), static_cast<double>(cell.height())};
    // Whole device units, as the platform's drawing calls take them: every bolt then has the
    // same shape wherever it falls.
    const auto map = [&](const FigurePoint& p) {
        const FigurePoint d = mapFigurePoint(figure, r, p);
        return QPointF(std::round(d.x), std::round(d.y));
    };
    painter.save();
    painter.setPen(QPen(figureColour(ink), 1));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const FigurePrimitive& f : figure.primitives) {
        switch (f.kind) {
            case FigurePrimitive::kLine:
                if (f.points.size() == 2) {
                    painter.drawLine(map(f.points[0]), map(f.points[1]));
                }
                break;
            case FigurePrimitive::kOutline: {
                QPolygonF outline;
                for (const FigurePoint& p : f.points) {
                    outline << map(p);
                }
                painter.drawPolygon(outline);
                break;
            }
            case FigurePrimitive::kCircle:
                if (f.points.size() == 2) {
                    painter.drawEllipse(QRectF(map(f.points[0]), map(f.points[1])).normalized());
                }
                break;
        }
    }
    painter.restore();
}

}  // namespace kesto::app
