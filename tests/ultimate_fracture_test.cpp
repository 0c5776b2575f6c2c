#include <gtest/gtest.h>

#include "calc/ultimate_fracture.h"
#include "model/ultimate_slots.h"
#include "ultimate_fixture.h"

namespace kesto {
namespace {

using testing::UltimatePage;
using Lines = std::vector<std::string>;

// B 65 cm, t 3.6 cm, three M30 bolts (d 3.0 cm) with 0.5 cm clearance at a 7.5 cm gauge,
// σu 4.1 t/cm2 (F 2.4 < 2.45), α 1.3, QM 50 t, bAe 5.6 cm2, Fb 2.35 t/cm2:
// Ae = (65 - 3·3.5)·3.6 = 196.2, 1Pu = 804.42, αQM/1Pu = 65/804.42 = 0.0808;
// e = 7.5 - 1.75 = 5.75, 2Pu = 3·5.75·3.6·4.1 = 254.61, 65/254.61 = 0.2553;
// Qy = 5.6·2.35 = 13.16, A1 = π·3.5·3.6 = 39.584, τ = 1.5·13.16/39.584 = 0.4987,
// τu = 4.1/√3 = 2.3671, α·τ/τu = 0.2739.
TEST(PlateFracture, WorkedExample) {
    UltimatePage p;
    p.page.ultimateQ[0][1] = -50;
    checkPlateFracture(p.ctx, 0, 1);
    EXPECT_NEAR(p.slot(kUltPu1), 804.42, 1e-9);
    EXPECT_NEAR(p.slot(kRatioUlt39), 0.0808, 0.00005);
    EXPECT_NEAR(p.slot(kUltPu2), 254.61, 1e-9);
    EXPECT_NEAR(p.slot(kRatioUlt40), 0.2553, 0.00005);
    EXPECT_NEAR(p.slot(kUltTau), 0.4987, 0.00005);
    EXPECT_NEAR(p.slot(kUltTauU), 2.3671, 0.00005);
    EXPECT_NEAR(p.slot(kRatioUlt41), 0.2739, 0.00005);
    EXPECT_TRUE(p.page.ngMessages.empty());
    EXPECT_EQ(p.detail(),
              (Lines{
                  "・ベースプレートの破断防止",
                  "Ae(cm2),σu(t/cm2),1Pu(t),α,QM(t),αQM/1Pu,端部",
                  "196.200000,4.100000,804.420000,1.300000,-50.000000,0.080804",
                  "n,e(cm),t(cm),σu(t/cm2),2Pu(t),α,QM(t),αQM/2Pu,はしあき",
                  "3,5.750000,3.600000,4.100000,254.610000,1.300000,-50.000000,0.255292",
                  "Qy(t),A1(cm2),α,τ(t/cm2),τu(t/cm2),ατ/τu,せん断",
                  "13.160000,39.584067,1.300000,0.498685,2.367136,0.273872",
              }));
}

TEST(PlateFracture, OneMessageWhenAnyRatioFails) {
    UltimatePage p;
    // 1.3·700/254.61 = 3.57 and 1.3·700/804.42 = 1.13: both fail, one message.
    p.page.ultimateQ[1][0] = 700;
    checkPlateFracture(p.ctx, 1, 0);
    EXPECT_EQ(p.page.ngMessages, Lines{"Ｙ方向保有耐力(L->R) ベースプレートの破断防止がＮＧです"});
    EXPECT_EQ(p.detail().back(), "Ｙ方向保有耐力(L->R) ベースプレートの破断防止がＮＧです");
    EXPECT_NEAR(p.slot(kRatioUlt40, 1), 1.3 * 700 / 254.61, 1e-9);
}

TEST(PlateFracture, WithoutShearOnlyTheHoleShearCounts) {
    UltimatePage p;
    checkPlateFracture(p.ctx, 0, 0);
    // Ratios of 0 are not larger than the empty slots, so no capacity is stored with them.
    EXPECT_EQ(p.slot(kRatioUlt39), 0.0);
    EXPECT_EQ(p.slot(kUltPu1), 0.0);
    EXPECT_EQ(p.slot(kRatioUlt40), 0.0);
    EXPECT_NEAR(p.slot(kRatioUlt41), 0.2739, 0.00005);
}

TEST(PlateFracture, NothingWithoutTheRoute3NgCaseChecks) {
    UltimatePage p;
    p.cnt.route3NgCheck = 0;
    p.page.ultimateQ[0][0] = 700;
    checkPlateFracture(p.ctx, 0, 0);
    for (int k : {kUltPu1, kUltPu2, kUltTau, kUltTauU, kRatioUlt39, kRatioUlt40, kRatioUlt41}) {
        EXPECT_EQ(p.slot(k), 0.0) << k;
    }
    EXPECT_TRUE(p.detail().empty());
    EXPECT_TRUE(p.page.ngMessages.empty());
}

TEST(PlateFracture, StressesStoredInNPerMm2ForSiDocuments) {
    // A plate steel with F 235 N/mm2 (below 240) has σu = 40 kN/cm2.
    UltimatePage p(1);
    p.plateGrade.fThin = 235;
    checkPlateFracture(p.ctx, 0, 0);
    // τu = 40/√3 = 23.094 kN/cm2 stored as 230.94 N/mm2; τ = 1.5·5.6·23.5/39.584 = 4.9869.
    EXPECT_NEAR(p.slot(kUltTauU), 230.94, 0.005);
    EXPECT_NEAR(p.slot(kUltTau), 10 * 1.5 * 5.6 * 23.5 / (3.141592654 * 3.5 * 3.6), 1e-9);
    EXPECT_EQ(p.detail()[5], "Qy(kN),A1(cm2),α,τ(kN/cm2),τu(kN/cm2),ατ/τu,せん断");
    // The detail row keeps kN/cm2.
    EXPECT_EQ(p.detail()[6].substr(0, 16), "131.600000,39.58");
}

TEST(PlateFracture, NoHoleWallGivesTheFailedRatio) {
    UltimatePage p;
    p.bolt.shankDiameter = 0;
    p.cnt.boltClearance = 0;
    checkPlateFracture(p.ctx, 0, 0);
    EXPECT_EQ(p.slot(kRatioUlt41), 9.999);
    EXPECT_EQ(p.slot(kUltTau), 0.0);
    EXPECT_EQ(p.page.ngMessages, Lines{"Ｘ方向保有耐力(L->R) ベースプレートの破断防止がＮＧです"});
}

TEST(PlateFracture, RotatedPageUsesTheOtherPlateAxis) {
    UltimatePage p;
    p.page.rotated = 1;
    p.page.plateD = 550;
    p.page.boltCountY = 2;
    p.page.ultimateQ[0][0] = 50;
    checkPlateFracture(p.ctx, 0, 0);
    // B = 55, n = 2: Ae = (55 - 7)·3.6 = 172.8, 1Pu = 708.48.
    EXPECT_NEAR(p.slot(kUltPu1), 708.48, 1e-9);
}

}  // namespace
}  // namespace kesto
