#include "calc/rotational_stiffness.h"

#include <utility>

#include "base/message_text.h"
#include "base/numbers.h"
#include "base/text_format.h"
#include "base/units.h"
#include "calc/page_context.h"
#include "calc/shape_input.h"
#include "tables/lookup.h"
#include "tables/material_strength.h"

namespace kesto {
namespace {

// Young's modulus of the anchor bolts in kg/cm2 and N/cm2.
constexpr double kGravityE = 2100000;
constexpr double kSiE = 20500000;
// kg·cm -> t·m and N·cm -> kN·m.
constexpr double kMomentScale = 100000;

const char* stressUnit(int unitSystem) {
    return unitSystem == kSiUnits ? "N/mm2" : "kg/cm2";
}

const char* forceUnit(int unitSystem) {
    return unitSystem == kSiUnits ? "kN" : "t";
}

// One direction of the plate: bolts in the tension line and the two lever arms (cm).
struct Direction {
    int nt = 0;
    double dt = 0;
    double dc = 0;
};

}  // namespace

CKesto stiffnessPage(const CKesto& current, const CKesto& values) {
    CKesto page;
    page.boltSteelGrade = current.boltSteelGrade;
    page.concreteGrade = current.concreteGrade;
    copyShapeFields(values, page);
    return page;
}

std::optional<std::string> stiffnessMaterialProblem(const CKestoCnt& cnt, const CKesto& page) {
    if (findAnchorBolt(cnt, page.boltName) == nullptr) {
        return KESTO_MESSAGE("アンカーボルト形状が異常です。");
    }
    if (findSteelGrade(cnt, page.boltSteelGrade) == nullptr) {
        return KESTO_MESSAGE("アンカーボルト材質が異常です。");
    }
    if (findConcrete(cnt, page.concreteGrade) == nullptr) {
        return KESTO_MESSAGE("コンクリート材質が異常です。");
    }
    return std::nullopt;
}

std::optional<AnchorageTexts> anchorageTexts(const CKestoCnt& cnt, const CKesto& page,
                                             int unitSystem) {
    const CABolt* bolt = findAnchorBolt(cnt, page.boltName);
    const CSteelRaw* grade = findSteelGrade(cnt, page.boltSteelGrade);
    const CConcreteRaw* concrete = findConcrete(cnt, page.concreteGrade);
    if (bolt == nullptr || grade == nullptr || concrete == nullptr) {
        return std::nullopt;
    }
    const double d = bolt->shankDiameter;
    const double psi = kPi * d / 10;
    // Short-term bond of top round bars; both stresses from per cm2 to per mm2 in SI.
    double fa = allowableBond(*concrete, true, 0, 1, unitSystem);
    double ft = allowableTension(*grade, d, true, unitSystem) * 1000;
    if (unitSystem == kSiUnits) {
        fa /= 100;
        ft /= 100;
    }
    const char* unit = stressUnit(unitSystem);
    return AnchorageTexts{strprintf("ψ = %6.3f cm", psi), strprintf("d  = %6.0f mm", d),
                          strprintf("fa = %6.3f %s", fa, unit),
                          strprintf("ft = %6.1f %s", ft, unit),
                          strprintf("%.1f mm", d * ft / (8 * fa))};
}

StiffnessOutcome rotationalStiffness(const CKestoCnt& cnt, const CKesto& page, double lb,
                                     int unitSystem) {
    const CABolt* bolt = findAnchorBolt(cnt, page.boltName);
    const CSteel* section = findColumnSection(cnt, page);
    if (bolt == nullptr || section == nullptr) {
        return {};
    }
    if (isZero(lb)) {
        return {StiffnessOutcome::kZeroLength, {}};
    }
    const double e = unitSystem == kSiUnits ? kSiE : kGravityE;
    const double ab = bolt->shankArea;
    const double lbCm = lb / 10;
    Direction first{page.boltCountX, page.plateD / 20 - page.boltGaugeX / 10, section->depth / 20};
    Direction second{page.boltCountY, page.plateB / 20 - page.boltGaugeY / 10, section->width / 20};
    const auto kbs = [&](const Direction& dir) {
        const double arm = dir.dt + dir.dc;
        return e * dir.nt * ab * arm * arm / (2 * lbCm) / kMomentScale;
    };

    StiffnessTexts t;
    t.e = strprintf("E  = %.0f %s", unitSystem == kSiUnits ? e / 100 : e, stressUnit(unitSystem));
    t.ab = strprintf("Ab = %6.3f cm2", ab);
    const char* force = forceUnit(unitSystem);
    if (page.columnKind == 1) {
        t.nt = strprintf("nt = %d", first.nt);
        t.dt = strprintf("dt = %6.1f mm", first.dt * 10);
        t.dc = strprintf("dc = %6.1f mm", first.dc * 10);
        t.kbs = strprintf("%.1f %sm/rad", kbs(first), force);
        return {StiffnessOutcome::kShown, t};
    }
    if (page.rotated != 0) {
        std::swap(first, second);
    }
    t.nt = strprintf("nt = %d / %d", first.nt, second.nt);
    t.dt = strprintf("dt = %6.1f / %6.1f mm", first.dt * 10, second.dt * 10);
    t.dc = strprintf("dc = %6.1f / %6.1f mm", first.dc * 10, second.dc * 10);
    t.kbs = strprintf("%.1f / %.1f %sm/rad", kbs(first), kbs(second), force);
    return {StiffnessOutcome::kShown, t};
}

}  // namespace kesto
