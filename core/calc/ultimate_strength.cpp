#include "calc/ultimate_strength.h"

#include <algorithm>
#include <cmath>

#include "base/text_format.h"
#include "calc/ultimate_common.h"
#include "tables/material_strength.h"

namespace kesto {

ColumnAxisProperties columnProperties(const PageContext& ctx, int dirEff) {
    if (ctx.section == nullptr || ctx.columnGrade == nullptr) {
        return {};
    }
    // The page's column kind decides the shape, even when the section row names the other one.
    const bool hShape = ctx.page.columnKind == 1;
    return columnAxisProperties(*ctx.section, *ctx.columnGrade, ctx.cnt, hShape ? 0 : dirEff,
                                ctx.unitSystem, !hShape);
}

double columnYieldStress(const PageContext& ctx) {
    if (ctx.section == nullptr || ctx.columnGrade == nullptr) {
        return 0;
    }
    const double t =
        ctx.page.columnKind == 1 ? ctx.section->flangeThickness : ctx.section->webThickness;
    return designStrength(*ctx.columnGrade, t, ctx.unitSystem) * ctx.cnt.yieldStrengthFactor;
}

double reducedPlasticMoment(double sigmaY, double zp, double aw, double an, double n) {
    const double ny = an * sigmaY;
    if (isZero(ny)) {
        return 0;
    }
    const double mp = sigmaY * zp / 100;
    const double ratio = std::fabs(n) / ny;
    const double mpc = aw / (2 * an) < ratio ? 1.14 * (1 - ratio) * mp : mp;
    return std::max(mpc, 0.0);
}

BaseStrengths baseStrengths(double b, double d, double fc, int nt, double ab, double f) {
    BaseStrengths s;
    s.nu = 0.85 * b * d * fc / 1000;
    s.tu = nt * ab * f;
    s.su = s.tu / std::sqrt(3.0);
    return s;
}

double ultimateBendingStrength(double d, double dt, double n, double nu, double tu) {
    double mu = 0;
    if (nu - tu < n && n <= nu) {
        mu = (nu - n) * dt;
    } else if (-tu < n && n <= nu - tu) {
        mu = tu * dt + (n + tu) * (d / 2) * (1 - (n + tu) / nu);
    } else if (-2 * tu < n && n <= -tu) {
        mu = (n + 2 * tu) * dt;
    }
    return mu / 100;
}

double ultimateShearStrength(double n, double nu, double tu, double su) {
    double qf = 0;
    double qs = 0;
    if (nu - tu < n && n <= nu) {
        qf = 0.5 * n;
        qs = 2 * su;
    } else if (-tu < n && n <= nu - tu) {
        qf = std::min(0.5 * (n + tu), 0.5 * (nu - tu));
        const double tPrime = std::min(tu, nu - tu - n);
        qs = su * (1 + std::sqrt(1 - (tPrime / tu) * (tPrime / tu)));
    } else if (-2 * tu < n && n <= -tu) {
        const double r = (-n - tu) / tu;
        qs = su * std::sqrt(1 - r * r);
    }
    return qf <= qs ? qs : qf;
}

ColumnMoment columnMoment(const PageContext& ctx, int dirEff, double n) {
    ColumnMoment m;
    m.sigmaY = columnYieldStress(ctx);
    m.props = columnProperties(ctx, dirEff);
    m.mpc = reducedPlasticMoment(m.sigmaY, m.props.zp, m.props.aw, m.props.an, n);
    return m;
}

void columnMomentDetail(const PageContext& ctx, const ColumnMoment& m, double n) {
    if (!ctx.detailOn()) {
        return;
    }
    const char* f = ctx.forceLabel.c_str();
    ctx.detailf("Mpc(%sm),σy(%s/cm2),Zp(cm3),Aw(cm2),An(cm2),N(%s)", f, f, f);
    ctx.detailf("%f,%f,%f,%f,%f,%f", m.mpc, m.sigmaY, m.props.zp, m.props.aw, m.props.an, n);
}

}  // namespace kesto
