#include "calc/ultimate_yield.h"

#include <algorithm>
#include <cmath>

#include "base/message_text.h"
#include "base/text_format.h"
#include "calc/check_message.h"
#include "calc/concrete_anchor.h"
#include "calc/shear_check.h"
#include "calc/ultimate_common.h"
#include "calc/ultimate_strength.h"
#include "model/ultimate_slots.h"
#include "tables/material_strength.h"

namespace kesto {
namespace {

// Stresses under the plate for the route-3 forces of one sense; status 0 or the failed search.
int senseStresses(PageContext& ctx, int dir, const std::string& name, double b, double d,
                  double dts, double at, double n, double m, PlateStresses& out) {
    int status = 0;
    ctx.detail("・柱脚応力の計算");
    if (isZero(m)) {
        ctx.detail("曲げモーメント０");
        if (n > 0) {
            // A plate without area has no bearing stress to compare.
            if (isZero(b * d)) {
                out.sigmaCImpossible = true;
            } else {
                out.sigmaC = n * 1000 / (b * d);
            }
        } else {
            out.tensionSum = std::fabs(n) / 2;
        }
    } else {
        status = stressesUnderPlate(ctx, b, d, dts, at, n, std::fabs(m), out);
        if (status != 0) {
            addNgMessage(ctx, KESTO_MESSAGE("中立軸が算定できません"), dir, kUltimateTerm, name);
        }
    }
    if (ctx.detailOn()) {
        const char* f = ctx.forceLabel.c_str();
        ctx.detailf("B(cm),D(cm),dt(cm),at(cm),N(%s),M(%sm),Sc(%s/cm2),ΣT(%s),Xn(cm)", f, f,
                    ctx.smallForceLabel.c_str(), f);
        ctx.detailf("%f,%f,%f,%f,%f,%f,%f,%f,%f", b, d, dts, at, n, m, out.sigmaC, out.tensionSum,
                    out.xn);
    }
    return status;
}

// The shear of the sense cannot be checked: ratio 9.999 with no companion values.
void failSenseShear(CKesto& page, int dir) {
    page.ultimateResults[kRatioUlt17][dir] = kImpossibleRatio;
    page.ultimateResults[kUltQuSense][dir] = 0;
    page.ultimateResults[kUltQm][dir] = 0;
}

}  // namespace

void checkYieldSense(PageContext& ctx, int dir, int sense) {
    CKesto& page = ctx.page;
    ult::senseHeading(ctx, sense);
    const std::string name = ult::senseLabel(sense);
    const int dirEff = ctx.effectiveDir(dir);
    const ult::BendingAxis axis = ult::bendingAxis(page, dirEff);
    const double n = page.ultimateN[dir][sense];
    const double qm = page.ultimateQ[dir][sense];
    const double m = page.ultimateM[dir][sense];
    const double alpha = ult::alphaOf(ctx.cnt, dir);
    const char* f = ctx.forceLabel.c_str();

    // Yield bending strength of the base: the bolts' yield force about the far flange plus the
    // axial force about the column centre.
    const ColumnMoment column = columnMoment(ctx, dirEff, n);
    const int nt = axis.boltCount;
    const double bAe = ctx.bolt != nullptr ? ctx.bolt->threadArea : 0;
    const double fBolt =
        ctx.boltGrade != nullptr ? designStrength(*ctx.boltGrade, 0, ctx.unitSystem) : 0;
    const double dt = axis.d / 2 - axis.gauge;
    const double dc = ctx.section != nullptr
                          ? (dirEff == 0 ? ctx.section->depth : ctx.section->width) / 10 / 2
                          : 0;
    const double my = std::max((nt * bAe * fBolt * (dt + dc) + n * dc) / 100, 0.0);
    const double r1 = ult::ratioOf(alpha * column.mpc, my);
    ult::storeIfLarger(page, dir, kRatioUlt16, r1, {{kUltMpc, column.mpc}, {kUltMu, my}});
    if (ctx.detailOn()) {
        ctx.detail("・曲げ検討");
        columnMomentDetail(ctx, column, n);
        ctx.detailf("My(%sm),nt,bAe(cm2),F(%s/cm2),dt(cm),dc(cm),N(%s)", f, f, f);
        ctx.detailf("%f,%d,%f,%f,%f,%f,%f", my, nt, bAe, fBolt, dt, dc, n);
        ctx.detailf("Mpc(%sm),My(%sm),αMpc/My,α", f, f);
        ctx.detailf("%f,%f,%f,%f", column.mpc, my, r1, alpha);
    }
    if (r1 > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("柱脚の降伏曲げ耐力がＮＧです"), dir, kUltimateTerm, name);
    }

