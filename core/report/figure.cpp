#include "report/figure.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"
#include "base/text_format.h"
#include "tables/lookup.h"

namespace kesto {
namespace {

constexpr double kBoltCircle = 32.0;  // mm, whatever the bolt size
constexpr double kMargin = 100.0;     // mm around the plate

// Rounding of the drawing: truncation of value + 0.5.
double roundCoord(double v) {
    return std::trunc(v + 0.5);
}

class FigureBuilder {
  public:
    explicit FigureBuilder(double angleDeg)
        : cos_(std::cos(angleDeg * kPi / 180.0)), sin_(std::sin(angleDeg * kPi / 180.0)) {}

    void rectangle(double cx, double cy, double w, double h) {
        rotate(cx, cy);
        rotate(w, h);
        const double x1 = roundCoord(cx - w / 2);
        const double x2 = roundCoord(cx + w / 2);
        const double y1 = roundCoord(cy + h / 2);
        const double y2 = roundCoord(cy - h / 2);
        if (x1 == x2 || y1 == y2) {
            out_.push_back({FigurePrimitive::kLine, {{x1, y1}, {x2, y2}}});
        } else {
            out_.push_back({FigurePrimitive::kOutline, {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}}});
        }
    }

    void bolt(double cx, double cy) {
        rotate(cx, cy);
        const double r = kBoltCircle / 2;
        out_.push_back(
            {FigurePrimitive::kCircle,
             {{roundCoord(cx - r), roundCoord(cy + r)}, {roundCoord(cx + r), roundCoord(cy - r)}}});
    }

    std::vector<FigurePrimitive> take() { return std::move(out_); }

  private:
    void rotate(double& x, double& y) const {
        const double rx = x * cos_ - y * sin_;
        const double ry = x * sin_ + y * cos_;
        x = rx;
        y = ry;
    }

    double cos_;
    double sin_;
    std::vector<FigurePrimitive> out_;
};

}  // namespace

FigureCaptions buildFigureCaptions(const CKesto& p) {
    FigureCaptions c;
    c.plate = strprintf("BPL-%.0fx%.0fx%.0f", p.plateB, p.plateD, p.plateT);
    c.rib = p.ribCountX != 0 || p.ribCountY != 0 ? strprintf("RPL-%.0fx%.0f", p.ribH, p.ribT)
                                                 : std::string("RPL-無し");
    c.bolt = "ABT-" + p.boltName;
    const bool rot = p.rotated != 0;
    c.ribGauge1 = strprintf("%6.1f", rot ? p.ribGaugeY : p.ribGaugeX);
    c.ribGauge2 = strprintf("%6.1f", rot ? p.ribGaugeX : p.ribGaugeY);
    c.boltGauge1 = strprintf("%6.1f", rot ? p.boltGaugeY : p.boltGaugeX);
    c.boltGauge2 = strprintf("%6.1f", rot ? p.boltGaugeX : p.boltGaugeY);
    c.pedestal = strprintf("柱型 BD-%.0fx%.0f", p.pedestalB, p.pedestalD);
    if (p.useAnchorBlock == 0) {
        c.anchorage = "定着金物 無し";
    } else if (isZero(p.inputAa) && isZero(p.inputAc)) {
        c.anchorage =
            strprintf("定着金物 PL-%.0fx%.0f L=%.0f", p.anchorBlockB, p.anchorBlockD, p.boltLength);
    } else {
        c.anchorage =
            strprintf("定着金物 Aa=%.0f Ac=%.0f", isZero(p.inputAa) ? p.usedAa : p.inputAa,
                      isZero(p.inputAc) ? p.usedAc : p.inputAc);
    }
    return c;
}

