// Random pages, sensible and degenerate, never put an infinity or NaN into a result or a
// detail line.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/page_calculation.h"
#include "calc_test_support.h"

namespace kesto {
namespace {

TEST(CalcRandomPages, ResultsAndDetailLinesStayFinite) {
    std::mt19937 rng(20261208);
    const auto pick = [&](std::initializer_list<double> values) {
        std::uniform_int_distribution<std::size_t> d(0, values.size() - 1);
        return *(values.begin() + d(rng));
    };
    const auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    };
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
        page.plateB = pick({0, 400, 650, uniform(1, 2000)});
        page.plateD = pick({0, 400, 650, uniform(1, 2000)});
        page.plateT = pick({0, 36, uniform(1, 100)});
        page.ribH = pick({0, 5, 150, uniform(0, 300)});
        page.ribT = pick({0, 12, uniform(0, 30)});
        page.boltGaugeX = pick({0, 75, 325, 700, uniform(0, 1000)});
        page.boltGaugeY = pick({0, 75, 325, 700, uniform(0, 1000)});
        page.ribGaugeX = pick({0, 158, 325, uniform(0, 1000)});
        page.ribGaugeY = pick({0, 158, 325, uniform(0, 1000)});
        page.boltCountX = static_cast<int>(pick({0, 1, 3, 6}));
        page.boltCountY = static_cast<int>(pick({0, 1, 3, 6}));
        page.ribCountX = static_cast<int>(pick({0, 1, 2, 3, 5}));
        page.ribCountY = static_cast<int>(pick({0, 1, 2, 3, 5}));
        page.boltSteelGrade = run % 17 == 0 ? "ZERO" : "SN400";
        page.basePlateSteelGrade = run % 19 == 0 ? "ZERO" : "SN400";
        page.ribSteelGrade = run % 23 == 0 ? "ZERO" : "SN400";
        for (auto& list : page.basicStresses) {
            for (CStress& s : list) {
                s.n = pick({0, uniform(-500, 500), uniform(-1e-11, 1e-11), uniform(-1e-8, 1e-8)});
                s.m = pick({0, uniform(-300, 300)});
                s.q = pick({0, uniform(-300, 300)});
            }
        }
        for (int dir = 0; dir < 2; ++dir) {
            for (int sense = 0; sense < 2; ++sense) {
                page.ultimateN[dir][sense] = pick({0, uniform(-500, 500)});
                page.ultimateQ[dir][sense] = pick({0, uniform(-300, 300)});
                page.ultimateM[dir][sense] = pick({0, uniform(-300, 300)});
            }
        }
        page.pedestalB = pick({0, 750, uniform(0, 2000)});
        page.pedestalD = pick({0, 750, uniform(0, 2000)});
        page.anchorBlockB = pick({0, 650, uniform(0, 1000)});
        page.anchorBlockD = pick({0, 140, uniform(0, 500)});
        page.boltLength = pick({0, 600, uniform(0, 1500)});
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
        for (const std::string& line : cnt.detailLines) {
            ASSERT_EQ(line.find("inf"), std::string::npos) << line << " run " << run;
            ASSERT_EQ(line.find("nan"), std::string::npos) << line << " run " << run;
        }
    }
}

}  // namespace
}  // namespace kesto
