#include "calc/shear_check.h"

#include <algorithm>
#include <cmath>

#include "base/message_text.h"
#include "base/text_format.h"
#include "calc/check_message.h"
#include "tables/material_strength.h"

namespace kesto {

namespace {
constexpr double kFrictionCoefficient = 0.4;
}  // namespace

double tensionReducedFs(double ft, double t, double a, double fs) {
    if (isZero(a)) {
        return 0.0;  // the tension of a bolt without area uses up all its strength
    }
    return std::max(0.0, std::min(fs, (1.4 * ft - t / a) / 1.6));
}

double shearCapacity(const PageContext& ctx, double a, double q, double n, double t, double ft,
                     double fs) {
    const char* force = ctx.forceLabel.c_str();
    double ratio = kImpossibleRatio;
    double qa = 0.0;
    if (n + t > 0.0 && !isZero(n + t)) {
        qa = kFrictionCoefficient * (n + t);
        ratio = finiteRatio(q / qa);
        if (ctx.detailOn()) {
            ctx.detail("摩擦によるせん断耐力");
            ctx.detailf("QD(%s),Qa(%s),Q/Qa,N(%s),ΣT(%s)", force, force, force, force);
            ctx.detailf("%f,%f,%f,%f,%f", q, qa, ratio, n, t);
        }
    }
    if (ratio <= 1.0) {
        return qa;
    }
    ratio = kImpossibleRatio;
    ctx.detail("アンカーボルトによるせん断耐力");
    if (isZero(t)) {
        ctx.detail("アンカーボルト引張無し");
        qa = 2.0 * a * fs;
        if (!isZero(qa)) {
            ratio = finiteRatio(q / qa);
        }
        if (ctx.detailOn()) {
            ctx.detailf("QD(%s),Qa(%s),QD/Qa,2*bAe(cm2),fs(%s/cm2)", force, force, force);
            ctx.detailf("%f,%f,%f,%f,%f", q, qa, ratio, 2.0 * a, fs);
        }
        return qa;
    }
    double fs1 = 0.0;
    double fs2 = 0.0;
    if (n + t > 0.0) {
        ctx.detail("アンカーボルト片側引張");
        fs1 = tensionReducedFs(ft, t, a, fs);
        fs2 = fs;
    } else {
        ctx.detail("アンカーボルト両側引張");
        fs1 = tensionReducedFs(ft, t, a, fs);
        fs2 = tensionReducedFs(ft, -(n + t), a, fs);
    }
    qa = a * fs1 + a * fs2;
    if (!isZero(qa)) {
        ratio = finiteRatio(q / qa);
    }
    if (ctx.detailOn()) {
        ctx.detailf("QD(%s),Qa(%s),QD/Qa,bAe(cm2),fs1(%s/cm2),fs2(%s/cm2),ft(%s/cm2),N(%s),ΣT(%s)",
                    force, force, force, force, force, force, force);
        ctx.detailf("%f,%f,%f,%f,%f,%f,%f,%f,%f", q, qa, ratio, a, fs1, fs2, ft, n, t);
    }
    return qa;
}

void shearCheck(PageContext& ctx, const CStress& c, double tensionSum, int dir, int term) {
    ctx.detail("・せん断検討");
    CKesto& page = ctx.page;
    const int i = ctx.geometryIndex(dir);
    const int slot = ctx.slotOf(term);
    const double n = c.n;
    const double q = std::fabs(c.q);
    const int count = i == 0 ? page.boltCountX : page.boltCountY;
    const double a = count * ctx.boltAe();
    const bool shortTerm = term == kShortTerm;
    const double d = ctx.bolt->shankDiameter;
    const double ft = allowableTension(*ctx.boltGrade, d, shortTerm, ctx.unitSystem);
    const double fs =
        boltShearStress(*ctx.boltGrade, d, shortTerm, ctx.cnt.boltFsMode, ctx.unitSystem);
    const double qa = shearCapacity(ctx, a, q, n, tensionSum, ft, fs);
    double ratio = kImpossibleRatio;
    if (isZero(qa)) {
        page.ratioShear[dir][slot] = kImpossibleRatio;
        page.shearQa[dir][slot] = 0.0;
        page.shearQD[dir][slot] = q;
        addNgMessage(ctx, KESTO_MESSAGE("ｱﾝｶｰﾎﾞﾙﾄでせん断力を負担できません"), dir, term, c.name);
    } else {
        ratio = finiteRatio(q / qa);
        if (page.ratioShear[dir][slot] < ratio) {
            page.ratioShear[dir][slot] = ratio;
            page.shearQa[dir][slot] = finiteValue(qa);
            page.shearQD[dir][slot] = finiteValue(q);
        }
    }
    if (ratio > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("せん断耐力がＮＧです"), dir, term, c.name);
    }
}

}  // namespace kesto
