// Random pages, sensible and degenerate, never put an infinity or NaN into a result or a
// detail line.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/page_calculation.h"
#include "calc_test_support.h"

namespace kesto {
namespace {

TEST(CalcRandomPages, ResultsAndDetailLinesStayFinite) {
    testing::RandomValues random(20261208);
    for (int run = 0; run < 3000; ++run) {
        CKestoCnt cnt = testing::makeCalcConditions();
        cnt.distinguishLongShort = static_cast<std::uint8_t>(run % 2);
        cnt.basePlateStressMode = static_cast<std::uint8_t>(run / 2 % 2);
        cnt.ribInBoltCantilever = static_cast<std::uint8_t>(run / 4 % 2);
        cnt.boltAeMode = static_cast<std::uint8_t>(run / 8 % 3);
        cnt.boltFsMode = static_cast<std::uint8_t>(run / 24 % 2);
        cnt.routeX = static_cast<std::uint8_t>(run / 48 % 3);
        cnt.routeY = static_cast<std::uint8_t>(run / 7 % 3);
        cnt.boltElongation = static_cast<std::uint8_t>(run / 11 % 2);
        cnt.route3NgCheck = static_cast<std::uint8_t>(run / 13 % 2);
        cnt.ultimateCombos.append(CStringTable{"G+K"});
        cnt.steelGradeTable.append(CSteelRaw{"ZERO", 3, 0, 0});
        cnt.longTermCombos.append(CStringTable{"G"});
        cnt.shortTermCombos.append(CStringTable{"G+K"});
        cnt.shortTermCombos.append(CStringTable{"G-K"});
        CKesto& page = cnt.pages[0];
        if (run % 3 == 0) {
            testing::useHShape(page);
        }
        page.rotated = static_cast<std::uint8_t>(run / 3 % 2);
        page.plateB = random.pick({0, 400, 650, random.uniform(1, 2000)});
        page.plateD = random.pick({0, 400, 650, random.uniform(1, 2000)});
        page.plateT = random.pick({0, 36, random.uniform(1, 100)});
        page.ribH = random.pick({0, 5, 150, random.uniform(0, 300)});
        page.ribT = random.pick({0, 12, random.uniform(0, 30)});
        page.boltGaugeX = random.pick({0, 75, 325, 700, random.uniform(0, 1000)});
        page.boltGaugeY = random.pick({0, 75, 325, 700, random.uniform(0, 1000)});
        page.ribGaugeX = random.pick({0, 158, 325, random.uniform(0, 1000)});
        page.ribGaugeY = random.pick({0, 158, 325, random.uniform(0, 1000)});
        page.boltCountX = static_cast<int>(random.pick({0, 1, 3, 6}));
        page.boltCountY = static_cast<int>(random.pick({0, 1, 3, 6}));
        page.ribCountX = static_cast<int>(random.pick({0, 1, 2, 3, 5}));
        page.ribCountY = static_cast<int>(random.pick({0, 1, 2, 3, 5}));
        page.boltSteelGrade = run % 17 == 0 ? "ZERO" : "SN400";
        page.basePlateSteelGrade = run % 19 == 0 ? "ZERO" : "SN400";
        page.ribSteelGrade = run % 23 == 0 ? "ZERO" : "SN400";
        for (auto& list : page.basicStresses) {
            for (CStress& s : list) {
                s.n = random.pick({0, random.uniform(-500, 500), random.uniform(-1e-11, 1e-11),
                                   random.uniform(-1e-8, 1e-8)});
                s.m = random.pick({0, random.uniform(-300, 300)});
                s.q = random.pick({0, random.uniform(-300, 300)});
            }
        }
        for (int dir = 0; dir < 2; ++dir) {
            for (int sense = 0; sense < 2; ++sense) {
                page.ultimateN[dir][sense] = random.pick({0, random.uniform(-500, 500)});
                page.ultimateQ[dir][sense] = random.pick({0, random.uniform(-300, 300)});
                page.ultimateM[dir][sense] = random.pick({0, random.uniform(-300, 300)});
            }
        }
        page.pedestalB = random.pick({0, 750, random.uniform(0, 2000)});
        page.pedestalD = random.pick({0, 750, random.uniform(0, 2000)});
        page.anchorBlockB = random.pick({0, 650, random.uniform(0, 1000)});
        page.anchorBlockD = random.pick({0, 140, random.uniform(0, 500)});
        page.boltLength = random.pick({0, 600, random.uniform(0, 1500)});
        calculatePage(cnt, page, run % 5 == 0 ? 1 : 0);
        for (const auto& field : kAllowableResults) {
            for (const auto& dir : page.*field.member) {
                for (double v : dir) {
                    ASSERT_TRUE(std::isfinite(v)) << field.name << " run " << run;
                }
            }
        }
        for (const auto& slot : page.ultimateResults) {
            for (double v : slot) {
                ASSERT_TRUE(std::isfinite(v)) << "ultimate run " << run;
            }
        }
        for (const std::string_view line : cnt.detailLines) {
            ASSERT_EQ(line.find("inf"), std::string::npos) << line << " run " << run;
            ASSERT_EQ(line.find("nan"), std::string::npos) << line << " run " << run;
        }
    }
}

}  // namespace
}  // namespace kesto
