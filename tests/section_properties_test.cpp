#include "tables/section_properties.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kesto {
namespace {

CSteel hShape(double h, double b, double tw, double tf, double r) {
    CSteel row;
    row.shapeType = 0;
    row.depth = h;
    row.width = b;
    row.webThickness = tw;
    row.flangeThickness = tf;
    row.filletRadius = r;
    return row;
}

CSteel tube(double h, double b, double t, double r) {
    CSteel row;
    row.shapeType = 1;
    row.depth = h;
    row.width = b;
    row.webThickness = t;
    row.filletRadius = r;
    return row;
}

TEST(SectionProperties, HShape200x100Rounded) {
    // An = 2·10·0.8 + 18.4·0.55 + 4·1.1²·0.2146 = 16 + 10.12 + 1.0387 = 27.1587 -> 27.16
    CSteel row = hShape(200, 100, 5.5, 8, 11);
    computeSectionProperties(row, false);
    EXPECT_NEAR(row.area, 27.1587, 5e-5);
    EXPECT_NEAR(row.inertiaX, 1844.2, 0.05);

    computeSectionProperties(row, true);
    EXPECT_DOUBLE_EQ(row.area, 27.16);
    EXPECT_DOUBLE_EQ(row.shearAreaX, 10.12);
    EXPECT_DOUBLE_EQ(row.shearAreaY, 16.00);
    EXPECT_DOUBLE_EQ(row.inertiaX, 1840);
    EXPECT_DOUBLE_EQ(row.inertiaY, 134);
    EXPECT_DOUBLE_EQ(row.radiusX, 8.24);
    EXPECT_DOUBLE_EQ(row.radiusY, 2.22);
    EXPECT_DOUBLE_EQ(row.radiusB, 2.60);
    EXPECT_DOUBLE_EQ(row.modulusX, 184);
    EXPECT_DOUBLE_EQ(row.modulusY, 26.8);
    EXPECT_DOUBLE_EQ(row.plasticModulusX, 209);
    EXPECT_DOUBLE_EQ(row.plasticModulusY, 41.9);
}

TEST(SectionProperties, Tube200x200x6Unrounded) {
    // An = 2·0.6·(40 − 6) + π·0.6·(3 − 0.6) = 40.8 + 4.5239 = 45.324
    CSteel row = tube(200, 200, 6, 15);
    row.radiusB = 1.25;
    computeSectionProperties(row, false);
    EXPECT_NEAR(row.area, 45.324, 5e-4);
    EXPECT_NEAR(row.shearAreaX, 22.662, 5e-4);
    EXPECT_DOUBLE_EQ(row.shearAreaX, row.shearAreaY);
    EXPECT_NEAR(row.inertiaX, 2801.6, 0.05);
    EXPECT_DOUBLE_EQ(row.inertiaX, row.inertiaY);
    EXPECT_NEAR(row.radiusX, 7.862, 5e-4);
    EXPECT_NEAR(row.modulusX, 280.16, 5e-3);
    EXPECT_NEAR(row.plasticModulusX, 326.56, 5e-3);
    EXPECT_EQ(row.radiusB, 1.25);  // a tube keeps whatever ib it holds
}

TEST(SectionProperties, ZeroRadiusUsesPlainFormulas) {
    // H 100x100x6x8, r 0: An = 2·10·0.8 + 8.4·0.6 = 21.04; Ix = 0.6·8.4³/12 + 10·0.8³/6
    // + 10·0.8·9.2²/2 = 29.635 + 0.853 + 338.56 = 369.048
    CSteel h = hShape(100, 100, 6, 8, 0);
    computeSectionProperties(h, false);
    EXPECT_NEAR(h.area, 21.04, 1e-12);
    EXPECT_NEAR(h.inertiaX, 369.048, 1e-3);
    EXPECT_NEAR(h.plasticModulusX, 0.8 * 10 * 9.2 + 0.6 * 8.4 * 8.4 / 4, 1e-12);

    // Sharp box 100x50x5: An = 10·5 − 9·4 = 14; Ix = (5·1000 − 4·729)/12 = 2084/12
    // Zpx = 0.5·5·9.5 + 0.5·9²/2 = 23.75 + 20.25 = 44; Awx = 2·0.5·10 = 10, Awy = 5
    CSteel box = tube(100, 50, 5, 0);
    computeSectionProperties(box, false);
    EXPECT_NEAR(box.area, 14, 1e-12);
    EXPECT_NEAR(box.inertiaX, 2084.0 / 12, 1e-12);
    EXPECT_NEAR(box.plasticModulusX, 44, 1e-12);
    EXPECT_NEAR(box.shearAreaX, 10, 1e-12);
    EXPECT_NEAR(box.shearAreaY, 5, 1e-12);
}

TEST(SectionProperties, HShapeKeepsFlagsAndReservedDimension) {
    CSteel row = hShape(200, 100, 5.5, 8, 11);
    row.shapeFlags = {1, 2, 3, 4, 5, 6, 7};
    row.reservedDim = 42;
    computeSectionProperties(row, true);
    EXPECT_EQ(row.shapeFlags, (std::array<std::uint8_t, 7>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(row.reservedDim, 42);
}

TEST(SectionProperties, OtherShapeCodeIsLeftAlone) {
    CSteel row = hShape(200, 100, 5.5, 8, 11);
    row.shapeType = 2;
    computeSectionProperties(row, true);
    EXPECT_EQ(row.area, 0);
    EXPECT_EQ(makeSectionName(row), "???");
}

TEST(SectionProperties, DegenerateSectionsGiveNoInfinity) {
    for (CSteel row : {hShape(0, 0, 0, 0, 0), tube(0, 0, 0, 0), tube(0, 200, 6, 15),
                       hShape(200, 100, 5.5, 40, 11)}) {
        computeSectionProperties(row, true);
        for (double v : {row.area, row.inertiaX, row.radiusX, row.radiusY, row.radiusB,
                         row.modulusX, row.modulusY}) {
            EXPECT_TRUE(std::isfinite(v));
        }
    }
}

TEST(RoundSignificant, NonFiniteValuesPassThrough) {
    EXPECT_EQ(roundSignificant(INFINITY, 3), INFINITY);
    EXPECT_EQ(roundSignificant(-INFINITY, 4), -INFINITY);
    EXPECT_TRUE(std::isnan(roundSignificant(NAN, 3)));
    // Dimensions so large that the moments overflow still finish.
    CSteel row = hShape(1e300, 1e300, 1e300, 1e300, 1e300);
    computeSectionProperties(row, true);
    EXPECT_FALSE(std::isfinite(row.inertiaX));
}

TEST(SectionName, Rule) {
    EXPECT_EQ(makeSectionName(hShape(200, 100, 5.5, 8, 11)), "H-200x100x5.5x8");
    EXPECT_EQ(makeSectionName(hShape(400, 200, 8, 13, 13)), "H-400x200x8.0x13");
    EXPECT_EQ(makeSectionName(tube(200, 200, 6, 15)), "□-200x200x6.0");
    EXPECT_EQ(makeSectionName(tube(350, 350, 16, 40)), "□-350x350x16.0");
}

struct RoundCase {
    double x;
    int n;
    double expected;
};

TEST(RoundSignificant, TiesGoToEvenAndScaleBothWays) {
    const RoundCase cases[] = {
        {12.25, 3, 12.2},       {12.35, 3, 12.4},          {0.012345, 3, 0.0123},
        {1234.5, 4, 1234},      {1235.5, 4, 1236},         {1234.6, 4, 1235},
        {1844.2, 3, 1840},      {27.1587, 4, 27.16},       {-12.35, 3, -12.4},
        {0.0, 3, 0.0},          {5e-11, 3, 0.0},           {999.5, 3, 1000},
        {123456789, 3, 1.23e8}, {0.00099949, 3, 0.000999},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(roundSignificant(c.x, c.n), c.expected) << c.x << " to " << c.n;
    }
}

CSteelRaw grade(double fThin, std::uint8_t kind = 0) {
    CSteelRaw g;
    g.name = "G";
    g.gradeKind = kind;
    g.fThin = fThin;
    g.fThick = fThin;
    return g;
}

TEST(ColumnAxisProperties, FromTable) {
    CKestoCnt cnt;
    cnt.sectionFromTable = 1;
    CSteel row = hShape(200, 100, 5.5, 8, 11);
    computeSectionProperties(row, true);
    const auto x = columnAxisProperties(row, grade(235), cnt, 0, 1);
    EXPECT_EQ(x.zp, row.plasticModulusX);
    EXPECT_EQ(x.aw, row.shearAreaX);
    EXPECT_EQ(x.an, row.area);
    const auto y = columnAxisProperties(row, grade(235), cnt, 1, 1);
    EXPECT_EQ(y.zp, row.plasticModulusY);
    EXPECT_EQ(y.aw, row.shearAreaY);
}

TEST(ColumnAxisProperties, HShapeWithScallop) {
    // H 200x100x5.5x8 r 11, F 235 -> λ = 1, s = 3.5 cm:
    // e_f = max(5 − 12.4, 0) = 0; e_w = max(20 − 1.6 − 2.2 − 26.4, 0) = 0
    // Aw = 0.55·(20 − 1.6 − 7) = 6.27; An = 6.27 + 2·0.8·10 = 22.27
    // Zp = 0.55·11.4²/4 + 0.8·10·19.2 = 17.8695 + 153.6 = 171.4695 -> 171
    CKestoCnt cnt;
    cnt.sectionFromTable = 0;
    cnt.scallopSize = 35;
    CSteel row = hShape(200, 100, 5.5, 8, 11);
    computeSectionProperties(row, true);
    const auto x = columnAxisProperties(row, grade(235), cnt, 0, 1);
    EXPECT_DOUBLE_EQ(x.aw, 6.27);
    EXPECT_DOUBLE_EQ(x.an, 22.27);
    EXPECT_DOUBLE_EQ(x.zp, 171);
    cnt.roundSectionProps = 0;
    EXPECT_NEAR(columnAxisProperties(row, grade(235), cnt, 0, 1).zp, 171.4695, 1e-9);
    // The weak axis keeps the table's plastic modulus and shear area.
    const auto y = columnAxisProperties(row, grade(235), cnt, 1, 1);
    EXPECT_EQ(y.zp, row.plasticModulusY);
    EXPECT_EQ(y.aw, row.shearAreaY);
    EXPECT_NEAR(y.an, 22.27, 1e-9);
}

TEST(ColumnAxisProperties, HShapeWithoutScallopKeepsFillets) {
    // s = 0: An = 0.55·18.4 + 16 + 4·1.21·0.2146 = 27.1587;
    // Zp = 0.55·18.4²/4 + 0.8·10·19.2 + 0.4292·1.21·(18.4 − 0.4914) = 46.552 + 153.6 + 9.3006
    CKestoCnt cnt;
    cnt.sectionFromTable = 0;
    cnt.roundSectionProps = 0;
    cnt.scallopSize = 0;
    const CSteel row = hShape(200, 100, 5.5, 8, 11);
    const auto x = columnAxisProperties(row, grade(235), cnt, 0, 1);
    EXPECT_NEAR(x.an, 27.1587, 5e-5);
    EXPECT_NEAR(x.zp, 46.552 + 153.6 + 0.4292 * 1.21 * (18.4 - 0.4467 * 1.1), 1e-9);
}

TEST(ColumnAxisProperties, HShapeSlenderPartsIneffective) {
    // Gravity units, F 3.3 t/cm2: λ = √(2.4/3.3) = 0.852803; H 600x200x6x9 r 0, no scallop.
    // e_f = max(10 − 15.5·λ·0.9, 0) = 10 − 11.8966 < 0 -> 0
    // e_w = 60 − 1.8 − 48·λ·0.6 = 58.2 − 24.5607 = 33.6393; Aw = 0.6·(58.2 − 33.6393)
    CKestoCnt cnt;
    cnt.sectionFromTable = 0;
    cnt.roundSectionProps = 0;
    cnt.scallopSize = 0;
    const CSteel row = hShape(600, 200, 6, 9, 0);
    const double lambda = std::sqrt(2.4 / 3.3);
    const double ew = 58.2 - 48 * lambda * 0.6;
    const auto x = columnAxisProperties(row, grade(3.3), cnt, 0, 0);
    EXPECT_NEAR(x.aw, 0.6 * (58.2 - ew), 1e-12);
    EXPECT_NEAR(x.an, 0.6 * (58.2 - ew) + 2 * 0.9 * 20, 1e-12);
    EXPECT_NEAR(x.zp, 0.6 * (58.2 * 58.2 - ew * ew) / 4 + 0.9 * 20 * 59.1, 1e-9);
}

TEST(ColumnAxisProperties, TubeLossesAndWidthThickness) {
    // □-400x400x9 r 22.5, F 325 N/mm2: λ = √(23.5/32.5) = 0.850329;
    // e = 40 − 48·λ·0.9 = 40 − 36.7342 = 3.2658 cm on each wall.
    CKestoCnt cnt;
    cnt.sectionFromTable = 0;
    cnt.roundSectionProps = 0;
    cnt.tubeLossAn = 0.9;
    cnt.tubeLossZp = 0.8;
    CSteel row = tube(400, 400, 9, 22.5);
    CSteel full = row;
    computeSectionProperties(full, false);
    const double e = 40 - 48 * std::sqrt(23.5 / 32.5) * 0.9;
    const auto x = columnAxisProperties(row, grade(325), cnt, 0, 1);
    EXPECT_NEAR(x.an, (full.area - 2 * 0.9 * 2 * e) * 0.9, 1e-9);
    EXPECT_NEAR(x.aw, (2 * 0.9 * (40 - 4.5 - e) + 3.141592654 * 0.9 * (4.5 - 0.9) / 2) * 0.9, 1e-9);
    EXPECT_NEAR(x.zp, (full.plasticModulusX - (e * 0.9 * 39.1 + e * e * 0.9 / 2)) * 0.8, 1e-9);
    // Bit 7 of the grade kind switches the width-thickness reduction off.
    const auto plain = columnAxisProperties(row, grade(325, 0x80 | 2), cnt, 1, 1);
    EXPECT_NEAR(plain.an, full.area * 0.9, 1e-9);
    EXPECT_NEAR(plain.aw, full.shearAreaY * 0.9, 1e-9);
    EXPECT_NEAR(plain.zp, full.plasticModulusY * 0.8, 1e-9);
}

TEST(ColumnAxisProperties, TubeRectangularUsesEachWall) {
    // □-300x150x6 r 0, F 235 N/mm2 so λ = 1: e_H = max(30 − 28.8, 0) = 1.2, e_B = 0.
    // Awx = 2·0.6·(30 − 1.2) = 34.56; Awy = 2·0.6·15 = 18
    CKestoCnt cnt;
    cnt.sectionFromTable = 0;
    cnt.roundSectionProps = 0;
    const CSteel row = tube(300, 150, 6, 0);
    EXPECT_NEAR(columnAxisProperties(row, grade(235), cnt, 0, 1).aw, 34.56, 1e-12);
    EXPECT_NEAR(columnAxisProperties(row, grade(235), cnt, 1, 1).aw, 18, 1e-12);
    // The page's column kind decides the formulas, not the row's shape code.
    EXPECT_NEAR(columnAxisProperties(row, grade(235), cnt, 0, 1, true).aw, 34.56, 1e-12);
}

}  // namespace
}  // namespace kesto
