#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calc/concrete_anchor.h"
#include "calc_test_support.h"

namespace kesto {
namespace {

using testing::makeCalcConditions;
using testing::resolvedContext;

// Plate 65 x 65 cm, bolt row at 7.5 cm, three M30 shanks: at = 3 x 7.069 = 21.207 cm2.
constexpr double kB = 65;
constexpr double kD = 65;
constexpr double kDt = 7.5;
constexpr double kAt = 21.207;

struct CaseRow {
    double n;
    double m;
    const char* row;
    double sigmaC;
    double tensionSum;
};

class StressesUnderPlate : public ::testing::TestWithParam<CaseRow> {};

TEST_P(StressesUnderPlate, TakesTheCaseOfTheEccentricity) {
    CKestoCnt cnt = makeCalcConditions();
    PageContext ctx = resolvedContext(cnt, cnt.pages[0]);
    const CaseRow& c = GetParam();
    PlateStresses s;
    EXPECT_EQ(stressesUnderPlate(ctx, kB, kD, kDt, kAt, c.n, c.m, s), 0);
    ASSERT_EQ(cnt.detailLines, std::vector<std::string>{c.row});
    EXPECT_NEAR(s.sigmaC, c.sigmaC, 1e-9);
    EXPECT_NEAR(s.tensionSum, c.tensionSum, 1e-9);
    EXPECT_EQ(s.xn, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, StressesUnderPlate,
                         ::testing::Values(
                             // e = 10 cm <= D/6 = 10.83: 100000/4225 x (1 + 60/65)
                             CaseRow{100, 10, "0 <= e <= D / 6", 45.51661356395084, 0},
                             // e = 0 with compression: uniform 100000/4225
                             CaseRow{100, 0, "0 <= e <= D / 6", 23.668639053254438, 0},
                             // e = 12 in (10.83, 13.33]: 2 x 100000 / (3 x 65 x (32.5 - 12))
                             CaseRow{100, 12, "D / 6 < e <= D / 6 + dt / 3", 50.03126954346467, 0},
                             // e = -5: -20000 x (-5 - 32.5 + 7.5) / (65 - 15) / 1000 = 12 t
                             CaseRow{-20, 1, "-D / 2 + dt <= e && e < 0", 0, 12}));

TEST(StressesUnderPlateBoundary, EccentricityOfExactlyDOverSixIsWholeCompression) {
    CKestoCnt cnt = makeCalcConditions();
    PageContext ctx = resolvedContext(cnt, cnt.pages[0]);
    PlateStresses s;
    // D = 60: e = 10 = D/6; sigma = 100000 / (65 x 60) x (1 + 1) = 51.282
    stressesUnderPlate(ctx, kB, 60, kDt, kAt, 100, 10, s);
    EXPECT_EQ(cnt.detailLines, std::vector<std::string>{"0 <= e <= D / 6"});
    EXPECT_NEAR(s.sigmaC, 51.282051282051285, 1e-9);
}

TEST(StressesUnderPlateBoundary, EccentricityOnTheOtherBoundariesStaysInTheLowerCase) {
    CKestoCnt cnt = makeCalcConditions();
    PageContext ctx = resolvedContext(cnt, cnt.pages[0]);
    PlateStresses s;
    // e = 500000 / -20000 = -25 = -D/2 + dt: the bolts take the tension without a neutral
    // axis; sum T = -20000 x (-25 - 32.5 + 7.5) / (65 - 15) / 1000 = 20 t.
    EXPECT_EQ(stressesUnderPlate(ctx, kB, kD, kDt, kAt, -20, 5, s), 0);
    EXPECT_EQ(cnt.detailLines, std::vector<std::string>{"-D / 2 + dt <= e && e < 0"});
    EXPECT_NEAR(s.tensionSum, 20.0, 1e-12);
    EXPECT_EQ(s.sigmaC, 0.0);
    EXPECT_EQ(s.xn, 0.0);

    // D = 60, dt = 6: e = 1200000 / 100000 = 12 = D/6 + dt/3 exactly, still without bolt
    // tension; sigma = 2 x 100000 / (3 x 65 x (30 - 12)) = 56.980057 kg/cm2.
    cnt.detailLines.clear();
    s = PlateStresses{};
    EXPECT_EQ(stressesUnderPlate(ctx, kB, 60, 6, kAt, 100, 12, s), 0);
    EXPECT_EQ(cnt.detailLines, std::vector<std::string>{"D / 6 < e <= D / 6 + dt / 3"});
    EXPECT_NEAR(s.sigmaC, 56.98005698005698, 1e-9);
    EXPECT_EQ(s.tensionSum, 0.0);
    EXPECT_EQ(s.xn, 0.0);
}

// Roots of f(x) = x^3 + 3(e - D/2)x^2 - 6 n at/B (e + D/2 - dt)(D - dt - x), found to full
// precision beforehand; the search stops at |f| < 0.001, so xn agrees to about 1e-6 cm.
TEST(StressesUnderPlateBoundary, EccentricCasesSolveTheCubic) {
    struct Row {
        double n, m;
        const char* row;
        double xn, sigmaC, tensionSum;
    };
    const std::vector<Row> rows = {
        // e = 30 > 13.33
        {100, 30, "D / 6 + dt / 3 < e", 35.54989158588516, 104.27973580769557, 20.481832333470564},
        // e = -30 < -25
        {-20, 6, "e < -D / 2 + dt", 6.434788204090443, 8.638234170859876, 21.806519238771656},
    };
    for (const Row& r : rows) {
        CKestoCnt cnt = makeCalcConditions();
        PageContext ctx = resolvedContext(cnt, cnt.pages[0]);
        PlateStresses s;
        EXPECT_EQ(stressesUnderPlate(ctx, kB, kD, kDt, kAt, r.n, r.m, s), 0);
        EXPECT_EQ(cnt.detailLines, std::vector<std::string>{r.row});
        EXPECT_NEAR(s.xn, r.xn, 1e-5);
        EXPECT_NEAR(s.sigmaC, r.sigmaC, 1e-4);
        EXPECT_NEAR(s.tensionSum, r.tensionSum, 1e-4);
    }
}

TEST(StressesUnderPlateBoundary, PureBendingSolvesTheQuadratic) {
    CKestoCnt cnt = makeCalcConditions();
    PageContext ctx = resolvedContext(cnt, cnt.pages[0]);
    PlateStresses s;
    // 3x^2 + kx - k(D - dt) = 0 with k = 6 x 15 x 21.207 / 65 = 29.3635:
    // xn = (-k + sqrt(k^2 + 12 k x 57.5)) / 6 = 19.3290; T = 20 x 100 / (57.5 - xn/3);
    // sigma = 2 T x 1000 / (65 xn)
    EXPECT_EQ(stressesUnderPlate(ctx, kB, kD, kDt, kAt, 0, 20, s), 0);
    EXPECT_EQ(cnt.detailLines, std::vector<std::string>{"軸力０による算定"});
    EXPECT_NEAR(s.xn, 19.3290337394731, 1e-5);
    EXPECT_NEAR(s.tensionSum, 39.1719145376067, 1e-5);
    EXPECT_NEAR(s.sigmaC, 62.35643717765386, 1e-4);
}

TEST(NeutralAxisSearch, NoSignChangeGivesZero) {
    // Bolt row beyond the plate (dt = 70 > D): f(0) and f(D) have the same sign.
    EXPECT_EQ(neutralAxisPureBending(kB, kD, 70, kAt), 0.0);
    // e = 10, dt = 70: f(0) = -137.5 k and f(65) = -10562 - 1925 k, both negative.
    EXPECT_EQ(neutralAxisEccentric(kB, kD, 70, kAt, 10), 0.0);
}

TEST(NeutralAxisSearch, NoConvergenceInOneHundredHalvingsGivesMinusOne) {
    // With at = 1e15 the function changes by about 10 between neighbouring doubles near the
    // root, so |f| never falls below 0.001.
    EXPECT_EQ(neutralAxisPureBending(kB, kD, kDt, 1e15), -1.0);
}

TEST(NeutralAxisSearch, PlateWithoutWidthHasNoNeutralAxis) {
    EXPECT_EQ(neutralAxisPureBending(0, kD, kDt, kAt), 0.0);
    EXPECT_EQ(neutralAxisEccentric(0, kD, kDt, kAt, 30), 0.0);
}

class ConcreteAnchorCheck : public ::testing::Test {
  protected:
    CKestoCnt cnt = makeCalcConditions();
    CKesto& page = cnt.pages[0];

    int run(double n, double m, int dir = 0, int term = kLongTerm, int unit = 0) {
        PageContext ctx = resolvedContext(cnt, page, unit);
        return concreteAnchorCheck(ctx, CStress{"G", m, 0, n}, dir, term, out);
    }
    PlateStresses out;
};

TEST_F(ConcreteAnchorCheck, NoForcesSkipsTheCombination) {
    page.ratioConcrete[0][0] = 0.5;
    EXPECT_EQ(run(0, 0), 0);
    EXPECT_EQ(cnt.detailLines, (std::vector<std::string>{"・コンクリート／アンカーボルトの検討",
                                                         "応力０より計算省略"}));
    EXPECT_EQ(page.ratioConcrete[0][0], 0.5);
    EXPECT_EQ(page.ratioBoltTension[0][0], 0.0);
}

// A force so large that the stress overflows cannot be checked: 9.999 and the NG message.
TEST_F(ConcreteAnchorCheck, AnOverflowingStressGivesTheImpossibleRatio) {
    EXPECT_EQ(run(1.7e308, 0), 0);
    EXPECT_EQ(page.ratioConcrete[0][0], kImpossibleRatio);
    EXPECT_EQ(page.sigmaC[0][0], 0.0);
    ASSERT_EQ(page.ngMessages.size(), 1u);
    EXPECT_EQ(page.ngMessages[0], "Ｘ方向長期許容(G) コンクリート圧縮応力度がＮＧです");
}

TEST_F(ConcreteAnchorCheck, AxialTensionWithinTheBoltRows) {
    // Long term: fc = 210/3 = 70; ft = 2.4/1.5 = 1.6; Pb = 3 x 5.606 x 1.6 = 26.9088;
    // T = 12 t (see above), 12 / 26.9088 = 0.445951
    EXPECT_EQ(run(-20, -1), 0);
    EXPECT_EQ(cnt.detailLines, (std::vector<std::string>{
                                   "・コンクリート／アンカーボルトの検討",
                                   "-D / 2 + dt <= e && e < 0",
                                   "σc(kg/cm2),fc(kg/cm2),σc/fc,Xn(cm),dtl(cm),at(cm2)",
                                   "0.000000,70.000000,0.000000,0.000000,7.500000,21.207000",
                                   "ΣT(t),Pb(t),ΣT/Pb,bAe(cm2),ft(t/cm2)",
                                   "12.000000,26.908800,0.445951,16.818000,1.600000",
                               }));
    EXPECT_NEAR(page.ratioBoltTension[0][0], 0.44595076703531933, 1e-12);
    EXPECT_NEAR(page.boltTensionSum[0][0], 12, 1e-12);
    EXPECT_NEAR(page.boltTensionAllow[0][0], 26.9088, 1e-12);
    EXPECT_EQ(page.ratioConcrete[0][0], 0.0);
    EXPECT_EQ(page.allowFc[0][0], 0.0);  // a zero ratio never replaces the stored zero
    EXPECT_TRUE(page.ngMessages.empty());
}

TEST_F(ConcreteAnchorCheck, HShapeWeakAxisNeverSolvesANeutralAxis) {
    testing::useHShape(page);
    // Y on an unrotated H-shape: uniform 100000 / (65 x 65) whatever the moment.
    run(100, 50, 1);
    EXPECT_EQ(cnt.detailLines[1], "曲げモーメント０またはＨ形鋼弱軸");
    EXPECT_NEAR(page.sigmaC[1][0], 23.668639053254438, 1e-12);
    EXPECT_EQ(out.xn, 0.0);
    // Tension: half of |N| on the X bolt count: Pb = 3 x 5.606 x 1.6.
    run(-30, 50, 1);
    EXPECT_NEAR(out.tensionSum, 15, 1e-12);
    EXPECT_NEAR(page.ratioBoltTension[1][0], 15 / 26.9088, 1e-12);
}

TEST_F(ConcreteAnchorCheck, FailedSearchRecordsImpossibleRatiosAndTheMessage) {
    page.boltGaugeX = 700;
    page.ratioConcrete[0][0] = 12;  // the failure overwrites whatever the slot held
    page.sigmaC[0][0] = 5;
    EXPECT_EQ(run(0, 20), kNeutralAxisFailed);
    EXPECT_EQ(page.ratioConcrete[0][0], kImpossibleRatio);
    EXPECT_EQ(page.ratioBoltTension[0][0], kImpossibleRatio);
    EXPECT_EQ(page.sigmaC[0][0], 0.0);
    EXPECT_EQ(out.sigmaC, 0.0);
    EXPECT_EQ(out.tensionSum, 0.0);
    EXPECT_EQ(page.ngMessages,
              std::vector<std::string>{"Ｘ方向長期許容(G) 中立軸が算定できません"});
    EXPECT_EQ(cnt.detailLines,
              (std::vector<std::string>{"・コンクリート／アンカーボルトの検討", "軸力０による算定",
                                        "Ｘ方向長期許容(G) 中立軸が算定できません"}));
    // The eccentric search fails too (e = 10 < -D/2 + dt = 37.5, no sign change).
    cnt.detailLines.clear();
    page.ngMessages.clear();
    EXPECT_EQ(run(100, 10, 0, kShortTerm), kNeutralAxisFailed);
    EXPECT_EQ(page.ratioConcrete[0][1], kImpossibleRatio);
    EXPECT_EQ(page.ngMessages,
              std::vector<std::string>{"Ｘ方向短期許容(G) 中立軸が算定できません"});
    EXPECT_EQ(cnt.detailLines[1], "e < -D / 2 + dt");
}

TEST_F(ConcreteAnchorCheck, LeverArmWithoutLengthIsImpossible) {
    // dt = 70 > D = 65, e = 30: the cubic has a root but D - dt - xn/3 < 0.
    page.boltGaugeX = 700;
    EXPECT_EQ(run(100, 30), 0);
    EXPECT_EQ(page.ratioConcrete[0][0], kImpossibleRatio);
    EXPECT_EQ(page.ratioBoltTension[0][0], kImpossibleRatio);
    EXPECT_EQ(page.sigmaC[0][0], 0.0);
    EXPECT_EQ(page.ngMessages,
              (std::vector<std::string>{"Ｘ方向長期許容(G) コンクリート圧縮応力度がＮＧです",
                                        "Ｘ方向長期許容(G) アンカーボルト引張耐力がＮＧです"}));
    // The neutral axis itself was found and is kept (20.704973 cm).
    EXPECT_EQ(cnt.detailLines[3], "0.000000,70.000000,9.999000,20.704973,70.000000,21.207000");
}

TEST_F(ConcreteAnchorCheck, TensionWithoutBoltStrengthIsImpossible) {
    cnt.steelGradeTable.append(CSteelRaw{"ZERO", 3, 0, 0});
    page.boltSteelGrade = "ZERO";
    run(100, 0);  // no tension: Pb = 0 gives ratio 0
    EXPECT_EQ(page.ratioBoltTension[0][0], 0.0);
    EXPECT_TRUE(page.ngMessages.empty());
    run(-20, 1);  // T = 12 t on no capacity
    EXPECT_EQ(page.ratioBoltTension[0][0], kImpossibleRatio);
    EXPECT_EQ(page.ngMessages,
              std::vector<std::string>{"Ｘ方向長期許容(G) アンカーボルト引張耐力がＮＧです"});
}

// No bolts in the row (at = 0, Pb = 0), N = 100 t, M = 15 t·m: e = 15 > D/6 + dt/3 = 13.33.
// The cubic x³ − 52.5 x² has f(0) = 0 and f < 0 on (0, 52.5), so the halvings of [0, 65] close
// on 0 until |f| < 0.001: xn = 65/2^14 = 0.003967 (f = −0.000826; 65/2^13 gives −0.0033).
// L = 57.5 − xn/3 = 57.498678; ΣT = 100 × (15 − 32.5 + xn/3) / L = −30.433183 t, a compression
// of the bolt row, which asks for no capacity: ratio 0 and no bolt message. The concrete,
// σc = 2 × 100000 × 40 / (65 × xn × L) = 539542.12 kg/cm2, is NG.
TEST_F(ConcreteAnchorCheck, NegativeTensionWithoutBoltCapacityIsNoTension) {
    page.boltCountX = 0;
    EXPECT_EQ(run(100, 15), 0);
    EXPECT_NEAR(out.xn, 65.0 / 16384, 1e-15);
    EXPECT_NEAR(out.tensionSum, -30.43318265854025, 1e-9);
    EXPECT_EQ(cnt.detailLines[3], "539542.123230,70.000000,7707.744618,0.003967,7.500000,0.000000");
    EXPECT_EQ(cnt.detailLines[5], "-30.433183,0.000000,0.000000,0.000000,1.600000");
    EXPECT_EQ(page.ratioBoltTension[0][0], 0.0);
    EXPECT_EQ(page.boltTensionSum[0][0], 0.0);
    EXPECT_EQ(page.ngMessages,
              std::vector<std::string>{"Ｘ方向長期許容(G) コンクリート圧縮応力度がＮＧです"});
    // The ultimate mode (area = 0 × thread area) keeps slots 14, 10 and 11 at 0 as well.
    page.ngMessages.clear();
    run(100, 15, 0, kUltimateTerm);
    EXPECT_EQ(page.ultimateResults[14][0], 0.0);
    EXPECT_EQ(page.ultimateResults[10][0], 0.0);
    EXPECT_EQ(page.ultimateResults[11][0], 0.0);
    EXPECT_EQ(page.ngMessages,
              std::vector<std::string>{"Ｘ方向保有耐力(G) コンクリート圧縮応力度がＮＧです"});
}

TEST_F(ConcreteAnchorCheck, RotatedPageUsesTheOtherAxisButReportsTheEnteredOne) {
    page.rotated = 1;
    page.plateB = 600;
    // X stresses act on D = plateB/10 = 60: e = 10 = D/6, sigma = 200000/(65 x 60) x 2.
    run(200, 20);
    EXPECT_NEAR(page.sigmaC[0][0], 102.56410256410257, 1e-9);
    EXPECT_NEAR(page.ratioConcrete[0][0], 1.4652014652014653, 1e-12);
    EXPECT_EQ(page.ngMessages,
              std::vector<std::string>{"Ｘ方向長期許容(G) コンクリート圧縮応力度がＮＧです"});
}

TEST_F(ConcreteAnchorCheck, NegativeMomentGivesTheSameResults) {
    run(100, 30);
    const PlateStresses positive = out;
    const double ratio = page.ratioConcrete[0][0];
    page.resetResults();
    run(100, -30);
    EXPECT_EQ(out.sigmaC, positive.sigmaC);
    EXPECT_EQ(out.tensionSum, positive.tensionSum);
    EXPECT_EQ(page.ratioConcrete[0][0], ratio);
}

TEST_F(ConcreteAnchorCheck, UltimateTermUsesTheUltimateSlots) {
    // Fc = 210; Pb = 3 x 5.606 (thread) x 2.4 (F) = 40.3632; 12 / 40.3632 = 0.297301
    run(-20, -1, 0, kUltimateTerm);
    EXPECT_NEAR(page.ultimateResults[14][0], 0.29730051135687957, 1e-12);
    EXPECT_NEAR(page.ultimateResults[10][0], 12, 1e-12);
    EXPECT_NEAR(page.ultimateResults[11][0], 40.3632, 1e-12);
    EXPECT_EQ(page.ratioBoltTension[0][0], 0.0);
    EXPECT_EQ(cnt.detailLines.back(), "12.000000,40.363200,0.297301,16.818000,2.400000");
    // Whole compression: 100 kN over 65 x 65 cm = 23.67 N/cm2, stored in N/mm2 (x 0.01)
    // against Fc = 21 N/mm2 (2100 N/cm2).
    cnt.concreteTable[0].fc = 21;
    cnt.steelGradeTable[0].fThin = 235;
    run(100, 0, 1, kUltimateTerm, 1);
    EXPECT_NEAR(page.ultimateResults[8][1], 0.23668639053254438, 1e-12);
    EXPECT_NEAR(page.ultimateResults[9][1], 21, 1e-12);
    EXPECT_NEAR(page.ultimateResults[13][1], 23.668639053254438 / 2100, 1e-12);
}

}  // namespace
}  // namespace kesto