    const double at = nt * (ctx.bolt != nullptr ? ctx.bolt->shankArea : 0);
    PlateStresses stresses;
    if (senseStresses(ctx, dir, name, axis.b, axis.d, axis.gauge, at, n, m, stresses) != 0) {
        failSenseShear(page, dir);
        return;
    }

    const CStress forces{"", m, qm, n};
    const double qy = checkUltimateShear(ctx, forces, stresses.tensionSum, dir, true);
    double r2 = kImpossibleRatio;
    if (isZero(qy)) {
        failSenseShear(page, dir);
        addNgMessage(ctx, KESTO_MESSAGE("ｱﾝｶｰﾎﾞﾙﾄでせん断力を負担できません"), dir, kUltimateTerm,
                     name);
    } else {
        r2 = std::fabs(qm) / qy;
        ult::storeIfLarger(page, dir, kRatioUlt17, r2, {{kUltQuSense, qy}, {kUltQm, qm}});
    }
    if (ctx.detailOn()) {
        ctx.detailf("QM(%s),Qy(%s),QM/Qy", f, f);
        ctx.detailf("%f,%f,%f", qm, qy, r2);
    }
    if (r2 > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("柱脚のせん断耐力がＮＧです"), dir, kUltimateTerm, name);
    }

    if (ctx.cnt.route3NgCheck == 0) {
        return;
    }
    ctx.detail("・コンクリートの破壊防止");
    const double fc = ctx.concrete != nullptr ? designFc(*ctx.concrete, ctx.unitSystem) : 0;
    const double r3 =
        stresses.sigmaCImpossible ? kImpossibleRatio : ult::ratioOf(stresses.sigmaC, fc);
    const double storeFactor = ult::concreteStoreFactor(ctx);
    ult::storeIfLarger(page, dir, kRatioUlt33, r3,
                       {{kUltSigmaC, stresses.sigmaC * storeFactor}, {kUltFc, fc * storeFactor}});
    const char* u = ctx.smallForceLabel.c_str();
    if (ctx.detailOn()) {
        ctx.detailf("σc(%s),Fc(%s),σc/Fc", u, u);
        ctx.detailf("%f,%f,%f", stresses.sigmaC, fc, r3);
    }

    const double pb = nt * bAe * fBolt;
    const double r4 =
        stresses.tensionImpossible ? kImpossibleRatio : ult::ratioOf(stresses.tensionSum, pb);
    ult::storeIfLarger(page, dir, kRatioUlt34, r4,
                       {{kUltTensionSum, stresses.tensionSum}, {kUltPb, pb}});
    if (ctx.detailOn()) {
        ctx.detailf("ΣT(%s),Pb(%s),ΣT/Pb", f, f);
        ctx.detailf("%f,%f,%f", stresses.tensionSum, pb, r4);
    }

    if (r3 > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("コンクリート圧縮応力度がＮＧです"), dir, kUltimateTerm,
                     name);
    }
    if (r4 > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("アンカーボルト引張耐力がＮＧです"), dir, kUltimateTerm,
                     name);
    }
}

double checkUltimateShear(PageContext& ctx, const CStress& c, double tensionSum, int dir,
                          bool capacityOnly) {
    CKesto& page = ctx.page;
    ctx.detail("・せん断検討");
    // An H-shape in its weak direction counts the bolts of its strong-axis row.
    const int nt = ctx.geometryIndex(dir) == 0 ? page.boltCountX : page.boltCountY;
    const double qd = std::fabs(c.q);
    double qa = 0;
    if (ctx.boltGrade != nullptr && ctx.bolt != nullptr) {
        const double t = ctx.bolt->shankDiameter;
        const double ft = allowableTension(*ctx.boltGrade, t, true, ctx.unitSystem);
        const double fs =
            boltShearStress(*ctx.boltGrade, t, true, ctx.cnt.boltFsMode, ctx.unitSystem);
        const double a = nt * ctx.boltAe();
        qa = shearCapacity(ctx, a, qd, c.n, tensionSum, ft, fs);
    }
    if (capacityOnly) {
        return qa;
    }
    double r = kImpossibleRatio;
    if (isZero(qa)) {
        page.ultimateResults[kRatioUlt15][dir] = kImpossibleRatio;
        page.ultimateResults[kUltQa][dir] = 0;
        page.ultimateResults[kUltQd][dir] = 0;
        addNgMessage(ctx, KESTO_MESSAGE("ｱﾝｶｰﾎﾞﾙﾄでせん断力を負担できません"), dir, kUltimateTerm,
                     c.name);
    } else {
        r = qd / qa;
        ult::storeIfLarger(page, dir, kRatioUlt15, r, {{kUltQa, qa}, {kUltQd, qd}});
    }
    if (r > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("せん断耐力がＮＧです"), dir, kUltimateTerm, c.name);
    }
    return qa;
}

}  // namespace kesto
