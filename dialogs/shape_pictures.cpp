#include "dialogs/shape_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace kesto::dialogs {
namespace {

const QColor kSteel(0, 0, 0);
const QColor kBolt(200, 0, 0);
const QColor kRib(0, 120, 0);
const QColor kConcrete(110, 110, 110);
const QColor kAnchor(150, 0, 150);

// A drawing in model units (y downwards) fitted into a target rectangle with one scale; texts
// and arrowheads keep their size in device units.
class Sketch {
  public:
    Sketch(QPainter& painter, const QRectF& model, const QRectF& target) : p_(painter) {
        scale_ = std::min(target.width() / model.width(), target.height() / model.height());
        offset_ = target.center() - model.center() * scale_;
    }

    QPointF map(QPointF m) const { return m * scale_ + offset_; }

    void setColour(const QColor& c) {
        colour_ = c;
        p_.setPen(QPen(c, 1.0));
    }
    void line(QPointF a, QPointF b, Qt::PenStyle style = Qt::SolidLine) {
        p_.setPen(QPen(colour_, 1.0, style));
        p_.drawLine(map(a), map(b));
        p_.setPen(QPen(colour_, 1.0));
    }
    void rect(double x1, double y1, double x2, double y2, Qt::PenStyle style = Qt::SolidLine,
              const QBrush& fill = Qt::NoBrush) {
        p_.setPen(QPen(colour_, 1.0, style));
        p_.setBrush(fill);
        p_.drawRect(QRectF(map({x1, y1}), map({x2, y2})).normalized());
        p_.setBrush(Qt::NoBrush);
        p_.setPen(QPen(colour_, 1.0));
    }
    // A thin plate between two points, `t` model units thick, filled with the colour.
    void plate(QPointF a, QPointF b, double t) {
        const bool horizontal = std::fabs(a.y() - b.y()) < 1e-9;
        const QPointF half = horizontal ? QPointF(0, t / 2) : QPointF(t / 2, 0);
        rect(a.x() - half.x(), a.y() - half.y(), b.x() + half.x(), b.y() + half.y(), Qt::SolidLine,
             colour_);
    }
    void circle(QPointF c, double r) { p_.drawEllipse(map(c), r * scale_, r * scale_); }
    void text(QPointF at, const QString& s, Qt::Alignment align) {
        const QPointF d = map(at);
        QRectF box(d.x() - 60, d.y() - 30, 120, 60);
        if (align & Qt::AlignLeft) {
            box.moveLeft(d.x());
        } else if (align & Qt::AlignRight) {
            box.moveRight(d.x());
        }
        if (align & Qt::AlignTop) {
            box.moveTop(d.y());
        } else if (align & Qt::AlignBottom) {
            box.moveBottom(d.y());
        }
        p_.drawText(box, static_cast<int>(align), s);
    }
    // A dimension of the distance a-b (horizontal or vertical) drawn `offset` model units to the
    // side (positive: below a horizontal, right of a vertical), with extension lines, arrows
    // and the label outside the dimension line.
    void dimension(QPointF a, QPointF b, double offset, const QString& label) {
        const bool horizontal = std::fabs(a.y() - b.y()) < 1e-9;
        const QPointF n = horizontal ? QPointF(0, 1) : QPointF(1, 0);
        const double side = offset < 0 ? -1.0 : 1.0;
        const QPointF a2 = a + n * offset;
        const QPointF b2 = b + n * offset;
        const double gap = 1.5 / scale_ * side;
        const double over = 3.0 / scale_ * side;
        line(a + n * gap, a2 + n * over);
        line(b + n * gap, b2 + n * over);
        line(a2, b2);
        arrow(a2, a2 - b2);
        arrow(b2, b2 - a2);
        const QPointF mid = (a2 + b2) / 2 + n * (2.0 / scale_ * side);
        Qt::Alignment align = horizontal ? (side < 0 ? Qt::AlignBottom : Qt::AlignTop)
                                         : (side < 0 ? Qt::AlignRight : Qt::AlignLeft);
        align |= horizontal ? Qt::AlignHCenter : Qt::AlignVCenter;
        text(mid, label, align);
    }
    // A leader from a point of the drawing to a label placed at `at`.
    void leader(QPointF from, QPointF at, const QString& label, Qt::Alignment align) {
        line(from, at);
        p_.setBrush(colour_);
        p_.drawEllipse(map(from), 1.5, 1.5);
        p_.setBrush(Qt::NoBrush);
        text(at, label, align);
    }

