// Random pages, sensible and degenerate, through both routes and both bolt options never put an
// infinity or NaN into an ultimate result or a detail line, and each checked direction is
// judged from its governing slot.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/page_calculation.h"
#include "calc/ultimate_slots.h"
#include "calc_test_support.h"

namespace kesto {
namespace {

TEST(UltimateRandomPages, ResultsAndDetailLinesStayFinite) {
    std::mt19937 rng(20261209);
    const auto pick = [&](std::initializer_list<double> values) {
        std::uniform_int_distribution<std::size_t> d(0, values.size() - 1);
        return *(values.begin() + d(rng));
    };
    const auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    };
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
        cnt.boltClearance = pick({0, 5, uniform(0, 20)});
        cnt.alphaX = pick({0, 1.3, uniform(0, 3)});
        cnt.alphaY = pick({0, 1.3, uniform(0, 3)});
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
        page.plateB = pick({0, 400, 650, uniform(1, 2000)});
        page.plateD = pick({0, 400, 650, uniform(1, 2000)});
        page.plateT = pick({0, 36, uniform(1, 100)});
        page.boltGaugeX = pick({0, 75, 325, 700, uniform(0, 1000)});
        page.boltGaugeY = pick({0, 75, 325, 700, uniform(0, 1000)});
        page.boltCountX = static_cast<int>(pick({0, 1, 3, 6}));
        page.boltCountY = static_cast<int>(pick({0, 1, 3, 6}));
        page.pedestalB = pick({0, 650, 750, uniform(0, 2000)});
        page.pedestalD = pick({0, 650, 750, uniform(0, 2000)});
        page.anchorBlockB = pick({0, 650, uniform(0, 1000)});
        page.anchorBlockD = pick({0, 140, uniform(0, 500)});
        page.boltLength = pick({0, 600, uniform(0, 1500)});
        page.inputAa = pick({0, 0, 12.5, uniform(0, 2000)});
        page.inputAc = pick({0, 500, uniform(0, 50000)});
        page.concreteGrade = run % 13 == 0 ? "FcZERO" : "Fc210";
        page.columnSteelGrade = run % 11 == 0 ? "ZERO" : "SN400";
        page.boltSteelGrade = run % 17 == 0 ? "ZERO" : "SN400";
        page.basePlateSteelGrade = run % 19 == 0 ? "ZERO" : "SN400";
        for (auto& list : page.basicStresses) {
            for (CStress& s : list) {
                s.n = pick({0, uniform(-500, 500), uniform(-1e-11, 1e-11)});
                s.m = pick({0, uniform(-300, 300)});
                s.q = pick({0, uniform(-300, 300)});
            }
        }
        for (int dir = 0; dir < 2; ++dir) {
            for (int sense = 0; sense < 2; ++sense) {
                page.ultimateN[dir][sense] = pick({0, uniform(-1000, 1000), 1e6, -1e6});
                page.ultimateQ[dir][sense] = pick({0, uniform(-500, 500)});
                page.ultimateM[dir][sense] = pick({0, uniform(-500, 500)});
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
        for (const std::string& line : cnt.detailLines) {
            ASSERT_EQ(line.find("inf"), std::string::npos) << line << " run " << run;
            ASSERT_EQ(line.find("nan"), std::string::npos) << line << " run " << run;
        }
    }
}

}  // namespace
}  // namespace kesto
