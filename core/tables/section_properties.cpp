#include "tables/section_properties.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"
#include "base/text_format.h"
#include "tables/material_strength.h"

namespace kesto {
namespace {

// Fillet constants: one fillet area over r², four fillet areas over r², the distance of a
// fillet's centroid from the web or flange face over r, and the plastic-modulus terms.
constexpr double kFilletArea = 0.21460183649999998;
constexpr double kFourFillets = 0.8584073459999999;
constexpr double kFilletCentroid = 0.5752220379999997 / 2.5752220379999997;
constexpr double kPlasticFillet = 0.4292;
constexpr double kPlasticFilletArm = 0.4467;

double safeSqrtRatio(double num, double den) {
    return isZero(den) ? 0.0 : std::sqrt(num / den);
}

double powerOfTen(int n) {
    double p = 1.0;
    for (int i = 0; i < n; ++i) {
        p *= 10.0;
    }
    return p;
}

// Dimensions of a row in cm.
struct Dims {
    double h, b, tw, tf, r;
};
Dims dimsOf(const CSteel& row) {
    return {row.depth / 10.0, row.width / 10.0, row.webThickness / 10.0, row.flangeThickness / 10.0,
            row.filletRadius / 10.0};
}

void computeHShape(CSteel& row) {
    const auto [h, b, tw, tf, r] = dimsOf(row);
    const bool fillet = !isZero(r);
    const double webH = h - 2.0 * tf;
    // Distance of a fillet's centroid from the centre line of the web.
    const double l = tw / 2.0 + r * kFilletCentroid;

    row.area = 2.0 * b * tf + webH * tw;
    if (fillet) {
        row.area += 4.0 * r * r * kFilletArea;
    }
    row.shearAreaX = webH * tw;
    row.shearAreaY = 2.0 * b * tf;

    row.inertiaX = tw * webH * webH * webH / 12.0 + b * tf * tf * tf / 6.0 +
                   b * tf * (h - tf) * (h - tf) / 2.0;
    if (fillet) {
        const double m = h / 2.0 - tf - r * kFilletCentroid;
        row.inertiaX += m * m * r * r * kFourFillets;
    }
    row.inertiaY = webH * tw * tw * tw / 12.0 + tf * b * b * b / 6.0;
    if (fillet) {
        row.inertiaY += r * r * l * l * kFourFillets;
    }
    row.radiusX = safeSqrtRatio(row.inertiaX, row.area);
    row.radiusY = safeSqrtRatio(row.inertiaY, row.area);

    // ib: the compression flange with a sixth of the web.
    double ib = (tf * b * b * b + tw * tw * tw * (h / 6.0 - tf)) / 12.0;
    double ab = tf * b + tw * (h / 6.0 - tf);
    if (fillet) {
        ib += r * r * l * l * kFourFillets / 2.0;
        ab += 2.0 * r * r * kFilletArea;
    }
    row.radiusB = !isZero(ab) && ib / ab > 0.0 ? std::sqrt(ib / ab) : 0.0;

    row.modulusX = isZero(h) ? 0.0 : 2.0 * row.inertiaX / h;
    row.modulusY = isZero(b) ? 0.0 : 2.0 * row.inertiaY / b;

    row.plasticModulusX = tf * b * (h - tf) + tw * webH * webH / 4.0;
    row.plasticModulusY = tf * b * b / 2.0 + tw * tw * webH / 4.0;
    if (fillet) {
        row.plasticModulusX += kPlasticFillet * r * r * (webH - kPlasticFilletArm * r);
        row.plasticModulusY += kPlasticFillet * r * r * (tw + kPlasticFilletArm * r);
    }
}

double tubeArea(double h, double b, double t, double r) {
    if (isZero(r)) {
        return h * b - (h - 2.0 * t) * (b - 2.0 * t);
    }
    return 2.0 * t * (h + b - 4.0 * r) + kPi * t * (2.0 * r - t);
}

// Shear area of the two walls parallel to the side of length `a`.
double tubeShearArea(double a, double t, double r) {
    if (isZero(r)) {
        return 2.0 * t * a;
    }
    return 2.0 * t * (a - 2.0 * r) + kPi * t * (2.0 * r - t) / 2.0;
}

// Moment of inertia about the axis across the side of length `a` (depth a, width c).
double tubeInertia(double a, double c, double t, double r) {
    if (isZero(r)) {
        const double ai = a - 2.0 * t;
        return (c * a * a * a - (c - 2.0 * t) * ai * ai * ai) / 12.0;
    }
    const double h = a - 2.0 * r;
    const double ai = a - 2.0 * t;
    return (c - 2.0 * r) * (a * a * a - ai * ai * ai) / 12.0 + t * h * h * h / 6.0 +
           4.0 * h * t * (3.0 * r * r - 3.0 * r * t + t * t) / 3.0 +
           0.7853981635 * t * (2.0 * r - t) * (r * r + (r - t) * (r - t) + h * h);
}

double tubePlasticModulus(double a, double c, double t, double r) {
    if (isZero(r)) {
        return t * c * (a - t) + t * (a - 2.0 * t) * (a - 2.0 * t) / 2.0;
    }
    const double rt = r - t;
    return t * (c - 2.0 * r) * (a - t) + t * (a - 2.0 * r) * (a - 2.0 * r) / 2.0 +
           1.570796327 * (a - 2.0 * r) * (r * r - rt * rt) +
           1.3333333333333333 * (r * r * r - rt * rt * rt);
}

void computeTube(CSteel& row) {
    const double h = row.depth / 10.0;
    const double b = row.width / 10.0;
    const double t = row.webThickness / 10.0;
    const double r = row.filletRadius / 10.0;
    row.area = tubeArea(h, b, t, r);
    row.shearAreaX = tubeShearArea(h, t, r);
    row.shearAreaY = tubeShearArea(b, t, r);
    row.inertiaX = tubeInertia(h, b, t, r);
    row.inertiaY = tubeInertia(b, h, t, r);
    row.radiusX = safeSqrtRatio(row.inertiaX, row.area);
    row.radiusY = safeSqrtRatio(row.inertiaY, row.area);
    // A zero depth or width has no section modulus; 0 rather than an infinite value.
    row.modulusX = isZero(h) ? 0.0 : 2.0 * row.inertiaX / h;
    row.modulusY = isZero(b) ? 0.0 : 2.0 * row.inertiaY / b;
    row.plasticModulusX = tubePlasticModulus(h, b, t, r);
    row.plasticModulusY = tubePlasticModulus(b, h, t, r);
}

void roundProperties(CSteel& row) {
    for (double* area : {&row.area, &row.shearAreaX, &row.shearAreaY}) {
        *area = roundSignificant(*area, 4);
    }
    for (double* v : {&row.inertiaX, &row.inertiaY, &row.radiusX, &row.radiusY, &row.modulusX,
                      &row.modulusY, &row.plasticModulusX, &row.plasticModulusY}) {
        *v = roundSignificant(*v, 3);
    }
    if (row.shapeType == 0) {
        row.radiusB = roundSignificant(row.radiusB, 3);
    }
}

// Width-thickness factor √(F0/F): the limits 15.5·tf, 48·tw and 48·t hold for F0 = 235 N/mm2.
double slendernessFactor(const CSteelRaw& grade, int unitSystem) {
    const double f = designStrength(grade, 0.0, unitSystem);
    if (isZero(f)) {
        return 1.0;
    }
    return std::sqrt((unitSystem == 1 ? 23.5 : 2.4) / f);
}

double roundedIf(bool round, double v, int digits) {
    return round ? roundSignificant(v, digits) : v;
}

ColumnAxisProperties hShapeEffective(const CSteel& row, const CSteelRaw& grade,
                                     const CKestoCnt& cnt, int unitSystem) {
    const auto [h, b, tw, tf, r] = dimsOf(row);
    const double lambda = slendernessFactor(grade, unitSystem);
    const double s = cnt.scallopSize / 10.0;
    const double ef = std::max(b / 2.0 - 15.5 * lambda * tf, 0.0);
    const double ew = std::max(h - 2.0 * tf - 2.0 * r - 48.0 * lambda * tw, 0.0);
    const double web = std::max(h - 2.0 * tf - 2.0 * s - ew, 0.0);
    const double clearWeb = h - 2.0 * tf - 2.0 * s;

    ColumnAxisProperties p;
    p.aw = tw * web;
    p.an = tw * web + 2.0 * tf * (b - 2.0 * ef);
    p.zp = tw * std::max(clearWeb * clearWeb - ew * ew, 0.0) / 4.0 + tf * (b - 2.0 * ef) * (h - tf);
    // The fillets count only where no weld-access scallop cuts them away.
    if (isZero(s)) {
        p.an += 4.0 * r * r * kFilletArea;
        p.zp += kPlasticFillet * r * r * (h - 2.0 * tf - kPlasticFilletArm * r);
    }
    return p;
}

ColumnAxisProperties tubeEffective(const CSteel& row, const CSteelRaw& grade, const CKestoCnt& cnt,
                                   int axis, int unitSystem) {
    const double h = row.depth / 10.0;
    const double b = row.width / 10.0;
    const double t = row.webThickness / 10.0;
    const double r = row.filletRadius / 10.0;
    const double lambda = slendernessFactor(grade, unitSystem);
    double eh = std::max(h - 48.0 * lambda * t, 0.0);
    double eb = std::max(b - 48.0 * lambda * t, 0.0);
    if ((grade.gradeKind & 0x80) != 0) {
        eh = 0.0;
        eb = 0.0;
    }
    // About x the walls of length H carry the shear; about y those of length B.
    const double a = axis == 0 ? h : b;
    const double c = axis == 0 ? b : h;
    const double ea = axis == 0 ? eh : eb;
    const double ec = axis == 0 ? eb : eh;

    ColumnAxisProperties p;
    p.an = (tubeArea(h, b, t, r) - 2.0 * t * (eh + eb)) * cnt.tubeLossAn;
    p.aw = isZero(r)
               ? 2.0 * t * (a - ea) * cnt.tubeLossAn
               : (2.0 * t * (a - 2.0 * r - ea) + kPi * t * (2.0 * r - t) / 2.0) * cnt.tubeLossAn;
    p.zp =
        (tubePlasticModulus(a, c, t, r) - (ec * t * (a - t) + ea * ea * t / 2.0)) * cnt.tubeLossZp;
    return p;
}

}  // namespace

double roundSignificant(double x, int n) {
    if (isZero(x)) {
        return 0.0;
    }
    // An infinite or undefined value has no digits to round; scaling it would never end.
    if (!std::isfinite(x)) {
        return x;
    }
    const bool negative = x < 0.0;
    double v = std::fabs(x);
    const double upper = powerOfTen(n);
    const double lower = powerOfTen(n - 1);
    int steps = 0;
    while (v >= upper) {
        v /= 10.0;
        ++steps;
    }
    while (v < lower) {
        v *= 10.0;
        --steps;
    }
    const double whole = std::floor(v);
    const double d = v - whole - 0.5;
    double rounded = 0.0;
    if (std::fabs(d) < 1e-9) {
        rounded = std::fmod(whole, 2.0) == 0.0 ? whole : whole + 1.0;
    } else {
        rounded = d >= 0.0 ? whole + 1.0 : whole;
    }
    // Scaling back by one exact power of ten gives the double nearest to the decimal result.
    rounded = steps >= 0 ? rounded * powerOfTen(steps) : rounded / powerOfTen(-steps);
    return negative ? -rounded : rounded;
}

void computeSectionProperties(CSteel& row, bool round) {
    if (row.shapeType == 0) {
        computeHShape(row);
    } else if (row.shapeType == 1) {
        computeTube(row);
    } else {
        return;
    }
    if (round) {
        roundProperties(row);
    }
}

std::string makeSectionName(const CSteel& row) {
    if (row.shapeType == 0) {
        return strprintf("H-%.0fx%.0fx%.1fx%.0f", row.depth, row.width, row.webThickness,
                         row.flangeThickness);
    }
    if (row.shapeType == 1) {
        return strprintf("□-%.0fx%.0fx%.1f", row.depth, row.width, row.webThickness);
    }
    return "???";
}

ColumnAxisProperties columnAxisProperties(const CSteel& row, const CSteelRaw& grade,
                                          const CKestoCnt& cnt, int axis, int unitSystem,
                                          bool squareTube) {
    if (cnt.sectionFromTable == 1) {
        return axis == 0 ? ColumnAxisProperties{row.plasticModulusX, row.shearAreaX, row.area}
                         : ColumnAxisProperties{row.plasticModulusY, row.shearAreaY, row.area};
    }
    ColumnAxisProperties p;
    if (squareTube) {
        p = tubeEffective(row, grade, cnt, axis, unitSystem);
    } else {
        p = hShapeEffective(row, grade, cnt, unitSystem);
    }
    const bool round = cnt.roundSectionProps != 0;
    p.zp = roundedIf(round, p.zp, 3);
    p.aw = roundedIf(round, p.aw, 4);
    p.an = roundedIf(round, p.an, 4);
    if (!squareTube && axis != 0) {
        // The weak axis of an H-shape keeps the table values.
        p.zp = row.plasticModulusY;
        p.aw = row.shearAreaY;
    }
    return p;
}

ColumnAxisProperties columnAxisProperties(const CSteel& row, const CSteelRaw& grade,
                                          const CKestoCnt& cnt, int axis, int unitSystem) {
    return columnAxisProperties(row, grade, cnt, axis, unitSystem, row.shapeType == 1);
}

}  // namespace kesto
