// A small document in gravity units with its tables in memory, for the calculation tests.
#pragma once

#include <initializer_list>
#include <random>

#include <string>

#include "calc/page_context.h"
#include "model/conditions.h"
#include "tables/lookup.h"

namespace kesto::testing {

// SN400: F = 2.4 t/cm2 up to 40 mm, 2.2 beyond; Fc210 (kg/cm2); M30 with shank 7.069 cm2 and
// thread 5.606 cm2; the tube □-350x350x16.0 and the H-shape H-400x200x8x13. One page with the
// default inputs (plate 650 x 650 x 36, bolts 3 + 3 at 75, ribs 2 + 2 at 158), the cases G and
// K, no combinations, route 1-1 in both directions and the detail lines on.
inline CKestoCnt makeCalcConditions() {
    CKestoCnt cnt;
    cnt.routeX = 0;
    cnt.routeY = 0;
    cnt.writeDetailFile = 1;
    cnt.distinguishLongShort = 1;
    cnt.basePlateStressMode = 0;
    cnt.steelGradeTable.append(CSteelRaw{"SN400", 0, 2.4, 2.2});
    CConcreteRaw fc210;
    fc210.name = "Fc210";
    fc210.fc = 210;
    cnt.concreteTable.append(fc210);
    cnt.boltTable.append(CABolt{"M30", 30, 33, 7.069, 5.606});
    CSteel tube;
    tube.name = "□-350x350x16.0";
    tube.shapeType = 1;
    tube.depth = 350;
    tube.width = 350;
    tube.webThickness = 16;
    tube.flangeThickness = 16;
    cnt.tubeTable.append(tube);
    CSteel h;
    h.name = "H-400x200x8x13";
    h.depth = 400;
    h.width = 200;
    h.webThickness = 8;
    h.flangeThickness = 13;
    cnt.hSteelTable.append(h);
    cnt.stressNames.append(CStressName{"G:常時"});
    cnt.stressNames.append(CStressName{"K:地震"});
    CKesto& page = cnt.pages.append();
    page.concreteGrade = "Fc210";
    for (auto& list : page.basicStresses) {
        list.append(CStress{"G"});
        list.append(CStress{"K"});
    }
    return cnt;
}

// The context of a page with every name resolved, as the page calculation builds it.
inline PageContext resolvedContext(CKestoCnt& cnt, CKesto& page, int unitSystem = 0) {
    PageContext ctx{cnt, page, unitSystem};
    ctx.concrete = findConcrete(cnt, page.concreteGrade);
    ctx.columnGrade = findSteelGrade(cnt, page.columnSteelGrade);
    ctx.basePlateGrade = findSteelGrade(cnt, page.basePlateSteelGrade);
    ctx.ribGrade = findSteelGrade(cnt, page.ribSteelGrade);
    ctx.boltGrade = findSteelGrade(cnt, page.boltSteelGrade);
    ctx.section = (page.columnKind == 1 ? findHSection(cnt, page.columnSection)
                                        : findTubeSection(cnt, page.columnSection))
                      .row;
    ctx.bolt = findAnchorBolt(cnt, page.boltName);
    ctx.forceLabel = unitSystem == 0 ? "t" : "kN";
    ctx.smallForceLabel = unitSystem == 0 ? "kg" : "N";
    return ctx;
}

// Makes the page an H-shape column.
inline void useHShape(CKesto& page) {
    page.columnKind = 1;
    page.columnSection = "H-400x200x8x13";
    page.boltCountY = 0;
    page.ribCountY = 0;
}

// Seeded random values for the tests that run many generated pages.
class RandomValues {
  public:
    explicit RandomValues(unsigned seed) : rng_(seed) {}
    double pick(std::initializer_list<double> values) {
        std::uniform_int_distribution<std::size_t> d(0, values.size() - 1);
        return *(values.begin() + d(rng_));
    }
    double uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }

  private:
    std::mt19937 rng_;
};

}  // namespace kesto::testing
