// Random pages, sensible and degenerate, through both routes and both bolt options never put an
// infinity or NaN into an ultimate result or a detail line, and each checked direction is
// judged from its governing slot.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/page_calculation.h"
#include "calc_test_support.h"
#include "model/ultimate_slots.h"

namespace kesto {
namespace {

TEST(UltimateRandomPages, ResultsAndDetailLinesStayFinite) {
    testing::RandomValues random(20261209);
    for (int run = 0; run < 3000; ++run) {
        CKestoCnt cnt = testing::makeCalcConditions();
        cnt.routeX = static_cast<std::uint8_t>(1 + run % 2);
        cnt.routeY = static_cast<std::uint8_t>(2 - run % 2);
        cnt.boltElongation = static_cast<std::uint8_t>(run / 2 % 2);
        cnt.route3NgCheck = static_cast<std::uint8_t>(run / 4 % 2);
        cnt.boltAeMode = static_cast<std::uint8_t>(run / 8 % 3);
        cnt.useAnchorBlock = static_cast<std::uint8_t>(run / 24 % 2 == 0);
        cnt.concreteShearCheck = static_cast<std::uint8_t>(run / 48 % 2 == 0);
        cnt.sectionFromTable = static_cast<std::uint8_t>(run / 96 % 2);
        cnt.boltClearance = random.pick({0, 5, random.uniform(0, 20)});
        cnt.alphaX = random.pick({0, 1.3, random.uniform(0, 3)});
        cnt.alphaY = random.pick({0, 1.3, random.uniform(0, 3)});
        cnt.steelGradeTable.append(CSteelRaw{"ZERO", 3, 0, 0});
        CConcreteRaw zero;
        zero.name = "FcZERO";
        cnt.concreteTable.append(zero);
        cnt.ultimateCombos.append(CStringTable{"G+K"});
        cnt.ultimateCombos.append(CStringTable{"G-K"});
        CKesto& page = cnt.pages[0];
        if (run % 3 == 0) {
            testing::useHShape(page);
        }
        page.rotated = static_cast<std::uint8_t>(run / 3 % 2);
        page.plateB = random.pick({0, 400, 650, random.uniform(1, 2000)});
        page.plateD = random.pick({0, 400, 650, random.uniform(1, 2000)});
        page.plateT = random.pick({0, 36, random.uniform(1, 100)});
        page.boltGaugeX = random.pick({0, 75, 325, 700, random.uniform(0, 1000)});
        page.boltGaugeY = random.pick({0, 75, 325, 700, random.uniform(0, 1000)});
        page.boltCountX = static_cast<int>(random.pick({0, 1, 3, 6}));
        page.boltCountY = static_cast<int>(random.pick({0, 1, 3, 6}));
        page.pedestalB = random.pick({0, 650, 750, random.uniform(0, 2000)});
        page.pedestalD = random.pick({0, 650, 750, random.uniform(0, 2000)});
        page.anchorBlockB = random.pick({0, 650, random.uniform(0, 1000)});
        page.anchorBlockD = random.pick({0, 140, random.uniform(0, 500)});
        page.boltLength = random.pick({0, 600, random.uniform(0, 1500)});
        page.inputAa = random.pick({0, 0, 12.5, random.uniform(0, 2000)});
        page.inputAc = random.pick({0, 500, random.uniform(0, 50000)});
        page.concreteGrade = run % 13 == 0 ? "FcZERO" : "Fc210";
        page.columnSteelGrade = run % 11 == 0 ? "ZERO" : "SN400";
        page.boltSteelGrade = run % 17 == 0 ? "ZERO" : "SN400";
        page.basePlateSteelGrade = run % 19 == 0 ? "ZERO" : "SN400";
        for (auto& list : page.basicStresses) {
            for (CStress& s : list) {
                s.n = random.pick({0, random.uniform(-500, 500), random.uniform(-1e-11, 1e-11)});
                s.m = random.pick({0, random.uniform(-300, 300)});
                s.q = random.pick({0, random.uniform(-300, 300)});
            }
        }
        for (int dir = 0; dir < 2; ++dir) {
            for (int sense = 0; sense < 2; ++sense) {
                page.ultimateN[dir][sense] =
                    random.pick({0, random.uniform(-1000, 1000), 1e6, -1e6});
                page.ultimateQ[dir][sense] = random.pick({0, random.uniform(-500, 500)});
                page.ultimateM[dir][sense] = random.pick({0, random.uniform(-500, 500)});
            }
        }
        calculatePage(cnt, page, run % 5 == 0 ? 1 : 0);
        for (int dir = 0; dir < 2; ++dir) {
            for (int k = 0; k < kUltimateSlots; ++k) {
                ASSERT_TRUE(std::isfinite(page.ultimateResults[k][dir]))
                    << "slot " << k << " dir " << dir << " run " << run;
            }
            if (page.ultimateJudgement[dir] != kNotCalculated) {
                ASSERT_EQ(page.ultimateJudgement[dir],
                          page.ultimateResults[kUltGoverning][dir] < 1.0 ? kJudgedOk : kJudgedNg)
                    << "run " << run;
            }
        }
        ASSERT_TRUE(std::isfinite(page.usedAa) && std::isfinite(page.usedAc)) << "run " << run;
        for (const std::string_view line : cnt.detailLines) {
            ASSERT_EQ(line.find("inf"), std::string::npos) << line << " run " << run;
            ASSERT_EQ(line.find("nan"), std::string::npos) << line << " run " << run;
        }
    }
}

}  // namespace
}  // namespace kesto
