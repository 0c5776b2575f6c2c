#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc/ultimate_concrete.h"
#include "model/ultimate_slots.h"
#include "ultimate_fixture.h"

namespace kesto {
namespace {

using testing::UltimatePage;
using Lines = std::vector<std::string>;

const char* const kNg = "Ｘ方向保有耐力(L->R) コンクリートの破壊防止がＮＧです";

// at = 3·7.07 = 21.21 cm2, bσy = 2350 kg/cm2, N = 100 t = 100000 kg, B = D = 65, Bc = Dc = 75,
// g = 7.5, d = 3.0, Bt = 65, Dt = 14, L = 60, Fc = 210 kg/cm2:
// x = (75 - 65)/2 = 5, e = 12.5; at·bσy = 49843.5 kg;
// Cy1 = 149843.5/(2·75·5) = 199.791 (/210 = 0.9514); Cy2 = 149843.5/4225 = 35.466 (/70 = 0.5067);
// Aa = 65·14 - 21.21 = 888.79, Cy3 = 56.080 (/1050 = 0.0534);
// Ac = 2·65·60 + 2·14·60 + π·3600 = 20789.73, Cy4 = 2.3975 (/√210 = 14.4914: 0.1654);
// cσt = min(14.4914, 14) = 14; ne1 = 0.54·3·√(2350/14) = 20.989 (/12.5 = 1.6791);
// ne2 = 21.21·(2350/√3)/(75·14) = 27.407 (/12.5 = 2.1925).
TEST(ConcreteFailure, WorkedExample) {
    UltimatePage p;
    p.page.ultimateN[0][0] = 100;
    checkConcreteFailure(p.ctx, 0, 0);
    EXPECT_NEAR(p.slot(kUltCy1), 199.791, 0.0005);
    EXPECT_NEAR(p.slot(kRatioUlt33), 0.9514, 0.00005);
    EXPECT_EQ(p.slot(kUltFc1), 210.0);
    EXPECT_NEAR(p.slot(kUltCy2), 35.466, 0.0005);
    EXPECT_NEAR(p.slot(kRatioUlt34), 0.5067, 0.00005);
    EXPECT_EQ(p.slot(kUltFc2), 70.0);
    EXPECT_NEAR(p.slot(kUltCy3), 56.080, 0.0005);
    EXPECT_NEAR(p.slot(kRatioUlt35), 0.0534, 0.00005);
    EXPECT_EQ(p.slot(kUltFc3), 1050.0);
    EXPECT_NEAR(p.slot(kUltCy4), 2.3975, 0.00005);
    EXPECT_NEAR(p.slot(kUltFc4), 14.4914, 0.00005);
    EXPECT_NEAR(p.slot(kRatioUlt36), 0.1654, 0.00005);
    EXPECT_NEAR(p.slot(kUltNe1), 20.989, 0.0005);
    EXPECT_NEAR(p.slot(kRatioUlt37), 1.6791, 0.00005);
    EXPECT_NEAR(p.slot(kUltNe2), 27.407, 0.0005);
    EXPECT_NEAR(p.slot(kRatioUlt38), 2.1925, 0.00005);
    EXPECT_EQ(p.slot(kUltEdge), 12.5);
    EXPECT_NEAR(p.page.usedAa, 888.79, 1e-9);
    EXPECT_NEAR(p.page.usedAc, 20789.733554, 1e-6);
    EXPECT_EQ(p.page.ngMessages, Lines{kNg});
    EXPECT_EQ(p.detail(),
              (Lines{
                  "・コンクリートの破壊防止",
                  "at(cm2),bσy(kg/cm2),N(kg),Bc(cm),x(cm),Cy1(kg/cm2),Fc1(kg/cm2),Cy1/Fc1,"
                  "コンクリート立上げ部縁辺の圧壊",
                  "21.210000,2350.000000,100000.000000,75.000000,5.000000,199.791333,210.000000,"
                  "0.951387",
                  "at(cm2),bσy(kg/cm2),N(kg),B(cm),D(cm),Cy2(kg/cm2),Fc2(kg/cm2),Cy2/Fc2,"
                  "コンクリート立上げ部の圧壊",
                  "21.210000,2350.000000,100000.000000,65.000000,65.000000,35.465917,70.000000,"
                  "0.506656",
                  "at(cm2),bσy(kg/cm2),Aa(cm2),Cy3(kg/cm2),Fc3(kg/cm2),Cy3/Fc3,"
                  "アンカーブロック上面のコンクリートの圧壊",
                  "21.210000,2350.000000,888.790000,56.080176,1050.000000,0.053410",
                  "at(cm2),bσy(kg/cm2),Ac(cm2),Cy4(kg/cm2),Fc4(kg/cm2),Cy4/Fc4,"
                  "アンカーブロックによるコンクリートの割裂",
                  "21.210000,2350.000000,20789.733554,2.397505,14.491377,0.165444",
                  "bσy(kg/cm2),cσt(kg/cm2),d(cm),ne1(cm),e(cm),ne1/e,"
                  "アンカーボルトによるコーン状破壊",
                  "2350.000000,14.000000,3.000000,20.988670,12.500000,1.679094",
                  "at(cm2),bτy(kg/cm2),Bc(cm),cσt(kg/cm2),ne2(cm),e(cm),ne2/e,"
                  "列ボルトによるせん断破壊",
                  "21.210000,1356.773133,75.000000,14.000000,27.406817,12.500000,2.192545",
                  kNg,
              }));
}

TEST(ConcreteFailure, PedestalAsDeepAsThePlateHasNoEdgeCrushing) {
    UltimatePage p;
    p.page.pedestalD = 650;
    p.page.ultimateN[0][0] = 100;
    checkConcreteFailure(p.ctx, 0, 0);
    // x = 0: Cy1 = 0, ratio 0, nothing stored; e = g = 7.5.
    EXPECT_EQ(p.slot(kRatioUlt33), 0.0);
    EXPECT_EQ(p.slot(kUltCy1), 0.0);
    EXPECT_EQ(p.slot(kUltEdge), 7.5);
}

TEST(ConcreteFailure, EdgeStripIsTestedForZeroAsBcTimesX) {
    UltimatePage p;
    // Bc = 1.5e-11 cm and x = 5 cm: Bc·x = 7.5e-11 counts as zero, so Cy1 = 0 and ratio 0,
    // although 2·Bc·x = 1.5e-10 would not.
    p.page.pedestalB = 1.5e-10;
    p.page.ultimateN[0][0] = 100;
    checkConcreteFailure(p.ctx, 0, 0);
    EXPECT_EQ(p.slot(kRatioUlt33), 0.0);
    EXPECT_EQ(p.slot(kUltCy1), 0.0);
}

TEST(ConcreteFailure, PedestalMarginIsClampedAtZero) {
    UltimatePage p;
    p.page.pedestalD = 550;  // (55 - 65)/2 = -5 becomes 0
    checkConcreteFailure(p.ctx, 0, 0);
    EXPECT_EQ(p.slot(kRatioUlt33), 0.0);
    EXPECT_EQ(p.slot(kUltEdge), 7.5);
    EXPECT_EQ(p.detail()[2].substr(0, 60),
              "21.210000,2350.000000,0.000000,75.000000,0.000000,0.000000,2");
}

TEST(ConcreteFailure, DirectlyEnteredAreasAreTakenAsAPairKeyedOnAa) {
    UltimatePage p;
    p.page.inputAa = 12.5;
    p.page.inputAc = 0;
    checkConcreteFailure(p.ctx, 0, 0);
    EXPECT_EQ(p.page.usedAa, 12.5);
    EXPECT_EQ(p.page.usedAc, 0.0);
    // Cy3 = 49843.5/12.5 = 3987.48 (/1050 = 3.7976); Cy4 over Ac = 0 is 0 with ratio 0.
    EXPECT_NEAR(p.slot(kUltCy3), 3987.48, 1e-9);
    EXPECT_EQ(p.slot(kRatioUlt36), 0.0);
    EXPECT_EQ(p.slot(kUltCy4), 0.0);

    UltimatePage q;
    q.page.inputAa = 0;
    q.page.inputAc = 500;
    checkConcreteFailure(q.ctx, 0, 0);
    EXPECT_NEAR(q.page.usedAa, 888.79, 1e-9);
    EXPECT_NEAR(q.page.usedAc, 20789.733554, 1e-6);
}

TEST(ConcreteFailure, NegativeEnteredAreasAreTakenAsTheyAre) {
    UltimatePage p;
    p.page.inputAa = -10;
    p.page.inputAc = -100;
    checkConcreteFailure(p.ctx, 0, 0);
    // Cy3 = 49843.5/-10 = -4984.35 (/1050 = -4.747), Cy4 = 49843.5/-100 = -498.435
    // (/14.4914 = -34.395): negative ratios never replace the stored 0.
    EXPECT_EQ(p.slot(kRatioUlt35), 0.0);
    EXPECT_EQ(p.slot(kUltCy3), 0.0);
    EXPECT_EQ(p.slot(kRatioUlt36), 0.0);
    const TextLines& d = p.detail();
    EXPECT_NE(std::find(d.begin(), d.end(),
                        "21.210000,2350.000000,-10.000000,-4984.350000,1050.000000,-4.747000"),
              d.end());
    EXPECT_NE(std::find(d.begin(), d.end(),
                        "21.210000,2350.000000,-100.000000,-498.435000,14.491377,-34.395283"),
              d.end());
}

TEST(ConcreteFailure, BearingAreaOnTheAnchorBlockIsNotNegative) {
    CKesto page;
    page.anchorBlockB = 100;
    page.anchorBlockD = 10;
    page.boltLength = 0;
    // Bt·Dt = 10 cm2 < at = 21.21 cm2.
    const AnchorBlockAreas a = anchorBlockAreas(page, 21.21);
    EXPECT_EQ(a.aa, 0.0);
    EXPECT_EQ(a.ac, 0.0);
}

TEST(ConcreteFailure, AnchorBlockChecksNeedBothSwitches) {
    UltimatePage p;
    p.cnt.useAnchorBlock = 0;
    p.page.useAnchorBlock = 1;
    p.page.ultimateN[0][0] = 100;
    checkConcreteFailure(p.ctx, 0, 0);
    EXPECT_EQ(p.slot(kRatioUlt35), 0.0);
    EXPECT_EQ(p.slot(kRatioUlt36), 0.0);
    EXPECT_EQ(p.detail().size(), 10u);  // heading, four checks of two rows, the message

    UltimatePage q;
    q.page.useAnchorBlock = 0;
    checkConcreteFailure(q.ctx, 0, 0);
    EXPECT_EQ(q.slot(kRatioUlt35), 0.0);
}

TEST(ConcreteFailure, ShearFailureChecksNeedBothSwitches) {
    UltimatePage p;
    p.page.concreteShearCheck = 0;
    p.page.ultimateN[0][0] = 100;
    checkConcreteFailure(p.ctx, 0, 0);
    EXPECT_EQ(p.slot(kRatioUlt37), 0.0);
    EXPECT_EQ(p.slot(kRatioUlt38), 0.0);
    EXPECT_EQ(p.slot(kUltEdge), 0.0);
    // Without the cone and row checks every ratio of the example is below 1.
    EXPECT_TRUE(p.page.ngMessages.empty());
}

TEST(ConcreteFailure, ZeroPedestalWidthFailsTheRowShearWithoutInfinity) {
    UltimatePage p;
    p.page.pedestalB = 0;
    checkConcreteFailure(p.ctx, 0, 0);
    // The edge crushing over 2·Bc·x = 0 has no stress; the row shear cannot be computed.
    EXPECT_EQ(p.slot(kRatioUlt33), 0.0);
    EXPECT_EQ(p.slot(kRatioUlt38), 9.999);
    EXPECT_EQ(p.slot(kUltNe2), 0.0);
    EXPECT_EQ(p.slot(kUltEdge), 12.5);
    EXPECT_EQ(p.page.ngMessages, Lines{kNg});
}

TEST(ConcreteFailure, ZeroEdgeDistanceFailsTheBoltChecks) {
    UltimatePage p;
    p.page.boltGaugeX = 0;
    p.page.pedestalD = 650;
    checkConcreteFailure(p.ctx, 0, 0);
    EXPECT_EQ(p.slot(kRatioUlt37), 9.999);
    EXPECT_EQ(p.slot(kRatioUlt38), 9.999);
}

TEST(ConcreteFailure, ConcreteTensileStrength) {
    // Gravity: √210 = 14.491 against Fc/15 = 14.0, so cσt = 14 while Cy4 is compared with
    // 14.49. SI: 0.31·√21·100 = 142.06 N/cm2.
    EXPECT_NEAR(concreteTensileStrength(210, 0), 14.4914, 0.00005);
    EXPECT_NEAR(concreteTensileStrength(2100, 1), 0.31 * std::sqrt(21.0) * 100, 1e-12);
}

TEST(ConcreteFailure, StressesStoredInNPerMm2ForSiDocuments) {
    UltimatePage p(1);
    p.page.ultimateN[0][0] = 1000;  // kN
    checkConcreteFailure(p.ctx, 0, 0);
    // bσy = 23.5 kN/cm2·1000 = 23500 N/cm2, N = 1e6 N:
    // Cy1 = (21.21·23500 + 1e6)/750 = 1997.9 N/cm2 = 19.979 N/mm2 against Fc 21 N/mm2.
    EXPECT_NEAR(p.slot(kUltCy1), (21.21 * 23500 + 1e6) / 750 / 100, 1e-9);
    EXPECT_NEAR(p.slot(kUltFc1), 21.0, 1e-12);
    EXPECT_NEAR(p.slot(kUltFc2), 7.0, 1e-12);
    EXPECT_NEAR(p.slot(kUltFc4), 0.31 * std::sqrt(21.0), 1e-12);
    // Lengths are stored unchanged; cσt = min(142.06, 140) = 140 N/cm2.
    EXPECT_NEAR(p.slot(kUltNe1), 0.54 * 3 * std::sqrt(23500.0 / 140), 1e-9);
    EXPECT_EQ(p.detail()[1],
              "at(cm2),bσy(N/cm2),N(N),Bc(cm),x(cm),Cy1(N/cm2),Fc1(N/cm2),Cy1/Fc1,"
              "コンクリート立上げ部縁辺の圧壊");
}

TEST(ConcreteFailure, NothingWithoutTheRoute3NgCaseChecks) {
    UltimatePage p;
    p.cnt.route3NgCheck = 0;
    p.page.ultimateN[0][0] = 100;
    checkConcreteFailure(p.ctx, 0, 0);
    for (int k = kUltCy1; k <= kRatioUlt38; ++k) {
        EXPECT_EQ(p.slot(k), 0.0) << k;
    }
    EXPECT_EQ(p.page.usedAa, 0.0);
    EXPECT_TRUE(p.detail().empty());
}

}  // namespace
}  // namespace kesto
