#include "calc/ultimate.h"

#include "base/text_format.h"
#include "calc/concrete_anchor.h"
#include "calc/ultimate_bending.h"
#include "calc/ultimate_common.h"
#include "calc/ultimate_concrete.h"
#include "calc/ultimate_fracture.h"
#include "calc/ultimate_yield.h"
#include "model/ultimate_slots.h"

namespace kesto {
namespace {

constexpr std::uint8_t kRoute12 = 1;
constexpr std::uint8_t kRoute3 = 2;

const char* elongationText(const CKestoCnt& cnt) {
    return cnt.boltElongation == 1 ? "有り" : "無し";
}

void route12(PageContext& ctx, int dir) {
    if (ctx.detailOn()) {
        ctx.detailf("ルート２（アンカーボルトの伸び%s）", elongationText(ctx.cnt));
    }
    const char* f = ctx.forceLabel.c_str();
    for (const CStress& c : ctx.page.ultimateComboResults[dir]) {
        if (ctx.detailOn()) {
            ctx.detail("");
            ctx.detailf("組合わせ,N(%s),M(%sm),Q(%s)", f, f, f);
            ctx.detailf("%s,%f,%f,%f", c.name.c_str(), c.n, c.m, c.q);
            ctx.detail("");
        }
        if (ctx.cnt.boltElongation == 1) {
            checkUltimateCombination(ctx, c, dir);
        } else {
            PlateStresses stresses;
            concreteAnchorCheck(ctx, c, dir, kUltimateTerm, stresses);
            checkUltimateShear(ctx, c, stresses.tensionSum, dir, false);
        }
    }
}

void route3(PageContext& ctx, int dir) {
    if (ctx.detailOn()) {
        ctx.detailf("ルート３（アンカーボルトの伸び%s）", elongationText(ctx.cnt));
    }
    for (int sense = 0; sense < 2; ++sense) {
        if (ctx.cnt.boltElongation == 1) {
            checkUltimateSense(ctx, dir, sense);
            checkConcreteFailure(ctx, dir, sense);
        } else {
            checkYieldSense(ctx, dir, sense);
        }
        checkPlateFracture(ctx, dir, sense);
    }
}

}  // namespace

double ultimateGoverningRatio(const CKestoCnt& cnt, const CKesto& page, int dir) {
    const std::uint8_t route = dir == 0 ? cnt.routeX : cnt.routeY;
    double g = page.ultimateResults[kUltGoverning][dir];
    auto take = [&](int slot) {
        const double x = page.ultimateResults[slot][dir];
        if (g < x) {
            g = x;
        }
    };
    auto slot = [&](int k) { return page.ultimateResults[k][dir]; };
    if (route == kRoute12 && cnt.boltElongation == 1) {
        take(slot(kRatioUlt13) < 1.0 ? kRatioUlt13 : kRatioUlt14);
    } else {
        take(kRatioUlt13);
        take(kRatioUlt14);
    }
    take(kRatioUlt15);
    if (cnt.route3NgCheck == 0) {
        take(kRatioUlt16);
        take(kRatioUlt17);
    } else if (slot(kRatioUlt16) < 1.0) {
        take(kRatioUlt16);
        take(kRatioUlt17);
    } else {
        take(kRatioUlt17);
        for (int k = kRatioUlt33; k <= kRatioUlt41; ++k) {
            take(k);
        }
    }
    return g;
}

void checkUltimate(PageContext& ctx, int dir) {
    CKesto& page = ctx.page;
    const std::uint8_t route = dir == 0 ? ctx.cnt.routeX : ctx.cnt.routeY;
    if (route != kRoute12 && route != kRoute3) {
        return;
    }
    if (page.columnKind == 1 && ctx.effectiveDir(dir) == 1) {
        return;
    }
    if (ctx.detailOn()) {
        ctx.detail("");
        ctx.detailf("＜%s方向　保有耐力接合＞", dir == 0 ? "Ｘ" : "Ｙ");
    }
    if (route == kRoute12) {
        route12(ctx, dir);
    } else {
        route3(ctx, dir);
    }
    const double g = ultimateGoverningRatio(ctx.cnt, page, dir);
    page.ultimateResults[kUltGoverning][dir] = g;
    page.ultimateJudgement[dir] = g < 1.0 ? kJudgedOk : kJudgedNg;
}

}  // namespace kesto
