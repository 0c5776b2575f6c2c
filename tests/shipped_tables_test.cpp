// The standard tables built beside the program: every default a new page names resolves, the
// rows are what the program's own computation gives, and the section properties agree with the
// published handbook figures.
#include <gtest/gtest.h>

#include <cmath>

#include "model/conditions.h"
#include "tables/lookup.h"
#include "tables/material_tables.h"
#include "tables/section_properties.h"
#include "tables/table_files.h"

namespace kesto {
namespace {

const std::string kFolder = KESTO_PROGRAM_FOLDER;

CKestoCnt shippedTables(int unitSystem) {
    CKestoCnt cnt;
    EXPECT_TRUE(loadMaterialTables(cnt, kFolder, unitSystem).empty());
    EXPECT_EQ(
        readSectionTable(kFolder + cnt.hSteelTableName, cnt.hSteelTable, cnt.hSteelTableTitle), 0);
    EXPECT_EQ(readSectionTable(kFolder + cnt.tubeTableName, cnt.tubeTable, cnt.tubeTableTitle), 0);
    EXPECT_EQ(readBoltTable(kFolder + cnt.boltTableName, cnt.boltTable, cnt.boltTableTitle), 0);
    return cnt;
}

TEST(ShippedTables, DefaultNamesResolve) {
    const CKestoCnt si = shippedTables(1);
    const CKestoCnt gravity = shippedTables(0);
    ASSERT_NE(findConcrete(si, "Fc21"), nullptr);
    EXPECT_EQ(findConcrete(si, "Fc21")->fc, 21);
    ASSERT_NE(findConcrete(gravity, "Fc210"), nullptr);
    EXPECT_EQ(findConcrete(gravity, "Fc210")->fc, 210);
    for (const CKestoCnt* cnt : {&si, &gravity}) {
        EXPECT_NE(findSteelGrade(*cnt, "SN400"), nullptr);
        ASSERT_NE(findAnchorBolt(*cnt, "M30"), nullptr);
        const auto tube = findTubeSection(*cnt, "□-350x350x16.0");
        ASSERT_NE(tube.row, nullptr);
        EXPECT_EQ(tube.row->filletRadius, 40);  // R = 2.5·t
    }
    EXPECT_EQ(findSteelGrade(si, "SN400")->fThin, 235);
    EXPECT_EQ(findSteelGrade(gravity, "SN400")->fThin, 2.4);
}

TEST(ShippedTables, SteelGradesInBothUnits) {
    struct Grade {
        const char* name;
        int kind;
        double si[2];
        double gravity[2];
    };
    // AIJ steel design standard F values; gravity units the customary t/cm2 figures.
    const Grade grades[] = {
        {"SS400", 0, {235, 215}, {2.4, 2.2}},   {"SM400", 0, {235, 215}, {2.4, 2.2}},
        {"SM490", 1, {325, 295}, {3.3, 3.0}},   {"SN400", 0, {235, 215}, {2.4, 2.2}},
        {"SN490", 1, {325, 295}, {3.3, 3.0}},   {"BCR295", 2, {295, 295}, {3.0, 3.0}},
        {"BCP235", 0, {235, 215}, {2.4, 2.2}},  {"BCP325", 1, {325, 295}, {3.3, 3.0}},
        {"STKR400", 0, {235, 215}, {2.4, 2.2}}, {"STKR490", 1, {325, 295}, {3.3, 3.0}},
        {"SNR400", 0, {235, 215}, {2.4, 2.2}},  {"SNR490", 1, {325, 295}, {3.3, 3.0}},
        {"ABR400", 0, {235, 235}, {2.4, 2.4}},  {"ABR490", 1, {325, 325}, {3.3, 3.3}},
        {"ABM400", 0, {235, 235}, {2.4, 2.4}},  {"ABM490", 1, {325, 325}, {3.3, 3.3}},
    };
    const CKestoCnt si = shippedTables(1);
    const CKestoCnt gravity = shippedTables(0);
    EXPECT_EQ(si.steelGradeTable.size(), gravity.steelGradeTable.size());
    for (const auto& g : grades) {
        const CSteelRaw* s = findSteelGrade(si, g.name);
        const CSteelRaw* w = findSteelGrade(gravity, g.name);
        ASSERT_NE(s, nullptr) << g.name;
        ASSERT_NE(w, nullptr) << g.name;
        EXPECT_EQ(s->gradeKind, g.kind) << g.name;
        EXPECT_EQ(w->gradeKind, g.kind) << g.name;
        EXPECT_EQ(s->fThin, g.si[0]) << g.name;
        EXPECT_EQ(s->fThick, g.si[1]) << g.name;
        EXPECT_EQ(w->fThin, g.gravity[0]) << g.name;
        EXPECT_EQ(w->fThick, g.gravity[1]) << g.name;
    }
}

TEST(ShippedTables, ConcreteGradesCarryTheirAllowableStresses) {
    const CKestoCnt si = shippedTables(1);
    const CKestoCnt gravity = shippedTables(0);
    for (const char* name : {"Fc18", "Fc21", "Fc24", "Fc27", "Fc30", "Fc33", "Fc36", "Fc40", "Fc42",
                             "Fc45", "Fc48", "Fc50", "Fc54", "Fc60"}) {
        const CConcreteRaw* c = findConcrete(si, name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->fc, std::stod(name + 2));
        const std::string gravityName = std::string(name) + "0";
        ASSERT_NE(findConcrete(gravity, gravityName), nullptr) << gravityName;
        EXPECT_EQ(findConcrete(gravity, gravityName)->fc, 10 * c->fc);
    }
    // Fc 21 N/mm2: compression 7 / 14, shear min(0.7, 0.71) = 0.7 / 1.05, deformed bond top
    // 0.76, other 0.95, round bars 0.84 and 1.26 (long-term), as the editor fills them.
    const CConcreteRaw& fc21 = *findConcrete(si, "Fc21");
    EXPECT_EQ(fc21.directInput, 0);
    EXPECT_NEAR(fc21.compression[0], 7, 1e-12);
    EXPECT_NEAR(fc21.compression[1], 14, 1e-12);
    EXPECT_NEAR(fc21.shear[0], 0.7, 1e-12);
    EXPECT_NEAR(fc21.shear[1], 1.05, 1e-12);
    EXPECT_NEAR(fc21.bondDeformedTop[0], 0.76, 1e-12);
    EXPECT_NEAR(fc21.bondDeformedOther[0], 0.95, 1e-12);
    EXPECT_NEAR(fc21.bondRoundTop[0], 0.84, 1e-12);
    EXPECT_NEAR(fc21.bondRoundOther[1], 1.89, 1e-12);
    // Fc 210 kg/cm2: 70 / 140, shear 7, bond 14 and 21.
    const CConcreteRaw& fc210 = *findConcrete(gravity, "Fc210");
    EXPECT_EQ(fc210.compression[0], 70);
    EXPECT_EQ(fc210.shear[0], 7);
    EXPECT_EQ(fc210.bondDeformedTop[0], 14);
    EXPECT_EQ(fc210.bondDeformedOther[0], 21);
    // Light-weight kind 1 exists and its shear carries the factor 0.9.
    const CConcreteRaw* light = findConcrete(si, "Fc21軽量1種");
    ASSERT_NE(light, nullptr);
    EXPECT_EQ(light->concreteKind, 1);
    EXPECT_NEAR(light->shear[0], 0.63, 1e-12);
}

TEST(ShippedTables, AnchorBoltsCoarseThread) {
    // JIS B 1082 stress areas (mm2) and π·d²/4 to three figures.
    struct Bolt {
        const char* name;
        double d, af, an;
    };
    const Bolt bolts[] = {
        {"M16", 16, 2.01, 1.57}, {"M20", 20, 3.14, 2.45}, {"M22", 22, 3.80, 3.03},
        {"M24", 24, 4.52, 3.53}, {"M27", 27, 5.73, 4.59}, {"M30", 30, 7.07, 5.61},
        {"M33", 33, 8.55, 6.94}, {"M36", 36, 10.2, 8.17}, {"M39", 39, 11.9, 9.76},
        {"M42", 42, 13.9, 11.2}, {"M45", 45, 15.9, 13.1}, {"M48", 48, 18.1, 14.7}};
    const CKestoCnt cnt = shippedTables(1);
    ASSERT_EQ(cnt.boltTable.size(), std::size(bolts));
    for (const auto& b : bolts) {
        const CABolt* row = findAnchorBolt(cnt, b.name);
        ASSERT_NE(row, nullptr) << b.name;
        EXPECT_EQ(row->shankDiameter, b.d);
        EXPECT_EQ(row->holeDiameter, b.d + (b.d < 20 ? 1.0 : 1.5));
        EXPECT_EQ(row->shankArea, b.af);
        EXPECT_EQ(row->threadArea, b.an);
        EXPECT_NEAR(row->shankArea, 3.14159265 * b.d * b.d / 400, 0.005 * row->shankArea);
    }
}

TEST(ShippedTables, SectionsAreTheProgramsOwnRoundedComputation) {
    const CKestoCnt cnt = shippedTables(1);
    EXPECT_EQ(cnt.hSteelTable.size(), 85u);
    EXPECT_EQ(cnt.tubeTable.size(), 53u);
    for (const auto* table : {&cnt.hSteelTable, &cnt.tubeTable}) {
        for (const CSteel& row : *table) {
            CSteel again = row;
            computeSectionProperties(again, true);
            again.name = makeSectionName(again);
            EXPECT_EQ(again, row) << row.name;
        }
    }
    for (const CSteel& row : cnt.tubeTable) {
        EXPECT_EQ(row.shapeType, 1);
        EXPECT_EQ(row.filletRadius, 2.5 * row.webThickness) << row.name;
        EXPECT_GE(row.depth, 200);
        EXPECT_LE(row.depth, 550);
    }
}

// Published figures of the JFE steel structure design handbook tables (H形鋼 and BCR295),
// from the public CSV collection z-ichinohe/jfe_binran_csv.
struct Published {
    const char* name;
    // A, Ix, Iy, ix, iy, Zx, Zy, ib, Zpx, Zpy; for tubes Iy, iy, Zy, ib, Zpy are the X values
    // (square sections) and ib is not compared.
    double v[10];
};

const Published kPublishedH[] = {
    {"H-200x100x5.5x8", {26.67, 1810, 134, 8.23, 2.24, 181, 26.7, 2.63, 205, 41.6}},
    {"H-300x300x10.0x15", {118.5, 20200, 6750, 13.1, 7.55, 1350, 450, 8.28, 1480, 683}},
    {"H-400x200x8.0x13", {83.37, 23500, 1740, 16.8, 4.56, 1170, 174, 5.29, 1310, 267}},
    {"H-588x300x12.0x20", {187.2, 114000, 9010, 24.7, 6.94, 3890, 601, 8.01, 4350, 921}},
    {"H-900x300x16.0x28", {305.8, 404000, 12600, 36.4, 6.43, 8990, 842, 7.75, 10300, 1320}},
    {"H-388x402x15.0x15", {178.5, 49000, 16300, 16.6, 9.55, 2520, 809, 10.8, 2800, 1240}},
    {"H-298x149x5.5x8", {40.8, 6320, 442, 12.4, 3.29, 424, 59.3, 3.85, 475, 91.8}},
    {"H-350x175x7.0x11", {62.91, 13500, 984, 14.6, 3.96, 771, 112, 4.6, 864, 173}},
    {"H-300x150x6.5x9", {46.78, 7210, 508, 12.4, 3.29, 481, 67.7, 3.87, 542, 105}},
    {"H-506x201x11.0x19", {129.3, 55500, 2580, 20.7, 4.46, 2190, 257, 5.28, 2500, 399}},
};

const Published kPublishedTubes[] = {
    {"□-200x200x6.0", {45.32, 2800, 0, 7.86, 0, 280, 0, 0, 327, 0}},
    {"□-350x350x16.0", {205, 37200, 0, 13.5, 0, 2130, 0, 0, 2530, 0}},
    {"□-450x450x22.0", {360, 107000, 0, 17.2, 0, 4760, 0, 0, 5680, 0}},
    {"□-550x550x28.0", {557.7, 246000, 0, 21, 0, 8960, 0, 0, 10700, 0}},
};

// Published values that differ from ours in the last digit, and why.
//  - Iy, Zy and ib: the handbook adds each fillet's own moment of inertia about its centroid
//    (0.0075451·r⁴, the quarter-circle spandrel), which our formulas, like the fillet terms
//    they take, treat as concentrated at the centroid. The unrounded values lie just below a
//    rounding boundary, and the fillets' own inertia lifts them over it.
//  - iy of H-388x402: our unrounded 9.54476 and the handbook's 9.54497 (with the fillets' own
//    inertia) both lie within 0.01% of the boundary 9.545; the handbook rounds it up.
struct KnownDifference {
    const char* name;
    int index;
};
const KnownDifference kFilletOwnInertia[] = {{"H-298x149x5.5x8", 7},
                                             {"H-350x175x7.0x11", 7},
                                             {"H-300x150x6.5x9", 2},
                                             {"H-506x201x11.0x19", 6}};
const KnownDifference kNearBoundary[] = {{"H-388x402x15.0x15", 4}};

double property(const CSteel& row, int i) {
    const double values[] = {
        row.area,     row.inertiaX, row.inertiaY, row.radiusX,         row.radiusY,
        row.modulusX, row.modulusY, row.radiusB,  row.plasticModulusX, row.plasticModulusY};
    return values[i];
}

bool listed(const KnownDifference* list, std::size_t n, const std::string& name, int i) {
    for (std::size_t k = 0; k < n; ++k) {
        if (list[k].name == name && list[k].index == i) {
            return true;
        }
    }
    return false;
}

// One unit of the last of `digits` significant digits of x.
double lastDigit(double x, int digits) {
    return std::pow(10.0, std::floor(std::log10(std::fabs(x))) - (digits - 1));
}

TEST(ShippedTables, HShapesAgreeWithPublishedFigures) {
    const CKestoCnt cnt = shippedTables(1);
    constexpr double kSpandrelOwnInertia = 0.0075451;  // per r⁴, about its centroid
    for (const auto& p : kPublishedH) {
        const auto found = findHSection(cnt, p.name);
        ASSERT_NE(found.row, nullptr) << p.name;
        const CSteel& row = *found.row;
        CSteel exact = row;
        computeSectionProperties(exact, false);
        const double r = row.filletRadius / 10;
        for (int i = 0; i < 10; ++i) {
            const double ours = property(row, i);
            const int digits = i == 0 ? 4 : 3;
            if (listed(kFilletOwnInertia, std::size(kFilletOwnInertia), p.name, i)) {
                EXPECT_NEAR(std::fabs(ours - p.v[i]), lastDigit(ours, digits), 1e-9) << p.name;
                // Adding the fillets' own inertia to the unrounded value gives the handbook's.
                double withOwn = 0;
                const double own = 4 * kSpandrelOwnInertia * std::pow(r, 4);
                if (i == 2) {
                    withOwn = exact.inertiaY + own;
                } else if (i == 6) {
                    withOwn = 2 * (exact.inertiaY + own) / (row.width / 10);
                } else {
                    const double h = row.depth / 10, b = row.width / 10;
                    const double tw = row.webThickness / 10, tf = row.flangeThickness / 10;
                    const double l = tw / 2 + r * 0.5752220379999997 / 2.5752220379999997;
                    const double ib = (tf * b * b * b + tw * tw * tw * (h / 6 - tf)) / 12 +
                                      r * r * l * l * 0.8584073459999999 / 2 + own / 2;
                    const double ab = tf * b + tw * (h / 6 - tf) + 2 * r * r * 0.21460183649999998;
                    withOwn = std::sqrt(ib / ab);
                }
                EXPECT_EQ(roundSignificant(withOwn, digits), p.v[i]) << p.name << " " << i;
            } else if (listed(kNearBoundary, std::size(kNearBoundary), p.name, i)) {
                const double boundary = (ours + p.v[i]) / 2;
                EXPECT_NEAR(property(exact, i), boundary, 1e-4 * boundary) << p.name;
            } else {
                EXPECT_EQ(ours, p.v[i]) << p.name << " property " << i;
            }
        }
    }
}

TEST(ShippedTables, TubesAgreeWithPublishedFigures) {
    const CKestoCnt cnt = shippedTables(1);
    for (const auto& p : kPublishedTubes) {
        const auto found = findTubeSection(cnt, p.name);
        ASSERT_NE(found.row, nullptr) << p.name;
        const CSteel& row = *found.row;
        for (int i : {0, 1, 3, 5, 8}) {
            EXPECT_EQ(property(row, i), p.v[i]) << p.name << " property " << i;
        }
        // Square sections: the Y values equal the X values.
        EXPECT_EQ(row.inertiaY, row.inertiaX);
        EXPECT_EQ(row.plasticModulusY, row.plasticModulusX);
    }
}

}  // namespace
}  // namespace kesto
