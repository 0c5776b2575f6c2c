#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "calc/base_plate.h"
#include "calc_test_support.h"

namespace kesto {
namespace {

using testing::makeCalcConditions;
using testing::resolvedContext;

const std::vector<std::string> kTensionHeader = {
    "引張側", "ﾀｲﾌﾟ,Mb(tcm),Ma(tcm),Mb/Ma,Zb(cm3),fb1(t/cm2),必要厚(cm),g(cm),R+2g(cm),ΣT/nt(t)"};
const char* const kCompressionHeader =
    "ﾀｲﾌﾟ,Mb(tcm),Ma(tcm),Mb/Ma,Zb(cm3),fb1(t/cm2),必要厚(cm),lx(cm),ly(cm),σc(kg/cm2),σc'(kg/"
    "cm2),Xn(cm),係数";

TEST(TableLookup, InterpolatesAndHoldsTheEnds) {
    const std::array<double, 3> xs = {1.0, 1.1, 1.2};
    const std::array<double, 3> ys = {0.290, 0.314, 0.336};
    EXPECT_NEAR(tableLookup(xs.data(), ys.data(), 1.05, 3), 0.302, 1e-12);
    EXPECT_EQ(tableLookup(xs.data(), ys.data(), 0.5, 3), 0.290);  // at or below the first row
    EXPECT_EQ(tableLookup(xs.data(), ys.data(), 1.0, 3), 0.290);
    EXPECT_NEAR(tableLookup(xs.data(), ys.data(), 1.2, 3), 0.336, 1e-12);
    // Beyond the last row the last coefficient holds (a negative one would hide the moment).
    EXPECT_EQ(tableLookup(xs.data(), ys.data(), 7.0, 3), 0.336);
    // Two abscissae closer than the zero tolerance: no slope to interpolate on.
    const std::array<double, 2> close = {1.0, 1.0 + 1e-11};
    EXPECT_EQ(tableLookup(close.data(), ys.data(), 1.0 + 5e-12, 2), 0.0);
}

TEST(PanelMoments, CoefficientTablesAtTheirRows) {
    double beta = 0;
    // Two edges: lambda = 1.05 -> 0.302; Mb = 0.302 x 100 x 10^2 / 1000
    EXPECT_NEAR(twoEdgeMoment(10, 10.5, 100, beta), 3.02, 1e-9);
    EXPECT_NEAR(beta, 0.302, 1e-12);
    // lambda exactly 4.0 and beyond take the last row
    twoEdgeMoment(40, 10, 100, beta);
    EXPECT_NEAR(beta, 0.490, 1e-12);
    EXPECT_NEAR(twoEdgeMoment(10, 50, 100, beta), 4.9, 1e-9);
    EXPECT_NEAR(beta, 0.490, 1e-12);
    // Three edges, lx > ly: table B by lx/ly; Mb = beta sigma ly^2 / 1000
    EXPECT_NEAR(threeEdgeMoment(20, 10, 100, beta), 0.082 * 100 * 100 / 1000, 1e-12);
    EXPECT_NEAR(beta, 0.082, 1e-12);
    threeEdgeMoment(30, 10, 100, beta);  // lx/ly = 3 beyond 2.0
    EXPECT_NEAR(beta, 0.082, 1e-12);
    // Three edges, lx <= ly: table C by ly/lx; 4.0 -> 0.442
    EXPECT_NEAR(threeEdgeMoment(10, 40, 100, beta), 4.42, 1e-9);
    EXPECT_NEAR(beta, 0.442, 1e-12);
    // Four edges, square a = b: sigma a^2 / 24000
    EXPECT_NEAR(fourEdgeMoment(31.8, 31.8, 50), 2.10675, 1e-9);
}

TEST(PanelMoments, PanelWithAZeroSideHasNoMoment) {
    double beta = 1;
    EXPECT_EQ(twoEdgeMoment(0, 15.8, 100, beta), 0.0);
    EXPECT_EQ(beta, 0.0);
    EXPECT_EQ(threeEdgeMoment(15, 0, 100, beta), 0.0);
    EXPECT_EQ(threeEdgeMoment(0, 15, 100, beta), 0.0);
    EXPECT_EQ(fourEdgeMoment(0, 0, 100), 0.0);
}

TEST(PanelMoments, CantileverFollowsThePressureDiagram) {
    // xn = 0: sigma l^2 / 2 = 100 x 225 / 2 / 1000
    EXPECT_NEAR(cantileverMoment(15, 0, 100), 11.25, 1e-12);
    // xn = 30 >= l: 11.25 x (1 - 15/90)
    EXPECT_NEAR(cantileverMoment(15, 30, 100), 9.375, 1e-12);
    // xn = 10 < l: triangle, 100 x 10/2 x (15 - 10/3) / 1000
    EXPECT_NEAR(cantileverMoment(15, 10, 100), 5.833333333333333, 1e-12);
    // l > 3 xn stays positive: 100 x 4/2 x (15 - 4/3) / 1000
    EXPECT_NEAR(cantileverMoment(15, 4, 100), 2.733333333333333, 1e-12);
    // Both formulas meet at xn = l: sigma l^2 / 3
    EXPECT_NEAR(cantileverMoment(15, 15, 100), 7.5, 1e-12);
    EXPECT_NEAR(cantileverMoment(15, 15 - 1e-9, 100), 7.5, 1e-9);
}

TEST(DesignPressure, AverageModeUsesTheMeanOverTheSpan) {
    EXPECT_NEAR(designPressure(1, 15, 20, 100), 62.5, 1e-12);  // (1 + 5/20)/2
    EXPECT_NEAR(designPressure(1, 25, 20, 100), 50, 1e-12);
    EXPECT_NEAR(designPressure(1, 20, 20, 100), 50, 1e-12);
    EXPECT_EQ(designPressure(1, 15, 0, 100), 100.0);  // whole plate in compression
    EXPECT_EQ(designPressure(0, 15, 20, 100), 100.0);
}

TEST(RecordPlateRatio, OnlyAStrictlyLargerRatioReplaces) {
    CKesto page;
    EXPECT_EQ(recordPlateRatio(page, 2, 2, 1, 0), 1.0);
    EXPECT_EQ(recordPlateRatio(page, 3, 3, 1, 0), 1.0);
    EXPECT_EQ(page.plateMb[1][0], 2.0);
    recordPlateRatio(page, 1, 4, 1, 0);
    EXPECT_EQ(page.plateMb[1][0], 2.0);
    recordPlateRatio(page, 5, 4, 1, 0);
    EXPECT_EQ(page.plateMb[1][0], 5.0);
    EXPECT_EQ(page.plateMa[1][0], 4.0);
    EXPECT_EQ(recordPlateRatio(page, 1, 0, 1, 0), kImpossibleRatio);
    EXPECT_EQ(page.ratioPlate[1][0], kImpossibleRatio);
}

class BasePlateCheck : public ::testing::Test {
  protected:
    CKestoCnt cnt = makeCalcConditions();
    CKesto& page = cnt.pages[0];

