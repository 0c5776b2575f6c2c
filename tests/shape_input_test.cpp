#include "calc/shape_input.h"

#include <gtest/gtest.h>

#include <limits>

#include "calc/input_check.h"
#include "calc_test_support.h"

namespace kesto {
namespace {

using testing::makeCalcConditions;
using testing::useHShape;

// The tube □-350x350x16.0 on the default 650 x 650 plate: projections eD = eB = 150 mm.
class ShapeInputTest : public ::testing::Test {
  protected:
    std::optional<std::string> check() { return checkShapeInput(cnt, values); }

    CKestoCnt cnt = makeCalcConditions();
    CKesto values = cnt.pages.front();
};

TEST_F(ShapeInputTest, DefaultPagePassesUnchanged) {
    const CKesto before = values;
    EXPECT_EQ(check(), std::nullopt);
    EXPECT_EQ(values, before);
}

TEST_F(ShapeInputTest, SectionMustBeInTheTableOfTheChosenKind) {
    for (const char* name : {"", "-", "-H-400x200x8x13", "□-999x999x9.0", "H-400x200x8x13"}) {
        values.columnSection = name;
        EXPECT_EQ(check(), kSelectColumnSectionMessage) << name;
    }
    useHShape(values);
    EXPECT_EQ(findColumnSection(cnt, values)->depth, 400);
    values.columnSection = "□-350x350x16.0";
    EXPECT_EQ(check(), kSelectColumnSectionMessage);
}

TEST_F(ShapeInputTest, PlateMustProjectBeyondTheColumn) {
    values.plateD = 350;
    EXPECT_EQ(check(), "ベースプレートが柱より小さい");
    values.plateD = 650;
    values.plateB = 349;
    EXPECT_EQ(check(), "ベースプレートが柱より小さい");
    values.plateB = 650;
    values.plateT = 0;
    EXPECT_EQ(check(), "ベースプレート形状が異常です");
}

TEST_F(ShapeInputTest, SingleBoltLineGetsTheCentreGaugeAndThenFailsTheGaugeRule) {
    values.boltCountY = 1;
    EXPECT_EQ(check(), "アンカーボルトのゲージが異常です");
    EXPECT_EQ(values.boltGaugeX, 325);  // 325 >= eD = 150
    values = cnt.pages.front();
    values.boltCountX = 1;
    EXPECT_EQ(check(), "アンカーボルトのゲージが異常です");
    EXPECT_EQ(values.boltGaugeY, 325);
}

TEST_F(ShapeInputTest, BoltGaugesLieStrictlyInsideTheProjection) {
    for (double g : {0.0, -1.0, 150.0}) {
        values.boltGaugeX = g;
        EXPECT_EQ(check(), "アンカーボルトのゲージが異常です") << g;
    }
    values.boltGaugeX = 149;
    EXPECT_EQ(check(), std::nullopt);
    values.boltGaugeY = 150;
    EXPECT_EQ(check(), "アンカーボルトのゲージが異常です");
}

TEST_F(ShapeInputTest, BoltCounts) {
    values.boltCountY = 0;
    EXPECT_EQ(check(), "アンカーボルト本数が０です");
    values.boltCountY = 3;
    values.boltCountX = 0;
    EXPECT_EQ(check(), "アンカーボルト本数が０です");
}

TEST_F(ShapeInputTest, RibGaugeMayLieOnEitherColumnFaceButNotBeyond) {
    for (double g : {150.0, 500.0}) {
        values.ribGaugeY = g;
        values.ribGaugeX = g;
        EXPECT_EQ(check(), std::nullopt) << g;
    }
    values.ribGaugeY = 149;
    EXPECT_EQ(check(), "リブプレートのＹ方向ゲージが異常です");
    values.ribGaugeY = 501;
    EXPECT_EQ(check(), "リブプレートのＹ方向ゲージが異常です");
    values.ribGaugeY = 158;
    values.ribGaugeX = 149;
    EXPECT_EQ(check(), "リブプレートのＸ方向ゲージが異常です");
}

TEST_F(ShapeInputTest, RibSizeMattersOnlyWithRibs) {
    values.ribT = 0;
    EXPECT_EQ(check(), "リブプレート形状が異常です");
    values.ribCountX = 0;
    values.ribCountY = 0;
    EXPECT_EQ(check(), std::nullopt);
    // Without ribs their gauges are cleared and no longer checked.
    EXPECT_EQ(values.ribGaugeX, 0);
    EXPECT_EQ(values.ribGaugeY, 0);
}

TEST_F(ShapeInputTest, SingleRibSitsOnThePlateCentre) {
    values.ribCountX = 1;
    values.ribCountY = 1;
    values.plateD = 700;
    EXPECT_EQ(check(), std::nullopt);
    EXPECT_EQ(values.ribGaugeY, 325);
    EXPECT_EQ(values.ribGaugeX, 350);
}

TEST_F(ShapeInputTest, HShapeWithWingPlatesGetsTwoRibsOnTheFlangeCentres) {
    useHShape(values);
    values.boltCountY = 3;
    values.ribGaugeY = 225;  // at the flange tips: eB = (650 - 200) / 2
    values.wingPlate = 1;
    EXPECT_EQ(check(), std::nullopt);
    EXPECT_EQ(values.ribCountY, 2);
    EXPECT_EQ(values.ribGaugeX, (650 - 400 + 13) / 2.0);
    EXPECT_EQ(values.boltCountY, 0);

    values.wingPlate = 0;
    values.ribCountY = 2;
    values.ribGaugeX = 131.5;
    EXPECT_EQ(check(), std::nullopt);
    EXPECT_EQ(values.ribCountY, 0);
    EXPECT_EQ(values.ribGaugeX, 0);
}

TEST_F(ShapeInputTest, HShapeNeedsXBoltsOnly) {
    useHShape(values);
    values.ribGaugeY = 225;
    values.boltCountY = 0;
    EXPECT_EQ(check(), std::nullopt);
    values.boltCountX = 0;
    EXPECT_EQ(check(), "アンカーボルト本数が０です");
}

TEST_F(ShapeInputTest, CountsAFileCannotHoldAreRefusedAfterTheGeometry) {
    values.boltCountX = -3;
    EXPECT_EQ(check(), "アンカーボルト本数が異常です");
    values.boltCountX = 65536;
    EXPECT_EQ(check(), "アンカーボルト本数が異常です");
    values.boltCountX = 3;
    values.ribCountY = -2;
    EXPECT_EQ(check(), "リブプレート枚数が異常です");
    values.ribCountY = 2;
    values.boltGaugeX = 0;
    values.boltCountX = -1;
    EXPECT_EQ(check(), "アンカーボルトのゲージが異常です");  // the eight rules come first
}

TEST_F(ShapeInputTest, NonFiniteDimensionsAreRefused) {
    values.boltLength = std::numeric_limits<double>::infinity();
    EXPECT_EQ(check(), kNonFiniteInputMessage);
    values.boltLength = 600;
    values.plateT = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(check(), kNonFiniteInputMessage);
}

TEST(Route3Inputs, FollowRoutesStudyAndBoltKind) {
    CKestoCnt cnt;
    cnt.route3NgCheck = 1;
    cnt.routeX = 1;
    cnt.routeY = 1;
    EXPECT_EQ(route3Inputs(cnt, true), Route3Inputs{});  // both directions ﾙｰﾄ1-2/2
    cnt.routeY = 2;
    EXPECT_EQ(route3Inputs(cnt, true), (Route3Inputs{true, true, true, true}));
    EXPECT_EQ(route3Inputs(cnt, false), (Route3Inputs{true, true, true, false}));
    cnt.useAnchorBlock = 0;
    cnt.concreteShearCheck = 0;
    EXPECT_EQ(route3Inputs(cnt, true), (Route3Inputs{true, false, false, false}));
    cnt.useAnchorBlock = 1;
    cnt.boltElongation = 0;
    EXPECT_EQ(route3Inputs(cnt, true), (Route3Inputs{.pedestal = true}));
    cnt.route3NgCheck = 0;
    EXPECT_EQ(route3Inputs(cnt, true), Route3Inputs{});
}

TEST_F(ShapeInputTest, CopyTakesTheDialogFieldsOnly) {
    CKesto edited = values;
    edited.mark = "other";
    edited.boltSteelGrade = "SS400";
    edited.ultimateN[0][0] = 5;
    edited.plateB = 700;
    edited.inputAc = 12;
    edited.concreteShearCheck = 0;
    CKesto page = values;
    copyShapeFields(edited, page);
    CKesto expected = values;
    expected.plateB = 700;
    expected.inputAc = 12;
    expected.concreteShearCheck = 0;
    EXPECT_EQ(page, expected);
}

}  // namespace
}  // namespace kesto
