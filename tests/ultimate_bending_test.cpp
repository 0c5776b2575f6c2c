#include <gtest/gtest.h>

#include <cmath>

#include "calc/ultimate_bending.h"
#include "calc/ultimate_strength.h"
#include "model/ultimate_slots.h"
#include "ultimate_fixture.h"

namespace kesto {
namespace {

using testing::UltimatePage;
using Lines = std::vector<std::string>;

// The tube column: σy = 2.4·1.1 = 2.64 t/cm2, Ny = 264 t, Mp = 26.4 t·m. For N = 100 t,
// |N|/Ny = 0.3788 > Aw/(2·An) = 0.25, so Mpc = 1.14·(1 - 0.3788)·26.4 = 18.696 t·m.
// The base (65 x 65, Fc 210, three M30 at F 2.35, gauge 7.5) gives for N = 100 t:
// Nu = 754.1625, Tu = 49.8435, Su = 28.777158, Mu = 51.484048 t·m, Qu = 74.92175 t.
constexpr double kMpc = 18.696;
constexpr double kMu = 51.48404848696402;
constexpr double kQu = 74.92175;

const Lines kStrengthRows = {
    "・曲げ／せん断検討",
    "Mpc(tm),σy(t/cm2),Zp(cm3),Aw(cm2),An(cm2),N(t)",
    "18.696000,2.640000,1000.000000,50.000000,100.000000,100.000000",
    "B(cm),D(cm),dt(cm),Fc(kg/cm2),F(t/cm2),nt,Ab(cm2)",
    "65.000000,65.000000,25.000000,210.000000,2.350000,3,7.070000",
    "Mu(tm),Qu(t),Nu(t),Tu(t),Su(t),N(t)",
    "51.484048,74.921750,754.162500,49.843500,28.777158,100.000000",
};

Lines concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(UltimateCombination, ConnectionAndShearWithinStrength) {
    UltimatePage p;
    checkUltimateCombination(p.ctx, CStress{"G+2K", 20, -30, 100}, 0);
    // α·Mpc/Mu = 1.3·18.696/51.484 = 0.4721; QD/Qu = 30/74.922 = 0.4004.
    EXPECT_NEAR(p.slot(kRatioUlt13), 0.472084, 5e-7);
    EXPECT_NEAR(p.slot(kUltMpc), kMpc, 1e-9);
    EXPECT_NEAR(p.slot(kUltMu), kMu, 1e-9);
    EXPECT_EQ(p.slot(kRatioUlt14), 0.0);
    EXPECT_NEAR(p.slot(kRatioUlt15), 30 / kQu, 1e-9);
    EXPECT_EQ(p.slot(kUltQd), -30.0);
    EXPECT_NEAR(p.slot(kUltQu), kQu, 1e-9);
    EXPECT_TRUE(p.page.ngMessages.empty());
    EXPECT_EQ(p.detail(), concat(kStrengthRows, {
                                                    "Mpc(tm),Mu(tm),αMpc/Mu,α",
                                                    "18.696000,51.484048,0.472084,1.300000",
                                                    "QD(tm),Qu(tm),QD/Qu",
                                                    "-30.000000,74.921750,0.400418",
                                                }));
}

TEST(UltimateCombination, FailedConnectionIsCheckedByTheCombinationMoment) {
    UltimatePage p;
    p.cnt.alphaX = 3.0;  // 3·18.696/51.484 = 1.0894
    checkUltimateCombination(p.ctx, CStress{"G+2K", -20, 5, 100}, 0);
    EXPECT_NEAR(p.slot(kRatioUlt13), 3 * kMpc / kMu, 1e-12);
    // MD/Mu = 20/51.484 = 0.38847 < 1: no bending message.
    EXPECT_NEAR(p.slot(kRatioUlt14), 20 / kMu, 1e-12);
    EXPECT_EQ(p.slot(kUltMd), -20.0);
    EXPECT_NEAR(p.slot(kUltMuForMd), kMu, 1e-9);
    EXPECT_TRUE(p.page.ngMessages.empty());
    EXPECT_EQ(p.detail()[9], "MD(tm),Mu(tm),MD/Mu");
    EXPECT_EQ(p.detail()[10], "-20.000000,51.484048,0.388470");

    checkUltimateCombination(p.ctx, CStress{"G-2K", 60, 5, 100}, 0);
    // MD/Mu = 60/51.484 = 1.1654 > 1.
    EXPECT_NEAR(p.slot(kRatioUlt14), 60 / kMu, 1e-12);
    EXPECT_EQ(p.slot(kUltMd), 60.0);
    EXPECT_EQ(p.page.ngMessages, Lines{"Ｘ方向保有耐力(G-2K) 柱脚の終局曲げ耐力がＮＧです"});
}

TEST(UltimateCombination, ConnectionRatioOfExactlyOneIsNoFailure) {
    UltimatePage p;
    // An axial force and an α for which α·Mpc/Mu is exactly 1.0 in floating point, searched
    // next to α = Mu/Mpc.
    const BaseStrengths base = baseStrengths(65, 65, 210, 3, 7.07, 2.35);
    double n = 100;
    double alpha = 0;
    for (int i = 0; i < 400 && alpha == 0; ++i, n += 0.25) {
        const double mpc = columnMoment(p.ctx, 0, n).mpc;
        const double mu = ultimateBendingStrength(65, 25, n, base.nu, base.tu);
        double candidate = std::nextafter(std::nextafter(mu / mpc, 0.0), 0.0);
        for (int k = 0; k < 5 && alpha == 0; ++k, candidate = std::nextafter(candidate, 10.0)) {
            if (candidate * mpc / mu == 1.0) {
                alpha = candidate;
            }
        }
    }
    ASSERT_NE(alpha, 0.0);
    n -= 0.25;
    p.cnt.alphaX = alpha;
    checkUltimateCombination(p.ctx, CStress{"G+2K", 80, 5, n}, 0);
    EXPECT_EQ(p.slot(kRatioUlt13), 1.0);
    EXPECT_EQ(p.slot(kRatioUlt14), 0.0);
    EXPECT_TRUE(p.page.ngMessages.empty());
}

TEST(UltimateCombination, AxialForceBeyondTheBaseFailsEveryRatio) {
    UltimatePage p;
    checkUltimateCombination(p.ctx, CStress{"G+2K", 10, 5, 800}, 0);
    EXPECT_EQ(p.slot(kRatioUlt13), 9.999);
    EXPECT_EQ(p.slot(kRatioUlt14), 9.999);
    EXPECT_EQ(p.slot(kRatioUlt15), 9.999);
    EXPECT_EQ(p.slot(kUltMu), 0.0);
    EXPECT_EQ(p.slot(kUltMd), 10.0);
    EXPECT_EQ(p.slot(kUltQd), 5.0);
    EXPECT_EQ(p.slot(kUltQu), 0.0);
    EXPECT_EQ(p.page.ngMessages, (Lines{
                                     "Ｘ方向保有耐力(G+2K) 柱脚の軸力制限を超えた",
                                     "Ｘ方向保有耐力(G+2K) 柱脚の終局曲げ耐力がＮＧです",
                                     "Ｘ方向保有耐力(G+2K) 柱脚の終局せん断耐力がＮＧです",
                                 }));
    // Each message follows the row of its step in the detail lines.
    EXPECT_EQ(p.detail()[7], "Ｘ方向保有耐力(G+2K) 柱脚の軸力制限を超えた");
    EXPECT_EQ(p.detail()[8], "Mpc(tm),Mu(tm),αMpc/Mu,α");
    EXPECT_EQ(p.detail().back(), "Ｘ方向保有耐力(G+2K) 柱脚の終局せん断耐力がＮＧです");
}

TEST(UltimateCombination, TiesKeepTheEarlierCombination) {
    UltimatePage p;
    checkUltimateCombination(p.ctx, CStress{"A", 20, 30, 100}, 0);
    checkUltimateCombination(p.ctx, CStress{"B", 20, -30, 100}, 0);
    EXPECT_EQ(p.slot(kUltQd), 30.0);
    checkUltimateCombination(p.ctx, CStress{"C", 20, -31, 100}, 0);
    EXPECT_EQ(p.slot(kUltQd), -31.0);
}

TEST(UltimateCombination, WithoutDetailFileNoLines) {
    UltimatePage p;
    p.cnt.writeDetailFile = 0;
    checkUltimateCombination(p.ctx, CStress{"G+2K", 10, 5, 800}, 0);
    EXPECT_TRUE(p.detail().empty());
    EXPECT_EQ(p.page.ngMessages.size(), 3u);
}

TEST(UltimateCombination, RotatedBaseUsesTheOtherPlateAxisAndTheLoopAlpha) {
    UltimatePage p;
    p.page.rotated = 1;
    p.page.plateB = 600;  // across the bending direction of X on the turned base
    p.page.boltGaugeY = 100;
    p.cnt.alphaX = 2.0;
    p.cnt.alphaY = 9.0;
    checkUltimateCombination(p.ctx, CStress{"G+2K", 20, -30, 100}, 0);
    // D = 60, B = 65, dt = 30 - 10 = 20: Nu = 0.85·65·60·210/1000 = 696.15, Tu = 49.8435;
    // Mu = (49.8435·20 + 149.8435·30·(1 - 149.8435/696.15))/100 = 45.2385 t·m.
    const double mu = (49.8435 * 20 + 149.8435 * 30 * (1 - 149.8435 / 696.15)) / 100;
    EXPECT_NEAR(p.slot(kUltMu), mu, 1e-9);
    EXPECT_NEAR(p.slot(kRatioUlt13), 2.0 * kMpc / mu, 1e-9);
    EXPECT_EQ(p.detail()[4], "65.000000,60.000000,20.000000,210.000000,2.350000,3,7.070000");
}

TEST(UltimateSense, RouteThreeForcesOfOneSense) {
    UltimatePage p;
    p.page.ultimateN[1][1] = 100;
    p.page.ultimateQ[1][1] = -30;
    p.page.ultimateM[1][1] = 99;  // not used by the strength check
    checkUltimateSense(p.ctx, 1, 1);
    EXPECT_NEAR(p.slot(kRatioUlt16, 1), 1.3 * kMpc / kMu, 1e-12);
    EXPECT_NEAR(p.slot(kUltMpc, 1), kMpc, 1e-9);
    EXPECT_NEAR(p.slot(kUltMu, 1), kMu, 1e-9);
    EXPECT_NEAR(p.slot(kRatioUlt17, 1), 30 / kQu, 1e-12);
    EXPECT_EQ(p.slot(kUltQm, 1), -30.0);
    EXPECT_NEAR(p.slot(kUltQuSense, 1), kQu, 1e-9);
    EXPECT_EQ(p.slot(kRatioUlt13, 1), 0.0);
    EXPECT_EQ(p.slot(kRatioUlt16, 0), 0.0);
    EXPECT_EQ(p.detail(), concat(concat({"", "R->L加力", ""}, kStrengthRows),
                                 {
                                     "Mpc(tm),Mu(tm),αMpc/Mu,α",
                                     "18.696000,51.484048,0.472084,1.300000",
                                     "QM(t),Qu(t),QM/Qu",
                                     "-30.000000,74.921750,0.400418",
                                 }));
}

TEST(UltimateSense, MessagesCarryTheSenseLabel) {
    UltimatePage p;
    p.page.ultimateN[0][0] = -100;  // below -2·Tu = -99.687: Mu = Qu = 0
    checkUltimateSense(p.ctx, 0, 0);
    EXPECT_EQ(p.slot(kRatioUlt16), 9.999);
    EXPECT_EQ(p.slot(kRatioUlt17), 9.999);
    EXPECT_EQ(p.page.ngMessages, (Lines{
                                     "Ｘ方向保有耐力(L->R) 柱脚の軸力制限を超えた",
                                     "Ｘ方向保有耐力(L->R) 柱脚の終局曲げ耐力がＮＧです",
                                     "Ｘ方向保有耐力(L->R) 柱脚の終局せん断耐力がＮＧです",
                                 }));
}

TEST(ColumnProperties, TubeAxisFollowsTheDirectionHShapeKeepsItsStrongAxis) {
    UltimatePage p;
    p.section.plasticModulusY = 800;
    p.section.shearAreaY = 40;
    EXPECT_EQ(columnProperties(p.ctx, 1).zp, 800.0);
    EXPECT_EQ(columnProperties(p.ctx, 1).aw, 40.0);
    EXPECT_EQ(columnProperties(p.ctx, 0).zp, 1000.0);
    p.page.columnKind = 1;
    p.section.shapeType = 0;
    p.section.flangeThickness = 45;  // above 40 mm: F 2.2
    EXPECT_EQ(columnProperties(p.ctx, 1).zp, 1000.0);
    EXPECT_NEAR(columnYieldStress(p.ctx), 2.2 * 1.1, 1e-12);
    p.page.columnKind = 0;
    EXPECT_NEAR(columnYieldStress(p.ctx), 2.4 * 1.1, 1e-12);  // wall 16 mm
    p.ctx.section = nullptr;
    EXPECT_EQ(columnProperties(p.ctx, 0).zp, 0.0);
}

TEST(ColumnProperties, PageColumnKindDecidesTheSectionLossShape) {
    UltimatePage p;
    p.cnt.sectionFromTable = 0;
    p.cnt.roundSectionProps = 0;
    p.cnt.scallopSize = 0;
    // An H-shape page on the tube row 350 x 350 x 16 (no flange, no fillet), λ = √(2.4/2.4) = 1:
    // ew = max(35 - 48·1.6, 0) = 0, so Aw = 1.6·35 = 56, An = Aw + 0 = 56, Zp = 1.6·35²/4 = 490.
    // Read as a tube it would give Aw = 2·1.6·35 = 112.
    p.page.columnKind = 1;
    const ColumnAxisProperties h = columnProperties(p.ctx, 0);
    EXPECT_NEAR(h.aw, 56, 1e-9);
    EXPECT_NEAR(h.an, 56, 1e-9);
    EXPECT_NEAR(h.zp, 490, 1e-9);
    // A tube page on an H row 300 x 300 x 10 x 15: walls t = 1.0 with eh = eb = max(30 - 48, 0)
    // = 0: An = 30·30 - 28·28 = 116, Aw = 2·1·30 = 60, Zp = 1·30·29 + 1·28²/2 = 1262.
    p.page.columnKind = 0;
    p.section.shapeType = 0;
    p.section.depth = 300;
    p.section.width = 300;
    p.section.webThickness = 10;
    p.section.flangeThickness = 15;
    const ColumnAxisProperties t = columnProperties(p.ctx, 0);
    EXPECT_NEAR(t.an, 116, 1e-9);
    EXPECT_NEAR(t.aw, 60, 1e-9);
    EXPECT_NEAR(t.zp, 1262, 1e-9);
}

}  // namespace
}  // namespace kesto
