#include <gtest/gtest.h>

#include <cmath>

#include "calc/ultimate_strength.h"

namespace kesto {
namespace {

// Base of 65 x 65 cm on Fc 210 kg/cm2 with three M30 bolts (7.07 cm2, F 2.35 t/cm2) in the
// tension row, gauge 7.5 cm: Nu = 0.85·65·65·210/1000, Tu = 3·7.07·2.35, Su = Tu/√3.
TEST(UltimateStrength, WorkedExampleOfTheExposedBase) {
    const BaseStrengths s = baseStrengths(65, 65, 210, 3, 7.07, 2.35);
    EXPECT_NEAR(s.nu, 754.163, 0.0005);
    EXPECT_NEAR(s.tu, 49.8435, 1e-9);
    EXPECT_NEAR(s.su, 28.7772, 0.00005);
    const double dt = 65.0 / 2 - 7.5;  // 25 cm
    // N = 100 t lies in -Tu < N <= Nu - Tu:
    // Mu = Tu·dt + (N + Tu)·D/2·(1 - (N + Tu)/Nu) = 1246.09 + 3902.31 t·cm.
    EXPECT_NEAR(ultimateBendingStrength(65, dt, 100, s.nu, s.tu), 51.484, 0.0005);
    // Qf = min(0.5·149.84, 0.5·704.32) = 74.922; T' = Tu so Qs = Su = 28.777; Qu = Qf.
    EXPECT_NEAR(ultimateShearStrength(100, s.nu, s.tu, s.su), 74.922, 0.0005);
}

// Boundaries of the four axial-force ranges with Nu = 100, Tu = 40, D = 60, dt = 25.
struct RangeRow {
    double n;
    double mu;  // t·m
    double qu;  // t
};

TEST(UltimateStrength, BendingAndShearStrengthOverTheAxialForceRanges) {
    const double nu = 100;
    const double tu = 40;
    const double su = tu / std::sqrt(3.0);  // 23.0940
    const RangeRow rows[] = {
        // N > Nu: outside every range.
        {100.001, 0, 0},
        // N = Nu: first range, Mu = 0, Qf = 50 > Qs = 2·Su = 46.188.
        {100, 0, 50},
        // First range: Mu = 30·25; Qs = 2·Su.
        {70, 7.5, 2 * su},
        // N = Nu - Tu belongs to the second range: Mu = Tu·dt + Nu·30·0; Qf = min(50, 30),
        // T' = 0 so Qs = 2·Su.
        {60, 10, 2 * su},
        // Second range: Mu = 1000 + 70·30·0.3; Qf = min(35, 30); T' = 30, Qs = Su·(1 + √0.4375).
        {30, 16.3, su * (1 + std::sqrt(0.4375))},
        // N = 0: Mu = Tu·dt + Tu·D/2·(1 - Tu/Nu) = 1000 + 720; Qf = 20 < Qs = Su.
        {0, 17.2, su},
        // N = -Tu belongs to the third range: Mu = Tu·dt; Qs = Su·√(1 - 0).
        {-40, 10, su},
        // Third range: Mu = 20·25; Qs = Su·√(1 - 0.25) = 20.
        {-60, 5, 20},
        // N = -2·Tu: outside every range.
        {-80, 0, 0},
        {-100, 0, 0},
    };
    for (const RangeRow& row : rows) {
        SCOPED_TRACE(row.n);
        EXPECT_NEAR(ultimateBendingStrength(60, 25, row.n, nu, tu), row.mu, 1e-9);
        EXPECT_NEAR(ultimateShearStrength(row.n, nu, tu, su), row.qu, 1e-9);
    }
}

TEST(UltimateStrength, ReducedPlasticMoment) {
    // σy 2.0 t/cm2, Zp 1000 cm3, Aw 50 cm2, An 100 cm2: Ny = 200 t, Mp = 20 t·m and the
    // reduction starts above |N|/Ny = Aw/(2·An) = 0.25.
    EXPECT_DOUBLE_EQ(reducedPlasticMoment(2.0, 1000, 50, 100, 50), 20.0);
    EXPECT_DOUBLE_EQ(reducedPlasticMoment(2.0, 1000, 50, 100, -50), 20.0);
    // |N|/Ny = 0.3: 1.14·0.7·20, the same in tension.
    EXPECT_NEAR(reducedPlasticMoment(2.0, 1000, 50, 100, 60), 15.96, 1e-12);
    EXPECT_NEAR(reducedPlasticMoment(2.0, 1000, 50, 100, -60), 15.96, 1e-12);
    // |N| above Ny would give a negative moment: 0.
    EXPECT_EQ(reducedPlasticMoment(2.0, 1000, 50, 100, 250), 0.0);
    // No area, no squash load: 0.
    EXPECT_EQ(reducedPlasticMoment(2.0, 1000, 50, 0, 10), 0.0);
}

}  // namespace
}  // namespace kesto
