#include "calc/rotational_stiffness.h"

#include <gtest/gtest.h>

#include "base/text_format.h"
#include "base/units.h"
#include "calc_test_support.h"

namespace kesto {
namespace {

using testing::makeCalcConditions;
using testing::useHShape;

// Bolt SN400 with F = 2.35 t/cm2 (ft = 2350 kg/cm2 short-term) and a concrete whose short-term
// bond of top round bars is entered as 10.5 kg/cm2; M30 with Ab = 7.07 cm2.
class StiffnessTest : public ::testing::Test {
  protected:
    StiffnessTest() {
        cnt.steelGradeTable.front().fThin = 2.35;
        CConcreteRaw& c = cnt.concreteTable.front();
        c.directInput = 1;
        c.bondRoundTop = {7.0, 10.5};
        cnt.boltTable.front().shankArea = 7.07;
    }
    StiffnessTexts shown(int unitSystem = kGravityUnits, double lb = 600) {
        const StiffnessOutcome o = rotationalStiffness(cnt, page, lb, unitSystem);
        EXPECT_EQ(o.status, StiffnessOutcome::kShown);
        return o.texts;
    }

    CKestoCnt cnt = makeCalcConditions();
    CKesto page = cnt.pages.front();
};

TEST_F(StiffnessTest, AnchorageLengthOfTheWorkedExample) {
    const auto a = anchorageTexts(cnt, page, kGravityUnits);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->psi, "ψ =  9.425 cm");
    EXPECT_EQ(a->d, "d  =     30 mm");
    EXPECT_EQ(a->fa, "fa = 10.500 kg/cm2");
    EXPECT_EQ(a->ft, "ft = 2350.0 kg/cm2");
    EXPECT_EQ(a->nlb, "839.3 mm");  // 30 x 2350 / (8 x 10.5)
}

TEST_F(StiffnessTest, AnchorageInSiUnitsIsPerMm2) {
    cnt.steelGradeTable.front().fThin = 235;  // N/mm2
    cnt.concreteTable.front().bondRoundTop = {0.7, 1.05};
    const auto a = anchorageTexts(cnt, page, kSiUnits);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->fa, "fa =  1.050 N/mm2");
    EXPECT_EQ(a->ft, "ft =  235.0 N/mm2");
    EXPECT_EQ(a->nlb, "839.3 mm");
}

TEST_F(StiffnessTest, HShapeShowsTheStrongAxisOfTheWorkedExample) {
    // dt = 650/20 - 75/10 = 25.0 cm; dc = 350/20 = 17.5 cm with a 350 mm deep H-shape.
    useHShape(page);
    cnt.hSteelTable.front().depth = 350;
    for (std::uint8_t rotated : {0, 1}) {
        page.rotated = rotated;
        const StiffnessTexts t = shown();
        EXPECT_EQ(t.e, "E  = 2100000 kg/cm2");
        EXPECT_EQ(t.ab, "Ab =  7.070 cm2");
        EXPECT_EQ(t.nt, "nt = 3");
        EXPECT_EQ(t.dt, "dt =  250.0 mm");
        EXPECT_EQ(t.dc, "dc =  175.0 mm");
        EXPECT_EQ(t.kbs, "6704.3 tm/rad");  // 2100000·3·7.07·42.5²/(2·60)/100000
    }
}

TEST_F(StiffnessTest, SquareTubeShowsBuildingXFirstAndSwapsWhenRotated) {
    page.plateB = 600;
    page.boltCountY = 2;
    page.boltGaugeY = 100;
    // X: nt 3, dt 250, dc 175; Y: nt 2, dt 200, dc 175.
    const double kx = 2100000.0 * 3 * 7.07 * 42.5 * 42.5 / 120 / 100000;
    const double ky = 2100000.0 * 2 * 7.07 * 37.5 * 37.5 / 120 / 100000;
    StiffnessTexts t = shown();
    EXPECT_EQ(t.nt, "nt = 3 / 2");
    EXPECT_EQ(t.dt, "dt =  250.0 /  200.0 mm");
    EXPECT_EQ(t.dc, "dc =  175.0 /  175.0 mm");
    EXPECT_EQ(t.kbs, strprintf("%.1f / %.1f tm/rad", kx, ky));
    page.rotated = 1;
    t = shown();
    EXPECT_EQ(t.nt, "nt = 2 / 3");
    EXPECT_EQ(t.dt, "dt =  200.0 /  250.0 mm");
    EXPECT_EQ(t.kbs, strprintf("%.1f / %.1f tm/rad", ky, kx));
}

TEST_F(StiffnessTest, SiUnitsShowE205000AndKilonewtonMetres) {
    const StiffnessTexts t = shown(kSiUnits);
    EXPECT_EQ(t.e, "E  = 205000 N/mm2");
    const double k = 20500000.0 * 3 * 7.07 * 42.5 * 42.5 / 120 / 100000;
    EXPECT_EQ(t.kbs, strprintf("%.1f / %.1f kNm/rad", k, k));
}

TEST_F(StiffnessTest, ZeroLengthAndMissingRows) {
    EXPECT_EQ(rotationalStiffness(cnt, page, 0, kGravityUnits).status,
              StiffnessOutcome::kZeroLength);
    EXPECT_STREQ(kZeroBoltLengthMessage, "アンカーボルト長さが０です。");
    page.columnSection = "□-1x1x1.0";
    EXPECT_EQ(rotationalStiffness(cnt, page, 600, kGravityUnits).status,
              StiffnessOutcome::kMissingRows);
    EXPECT_TRUE(anchorageTexts(cnt, page, kGravityUnits));
    page.boltName = "M99";
    EXPECT_FALSE(anchorageTexts(cnt, page, kGravityUnits));
}

TEST_F(StiffnessTest, MaterialProblemsInTheirOrder) {
    EXPECT_EQ(stiffnessMaterialProblem(cnt, page), std::nullopt);
    page.concreteGrade = "Fc999";
    EXPECT_EQ(stiffnessMaterialProblem(cnt, page), "コンクリート材質が異常です。");
    page.boltSteelGrade = "XX";
    EXPECT_EQ(stiffnessMaterialProblem(cnt, page), "アンカーボルト材質が異常です。");
    page.boltName = "M99";
    EXPECT_EQ(stiffnessMaterialProblem(cnt, page), "アンカーボルト形状が異常です。");
}

TEST_F(StiffnessTest, TemporaryPageTakesGradesFromThePageAndShapeFromTheValues) {
    page.mark = "C9";
    page.boltSteelGrade = "SS400";
    page.concreteGrade = "Fc240";
    page.ultimateN[0][0] = 3;
    CKesto values = page;
    values.plateD = 800;
    values.boltSteelGrade = "ignored";
    const CKesto temp = stiffnessPage(page, values);
    EXPECT_EQ(temp.mark, "C");
    EXPECT_EQ(temp.boltSteelGrade, "SS400");
    EXPECT_EQ(temp.concreteGrade, "Fc240");
    EXPECT_EQ(temp.plateD, 800);
    EXPECT_EQ(temp.ultimateN[0][0], 0);
}

}  // namespace
}  // namespace kesto