  private:
    // A filled arrowhead with its tip at `tip`, pointing along `dir` (model units).
    void arrow(QPointF tip, QPointF dir) {
        const double len = std::hypot(dir.x(), dir.y());
        if (len < 1e-9) {
            return;
        }
        const QPointF u = dir / len;
        const QPointF t = map(tip);
        const QPointF back = t - u * 6.0;
        const QPointF side(-u.y() * 2.5, u.x() * 2.5);
        p_.setBrush(colour_);
        p_.drawPolygon(QPolygonF({t, back + side, back - side}));
        p_.setBrush(Qt::NoBrush);
    }

    QPainter& p_;
    double scale_ = 1;
    QPointF offset_;
    QColor colour_ = kSteel;
};

// The plan pictures share the plate 100 x 100 around the origin, the outer bolt lines 11 from
// the plate edges, the dimensions Ｄ below and Ｂ left, the bolt gauges above and right.
constexpr double kHalf = 50;
constexpr double kBoltLine = 39;
constexpr double kBoltRadius = 3;
// Distances of the two tiers of gauge dimensions from the plate edge.
constexpr double kFirstTier = 9;
constexpr double kSecondTier = 25;
const QRectF kPlanModel(-74, -88, 168, 164);

void drawPlateAndBoltGauges(Sketch& s) {
    s.setColour(kSteel);
    s.rect(-kHalf, -kHalf, kHalf, kHalf);
    s.dimension({-kHalf, kHalf}, {kHalf, kHalf}, 14, QStringLiteral("Ｄ"));
    s.dimension({-kHalf, -kHalf}, {-kHalf, kHalf}, -14, QStringLiteral("Ｂ"));
    s.setColour(kBolt);
    s.dimension({-kHalf, -kHalf}, {-kBoltLine, -kHalf}, -kFirstTier, QStringLiteral("Gx"));
    s.dimension({kHalf, -kHalf}, {kHalf, -kBoltLine}, kFirstTier, QStringLiteral("Gy"));
}

void drawBolt(Sketch& s, double x, double y) {
    s.circle({x, y}, kBoltRadius);
}

void drawSquareTube(Sketch& s) {
    drawPlateAndBoltGauges(s);
    s.setColour(kSteel);
    s.rect(-25, -25, 25, 25);
    s.rect(-22, -22, 22, 22);

    // Two ribs on each face, 32 from the plate edges; their gauges on the second tier.
    constexpr double rib = kHalf - 32;
    s.setColour(kRib);
    for (double sign : {-1.0, 1.0}) {
        for (double at : {-rib, rib}) {
            s.plate({sign * 25, at}, {sign * 46, at}, 1.6);
            s.plate({at, sign * 25}, {at, sign * 46}, 1.6);
        }
    }
    s.dimension({-kHalf, -kHalf}, {-rib, -kHalf}, -kSecondTier, QStringLiteral("Gx"));
    s.dimension({kHalf, -kHalf}, {kHalf, -rib}, kSecondTier, QStringLiteral("Gy"));

    s.setColour(kBolt);
    for (double a : {-kBoltLine, 0.0, kBoltLine}) {
        drawBolt(s, -kBoltLine, a);
        drawBolt(s, kBoltLine, a);
        drawBolt(s, a, -kBoltLine);
        drawBolt(s, a, kBoltLine);
    }
    s.leader({kBoltLine + kBoltRadius, 0}, {kHalf + 9, 9}, QStringLiteral("Nx"),
             Qt::AlignLeft | Qt::AlignVCenter);
    s.leader({0, kBoltLine + kBoltRadius}, {16, kHalf + 7}, QStringLiteral("Ny"),
             Qt::AlignLeft | Qt::AlignVCenter);
}

void drawHShape(Sketch& s) {
    drawPlateAndBoltGauges(s);
    // H 60 deep along Ｄ, 40 wide; flanges 3, web 2 thick.
    s.setColour(kSteel);
    s.rect(-30, -20, -27, 20);
    s.rect(27, -20, 30, 20);
    s.rect(-27, -1, 27, 1);

    // Ribs on the flanges 38 from the plate edges; wing plates beyond the flange tips.
    constexpr double rib = kHalf - 38;
    s.setColour(kRib);
    for (double sign : {-1.0, 1.0}) {
        for (double at : {-rib, rib}) {
            s.plate({sign * 30, at}, {sign * 46, at}, 1.6);
        }
        s.plate({sign * 28.5, -20}, {sign * 28.5, -46}, 1.6);
        s.plate({sign * 28.5, 20}, {sign * 28.5, 46}, 1.6);
    }
    s.dimension({kHalf, -kHalf}, {kHalf, -rib}, kSecondTier, QStringLiteral("Gy"));
    s.leader({28.5, 36}, {12, 30}, QStringLiteral("WPL"), Qt::AlignRight | Qt::AlignVCenter);

    s.setColour(kBolt);
    for (double y : {-kBoltLine, 0.0, kBoltLine}) {
        drawBolt(s, -kBoltLine, y);
        drawBolt(s, kBoltLine, y);
    }
    s.leader({kBoltLine + kBoltRadius, 0}, {kHalf + 9, 9}, QStringLiteral("Nx"),
             Qt::AlignLeft | Qt::AlignVCenter);
}

// Plan of the pedestal (left) and a section through a bolt line (right).
void drawPedestal(Sketch& s) {
    // Plan: pedestal 100 x 100, base plate 76, bolt lines 30 from the centre, anchorage plates
    // 10 wide and 76 long under each line.
    s.setColour(kConcrete);
    s.rect(-kHalf, -kHalf, kHalf, kHalf);
    s.dimension({-kHalf, kHalf}, {kHalf, kHalf}, 12, QStringLiteral("Ｄc"));
    s.dimension({-kHalf, -kHalf}, {-kHalf, kHalf}, -12, QStringLiteral("Ｂc"));
    s.setColour(kSteel);
    s.rect(-38, -38, 38, 38, Qt::DashLine);
    s.setColour(kAnchor);
    for (double x : {-30.0, 30.0}) {
        s.rect(x - 5, -38, x + 5, 38, Qt::SolidLine, QColor(240, 220, 240));
    }
    s.dimension({25, -38}, {35, -38}, -18, QStringLiteral("Ｄt"));
    s.dimension({35, -38}, {35, 38}, 24, QStringLiteral("Ｂt"));
    s.setColour(kBolt);
    for (double x : {-30.0, 30.0}) {
        for (double y : {-30.0, 0.0, 30.0}) {
            drawBolt(s, x, y);
        }
    }

    // Section, 150 to the right: concrete top at 0, base plate and column above, bolts down to
    // the anchorage plates at 60.
    const double cx = 170;
    s.setColour(kConcrete);
    s.line({cx - kHalf, 0}, {cx + kHalf, 0});
    s.line({cx - kHalf, 0}, {cx - kHalf, 78});
    s.line({cx + kHalf, 0}, {cx + kHalf, 78});
    s.line({cx - kHalf - 4, 78}, {cx + kHalf + 4, 78}, Qt::DashDotLine);
    s.setColour(kSteel);
    s.rect(cx - 38, -5, cx + 38, 0);
    s.rect(cx - 20, -40, cx - 17, -5);
    s.rect(cx + 17, -40, cx + 20, -5);
    s.setColour(kBolt);
    for (double x : {cx - 30, cx + 30}) {
        s.line({x - 1.5, -9}, {x - 1.5, 60});
        s.line({x + 1.5, -9}, {x + 1.5, 60});
        s.rect(x - 3.5, -9, x + 3.5, -5);
    }
    s.setColour(kAnchor);
    for (double x : {cx - 30, cx + 30}) {
        s.rect(x - 5, 60, x + 5, 63, Qt::SolidLine, QColor(240, 220, 240));
    }
    s.setColour(kSteel);
    s.dimension({cx + kHalf, 0}, {cx + kHalf, 60}, 10, QStringLiteral("Ｌ"));
}

}  // namespace

void drawShapePicture(QPainter& painter, ShapePictureKind kind, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF model =
        kind == ShapePictureKind::pedestal ? QRectF(-80, -70, 326, 156) : kPlanModel;
    Sketch s(painter, model, area);
    switch (kind) {
        case ShapePictureKind::squareTube:
            drawSquareTube(s);
            break;
        case ShapePictureKind::hShape:
            drawHShape(s);
            break;
        case ShapePictureKind::pedestal:
            drawPedestal(s);
            break;
    }
    painter.restore();
}

ShapePicture::ShapePicture(ShapePictureKind kind, QWidget* parent) : QFrame(parent), kind_(kind) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMinimumSize(sizeHint());
}

void ShapePicture::setKind(ShapePictureKind kind) {
    kind_ = kind;
    update();
}

QSize ShapePicture::sizeHint() const {
    return kind_ == ShapePictureKind::pedestal ? QSize(380, 210) : QSize(290, 290);
}

void ShapePicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRectF inner = contentsRect().adjusted(4, 4, -4, -4);
    painter.fillRect(contentsRect(), Qt::white);
    drawShapePicture(painter, kind_, inner);
}

}  // namespace kesto::dialogs
