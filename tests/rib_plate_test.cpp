#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calc/rib_plate.h"
#include "calc_test_support.h"

namespace kesto {
namespace {

using testing::makeCalcConditions;
using testing::resolvedContext;

TEST(RibLoads, RectangleUnderThePressureDiagram) {
    double s2 = -1;
    // Whole plate in compression: 100 x 15 x 32.5 / 1000
    EXPECT_NEAR(ribLoadRect(15, 32.5, 0, 100, s2), 48.75, 1e-12);
    EXPECT_EQ(s2, 100.0);
    // xn = 30 > 15: s2 = 100 x 15/30 = 50; (100 + 50)/2 x 15 x 32.5 / 1000
    EXPECT_NEAR(ribLoadRect(15, 32.5, 30, 100, s2), 36.5625, 1e-12);
    EXPECT_NEAR(s2, 50, 1e-12);
    // xn = 10 <= 15: 100 x 10/2 x 32.5 / 1000
    EXPECT_NEAR(ribLoadRect(15, 32.5, 10, 100, s2), 16.25, 1e-12);
    EXPECT_EQ(s2, 0.0);
}

TEST(RibLoads, TriangleUnderThePressureDiagram) {
    double s2 = -1;
    // xn = 0: (0 + 100/2) x 15.8 x 15.8 / 1000
    EXPECT_NEAR(ribLoadTriangle(15.8, 15.8, 0, 100, s2), 12.482, 1e-12);
    // xn = 30: s2 = 100 x 14.2/30 = 47.333; ((100 - s2)/3 + s2/2) x 15.8^2 / 1000
    EXPECT_NEAR(ribLoadTriangle(15.8, 15.8, 30, 100, s2), 10.290715555555556, 1e-12);
    EXPECT_NEAR(s2, 47.333333333333336, 1e-12);
    // xn = 10 < 15.8: the load reaches 10 cm only: 100/3 x 10 x 15.8 / 1000
    EXPECT_NEAR(ribLoadTriangle(15.8, 15.8, 10, 100, s2), 5.2666666666666675, 1e-12);
}

TEST(WeldSize, FollowsTheTableAtEveryBoundary) {
    const std::vector<std::pair<double, double>> rows = {
        {4.5, 4.5}, {5, 5},  {7, 5},     {7.5, 6}, {8, 6},     {9, 7},   {10, 7}, {10.5, 8},
        {11, 8},    {12, 9}, {12.5, 10}, {14, 10}, {14.5, 11}, {15, 11}, {16, 12}};
    for (const auto& [t, s] : rows) {
        EXPECT_EQ(weldSize(t), s) << t;
    }
}

class RibPlateCheck : public ::testing::Test {
  protected:
    CKestoCnt cnt = makeCalcConditions();
    CKesto& page = cnt.pages[0];

