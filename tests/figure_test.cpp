#include "report/figure.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/new_document.h"

namespace kesto {

void PrintTo(const FigurePrimitive& p, std::ostream* os) {
    *os << (p.kind == FigurePrimitive::kLine      ? "line"
            : p.kind == FigurePrimitive::kOutline ? "outline"
                                                  : "circle");
    for (const auto& pt : p.points) {
        *os << " (" << pt.x << "," << pt.y << ")";
    }
}

namespace {

using P = FigurePrimitive;

CKestoCnt conditionsWithSections() {
    CKestoCnt cnt;
    installBuiltInDefaults(cnt);
    CSteel tube;
    tube.name = "□-350x350x16.0";
    tube.shapeType = 1;
    tube.depth = 350;
    tube.width = 350;
    tube.webThickness = 16;
    cnt.tubeTable.append(tube);
    CSteel h;
    h.name = "H-400x200x8.0x13";
    h.depth = 400;
    h.width = 200;
    h.webThickness = 8;
    h.flangeThickness = 13;
    cnt.hSteelTable.append(h);
    return cnt;
}

std::vector<FigurePrimitive> ofKind(const ColumnBaseFigure& f, P::Kind kind) {
    std::vector<FigurePrimitive> out;
    std::copy_if(f.primitives.begin(), f.primitives.end(), std::back_inserter(out),
                 [kind](const P& p) { return p.kind == kind; });
    return out;
}

P outline(double x1, double y1, double x2, double y2) {
    return {P::kOutline, {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}}};
}
P line(double x1, double y1, double x2, double y2) {
    return {P::kLine, {{x1, y1}, {x2, y2}}};
}
P circle(double x1, double y1, double x2, double y2) {
    return {P::kCircle, {{x1, y1}, {x2, y2}}};
}

TEST(Figure, SquareTubeWithThreeByThreeBoltsHasEightBoltsOnARing) {
    const CKestoCnt cnt = conditionsWithSections();
    CKesto page;  // 650 x 650 plate, □-350x350x16.0, 3 x 3 bolts at 75, 2 x 2 ribs at 158
    const ColumnBaseFigure f = buildColumnBaseFigure(cnt, page, false);
    EXPECT_EQ(f.extentX, 650);
    EXPECT_EQ(f.extentY, 650);
    // Bolt rows at x = ±(325 - 75) = ±250, y = 250, 0, -250 (step (650 - 150) / 2); the Y rows
    // add only their middle bolt (0, ±250). Coordinates round as truncation of v + 0.5, so a
    // whole negative value moves up by one (-266 -> -265).
    EXPECT_EQ(ofKind(f, P::kCircle),
              (std::vector<P>{circle(234, 266, 266, 234), circle(-265, 266, -233, 234),
                              circle(234, 16, 266, -15), circle(-265, 16, -233, -15),
                              circle(234, -233, 266, -265), circle(-265, -233, -233, -265),
                              circle(-15, 266, 16, 234), circle(-15, -233, 16, -265)}));
    // Plate, tube outside and inside (350 - 2 x 16 = 318).
    EXPECT_EQ(ofKind(f, P::kOutline),
              (std::vector<P>{outline(-324, 325, 325, -324), outline(-174, 175, 175, -174),
                              outline(-158, 159, 159, -158)}));
    // Ribs on screen are single lines: X ribs G = (650 - 350) / 2 - 40 = 110 long centred at
    // A = (350 + 110) / 2 + 20 = 250, at y = 325 - 158 = 167 and 167 - 334; Y ribs likewise.
    EXPECT_EQ(ofKind(f, P::kLine),
              (std::vector<P>{line(195, 167, 305, 167), line(-304, 167, -194, 167),
                              line(195, -166, 305, -166), line(-304, -166, -194, -166),
                              line(167, 305, 167, 195), line(167, -194, 167, -304),
                              line(-166, 305, -166, 195), line(-166, -194, -166, -304)}));
}

TEST(Figure, PrintedRibsHaveTheirThickness) {
    const CKestoCnt cnt = conditionsWithSections();
    CKesto page;
    const ColumnBaseFigure f = buildColumnBaseFigure(cnt, page, true);
    EXPECT_TRUE(ofKind(f, P::kLine).empty());
    const auto outlines = ofKind(f, P::kOutline);
    ASSERT_EQ(outlines.size(), 3u + 8u);
    // 12 mm thick: y from 167 + 6 to 167 - 6.
    EXPECT_EQ(outlines[3], outline(195, 173, 305, 161));
}

TEST(Figure, BoltCountYTwoDrawsNoIntermediateBolts) {
    const CKestoCnt cnt = conditionsWithSections();
    CKesto page;
    page.boltCountY = 2;
    EXPECT_EQ(ofKind(buildColumnBaseFigure(cnt, page, false), P::kCircle).size(), 6u);
    page.boltCountX = 2;
    page.boltCountY = 4;
    // Y rows: step (650 - 150) / 3; intermediate bolts at x = 250 - 166.67 = 83.33 and -83.33.
    const auto bolts = ofKind(buildColumnBaseFigure(cnt, page, false), P::kCircle);
    ASSERT_EQ(bolts.size(), 8u);
    EXPECT_EQ(bolts[4], circle(67, 266, 99, 234));
    EXPECT_EQ(bolts[6], circle(-98, 266, -66, 234));
}

TEST(Figure, RotatedPlateTurnsByNinetyDegrees) {
    const CKestoCnt cnt = conditionsWithSections();
    CKesto page;
    page.plateB = 650;
    page.plateD = 400;
    page.ribCountX = page.ribCountY = 0;
    page.boltCountX = 2;
    page.boltCountY = 0;
    page.rotated = 1;
    const ColumnBaseFigure f = buildColumnBaseFigure(cnt, page, false);
    EXPECT_EQ(f.extentX, 650);
    EXPECT_EQ(f.extentY, 400);
    // The 400 (x) by 650 (y) plate now lies 650 along x; the turned size vector is (-650, 400).
    EXPECT_EQ(f.primitives[0], outline(325, 200, -324, -199));
    // A bolt at (200 - 75, 325 - 75) turns to (-250, 125).
    EXPECT_EQ(ofKind(f, P::kCircle).front(), circle(-265, 141, -233, 109));
}

TEST(Figure, HShapeWebAndFlanges) {
    const CKestoCnt cnt = conditionsWithSections();
    CKesto page;
    page.columnKind = 1;
    page.columnSection = "H-400x200x8.0x13";
    page.ribCountX = page.ribCountY = 0;
    page.boltCountX = page.boltCountY = 0;
    const ColumnBaseFigure f = buildColumnBaseFigure(cnt, page, false);
    // Web 400 - 26 long and 8 wide; flanges 13 x 200 centred at ±(400 - 13) / 2 = ±193.5.
    EXPECT_EQ(f.primitives,
              (std::vector<P>{outline(-324, 325, 325, -324), outline(-186, 4, 187, -3),
                              outline(187, 100, 200, -99), outline(-199, 100, -186, -99)}));
}

TEST(Figure, NothingWithoutSectionOrPlate) {
    const CKestoCnt cnt = conditionsWithSections();
    CKesto page;
    page.columnSection = "□-999x999x9.0";
    EXPECT_TRUE(buildColumnBaseFigure(cnt, page, false).primitives.empty());
    page = CKesto{};
    page.plateB = 0;
    EXPECT_TRUE(buildColumnBaseFigure(cnt, page, false).primitives.empty());
    page = CKesto{};
    page.plateD = 0.6;  // truncated to 0 mm
    EXPECT_TRUE(buildColumnBaseFigure(cnt, page, false).primitives.empty());
}

TEST(Figure, MappingIsIsotropicAndCentred) {
    ColumnBaseFigure f;
    f.extentX = 600;
    f.extentY = 300;
    // Window 800 x 500 into 400 x 400: scale 0.5, centre (200, 200), y downwards.
    const FigureRect cell{0, 0, 400, 400};
    EXPECT_EQ(mapFigurePoint(f, cell, {300, 150}), (FigurePoint{350, 125}));
    EXPECT_EQ(mapFigurePoint(f, cell, {-400, -250}), (FigurePoint{0, 325}));
}

TEST(FigureCaptions, Texts) {
    CKesto page;
    page.rotated = 1;
    page.boltGaugeX = 70;
    page.ribGaugeY = 160.25;
    FigureCaptions c = buildFigureCaptions(page);
    EXPECT_EQ(c.plate, "BPL-650x650x36");
    EXPECT_EQ(c.rib, "RPL-150x12");
    EXPECT_EQ(c.bolt, "ABT-M30");
    EXPECT_EQ(c.ribGauge1, " 160.2");
    EXPECT_EQ(c.ribGauge2, " 158.0");
    EXPECT_EQ(c.boltGauge1, "  75.0");
    EXPECT_EQ(c.boltGauge2, "  70.0");
    EXPECT_EQ(c.pedestal, "柱型 BD-750x750");
    EXPECT_EQ(c.anchorage, "定着金物 PL-650x140 L=600");
    page.ribCountX = page.ribCountY = 0;
    page.inputAa = 12.5;
    page.usedAc = 20789.73;
    c = buildFigureCaptions(page);
    EXPECT_EQ(c.rib, "RPL-無し");
    EXPECT_EQ(c.anchorage, "定着金物 Aa=12 Ac=20790");
    page.useAnchorBlock = 0;
    EXPECT_EQ(buildFigureCaptions(page).anchorage, "定着金物 無し");
}

}  // namespace
}  // namespace kesto