ColumnBaseFigure buildColumnBaseFigure(const CKestoCnt& cnt, const CKesto& p, bool print) {
    ColumnBaseFigure fig;
    const SectionLookup found = p.columnKind == 1 ? findHSection(cnt, p.columnSection)
                                                  : findTubeSection(cnt, p.columnSection);
    if (found.row == nullptr) {
        return fig;
    }
    const bool rot = p.rotated != 0;
    const double ex = std::trunc(rot ? p.plateB : p.plateD);
    const double ey = std::trunc(rot ? p.plateD : p.plateB);
    if (ex == 0 || ey == 0) {
        return fig;
    }
    fig.extentX = ex;
    fig.extentY = ey;
    FigureBuilder b(rot ? 90.0 : 0.0);
    b.rectangle(0, 0, p.plateD, p.plateB);

    const CSteel& s = *found.row;
    const double h = s.depth;
    const double w = s.width;
    if (p.columnKind == 1) {
        b.rectangle(0, 0, h - 2 * s.flangeThickness, s.webThickness);
        b.rectangle((h - s.flangeThickness) / 2, 0, s.flangeThickness, w);
        b.rectangle(-(h - s.flangeThickness) / 2, 0, s.flangeThickness, w);
    } else {
        b.rectangle(0, 0, h, w);
        b.rectangle(0, 0, h - 2 * s.webThickness, w - 2 * s.webThickness);
    }

    const double thickness = print ? p.ribT : 0.0;
    if (p.ribCountX > 0) {
        const double g = (p.plateD - h) / 2 - 40;
        const double a = (h + g) / 2 + 20;
        const double step =
            p.ribCountX < 2 ? 0.0 : (p.plateB - 2 * p.ribGaugeY) / (p.ribCountX - 1);
        double y = p.plateB / 2 - p.ribGaugeY;
        for (int i = 0; i < p.ribCountX; ++i, y -= step) {
            b.rectangle(a, y, g, thickness);
            b.rectangle(-a, y, g, thickness);
        }
    }
    if (p.ribCountY > 0) {
        const double g = (p.plateB - w) / 2 - 40;
        const double c = (w + g) / 2 + 20;
        const double step =
            p.ribCountY < 2 ? 0.0 : (p.plateD - 2 * p.ribGaugeX) / (p.ribCountY - 1);
        double x = p.plateD / 2 - p.ribGaugeX;
        for (int i = 0; i < p.ribCountY; ++i, x -= step) {
            b.rectangle(x, c, thickness, g);
            b.rectangle(x, -c, thickness, g);
        }
    }

    if (p.boltCountX > 0) {
        const double x = p.plateD / 2 - p.boltGaugeX;
        const double step =
            p.boltCountX < 2 ? 0.0 : (p.plateB - 2 * p.boltGaugeY) / (p.boltCountX - 1);
        double y = p.plateB / 2 - p.boltGaugeY;
        for (int i = 0; i < p.boltCountX; ++i, y -= step) {
            b.bolt(x, y);
            b.bolt(-x, y);
        }
    }
    if (p.boltCountY > 0) {
        // The corner bolts belong to the X rows; only the intermediate ones are drawn here.
        const double y = p.plateB / 2 - p.boltGaugeY;
        const double step =
            p.boltCountY < 2 ? 0.0 : (p.plateD - 2 * p.boltGaugeX) / (p.boltCountY - 1);
        double x = p.plateD / 2 - p.boltGaugeX - step;
        for (int i = 2; i <= p.boltCountY - 1; ++i, x -= step) {
            b.bolt(x, y);
            b.bolt(x, -y);
        }
    }
    fig.primitives = b.take();
    return fig;
}

FigurePoint mapFigurePoint(const ColumnBaseFigure& f, const FigureRect& cell, FigurePoint p) {
    const double windowX = f.extentX + 2 * kMargin;
    const double windowY = f.extentY + 2 * kMargin;
    const double scale = std::min(cell.width / windowX, cell.height / windowY);
    return {cell.left + cell.width / 2 + p.x * scale, cell.top + cell.height / 2 - p.y * scale};
}

}  // namespace kesto