    void run(PlateStresses s, int unit = 0) {
        PageContext ctx = resolvedContext(cnt, page, unit);
        ribPlateCheck(ctx, s, 0, kLongTerm, "G");
    }
    std::vector<std::string> tributaryRows() const {
        std::vector<std::string> rows;
        // Between the heading rows and the shear header.
        for (std::size_t i = 2;
             i < cnt.detailLines.size() && cnt.detailLines[i].rfind("τr", 0) != 0; ++i) {
            rows.emplace_back(cnt.detailLines[i]);
        }
        return rows;
    }
};

TEST_F(RibPlateCheck, NoRibsWritesOnlyTheHeadings) {
    page.ribCountX = 0;
    run(PlateStresses{100, 0, 0});
    EXPECT_EQ(cnt.detailLines,
              (std::vector<std::string>{"・リブプレートの検討",
                                        "lx(cm),ly(cm),Xn(cm),σc(kg/cm2),xσc(kg/cm2),Qr(t)"}));
    EXPECT_EQ(page.ratioRibShear[0][0], 0.0);
}

TEST_F(RibPlateCheck, TwoRibsBothWays) {
    // Outer triangle 12.482 + inner rectangle 15 x 16.7 at 100 = 25.05: Qr = 37.532.
    // tau = 37.532 / (15 x 1.2) = 2.085111; fs = 0.923760; ratio 2.257199.
    // S = 9 mm (t = 12 of the rib, thinner than the 16 mm wall): Lw = Qr/(0.7 x 0.9 x fs)
    // = 64.491400, h' = 14.1, Lw/2h' = 2.286929.
    run(PlateStresses{100, 0, 0});
    EXPECT_EQ(cnt.detailLines, (std::vector<std::string>{
                                   "・リブプレートの検討",
                                   "lx(cm),ly(cm),Xn(cm),σc(kg/cm2),xσc(kg/cm2),Qr(t)",
                                   "15.800000,15.800000,0.000000,100.000000,100.000000,12.482000,"
                                   "外側三角形",
                                   "15.000000,16.700000,0.000000,100.000000,100.000000,25.050000,"
                                   "内側",
                                   "τr(t/cm2),fs(t/cm2),τr/fs,Qr(t),h(cm),tr(cm)",
                                   "2.085111,0.923760,2.257199,37.532000,15.000000,1.200000",
                                   "Lw(cm),h'(cm),Lw/2h',Qr(t),S(cm),wfs(t/cm2)",
                                   "64.491400,14.100000,2.286929,37.532000,0.900000,0.923760",
                                   "Ｘ方向長期許容(G) リブプレートのせん断応力度がＮＧです",
                                   "Ｘ方向長期許容(G) リブプレートの隅肉溶接長がＮＧです",
                               }));
    EXPECT_NEAR(page.ribTau[0][0], 2.085111111111111, 1e-12);
    EXPECT_NEAR(page.ratioRibWeld[0][0], 2.286929067800683, 1e-9);
    EXPECT_NEAR(page.ribWeldH[0][0], 14.1, 1e-12);
}

TEST_F(RibPlateCheck, OneRibCarriesTheWholeWidth) {
    page.ribCountX = 1;
    run(PlateStresses{100, 0, 0});
    // 100 x 15 x 65 / 1000
    EXPECT_EQ(tributaryRows(), std::vector<std::string>{
                                   "15.000000,65.000000,0.000000,100.000000,100.000000,97.500000,"
                                   "全負担"});
}

TEST_F(RibPlateCheck, ThreeRibsWithoutCrossRibs) {
    page.ribCountX = 3;
    page.ribCountY = 0;
    // s = (65 - 31.6)/2 = 16.7: outer 15 x 15.8 = 23.7, inner 15 x 8.35 = 12.525, middle
    // 15 x 16.7 = 25.05; Qr = max(23.7 + 12.525, 25.05) = 36.225
    run(PlateStresses{100, 0, 0});
    EXPECT_EQ(tributaryRows(),
              (std::vector<std::string>{
                  "15.000000,15.800000,0.000000,100.000000,100.000000,23.700000,外側四角形",
                  "15.000000,8.350000,0.000000,100.000000,100.000000,12.525000,内側",
                  "15.000000,16.700000,0.000000,100.000000,100.000000,25.050000,中間"}));
    EXPECT_NE(cnt.detailLines[6].find(",36.225000,"), std::string::npos);
}

TEST_F(RibPlateCheck, MiddleRibGovernsWhenItsShareIsLarger) {
    page.ribCountX = 3;
    page.plateB = 1250;  // s = (125 - 31.6)/2 = 46.7: middle 15 x 46.7 = 70.05 > 23.7 + 35.025
    run(PlateStresses{100, 0, 0});
    EXPECT_NE(cnt.detailLines[6].find(",70.050000,"), std::string::npos);
}

TEST_F(RibPlateCheck, WeldSizeFromTheThinnerPlate) {
    page.ribT = 9;  // 9 mm rib on the 16 mm wall: S = 7 mm
    run(PlateStresses{10, 0, 0});
    EXPECT_NE(cnt.detailLines[7].find(",0.700000,"), std::string::npos);
    cnt.tubeTable[0].webThickness = 6;  // 6 mm wall: S = 5 mm
    cnt.detailLines.clear();
    run(PlateStresses{10, 0, 0});
    EXPECT_NE(cnt.detailLines[7].find(",0.500000,"), std::string::npos);
}

TEST_F(RibPlateCheck, RibNoHigherThanItsWeldIsImpossible) {
    page.ribH = 9;  // h = 0.9 cm = S: no effective weld length
    run(PlateStresses{0, 0, 30});
    EXPECT_EQ(page.ratioRibWeld[0][0], kImpossibleRatio);
    EXPECT_EQ(page.ratioRibShear[0][0], 0.0);
    EXPECT_EQ(page.ngMessages,
              std::vector<std::string>{"Ｘ方向長期許容(G) リブプレートの隅肉溶接長がＮＧです"});
    page.resetResults();
    page.ribH = 0;
    run(PlateStresses{0, 0, 30});
    EXPECT_EQ(page.ratioRibShear[0][0], kImpossibleRatio);
}

TEST_F(RibPlateCheck, SiStoresStressesInNewtonPerSquareMillimetre) {
    cnt.steelGradeTable[0].fThin = 235;  // 23.5 kN/cm2
    run(PlateStresses{100, 0, 0}, 1);
    // tau = 37.532 / 18 kN/cm2 -> x 10 N/mm2; fs = 23.5/(1.5 sqrt 3) x 10
    EXPECT_NEAR(page.ribTau[0][0], 20.85111111111111, 1e-9);
    EXPECT_NEAR(page.ribFs[0][0], 235 / (1.5 * std::sqrt(3.0)), 1e-9);
}

}  // namespace
}  // namespace kesto
