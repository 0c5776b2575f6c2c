#include "tables/material_strength.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kesto {
namespace {

constexpr int kGravity = 0;
constexpr int kSi = 1;

CSteelRaw steel(double fThin, double fThick) {
    CSteelRaw s;
    s.name = "S";
    s.fThin = fThin;
    s.fThick = fThick;
    return s;
}

CConcreteRaw concrete(double fc, int kind = 0) {
    CConcreteRaw c;
    c.name = "C";
    c.fc = fc;
    c.concreteKind = kind;
    return c;
}

TEST(SteelStrength, ThicknessBoundary) {
    const CSteelRaw s = steel(235, 215);
    EXPECT_DOUBLE_EQ(designStrength(s, 40.0, kSi), 23.5);
    EXPECT_DOUBLE_EQ(designStrength(s, 40.01, kSi), 21.5);
    EXPECT_DOUBLE_EQ(designStrength(steel(2.4, 2.2), 40.0, kGravity), 2.4);
    EXPECT_DOUBLE_EQ(designStrength(steel(2.4, 2.2), 40.01, kGravity), 2.2);
}

TEST(SteelStrength, Si235Allowables) {
    // F = 23.5 kN/cm2: ft = 15.667 / 23.5; fs = 23.5/(1.5·√3) = 9.045 / 13.568
    const CSteelRaw s = steel(235, 215);
    EXPECT_NEAR(allowableTension(s, 20, false, kSi), 15.667, 5e-4);
    EXPECT_NEAR(allowableTension(s, 20, true, kSi), 23.5, 1e-12);
    EXPECT_NEAR(allowableShear(s, 20, false, kSi), 9.045, 5e-4);
    EXPECT_NEAR(allowableShear(s, 20, true, kSi), 13.5677, 5e-5);
}

TEST(SteelStrength, BasePlateBendingModes) {
    const CSteelRaw s = steel(2.4, 2.2);
    EXPECT_DOUBLE_EQ(basePlateBendingStress(s, 25, false, 0, kGravity), 2.4 / 1.5);
    EXPECT_DOUBLE_EQ(basePlateBendingStress(s, 25, false, 1, kGravity), 2.4 / 1.3);
    EXPECT_DOUBLE_EQ(basePlateBendingStress(s, 25, true, 0, kGravity), 2.4);
    EXPECT_DOUBLE_EQ(basePlateBendingStress(s, 25, true, 1, kGravity), 2.4);
    EXPECT_DOUBLE_EQ(basePlateBendingStress(s, 50, true, 1, kGravity), 2.2);
}

TEST(SteelStrength, BoltShearModes) {
    // Mode 1, SI: F 23.5 <= 31.177 -> min(11.75, 12) = 11.75; F 49 > 31.177 -> 49/(1.5·√3)
    EXPECT_DOUBLE_EQ(boltShearStress(steel(235, 215), 30, false, 1, kSi), 11.75);
    EXPECT_DOUBLE_EQ(boltShearStress(steel(235, 215), 30, true, 1, kSi), 17.625);
    EXPECT_NEAR(boltShearStress(steel(490, 490), 30, false, 1, kSi), 18.86, 5e-3);
    // F 30 -> 15 capped at 12.
    EXPECT_DOUBLE_EQ(boltShearStress(steel(300, 300), 30, false, 1, kSi), 12.0);
    // Mode 0 always F/(1.5·√3).
    EXPECT_DOUBLE_EQ(boltShearStress(steel(235, 215), 30, false, 0, kSi),
                     23.5 / (1.5 * std::sqrt(3.0)));
    // Gravity: F 2.4 -> 1.2 (F/2 = 1.2 = cap); F 3.3 > 3.1177 -> 3.3/(1.5·√3) = 1.2702
    EXPECT_DOUBLE_EQ(boltShearStress(steel(2.4, 2.2), 30, false, 1, kGravity), 1.2);
    EXPECT_DOUBLE_EQ(boltShearStress(steel(2.2, 2.2), 30, false, 1, kGravity), 1.1);
    EXPECT_NEAR(boltShearStress(steel(3.3, 3.0), 30, false, 1, kGravity), 1.2702, 5e-5);
    EXPECT_DOUBLE_EQ(boltShearStress(steel(2.2, 2.2), 45, true, 1, kGravity), 1.65);
}

TEST(SteelStrength, TensileStrengthSteps) {
    struct Case {
        double fThin;
        int unit;
        double expected;
    };
    const Case cases[] = {
        {2.44, kGravity, 4.1}, {2.45, kGravity, 5.0}, {3.34, kGravity, 5.0}, {3.35, kGravity, 5.3},
        {3.65, kGravity, 5.5}, {239, kSi, 40},        {240, kSi, 49},        {329, kSi, 49},
        {330, kSi, 52},        {359, kSi, 52},        {360, kSi, 54},
    };
    for (const auto& c : cases) {
        // The thickness plays no part: fThick is different on purpose.
        EXPECT_DOUBLE_EQ(tensileStrength(steel(c.fThin, 0.1), c.unit), c.expected) << c.fThin;
    }
}

TEST(ConcreteStrength, Gravity210) {
    // Fc 210: 70/140; shear min(7, 7.1) = 7 / 10.5; deformed top min(14, 14.6), other
    // min(21, 21.9); round top 8.4, round other 12.6
    const CConcreteRaw c = concrete(210);
    EXPECT_DOUBLE_EQ(designFc(c, kGravity), 210);
    EXPECT_DOUBLE_EQ(allowableCompression(c, false, kGravity), 70);
    EXPECT_DOUBLE_EQ(allowableCompression(c, true, kGravity), 140);
    EXPECT_DOUBLE_EQ(allowableShearConcrete(c, false, kGravity), 7);
    EXPECT_DOUBLE_EQ(allowableShearConcrete(c, true, kGravity), 10.5);
    EXPECT_DOUBLE_EQ(allowableBond(c, false, 0, 0, kGravity), 14);
    EXPECT_DOUBLE_EQ(allowableBond(c, false, 1, 0, kGravity), 21);
    EXPECT_NEAR(allowableBond(c, false, 0, 1, kGravity), 8.4, 1e-12);
    EXPECT_NEAR(allowableBond(c, false, 1, 1, kGravity), 12.6, 1e-12);
    EXPECT_DOUBLE_EQ(allowableBond(c, true, 1, 0, kGravity), 31.5);
}

TEST(ConcreteStrength, Si21) {
    // Fc 21 N/mm2: shear min(0.7, 0.71) -> 70 N/cm2; deformed other 21/60 + 0.6 = 0.95 -> 95;
    // deformed top 0.8·0.95 = 0.76 -> 76; round top min(0.84, 0.9) -> 84, other min(1.26, 1.35)
    const CConcreteRaw c = concrete(21);
    EXPECT_DOUBLE_EQ(designFc(c, kSi), 2100);
    EXPECT_DOUBLE_EQ(allowableCompression(c, false, kSi), 700);
    EXPECT_DOUBLE_EQ(allowableCompression(c, true, kSi), 1400);
    EXPECT_NEAR(allowableShearConcrete(c, false, kSi), 70, 1e-9);
    EXPECT_NEAR(allowableShearConcrete(c, true, kSi), 105, 1e-9);
    EXPECT_NEAR(allowableBond(c, false, 1, 0, kSi), 95, 1e-9);
    EXPECT_NEAR(allowableBond(c, false, 0, 0, kSi), 76, 1e-9);
    EXPECT_NEAR(allowableBond(c, false, 0, 1, kSi), 84, 1e-9);
    EXPECT_NEAR(allowableBond(c, false, 1, 1, kSi), 126, 1e-9);
    // Above the caps: Fc 36 -> round bars 0.9 and 1.35 N/mm2.
    EXPECT_NEAR(allowableBond(concrete(36), false, 0, 1, kSi), 90, 1e-9);
    EXPECT_NEAR(allowableBond(concrete(36), true, 1, 1, kSi), 1.5 * 135, 1e-9);
}

TEST(ConcreteStrength, LightWeightCapsApplyEverywhere) {
    // Kind 3 with Fc 24 behaves as Fc 21 (shear then × 0.8, deformed bond × 0.8).
    const CConcreteRaw k3 = concrete(24, 3);
    EXPECT_DOUBLE_EQ(designFc(k3, kSi), 2100);
    EXPECT_DOUBLE_EQ(allowableCompression(k3, false, kSi), 700);
    EXPECT_NEAR(allowableShearConcrete(k3, false, kSi), 0.7 * 0.8 * 100, 1e-9);
    EXPECT_NEAR(allowableBond(k3, false, 1, 0, kSi), 0.95 * 0.8 * 100, 1e-9);
    EXPECT_NEAR(allowableBond(k3, false, 0, 0, kSi), 0.76 * 0.8 * 100, 1e-9);
    EXPECT_NEAR(allowableBond(k3, false, 0, 1, kSi), 84, 1e-9);
    // Kind 4: Fc at most 135 kg/cm2; gravity bond does not depend on the kind.
    const CConcreteRaw k4 = concrete(180, 4);
    EXPECT_DOUBLE_EQ(designFc(k4, kGravity), 135);
    EXPECT_DOUBLE_EQ(allowableShearConcrete(k4, false, kGravity), 4.5 * 0.8);
    EXPECT_DOUBLE_EQ(allowableBond(k4, false, 1, 0, kGravity), 13.5);
    // Kinds 1 and 2: no cap, shear × 0.9.
    EXPECT_DOUBLE_EQ(designFc(concrete(240, 1), kGravity), 240);
    EXPECT_DOUBLE_EQ(allowableShearConcrete(concrete(240, 2), false, kGravity), 7.4 * 0.9);
    // Under the cap the stored value holds.
    EXPECT_DOUBLE_EQ(designFc(concrete(18, 3), kSi), 1800);
}

TEST(ConcreteStrength, DirectInputUsedWhereNonZero) {
    CConcreteRaw c = concrete(21);
    c.compression = {8, 0};
    c.shear = {0.5, 0.75};
    c.bondRoundOther = {1, 2};
    EXPECT_DOUBLE_EQ(allowableCompression(c, false, kSi), 700);  // directInput off
    c.directInput = 1;
    EXPECT_DOUBLE_EQ(allowableCompression(c, false, kSi), 800);
    EXPECT_DOUBLE_EQ(allowableCompression(c, true, kSi), 1400);  // 0 falls back to Fc
    EXPECT_DOUBLE_EQ(allowableShearConcrete(c, true, kSi), 75);
    EXPECT_DOUBLE_EQ(allowableBond(c, true, 1, 1, kSi), 200);
    EXPECT_NEAR(allowableBond(c, true, 0, 1, kSi), 126, 1e-9);
    EXPECT_DOUBLE_EQ(allowableBond(c, true, 1, 1, kGravity), 2);
}

}  // namespace
}  // namespace kesto
