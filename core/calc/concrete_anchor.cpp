#include "calc/concrete_anchor.h"

#include <cmath>

#include "base/message_text.h"
#include "base/text_format.h"
#include "calc/check_message.h"
#include "tables/material_strength.h"

namespace kesto {
namespace {

constexpr double kModulusRatio = 15.0;
constexpr double kRootTolerance = 0.001;
constexpr int kMaxHalvings = 100;

// A denominator must be positive; zero or negative makes the quantity impossible.
// Bisection on [0, d] stopping on the function value.
template <class F>
double bisect(const F& f, double d) {
    const double f0 = f(0.0);
    const double f1 = f(d);
    if (f0 * f1 > 0.0) {
        return 0.0;
    }
    double lo = 0.0;
    double hi = d;
    for (int i = 0; i < kMaxHalvings; ++i) {
        const double mid = (lo + hi) / 2.0;
        const double g = f(mid);
        if (std::fabs(g) < kRootTolerance) {
            return mid;
        }
        const bool below = g < 0.0;
        if (f0 < 0.0) {
            (below ? lo : hi) = mid;
        } else {
            (below ? hi : lo) = mid;
        }
    }
    return -1.0;
}

// sigmaC and tensionSum from the neutral axis; L = d - dt - xn/3 is the lever arm.
void eccentricStresses(double b, double d, double dt, double n, double e, PlateStresses& out) {
    const double lever = d - dt - out.xn / 3.0;
    if (!isPositive(lever)) {
        out.sigmaCImpossible = true;
        out.tensionImpossible = true;
        return;
    }
    const double sigmaDen = b * out.xn * lever;
    if (isPositive(sigmaDen)) {
        out.sigmaC = 2.0 * n * (d / 2.0 + e - dt) / sigmaDen;
    } else {
        out.sigmaCImpossible = true;
    }
    out.tensionSum = n * (e - d / 2.0 + out.xn / 3.0) / lever / 1000.0;
}

// Stores value pairs of the governing combination: allowable slot or ultimate slots.
struct ResultCells {
    double* ratio;
    double* value;
    double* limit;
};

ResultCells concreteCells(CKesto& page, int dir, int term, int slot) {
    if (term == kUltimateTerm) {
        return {&page.ultimateResults[13][dir], &page.ultimateResults[8][dir],
                &page.ultimateResults[9][dir]};
    }
    return {&page.ratioConcrete[dir][slot], &page.sigmaC[dir][slot], &page.allowFc[dir][slot]};
}

ResultCells boltCells(CKesto& page, int dir, int term, int slot) {
    if (term == kUltimateTerm) {
        return {&page.ultimateResults[14][dir], &page.ultimateResults[10][dir],
                &page.ultimateResults[11][dir]};
    }
    return {&page.ratioBoltTension[dir][slot], &page.boltTensionSum[dir][slot],
            &page.boltTensionAllow[dir][slot]};
}

void storeIfLarger(const ResultCells& cells, double ratio, double value, double limit) {
    if (*cells.ratio < ratio) {
        *cells.ratio = ratio;
        *cells.value = finiteValue(value);
        *cells.limit = finiteValue(limit);
    }
}

}  // namespace

double neutralAxisPureBending(double b, double d, double dt, double at) {
    if (!isPositive(b)) {
        return 0.0;  // a plate without width has no neutral axis
    }
    const double k = 6.0 * kModulusRatio * at / b;
    return bisect([&](double x) { return 3.0 * x * x - k * (d - dt - x); }, d);
}

double neutralAxisEccentric(double b, double d, double dt, double at, double e) {
    if (!isPositive(b)) {
        return 0.0;
    }
    const double k = 6.0 * kModulusRatio * at / b * (e + d / 2.0 - dt);
    return bisect(
        [&](double x) { return x * x * x + 3.0 * (e - d / 2.0) * x * x - k * (d - dt - x); }, d);
}

int stressesUnderPlate(const PageContext& ctx, double b, double d, double dt, double at, double n,
                       double m, PlateStresses& out) {
    if (isZero(n)) {
        ctx.detail("軸力０による算定");
        out.xn = neutralAxisPureBending(b, d, dt, at);
        if (out.xn <= 0.0) {
            return kNeutralAxisFailed;
        }
        const double lever = d - dt - out.xn / 3.0;
        if (!isPositive(lever)) {
            out.sigmaCImpossible = true;
            out.tensionImpossible = true;
            return 0;
        }
        out.tensionSum = m * 100.0 / lever;
        if (isPositive(b)) {
            out.sigmaC = 2.0 * out.tensionSum * 1000.0 / (b * out.xn);
        } else {
            out.sigmaCImpossible = true;
        }
        return 0;
    }
    const double nSmall = n * 1000.0;    // kg or N
    const double mSmall = m * 100000.0;  // kg·cm or N·cm
    const double e = mSmall / nSmall;
    bool eccentric = false;
    if (e < -d / 2.0 + dt) {
        ctx.detail("e < -D / 2 + dt");
        eccentric = true;
    } else if (e < 0.0) {
        ctx.detail("-D / 2 + dt <= e && e < 0");
        const double den = d - 2.0 * dt;
        if (isPositive(den)) {
            out.tensionSum = nSmall * (e - d / 2.0 + dt) / den / 1000.0;
        } else {
            out.tensionImpossible = true;
        }
    } else if (e <= d / 6.0) {
        ctx.detail("0 <= e <= D / 6");
        if (isPositive(b * d)) {
            out.sigmaC = nSmall / (b * d) * (1.0 + 6.0 * e / d);
        } else {
            out.sigmaCImpossible = true;
        }
    } else if (e <= d / 6.0 + dt / 3.0) {
        ctx.detail("D / 6 < e <= D / 6 + dt / 3");
        const double den = 3.0 * b * (d / 2.0 - e);
        if (isPositive(b) && isPositive(d / 2.0 - e)) {
            out.sigmaC = 2.0 * nSmall / den;
        } else {
            out.sigmaCImpossible = true;
        }
    } else {
        ctx.detail("D / 6 + dt / 3 < e");
        eccentric = true;
    }
    if (!eccentric) {
        return 0;
    }
    out.xn = neutralAxisEccentric(b, d, dt, at, e);
    if (out.xn <= 0.0) {
        return kNeutralAxisFailed;
    }
    eccentricStresses(b, d, dt, nSmall, e, out);
    return 0;
}

int concreteAnchorCheck(PageContext& ctx, const CStress& c, int dir, int term, PlateStresses& out) {
    ctx.detail("・コンクリート／アンカーボルトの検討");
    out = PlateStresses{};
    const double n = c.n;
    const double m = std::fabs(c.m);
    if (isZero(n) && isZero(m)) {
        ctx.detail("応力０より計算省略");
        return 0;
    }
    CKesto& page = ctx.page;
    const int eff = ctx.effectiveDir(dir);
    const int slot = ctx.slotOf(term);
    const double b = (eff == 0 ? page.plateB : page.plateD) / 10.0;
    const double d = (eff == 0 ? page.plateD : page.plateB) / 10.0;
    const double dt = (eff == 0 ? page.boltGaugeX : page.boltGaugeY) / 10.0;
    const bool weakAxis = page.columnKind == 1 && eff == 1;
    const int nt = eff == 0 || weakAxis ? page.boltCountX : page.boltCountY;
    const double at = nt * ctx.bolt->shankArea;

    if (isZero(m) || weakAxis) {
        ctx.detail("曲げモーメント０またはＨ形鋼弱軸");
        if (n > 0.0) {
            if (isPositive(b * d)) {
                out.sigmaC = n * 1000.0 / (b * d);
            } else {
                out.sigmaCImpossible = true;
            }
        } else {
            out.tensionSum = std::fabs(n) / 2.0;
        }
    } else if (stressesUnderPlate(ctx, b, d, dt, at, n, m, out) == kNeutralAxisFailed) {
        addNgMessage(ctx, KESTO_MESSAGE("中立軸が算定できません"), dir, term, c.name);
        const ResultCells conc = concreteCells(page, dir, term, slot);
        const ResultCells bolt = boltCells(page, dir, term, slot);
        for (const ResultCells& cells : {conc, bolt}) {
            *cells.ratio = kImpossibleRatio;
            *cells.value = 0.0;
            *cells.limit = 0.0;
        }
        const double xn = out.xn;
        out = PlateStresses{};
        out.xn = xn;
        return kNeutralAxisFailed;
    }

    const double si = ctx.unitSystem == 1 ? 0.01 : 1.0;
    const double f = term == kUltimateTerm
                         ? designFc(*ctx.concrete, ctx.unitSystem)
                         : allowableCompression(*ctx.concrete, term == kShortTerm, ctx.unitSystem);
    // A zero allowable stress leaves no capacity at all.
    const double ratioC =
        out.sigmaCImpossible || !isPositive(f) ? kImpossibleRatio : finiteRatio(out.sigmaC / f);
    storeIfLarger(concreteCells(page, dir, term, slot), ratioC, out.sigmaC * si, f * si);

    double area = 0.0;
    double ft = 0.0;
    if (term == kUltimateTerm) {
        area = (eff == 0 ? page.boltCountX : page.boltCountY) * ctx.bolt->threadArea;
        ft = designStrength(*ctx.boltGrade, 0.0, ctx.unitSystem);
    } else {
        area = nt * ctx.boltAe();
        ft = allowableTension(*ctx.boltGrade, ctx.bolt->shankDiameter, term == kShortTerm,
                              ctx.unitSystem);
    }
    const double pb = area * ft;
    double ratioT = 0.0;
    if (out.tensionImpossible) {
        ratioT = kImpossibleRatio;
    } else if (isZero(pb)) {
        // No bolt capacity: impossible only under a tension; a zero or negative ΣT needs none.
        ratioT = isPositive(out.tensionSum) ? kImpossibleRatio : 0.0;
    } else {
        ratioT = finiteRatio(out.tensionSum / pb);
    }
    storeIfLarger(boltCells(page, dir, term, slot), ratioT, out.tensionSum, pb);

    if (ctx.detailOn()) {
        const char* small = ctx.smallForceLabel.c_str();
        const char* force = ctx.forceLabel.c_str();
        ctx.detailf("σc(%s/cm2),fc(%s/cm2),σc/fc,Xn(cm),dtl(cm),at(cm2)", small, small);
        ctx.detailf("%f,%f,%f,%f,%f,%f", out.sigmaC, f, ratioC, out.xn, dt, at);
        ctx.detailf("ΣT(%s),Pb(%s),ΣT/Pb,bAe(cm2),ft(%s/cm2)", force, force, force);
        ctx.detailf("%f,%f,%f,%f,%f", out.tensionSum, pb, ratioT, area, ft);
    }
    if (ratioC > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("コンクリート圧縮応力度がＮＧです"), dir, term, c.name);
    }
    if (ratioT > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("アンカーボルト引張耐力がＮＧです"), dir, term, c.name);
    }
    return 0;
}

}  // namespace kesto
