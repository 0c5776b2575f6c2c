#include "calc/ultimate_concrete.h"

#include <algorithm>
#include <cmath>

#include "base/message_text.h"
#include "base/text_format.h"
#include "calc/check_message.h"
#include "calc/ultimate_common.h"
#include "model/ultimate_slots.h"
#include "tables/material_strength.h"

namespace kesto {

AnchorBlockAreas anchorBlockAreas(const CKesto& page, double at) {
    if (!isZero(page.inputAa)) {
        return {page.inputAa, page.inputAc};
    }
    const double bt = page.anchorBlockB / 10;
    const double dt = page.anchorBlockD / 10;
    const double l = page.boltLength / 10;
    return {std::max(bt * dt - at, 0.0), 2 * bt * l + 2 * dt * l + kPi * l * l};
}

double concreteTensileStrength(double fc, int unitSystem) {
    // In SI the formula takes Fc in N/mm2 and gives N/mm2; the calculation works in N/cm2.
    return unitSystem == 1 ? 0.31 * std::sqrt(fc / 100) * 100 : std::sqrt(fc);
}

void checkConcreteFailure(PageContext& ctx, int dir, int sense) {
    if (ctx.cnt.route3NgCheck == 0) {
        return;
    }
    CKesto& page = ctx.page;
    const int dirEff = ctx.effectiveDir(dir);
    const ult::BendingAxis axis = ult::bendingAxis(page, dirEff);
    const double bc = (dirEff == 0 ? page.pedestalB : page.pedestalD) / 10;
    const double dc = (dirEff == 0 ? page.pedestalD : page.pedestalB) / 10;
    const double d = ctx.bolt != nullptr ? ctx.bolt->shankDiameter / 10 : 0;
    const double at = axis.boltCount * (ctx.bolt != nullptr ? ctx.bolt->shankArea : 0);
    const double sigmaY =
        ctx.boltGrade != nullptr ? designStrength(*ctx.boltGrade, 0, ctx.unitSystem) * 1000 : 0;
    const double tauY = sigmaY / std::sqrt(3.0);
    const double n = page.ultimateN[dir][sense] * 1000;
    const double fc = ctx.concrete != nullptr ? designFc(*ctx.concrete, ctx.unitSystem) : 0;
    const double x = std::max((dc - axis.d) / 2, 0.0);
    const double e = std::max(axis.gauge + x, 0.0);
    const AnchorBlockAreas areas = anchorBlockAreas(page, at);
    page.usedAa = areas.aa;
    page.usedAc = areas.ac;
    const double fc4 = concreteTensileStrength(fc, ctx.unitSystem);
    const double sigmaT = std::min(fc4, fc / 15);
    const double storeFactor = ult::concreteStoreFactor(ctx);
    const char* u = ctx.smallForceLabel.c_str();
    const double boltForce = at * sigmaY;
    bool ng = false;

    // Stores the ratio of one crushing check with its stress and capacity (stored unit).
    auto crushing = [&](int ratioSlot, int stressSlot, int capacitySlot, double stress,
                        double capacity) {
        const double r = ult::ratioOf(stress, capacity);
        ult::storeIfLarger(
            page, dir, ratioSlot, r,
            {{stressSlot, stress * storeFactor}, {capacitySlot, capacity * storeFactor}});
        ng = ng || r > 1.0;
        return r;
    };
    // A stress over a zero area is not computed (0); a negative stress means no pressure.
    auto stressOver = [](double force, double area) {
        return isZero(area) ? 0.0 : std::max(force / area, 0.0);
    };

    ctx.detail("・コンクリートの破壊防止");

    // The edge strip is tested for zero as Bc·x; the stress acts on twice that area.
    const double cy1 = isZero(bc * x) ? 0.0 : std::max((boltForce + n) / (2 * bc * x), 0.0);
    const double r1 = crushing(kRatioUlt33, kUltCy1, kUltFc1, cy1, fc);
    if (ctx.detailOn()) {
        ctx.detailf(
            "at(cm2),bσy(%s/cm2),N(%s),Bc(cm),x(cm),Cy1(%s/cm2),Fc1(%s/cm2),Cy1/"
            "Fc1,コンクリート立上げ部縁辺の圧壊",
            u, u, u, u);
        ctx.detailf("%f,%f,%f,%f,%f,%f,%f,%f", at, sigmaY, n, bc, x, cy1, fc, r1);
    }

    const double cy2 = stressOver(boltForce + n, axis.b * axis.d);
    const double r2 = crushing(kRatioUlt34, kUltCy2, kUltFc2, cy2, fc / 3);
    if (ctx.detailOn()) {
        ctx.detailf(
            "at(cm2),bσy(%s/cm2),N(%s),B(cm),D(cm),Cy2(%s/cm2),Fc2(%s/cm2),"
            "Cy2/Fc2,コンクリート立上げ部の圧壊",
            u, u, u, u);
        ctx.detailf("%f,%f,%f,%f,%f,%f,%f,%f", at, sigmaY, n, axis.b, axis.d, cy2, fc / 3, r2);
    }

    if (ctx.cnt.useAnchorBlock != 0 && page.useAnchorBlock != 0) {
        // An entered area is taken as it is: a negative one gives a negative stress and ratio.
        const double cy3 = isZero(areas.aa) ? 0.0 : boltForce / areas.aa;
        const double r3 = crushing(kRatioUlt35, kUltCy3, kUltFc3, cy3, 5 * fc);
        if (ctx.detailOn()) {
            ctx.detailf(
                "at(cm2),bσy(%s/cm2),Aa(cm2),Cy3(%s/cm2),Fc3(%s/cm2),Cy3/Fc3,"
                "アンカーブロック上面のコンクリートの圧壊",
                u, u, u);
            ctx.detailf("%f,%f,%f,%f,%f,%f", at, sigmaY, areas.aa, cy3, 5 * fc, r3);
        }

        const double cy4 = isZero(areas.ac) ? 0.0 : boltForce / areas.ac;
        const double r4 = crushing(kRatioUlt36, kUltCy4, kUltFc4, cy4, fc4);
        if (ctx.detailOn()) {
            ctx.detailf(
                "at(cm2),bσy(%s/cm2),Ac(cm2),Cy4(%s/cm2),Fc4(%s/cm2),Cy4/Fc4,"
                "アンカーブロックによるコンクリートの割裂",
                u, u, u);
            ctx.detailf("%f,%f,%f,%f,%f,%f", at, sigmaY, areas.ac, cy4, fc4, r4);
        }
    }

    if (ctx.cnt.concreteShearCheck != 0 && page.concreteShearCheck != 0) {
        // A required edge distance over a zero tensile strength or pedestal width cannot be
        // computed: it is shown as 0 with the failed ratio.
        const bool coneComputable = !isZero(sigmaT) && sigmaY / sigmaT >= 0;
        const double ne1 = coneComputable ? 0.54 * d * std::sqrt(sigmaY / sigmaT) : 0;
        const double r5 = coneComputable ? ult::ratioOf(ne1, e) : kImpossibleRatio;
        ult::storeIfLarger(page, dir, kRatioUlt37, r5, {{kUltNe1, ne1}, {kUltEdge, e}});
        ng = ng || r5 > 1.0;
        if (ctx.detailOn()) {
            ctx.detailf(
                "bσy(%s/cm2),cσt(%s/cm2),d(cm),ne1(cm),e(cm),ne1/e,"
                "アンカーボルトによるコーン状破壊",
                u, u);
            ctx.detailf("%f,%f,%f,%f,%f,%f", sigmaY, sigmaT, d, ne1, e, r5);
        }

        const bool rowComputable = !isZero(bc * sigmaT);
        const double ne2 = rowComputable ? at * tauY / (bc * sigmaT) : 0;
        const double r6 = rowComputable ? ult::ratioOf(ne2, e) : kImpossibleRatio;
        ult::storeIfLarger(page, dir, kRatioUlt38, r6, {{kUltNe2, ne2}, {kUltEdge, e}});
        ng = ng || r6 > 1.0;
        if (ctx.detailOn()) {
            ctx.detailf(
                "at(cm2),bτy(%s/cm2),Bc(cm),cσt(%s/cm2),ne2(cm),e(cm),ne2/e,"
                "列ボルトによるせん断破壊",
                u, u);
            ctx.detailf("%f,%f,%f,%f,%f,%f,%f", at, tauY, bc, sigmaT, ne2, e, r6);
        }
    }

    if (ng) {
        addNgMessage(ctx, KESTO_MESSAGE("コンクリートの破壊防止がＮＧです"), dir, kUltimateTerm,
                     ult::senseLabel(sense));
    }
}

}  // namespace kesto
