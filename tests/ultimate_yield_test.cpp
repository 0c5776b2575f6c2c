#include <gtest/gtest.h>

#include <cmath>

#include "calc/ultimate_yield.h"
#include "model/ultimate_slots.h"
#include "ultimate_fixture.h"

namespace kesto {
namespace {

using testing::UltimatePage;
using Lines = std::vector<std::string>;

// My = [nt·bAe·F·(dt + dc) + N·dc]/100 with nt 3, bAe 5.6, F 2.35, dt = 32.5 - 7.5 = 25,
// dc = 350/10/2 = 17.5, N = 100: (3·5.6·2.35·42.5 + 1750)/100 = 34.279 t·m.
// Mpc = 18.696 t·m (see the bending tests): α·Mpc/My = 1.3·18.696/34.279 = 0.7090.
// M = 0 and N = 100 t: σc = 100000/4225 = 23.6686 kg/cm2, ΣT = 0; friction 0.4·100 = 40 t
// carries QM = 10 t.
TEST(YieldSense, WorkedExampleWithoutMoment) {
    UltimatePage p;
    p.page.ultimateN[0][0] = 100;
    p.page.ultimateQ[0][0] = 10;
    checkYieldSense(p.ctx, 0, 0);
    EXPECT_NEAR(p.slot(kUltMu), 34.279, 1e-9);
    EXPECT_NEAR(p.slot(kUltMpc), 18.696, 1e-9);
    EXPECT_NEAR(p.slot(kRatioUlt16), 1.3 * 18.696 / 34.279, 1e-9);
    EXPECT_EQ(p.slot(kRatioUlt17), 0.25);
    EXPECT_EQ(p.slot(kUltQuSense), 40.0);
    EXPECT_EQ(p.slot(kUltQm), 10.0);
    EXPECT_NEAR(p.slot(kRatioUlt33), 23.668639 / 210, 1e-8);
    EXPECT_NEAR(p.slot(kUltSigmaC), 100000.0 / 4225, 1e-12);
    EXPECT_EQ(p.slot(kUltFc), 210.0);
    // ΣT/Pb = 0 is not larger than the empty slot.
    EXPECT_EQ(p.slot(kRatioUlt34), 0.0);
    EXPECT_EQ(p.slot(kUltPb), 0.0);
    EXPECT_TRUE(p.page.ngMessages.empty());
    EXPECT_EQ(p.detail(),
              (Lines{
                  "",
                  "L->R加力",
                  "",
                  "・曲げ検討",
                  "Mpc(tm),σy(t/cm2),Zp(cm3),Aw(cm2),An(cm2),N(t)",
                  "18.696000,2.640000,1000.000000,50.000000,100.000000,100.000000",
                  "My(tm),nt,bAe(cm2),F(t/cm2),dt(cm),dc(cm),N(t)",
                  "34.279000,3,5.600000,2.350000,25.000000,17.500000,100.000000",
                  "Mpc(tm),My(tm),αMpc/My,α",
                  "18.696000,34.279000,0.709029,1.300000",
                  "・柱脚応力の計算",
                  "曲げモーメント０",
                  "B(cm),D(cm),dt(cm),at(cm),N(t),M(tm),Sc(kg/cm2),ΣT(t),Xn(cm)",
                  "65.000000,65.000000,7.500000,21.210000,100.000000,0.000000,23.668639,0.000000,"
                  "0.000000",
                  "・せん断検討",
                  "摩擦によるせん断耐力",
                  "QD(t),Qa(t),Q/Qa,N(t),ΣT(t)",
                  "10.000000,40.000000,0.250000,100.000000,0.000000",
                  "QM(t),Qy(t),QM/Qy",
                  "10.000000,40.000000,0.250000",
                  "・コンクリートの破壊防止",
                  "σc(kg),Fc(kg),σc/Fc",
                  "23.668639,210.000000,0.112708",
                  "ΣT(t),Pb(t),ΣT/Pb",
                  "0.000000,39.480000,0.000000",
              }));
}

TEST(YieldSense, AxialTensionWithoutMomentLoadsTheBolts) {
    UltimatePage p;
    p.page.ultimateN[0][1] = -10;
    p.page.ultimateQ[0][1] = 1;
    checkYieldSense(p.ctx, 0, 1);
    // My = (1677.9 - 175)/100 = 15.029; σc = 0, ΣT = 10/2 = 5, Pb = 3·5.6·2.35 = 39.48.
    EXPECT_NEAR(p.slot(kUltMu), 15.029, 1e-9);
    EXPECT_EQ(p.slot(kRatioUlt33), 0.0);
    EXPECT_NEAR(p.slot(kRatioUlt34), 5 / 39.48, 1e-12);
    EXPECT_EQ(p.slot(kUltTensionSum), 5.0);
    EXPECT_NEAR(p.slot(kUltPb), 39.48, 1e-12);
    EXPECT_GT(p.slot(kRatioUlt17), 0.0);
}

TEST(YieldSense, NegativeYieldMomentFailsTheBendingCheck) {
    UltimatePage p;
    p.page.ultimateN[1][0] = -200;  // 1677.9 - 3500 < 0
    checkYieldSense(p.ctx, 1, 0);
    EXPECT_EQ(p.slot(kRatioUlt16, 1), 9.999);
    EXPECT_EQ(p.slot(kUltMu, 1), 0.0);
    ASSERT_FALSE(p.page.ngMessages.empty());
    EXPECT_EQ(p.page.ngMessages[0], "Ｙ方向保有耐力(L->R) 柱脚の降伏曲げ耐力がＮＧです");
}

TEST(YieldSense, BoltsWithoutShearCapacity) {
    UltimatePage p;
    // N = -1000 t: ΣT = 500 t leaves no shear strength on either side and no friction.
    p.page.ultimateN[0][0] = -1000;
    p.page.ultimateQ[0][0] = 3;
    p.cnt.route3NgCheck = 0;
    checkYieldSense(p.ctx, 0, 0);
    EXPECT_EQ(p.slot(kRatioUlt17), 9.999);
    EXPECT_EQ(p.slot(kUltQuSense), 0.0);
    EXPECT_EQ(p.slot(kUltQm), 0.0);
    EXPECT_EQ(p.page.ngMessages, (Lines{
                                     "Ｘ方向保有耐力(L->R) 柱脚の降伏曲げ耐力がＮＧです",
                                     "Ｘ方向保有耐力(L->R) ｱﾝｶｰﾎﾞﾙﾄでせん断力を負担できません",
                                     "Ｘ方向保有耐力(L->R) 柱脚のせん断耐力がＮＧです",
                                 }));
    // Without the NG-case checks the concrete and bolt slots stay empty.
    EXPECT_EQ(p.slot(kRatioUlt34), 0.0);
    EXPECT_EQ(p.detail().back(), "Ｘ方向保有耐力(L->R) 柱脚のせん断耐力がＮＧです");
}

TEST(YieldSense, NgCaseChecksOnlyWhenAsked) {
    UltimatePage p;
    p.cnt.route3NgCheck = 0;
    p.page.ultimateN[0][0] = 1000;  // σc = 236.7 kg/cm2 > Fc
    checkYieldSense(p.ctx, 0, 0);
    EXPECT_EQ(p.slot(kRatioUlt33), 0.0);
    EXPECT_EQ(p.slot(kUltSigmaC), 0.0);

    UltimatePage q;
    q.page.ultimateN[0][0] = 1000;
    checkYieldSense(q.ctx, 0, 0);
    EXPECT_NEAR(q.slot(kRatioUlt33), 1e6 / 4225 / 210, 1e-12);
    EXPECT_EQ(q.page.ngMessages.back(), "Ｘ方向保有耐力(L->R) コンクリート圧縮応力度がＮＧです");
}

TEST(YieldSense, ConcreteStressStoredInNPerMm2ForSiDocuments) {
    UltimatePage p(1);
    p.page.ultimateN[0][0] = 1000;  // kN
    checkYieldSense(p.ctx, 0, 0);
    // σc = 1e6/4225 N/cm2 = 2.3669 N/mm2 against Fc 21 N/mm2.
    EXPECT_NEAR(p.slot(kUltSigmaC), 1e6 / 4225 / 100, 1e-12);
    EXPECT_NEAR(p.slot(kUltFc), 21.0, 1e-12);
    EXPECT_NEAR(p.slot(kRatioUlt33), 1e6 / 4225 / 2100, 1e-12);
}

TEST(YieldSense, NeutralAxisNotFoundSkipsTheRestOfTheSense) {
    UltimatePage p;
    // Pure bending of a plate without bolts has no neutral axis.
    p.page.boltCountX = 0;
    p.page.ultimateM[0][0] = 10;
    p.page.ultimateQ[0][0] = 5;
    checkYieldSense(p.ctx, 0, 0);
    EXPECT_EQ(p.slot(kRatioUlt17), 9.999);
    EXPECT_EQ(p.slot(kUltQm), 0.0);
    EXPECT_EQ(p.slot(kRatioUlt33), 0.0);
    EXPECT_EQ(p.page.ngMessages.back(), "Ｘ方向保有耐力(L->R) 中立軸が算定できません");
}

TEST(YieldSense, PlateWithoutAreaFailsTheConcreteCheckWithoutInfinity) {
    UltimatePage p;
    p.page.plateB = 0;
    p.page.ultimateN[0][0] = 100;
    checkYieldSense(p.ctx, 0, 0);
    EXPECT_EQ(p.slot(kRatioUlt33), 9.999);
    EXPECT_EQ(p.slot(kUltSigmaC), 0.0);
    for (int k = 0; k < kUltimateSlots; ++k) {
        EXPECT_TRUE(std::isfinite(p.slot(k))) << k;
    }
    EXPECT_EQ(p.page.ngMessages.back(), "Ｘ方向保有耐力(L->R) コンクリート圧縮応力度がＮＧです");
}

TEST(UltimateShear, StoresTheShearMagnitude) {
    UltimatePage p;
    // Friction 0.4·100 = 40 t carries 30 t: ratio 0.75; QD is stored as |q|.
    const double qa = checkUltimateShear(p.ctx, CStress{"G+2K", 5, -30, 100}, 0, 0, false);
    EXPECT_EQ(qa, 40.0);
    EXPECT_EQ(p.slot(kRatioUlt15), 0.75);
    EXPECT_EQ(p.slot(kUltQa), 40.0);
    EXPECT_EQ(p.slot(kUltQd), 30.0);
    EXPECT_TRUE(p.page.ngMessages.empty());
}

TEST(UltimateShear, CapacityOnlyStoresNothing) {
    UltimatePage p;
    const double qa = checkUltimateShear(p.ctx, CStress{"G+2K", 5, -30, 100}, 0, 0, true);
    EXPECT_EQ(qa, 40.0);
    EXPECT_EQ(p.slot(kRatioUlt15), 0.0);
    EXPECT_TRUE(p.page.ngMessages.empty());
}

TEST(UltimateShear, NoCapacityGivesBothMessages) {
    UltimatePage p;
    p.page.ultimateResults[kRatioUlt15][0] = 0.5;
    p.page.ultimateResults[kUltQa][0] = 7;
    checkUltimateShear(p.ctx, CStress{"G-2K", 0, 0, -1000}, 500, 0, false);
    EXPECT_EQ(p.slot(kRatioUlt15), 9.999);
    EXPECT_EQ(p.slot(kUltQa), 0.0);
    EXPECT_EQ(p.slot(kUltQd), 0.0);
    EXPECT_EQ(p.page.ngMessages, (Lines{
                                     "Ｘ方向保有耐力(G-2K) ｱﾝｶｰﾎﾞﾙﾄでせん断力を負担できません",
                                     "Ｘ方向保有耐力(G-2K) せん断耐力がＮＧです",
                                 }));
}

TEST(UltimateShear, HShapeInItsWeakDirectionCountsTheStrongAxisBolts) {
    UltimatePage p;
    p.page.columnKind = 1;
    p.page.boltCountY = 1;
    // No friction and no tension: Qa = 2·nt·bAe·fs with fs = 2.35/√3 (short term) and nt = 3
    // from the X row: 45.588 t (one bolt would give 15.196 t).
    const double qa = checkUltimateShear(p.ctx, CStress{"K", 0, 10, 0}, 0, 1, true);
    EXPECT_NEAR(qa, 2 * 3 * 5.6 * 2.35 / std::sqrt(3.0), 1e-9);
    p.page.columnKind = 0;
    EXPECT_NEAR(checkUltimateShear(p.ctx, CStress{"K", 0, 10, 0}, 0, 1, true),
                2 * 5.6 * 2.35 / std::sqrt(3.0), 1e-9);
}

}  // namespace
}  // namespace kesto
