#include <gtest/gtest.h>

#include <vector>

#include "calc/shear_check.h"
#include "calc_test_support.h"

namespace kesto {
namespace {

using testing::makeCalcConditions;
using testing::resolvedContext;

// Long term, three M30 bolts: A = 3 x 5.606 = 16.818 cm2, ft = 2.4/1.5 = 1.6,
// fs = 2.4/(1.5 sqrt 3) = 0.923760 t/cm2.
constexpr double kA = 16.818;
constexpr double kFs = 0.9237604307034012;

class ShearCheck : public ::testing::Test {
  protected:
    CKestoCnt cnt = makeCalcConditions();
    CKesto& page = cnt.pages[0];

    void run(double n, double q, double t, int dir = 0) {
        PageContext ctx = resolvedContext(cnt, page);
        shearCheck(ctx, CStress{"G+K", 0, q, n}, t, dir, kLongTerm);
    }
};

TEST_F(ShearCheck, FrictionCarriesTheShear) {
    // Qa = 0.4 x 100 = 40, 30/40 = 0.75
    run(100, 30, 0);
    EXPECT_EQ(cnt.detailLines,
              (std::vector<std::string>{"・せん断検討", "摩擦によるせん断耐力",
                                        "QD(t),Qa(t),Q/Qa,N(t),ΣT(t)",
                                        "30.000000,40.000000,0.750000,100.000000,0.000000"}));
    EXPECT_EQ(page.ratioShear[0][0], 0.75);
    EXPECT_EQ(page.shearQa[0][0], 40.0);
    EXPECT_EQ(page.shearQD[0][0], 30.0);
}

TEST_F(ShearCheck, FrictionRatioOfExactlyOneKeepsTheFriction) {
    run(100, 40, 0);
    EXPECT_EQ(page.ratioShear[0][0], 1.0);
    EXPECT_EQ(cnt.detailLines.size(), 4u);
    EXPECT_TRUE(page.ngMessages.empty());
}

TEST_F(ShearCheck, BoltsWithoutTensionWhenFrictionFails) {
    // Friction 50/40 = 1.25; bolts: Qa = 2 x 16.818 x 0.923760 = 31.071606, 50/Qa = 1.609186
    run(100, 50, 0);
    const std::vector<std::string> tail(cnt.detailLines.begin() + 4, cnt.detailLines.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"アンカーボルトによるせん断耐力", "アンカーボルト引張無し",
                                        "QD(t),Qa(t),QD/Qa,2*bAe(cm2),fs(t/cm2)",
                                        "50.000000,31.071606,1.609186,33.636000,0.923760",
                                        "Ｘ方向長期許容(G+K) せん断耐力がＮＧです"}));
    EXPECT_NEAR(page.shearQa[0][0], 31.071605847139598, 1e-9);
}

TEST_F(ShearCheck, OneSideInTension) {
    // N + T = 5: friction 2 t, 5/2 = 2.5; fs1 = (1.4 x 1.6 - 15/16.818)/1.6 = 0.842562,
    // fs2 = fs; Qa = 16.818 x (0.842562 + 0.923760) = 29.706003
    run(-10, 5, 15);
    const auto& d = cnt.detailLines;
    ASSERT_EQ(d.size(), 8u);
    EXPECT_EQ(d[3], "5.000000,2.000000,2.500000,-10.000000,15.000000");
    EXPECT_EQ(d[5], "アンカーボルト片側引張");
    EXPECT_EQ(d[6], "QD(t),Qa(t),QD/Qa,bAe(cm2),fs1(t/cm2),fs2(t/cm2),ft(t/cm2),N(t),ΣT(t)");
    EXPECT_EQ(d[7],
              "5.000000,29.706003,0.168316,16.818000,0.842562,0.923760,1.600000,-10.000000,15."
              "000000");
}

TEST_F(ShearCheck, BothSidesInTension) {
    // N + T = -10: no friction; fs1 = (2.24 - 20/16.818)/1.6 = 0.656749,
    // fs2 = min(fs, (2.24 - 10/16.818)/1.6 = 1.028) = fs
    run(-30, 5, 20);
    const auto& d = cnt.detailLines;
    ASSERT_EQ(d.size(), 5u);
    EXPECT_EQ(d[1], "アンカーボルトによるせん断耐力");
    EXPECT_EQ(d[2], "アンカーボルト両側引張");
    EXPECT_EQ(d[4],
              "5.000000,26.581003,0.188104,16.818000,0.656749,0.923760,1.600000,-30.000000,20."
              "000000");
}

TEST_F(ShearCheck, NoCapacityGivesBothMessagesEvenWithoutShear) {
    page.ratioShear[0][0] = 20;  // replaced whatever it held
    // fs1 = (2.24 - 60/16.818)/1.6 < 0 and fs2 = (2.24 - 40/16.818)/1.6 < 0: both 0
    run(-100, 0, 60);
    EXPECT_EQ(page.ratioShear[0][0], kImpossibleRatio);
    EXPECT_EQ(page.shearQa[0][0], 0.0);
    EXPECT_EQ(page.shearQD[0][0], 0.0);
    EXPECT_EQ(page.ngMessages,
              (std::vector<std::string>{"Ｘ方向長期許容(G+K) ｱﾝｶｰﾎﾞﾙﾄでせん断力を負担できません",
                                        "Ｘ方向長期許容(G+K) せん断耐力がＮＧです"}));
    EXPECT_EQ(cnt.detailLines.back(), "Ｘ方向長期許容(G+K) せん断耐力がＮＧです");
}

TEST_F(ShearCheck, NegativeShearGivesTheSameResult) {
    run(100, -50, 0);
    EXPECT_NEAR(page.ratioShear[0][0], 1.609186221207261, 1e-12);
    EXPECT_EQ(page.shearQD[0][0], 50.0);
}

TEST_F(ShearCheck, BoltRatioOfExactlyOneGivesNoMessage) {
    // Mode "F/2" with F = 2.0: fs = 1.0; bolts of 0.5 cm2: A = 1.5; Qa = 2 x 1.5 x 1.0 = 3.
    cnt.boltFsMode = 1;
    cnt.steelGradeTable.append(CSteelRaw{"F2", 3, 2.0, 2.0});
    cnt.boltTable.append(CABolt{"M8", 8, 9, 0.5, 0.5});
    page.boltSteelGrade = "F2";
    page.boltName = "M8";
    run(0, 3, 0);
    EXPECT_EQ(page.ratioShear[0][0], 1.0);
    EXPECT_TRUE(page.ngMessages.empty());
}

TEST_F(ShearCheck, HShapeWeakAxisCountsTheXBolts) {
    testing::useHShape(page);
    run(100, 30, 0, 1);
    EXPECT_EQ(page.ratioShear[1][0], 0.75);
    run(100, 50, 0, 1);  // bolts: the X count (3) although boltCountY is 0
    EXPECT_NEAR(page.shearQa[1][0], 31.071605847139598, 1e-9);
}

TEST(TensionReducedFs, ClipsBetweenZeroAndFs) {
    EXPECT_NEAR(tensionReducedFs(1.6, 15, kA, kFs), 0.8425615412058507, 1e-12);
    EXPECT_EQ(tensionReducedFs(1.6, 0, kA, kFs), kFs);
    EXPECT_EQ(tensionReducedFs(1.6, 60, kA, kFs), 0.0);
    EXPECT_EQ(tensionReducedFs(1.6, 15, 0, kFs), 0.0);
}

}  // namespace
}  // namespace kesto
