#include "calc/ultimate_bending.h"

#include <cmath>

#include "base/message_text.h"
#include "base/text_format.h"
#include "calc/check_message.h"
#include "calc/ultimate_common.h"
#include "calc/ultimate_strength.h"
#include "model/ultimate_slots.h"
#include "tables/material_strength.h"

namespace kesto {
namespace {

// Everything the bending and shear strengths of one axial force are made of.
struct StrengthCase {
    ult::BendingAxis axis;
    double dt = 0;
    double fc = 0;
    double f = 0;
    double ab = 0;
    ColumnMoment column;
    BaseStrengths base;
    double mu = 0;
    double qu = 0;
};

StrengthCase strengthCase(const PageContext& ctx, int dir, double n) {
    StrengthCase s;
    const int dirEff = ctx.effectiveDir(dir);
    s.axis = ult::bendingAxis(ctx.page, dirEff);
    s.dt = s.axis.d / 2 - s.axis.gauge;
    s.fc = ctx.concrete != nullptr ? designFc(*ctx.concrete, ctx.unitSystem) : 0;
    s.f = ctx.boltGrade != nullptr ? designStrength(*ctx.boltGrade, 0, ctx.unitSystem) : 0;
    s.ab = ctx.bolt != nullptr ? ctx.bolt->shankArea : 0;
    s.column = columnMoment(ctx, dirEff, n);
    s.base = baseStrengths(s.axis.b, s.axis.d, s.fc, s.axis.boltCount, s.ab, s.f);
    s.mu = ultimateBendingStrength(s.axis.d, s.dt, n, s.base.nu, s.base.tu);
    s.qu = ultimateShearStrength(n, s.base.nu, s.base.tu, s.base.su);
    return s;
}

void strengthDetail(const PageContext& ctx, const StrengthCase& s, double n) {
    if (!ctx.detailOn()) {
        return;
    }
    const char* f = ctx.forceLabel.c_str();
    ctx.detail("・曲げ／せん断検討");
    columnMomentDetail(ctx, s.column, n);
    ctx.detailf("B(cm),D(cm),dt(cm),Fc(%s/cm2),F(%s/cm2),nt,Ab(cm2)", ctx.smallForceLabel.c_str(),
                f);
    ctx.detailf("%f,%f,%f,%f,%f,%d,%f", s.axis.b, s.axis.d, s.dt, s.fc, s.f, s.axis.boltCount,
                s.ab);
    ctx.detailf("Mu(%sm),Qu(%s),Nu(%s),Tu(%s),Su(%s),N(%s)", f, f, f, f, f, f);
    ctx.detailf("%f,%f,%f,%f,%f,%f", s.mu, s.qu, s.base.nu, s.base.tu, s.base.su, n);
}

// α·Mpc/Mu, with the axial-limit message when Mu is zero; stored in `ratioSlot` with Mpc, Mu.
double bendingRatio(PageContext& ctx, const StrengthCase& s, int dir, const std::string& name,
                    int ratioSlot) {
    const double alpha = ult::alphaOf(ctx.cnt, dir);
    double r1 = kImpossibleRatio;
    if (isZero(s.mu)) {
        addNgMessage(ctx, KESTO_MESSAGE("柱脚の軸力制限を超えた"), dir, kUltimateTerm, name);
    } else {
        r1 = alpha * s.column.mpc / s.mu;
    }
    ult::storeIfLarger(ctx.page, dir, ratioSlot, r1, {{kUltMpc, s.column.mpc}, {kUltMu, s.mu}});
    const char* f = ctx.forceLabel.c_str();
    if (ctx.detailOn()) {
        ctx.detailf("Mpc(%sm),Mu(%sm),αMpc/Mu,α", f, f);
        ctx.detailf("%f,%f,%f,%f", s.column.mpc, s.mu, r1, alpha);
    }
    return r1;
}

void strengthMessages(PageContext& ctx, int dir, const std::string& name, double r1, double r2) {
    if (r1 > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("柱脚の終局曲げ耐力がＮＧです"), dir, kUltimateTerm, name);
    }
    if (r2 > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("柱脚の終局せん断耐力がＮＧです"), dir, kUltimateTerm,
                     name);
    }
}

}  // namespace

void checkUltimateCombination(PageContext& ctx, const CStress& c, int dir) {
    const StrengthCase s = strengthCase(ctx, dir, c.n);
    strengthDetail(ctx, s, c.n);
    const char* f = ctx.forceLabel.c_str();

    double r1 = bendingRatio(ctx, s, dir, c.name, kRatioUlt13);
    if (r1 > 1.0) {
        // The connection condition fails: the base must then carry the combination's moment.
        r1 = ult::ratioOf(std::fabs(c.m), s.mu);
        ult::storeIfLarger(ctx.page, dir, kRatioUlt14, r1, {{kUltMd, c.m}, {kUltMuForMd, s.mu}});
        if (ctx.detailOn()) {
            ctx.detailf("MD(%sm),Mu(%sm),MD/Mu", f, f);
            ctx.detailf("%f,%f,%f", c.m, s.mu, r1);
        }
    }

    const double r2 = ult::ratioOf(std::fabs(c.q), s.qu);
    ult::storeIfLarger(ctx.page, dir, kRatioUlt15, r2, {{kUltQd, c.q}, {kUltQu, s.qu}});
    if (ctx.detailOn()) {
        ctx.detailf("QD(%sm),Qu(%sm),QD/Qu", f, f);
        ctx.detailf("%f,%f,%f", c.q, s.qu, r2);
    }

    strengthMessages(ctx, dir, c.name, r1, r2);
}

void checkUltimateSense(PageContext& ctx, int dir, int sense) {
    ult::senseHeading(ctx, sense);
    const double n = ctx.page.ultimateN[dir][sense];
    const double qm = ctx.page.ultimateQ[dir][sense];
    const std::string name = ult::senseLabel(sense);
    const StrengthCase s = strengthCase(ctx, dir, n);
    strengthDetail(ctx, s, n);

    const double r1 = bendingRatio(ctx, s, dir, name, kRatioUlt16);

    const double r2 = ult::ratioOf(std::fabs(qm), s.qu);
    ult::storeIfLarger(ctx.page, dir, kRatioUlt17, r2, {{kUltQm, qm}, {kUltQuSense, s.qu}});
    const char* f = ctx.forceLabel.c_str();
    if (ctx.detailOn()) {
        ctx.detailf("QM(%s),Qu(%s),QM/Qu", f, f);
        ctx.detailf("%f,%f,%f", qm, s.qu, r2);
    }

    strengthMessages(ctx, dir, name, r1, r2);
}

}  // namespace kesto
