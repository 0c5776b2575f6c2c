#include "calc/page_calculation.h"

#include <cmath>

#include "base/message_text.h"
#include "base/text_format.h"
#include "calc/base_plate.h"
#include "calc/concrete_anchor.h"
#include "calc/input_check.h"
#include "calc/rib_plate.h"
#include "calc/shear_check.h"
#include "calc/ultimate.h"
#include "model/combinations.h"
#include "tables/lookup.h"

namespace kesto {
namespace {

const char* directionLetter(int dir) {
    return dir == 0 ? "Ｘ" : "Ｙ";
}

void writePageHeader(const PageContext& ctx) {
    const CKesto& page = ctx.page;
    const CKestoCnt& cnt = ctx.cnt;
    ctx.detail("");
    ctx.detailf("-----[%s]-----", page.mark.c_str());
    ctx.detail("");
    ctx.detailf("柱鋼材,%s,,%s,回転:%s", page.columnSection.c_str(), page.columnSteelGrade.c_str(),
                page.rotated == 0 ? "0°" : "90°");
    ctx.detailf("ﾍﾞｰｽﾌﾟﾚｰﾄ,PL-%.0fx%.0fx%.0f,,%s,%s", page.plateB, page.plateD, page.plateT,
                page.basePlateSteelGrade.c_str(), page.concreteGrade.c_str());
    ctx.detailf("ﾘﾌﾞﾌﾟﾚｰﾄ,PL-%.0fx%.0f,,%s,枚数,X=%d,Y=%d,ｹﾞｰｼﾞ,X=%.1f,Y=%.1f", page.ribH,
                page.ribT, page.ribSteelGrade.c_str(), page.ribCountX, page.ribCountY,
                page.ribGaugeX, page.ribGaugeY);
    ctx.detailf("ｱﾝｶｰﾎﾞﾙﾄ,%s,,%s,本数,X=%d,Y=%d,ｹﾞｰｼﾞ,X=%.1f,Y=%.1f", page.boltName.c_str(),
                page.boltSteelGrade.c_str(), page.boltCountX, page.boltCountY, page.boltGaugeX,
                page.boltGaugeY);
    if (ctx.bolt != nullptr) {
        ctx.detailf(",軸径=%.2fmm 軸部断面積=%.3fcm2 ねじ部断面積=%.3fcm2", ctx.bolt->shankDiameter,
                    ctx.bolt->shankArea, ctx.bolt->threadArea);
    }
    if (page.columnKind == 1) {
        ctx.detailf("ウィングプレート%s", page.wingPlate == 1 ? "有り" : "無し");
    }
    if (cnt.route3NgCheck == 1) {
        ctx.detailf("ｺﾝｸﾘｰﾄ柱型,BD-%.0fx%.0f", page.pedestalB, page.pedestalD);
        if (cnt.useAnchorBlock == 1 && page.useAnchorBlock == 1) {
            if (isZero(page.inputAa) && isZero(page.inputAc)) {
                ctx.detailf("定着金物,BD-%.0fx%.0f,ｱﾝｶｰﾎﾞﾙﾄ長,%.0f", page.anchorBlockB,
                            page.anchorBlockD, page.boltLength);
            } else {
                ctx.detailf("定着金物,Aa=%f(cm2),Ac=%f(cm2)", page.inputAa, page.inputAc);
            }
        }
    }
    const char* force = ctx.forceLabel.c_str();
    for (int dir = 0; dir < 2; ++dir) {
        ctx.detailf("%s方向基本応力", directionLetter(dir));
        ctx.detailf("名称,N(%s),M(%sm),Q(%s)", force, force, force);
        for (const CStress& s : page.basicStresses[dir]) {
            ctx.detailf("%s,%f,%f,%f", s.name.c_str(), s.n, s.m, s.q);
        }
    }
}

void addMissing(CKesto& page, const void* row, const char* caption, const std::string& name) {
    if (row == nullptr) {
        page.errorMessages.push_back(
            strprintf(KESTO_MESSAGE("%s%sは未登録です"), caption, name.c_str()));
    }
}

// One direction and one term of the allowable-stress design over the page's combinations.
void allowableStressPass(PageContext& ctx, int dir, int term) {
    if (ctx.detailOn()) {
        ctx.detail("");
        ctx.detailf("＜%s方向　%s許容応力度＞", directionLetter(dir),
                    term == kLongTerm ? "長期" : "短期");
    }
    CKesto& page = ctx.page;
    const int slot = ctx.slotOf(term);
    const char* force = ctx.forceLabel.c_str();
    for (const CStress& c : page.comboResults[dir][term]) {
        if (ctx.detailOn()) {
            ctx.detail("");
            ctx.detailf("組合わせ,N(%s),M(%sm),Q(%s)", force, force, force);
            ctx.detailf("%s,%f,%f,%f", c.name.c_str(), c.n, c.m, c.q);
            ctx.detail("");
        }
        PlateStresses s;
        concreteAnchorCheck(ctx, c, dir, term, s);
        basePlateCheck(ctx, s, dir, term, c.name);
        ribPlateCheck(ctx, s, dir, term, c.name);
        shearCheck(ctx, c, s.tensionSum, dir, term);
    }
    double& ratioMax = page.ratioMax[dir][slot];
    for (const DirPair* ratios : {&page.ratioConcrete, &page.ratioBoltTension, &page.ratioPlate,
                                  &page.ratioRibShear, &page.ratioRibWeld, &page.ratioShear}) {
        if (ratioMax < (*ratios)[dir][slot]) {
            ratioMax = (*ratios)[dir][slot];
        }
    }
    page.allowJudgement[dir][slot] = ratioMax < 1.0 ? kJudgedOk : kJudgedNg;
}

}  // namespace

int calculatePage(CKestoCnt& cnt, CKesto& page, int unitSystem) {
    PageContext ctx{cnt, page, unitSystem};
    ctx.concrete = findConcrete(cnt, page.concreteGrade);
    ctx.columnGrade = findSteelGrade(cnt, page.columnSteelGrade);
    ctx.basePlateGrade = findSteelGrade(cnt, page.basePlateSteelGrade);
    ctx.ribGrade = findSteelGrade(cnt, page.ribSteelGrade);
    ctx.boltGrade = findSteelGrade(cnt, page.boltSteelGrade);
    const SectionLookup section = page.columnKind == 1 ? findHSection(cnt, page.columnSection)
                                                       : findTubeSection(cnt, page.columnSection);
    ctx.section = section.row;
    ctx.bolt = findAnchorBolt(cnt, page.boltName);

    page.resetResults();
    ctx.forceLabel = unitSystem == 0 ? "t" : "kN";
    ctx.smallForceLabel = unitSystem == 0 ? "kg" : "N";
    writePageHeader(ctx);

    addMissing(page, ctx.columnGrade, "柱材質", page.columnSteelGrade);
    addMissing(page, ctx.basePlateGrade, "ベースプレート材質", page.basePlateSteelGrade);
    addMissing(page, ctx.ribGrade, "リブプレート材質", page.ribSteelGrade);
    addMissing(page, ctx.boltGrade, "アンカーボルト材質", page.boltSteelGrade);
    addMissing(page, ctx.concrete, "コンクリート材質", page.concreteGrade);
    if (section.status != 0) {
        addMissing(page, nullptr, "柱形状", page.columnSection);
    } else if (section.row == nullptr) {
        // A name beginning with "-" selects no section, yet the plate, rib and ultimate checks
        // all need the column's dimensions.
        page.errorMessages.emplace_back(kNoColumnSectionMessage);
    }
    addMissing(page, ctx.bolt, "アンカーボルト径", page.boltName);
    bool usable = inputsCanBeCalculated(ctx);
    if (!usable) {
        page.errorMessages.emplace_back(kNonFiniteInputMessage);
    }
    evaluateCombinations(cnt, page);
    if (usable && !combinationsCanBeCalculated(page)) {
        usable = false;
        page.errorMessages.emplace_back(kNonFiniteInputMessage);
    }
    if (!usable) {
        // Combinations of such numbers are no numbers: the page keeps none.
        page.clearComboResults();
        page.clearUltimateComboResults();
    }
    if (!page.errorMessages.empty()) {
        for (const std::string& message : page.errorMessages) {
            ctx.detail(message);
        }
        ctx.detail(kAbandonedLine);
        return -1;
    }
    for (int dir = 0; dir < 2; ++dir) {
        allowableStressPass(ctx, dir, kLongTerm);
        allowableStressPass(ctx, dir, kShortTerm);
    }
    checkUltimate(ctx, 0);
    checkUltimate(ctx, 1);
    return 0;
}

}  // namespace kesto
