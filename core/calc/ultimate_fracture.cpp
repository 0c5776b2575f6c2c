#include "calc/ultimate_fracture.h"

#include <cmath>

#include "base/message_text.h"
#include "base/text_format.h"
#include "calc/check_message.h"
#include "calc/ultimate_common.h"
#include "model/ultimate_slots.h"
#include "tables/material_strength.h"

namespace kesto {

void checkPlateFracture(PageContext& ctx, int dir, int sense) {
    if (ctx.cnt.route3NgCheck == 0) {
        return;
    }
    ctx.detail("・ベースプレートの破断防止");
    const CKesto& page = ctx.page;
    const ult::BendingAxis axis = ult::bendingAxis(page, ctx.effectiveDir(dir));
    const double t = page.plateT / 10;
    const double d = ctx.bolt != nullptr ? ctx.bolt->shankDiameter / 10 : 0;
    const double c = ctx.cnt.boltClearance / 10;
    const int n = axis.boltCount;
    const double a = ctx.bolt != nullptr ? ctx.boltAe() : 0;
    const double fb =
        ctx.boltGrade != nullptr ? designStrength(*ctx.boltGrade, 0, ctx.unitSystem) : 0;
    const double sigmaU =
        ctx.basePlateGrade != nullptr ? tensileStrength(*ctx.basePlateGrade, ctx.unitSystem) : 0;
    const double tauU = sigmaU / std::sqrt(3.0);
    const double qm = page.ultimateQ[dir][sense];
    const double alpha = ult::alphaOf(ctx.cnt, dir);
    const char* f = ctx.forceLabel.c_str();

    // Net section across the bolt row (端部).
    const double ae = (axis.b - n * (d + c)) * t;
    const double pu1 = ae * sigmaU;
    const double r1 = ult::ratioOf(std::fabs(qm) * alpha, pu1);
    ult::storeIfLarger(ctx.page, dir, kRatioUlt39, r1, {{kUltPu1, pu1}});
    if (ctx.detailOn()) {
        ctx.detailf("Ae(cm2),σu(%s/cm2),1Pu(%s),α,QM(%s),αQM/1Pu,端部", f, f, f);
        ctx.detailf("%f,%f,%f,%f,%f,%f", ae, sigmaU, pu1, alpha, qm, r1);
    }

    // End distance of the bolts (はしあき).
    const double e = axis.gauge - (d + c) / 2;
    const double pu2 = n * e * t * sigmaU;
    const double r2 = ult::ratioOf(std::fabs(qm) * alpha, pu2);
    ult::storeIfLarger(ctx.page, dir, kRatioUlt40, r2, {{kUltPu2, pu2}});
    if (ctx.detailOn()) {
        ctx.detailf("n,e(cm),t(cm),σu(%s/cm2),2Pu(%s),α,QM(%s),αQM/2Pu,はしあき", f, f, f);
        ctx.detailf("%d,%f,%f,%f,%f,%f,%f,%f", n, e, t, sigmaU, pu2, alpha, qm, r2);
    }

    // Shear around the hole under the bolt's yield force (せん断). Without a hole wall the stress
    // cannot be computed and the check fails like a zero capacity.
    const double qy = a * fb;
    const double a1 = kPi * (d + c) * t;
    const double tau = isZero(a1) ? 0 : 1.5 * qy / a1;
    const double r3 = isZero(a1) ? kImpossibleRatio : ult::ratioOf(alpha * tau, tauU);
    const double stressFactor = ctx.unitSystem == 1 ? 10.0 : 1.0;
    ult::storeIfLarger(ctx.page, dir, kRatioUlt41, r3,
                       {{kUltTau, tau * stressFactor}, {kUltTauU, tauU * stressFactor}});
    if (ctx.detailOn()) {
        ctx.detailf("Qy(%s),A1(cm2),α,τ(%s/cm2),τu(%s/cm2),ατ/τu,せん断", f, f, f);
        ctx.detailf("%f,%f,%f,%f,%f,%f", qy, a1, alpha, tau, tauU, r3);
    }

    if (r1 > 1.0 || r2 > 1.0 || r3 > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("ベースプレートの破断防止がＮＧです"), dir, kUltimateTerm,
                     ult::senseLabel(sense));
    }
}

}  // namespace kesto