    void run(PlateStresses s, int dir = 0, int term = kLongTerm) {
        PageContext ctx = resolvedContext(cnt, page);
        basePlateCheck(ctx, s, dir, term, "G+K");
    }
    std::vector<std::string> lines(std::vector<std::string> tail) const {
        std::vector<std::string> all = {"・ベースプレートの検討"};
        all.insert(all.end(), tail.begin(), tail.end());
        return all;
    }
};

TEST_F(BasePlateCheck, TubeWithoutRibsAndANeutralAxis) {
    page.ribCountX = 0;
    // Tension: l = (65 - 35)/2 = 15, g = 7.5, w = 2 x 7.5 + 3.0 = 18, P = 30/3 = 10,
    // Mb = 75, Zb = 18 x 3.6^2/6 = 38.88, Ma = 38.88 x 1.6 = 62.208, t = sqrt(6 x 75/(1.6 x 18)).
    // Compression cantilever: 100 x 15^2/2 x (1 - 15/90) / 1000 = 9.375 over Ma = 2.16 x 1.6.
    run(PlateStresses{100, 30, 30});
    std::vector<std::string> expected = kTensionHeader;
    expected.push_back(
        "片持ち,75.000000,62.208000,1.205633,38.880000,1.600000,3.952847,7.500000,18.000000,10."
        "000000");
    expected.push_back("圧縮側");
    expected.push_back(kCompressionHeader);
    expected.push_back(
        "片持ち,9.375000,3.456000,2.712674,2.160000,1.600000,5.929271,15.000000,,100.000000,,30."
        "000000");
    expected.push_back("Ｘ方向長期許容(G+K) ベースプレートの曲げ耐力がＮＧです");
    EXPECT_EQ(cnt.detailLines, lines(expected));
    EXPECT_NEAR(page.ratioPlate[0][0], 2.712673611111111, 1e-12);
    EXPECT_NEAR(page.plateMb[0][0], 9.375, 1e-12);
    EXPECT_EQ(page.ngMessages.size(), 1u);
}

TEST_F(BasePlateCheck, WholeCompressionAddsTheTubeInside) {
    // Ribs 2 + 2 at 15.8 cm, sigma = 50, xn = 0, no tension.
    // Two edges 15.8 x 15.8: beta 0.290, Mb = 0.29 x 50 x 15.8^2/1000 = 3.619780.
    // Three edges lx = 15, ly = 65 - 2 x 15.8 = 33.4: table C at 2.2267 -> 0.310933.
    // Four edges inside the tube 31.8 x 31.8: 50 x 31.8^2 / 24000 = 2.106750.
    run(PlateStresses{50, 0, 0});
    const auto& d = cnt.detailLines;
    ASSERT_EQ(d.size(), 10u);
    EXPECT_EQ(d[3],
              "片持ち,0.000000,62.208000,0.000000,38.880000,1.600000,0.000000,7.500000,18.000000,"
              "0.000000");
    EXPECT_EQ(d[6],
              "２辺固定,3.619780,3.456000,1.047390,2.160000,1.600000,3.684315,15.800000,15.800000,"
              "50.000000,50.000000,0.000000,0.290000");
    EXPECT_EQ(d[7],
              "３辺固定,3.498000,3.456000,1.012153,2.160000,1.600000,3.621809,15.000000,33.400000,"
              "50.000000,50.000000,0.000000,0.310933");
    EXPECT_EQ(d[8],
              "４辺固定,2.106750,3.456000,0.609592,2.160000,1.600000,2.810749,31.800000,31.800000,"
              "50.000000,,0.000000");
    EXPECT_EQ(d[9], "Ｘ方向長期許容(G+K) ベースプレートの曲げ耐力がＮＧです");
    EXPECT_NEAR(page.ratioPlate[0][0], 1.0473900462962963, 1e-9);
}

TEST_F(BasePlateCheck, OneRibTakesTheHalfWidthAsTwoEdgePanel) {
    page.ribCountX = 1;
    // lx = 15, ly = 32.5: lambda = 2.1667 -> 0.446 + 0.005 x 0.6667 = 0.449333;
    // Mb = 0.449333 x 100 x 15^2 / 1000 = 10.11
    run(PlateStresses{100, 0, 30});
    EXPECT_EQ(cnt.detailLines[6],
              "２辺固定,10.110000,3.456000,2.925347,2.160000,1.600000,6.157313,15.000000,32.500000,"
              "100.000000,100.000000,30.000000,0.449333");
}

TEST_F(BasePlateCheck, HShapeInsidePanelBetweenTheFlanges) {
    testing::useHShape(page);
    page.ribCountX = 0;
    // lx = 65/2 - 8/20 = 32.1, ly = (400 - 26)/10 = 37.4: table C at 1.1651 -> 0.113022;
    // Mb = 0.113022 x 50 x 32.1^2 / 1000 = 5.822940
    run(PlateStresses{50, 0, 0});
    EXPECT_EQ(cnt.detailLines.back(), "Ｘ方向長期許容(G+K) ベースプレートの曲げ耐力がＮＧです");
    EXPECT_EQ(cnt.detailLines[cnt.detailLines.size() - 2],
              "３辺固定(H),5.822940,3.456000,1.684878,2.160000,1.600000,4.672903,32.100000,37."
              "400000,50.000000,50.000000,0.000000,0.113022");
}

TEST_F(BasePlateCheck, HShapeWeakAxisUsesTheStrongAxisGeometry) {
    testing::useHShape(page);
    page.ribCountX = 0;
    run(PlateStresses{0, 30, 30}, 1);
    // Same strip as the X direction: l = (65 - 40)/2 = 12.5, g = 5, P = 10 -> Mb = 50.
    EXPECT_NEAR(page.plateMb[1][0], 50, 1e-12);
}

TEST_F(BasePlateCheck, RibOptionLengthensTheTensionCantilever) {
    cnt.ribInBoltCantilever = 1;
    page.ribGaugeX = 200;  // 20 - 1.2/2 = 19.4 > 15
    run(PlateStresses{0, 30, 30});
    // g = 19.4 - 7.5 = 11.9, w = 26.8, Mb = 10 x 11.9 = 119
    EXPECT_NEAR(page.plateMb[0][0], 119, 1e-9);
    EXPECT_NE(cnt.detailLines[3].find(",11.900000,26.800000,10.000000"), std::string::npos);
}

TEST_F(BasePlateCheck, Fb1ModeOneGivesFOver13LongTerm) {
    cnt.basePlateFb1Mode = 1;
    run(PlateStresses{0, 0, 0});
    EXPECT_NE(cnt.detailLines[3].find(",1.846154,"), std::string::npos);  // 2.4 / 1.3
    cnt.detailLines.clear();
    run(PlateStresses{0, 0, 0}, 0, kShortTerm);
    EXPECT_NE(cnt.detailLines[3].find(",2.400000,"), std::string::npos);
}

TEST_F(BasePlateCheck, ZeroStrengthAndMissingBoltsAreImpossible) {
    cnt.steelGradeTable.append(CSteelRaw{"ZERO", 3, 0, 0});
    page.basePlateSteelGrade = "ZERO";
    run(PlateStresses{50, 0, 0});
    EXPECT_EQ(page.ratioPlate[0][0], kImpossibleRatio);
    EXPECT_EQ(page.ngMessages,
              std::vector<std::string>{"Ｘ方向長期許容(G+K) ベースプレートの曲げ耐力がＮＧです"});
    for (const std::string_view line : cnt.detailLines) {
        EXPECT_EQ(line.find("inf"), std::string::npos) << line;
        EXPECT_EQ(line.find("nan"), std::string::npos) << line;
    }
    page.basePlateSteelGrade = "SN400";
    page.resetResults();
    page.boltCountX = 0;
    run(PlateStresses{0, 12, 30});
    EXPECT_EQ(page.ratioPlate[0][0], kImpossibleRatio);
}

}  // namespace
}  // namespace kesto
