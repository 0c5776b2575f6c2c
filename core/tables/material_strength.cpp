#include "tables/material_strength.h"
#include "base/numbers.h"

#include <algorithm>
#include <cmath>

namespace kesto {
namespace {

const double kSqrt3 = std::sqrt(3.0);

bool isSi(int unitSystem) {
    return unitSystem == 1;
}

double termFactor(bool shortTerm) {
    return shortTerm ? 1.5 : 1.0;
}

// Fc in the stored unit (kg/cm2 or N/mm2) with the caps of the light-weight kinds 3 and 4.
double cappedFc(const CConcreteRaw& c, int unitSystem) {
    double fc = c.fc;
    if (c.concreteKind == 3) {
        fc = std::min(fc, isSi(unitSystem) ? 21.0 : 210.0);
    } else if (c.concreteKind == 4) {
        fc = std::min(fc, isSi(unitSystem) ? 13.5 : 135.0);
    }
    return fc;
}

// The directly entered value of an item, in internal units, when the row has one.
bool directValue(const CConcreteRaw& c, const CConcreteRaw::LongShort& item, bool shortTerm,
                 int unitSystem, double& out) {
    const double v = item[shortTerm ? 1 : 0];
    if (c.directInput == 0 || isZero(v)) {
        return false;
    }
    out = isSi(unitSystem) ? v * 100.0 : v;
    return true;
}

}  // namespace

double designStrength(const CSteelRaw& s, double t, int unitSystem) {
    const double f = t > 40.0 ? s.fThick : s.fThin;
    return isSi(unitSystem) ? f * 0.1 : f;
}

double allowableTension(const CSteelRaw& s, double t, bool shortTerm, int unitSystem) {
    const double ft = designStrength(s, t, unitSystem) / 1.5;
    return shortTerm ? 1.5 * ft : ft;
}

double allowableShear(const CSteelRaw& s, double t, bool shortTerm, int unitSystem) {
    const double fs = designStrength(s, t, unitSystem) / (1.5 * kSqrt3);
    return shortTerm ? fs * 1.5 : fs;
}

double basePlateBendingStress(const CSteelRaw& s, double t, bool shortTerm, int mode,
                              int unitSystem) {
    const double f = designStrength(s, t, unitSystem);
    if (shortTerm) {
        return f;
    }
    return mode == 1 ? f / 1.3 : f / 1.5;
}

double boltShearStress(const CSteelRaw& s, double t, bool shortTerm, int mode, int unitSystem) {
    const double f = designStrength(s, t, unitSystem);
    double fs = f / (1.5 * kSqrt3);
    if (mode == 1) {
        // F/2 with a cap applies up to F = 1.8·√3 t/cm2 (18·√3 kN/cm2).
        const double limit = isSi(unitSystem) ? 18.0 * kSqrt3 : 1.8 * kSqrt3;
        const double cap = isSi(unitSystem) ? 12.0 : 1.2;
        if (f <= limit) {
            fs = std::min(f / 2.0, cap);
        }
    }
    return shortTerm ? 1.5 * fs : fs;
}

double tensileStrength(const CSteelRaw& s, int unitSystem) {
    const double f = s.fThin;
    if (isSi(unitSystem)) {
        if (f < 240.0) {
            return 40.0;
        }
        if (f < 330.0) {
            return 49.0;
        }
        return f < 360.0 ? 52.0 : 54.0;
    }
    if (f < 2.45) {
        return 4.1;
    }
    if (f < 3.35) {
        return 5.0;
    }
    return f < 3.65 ? 5.3 : 5.5;
}

double designFc(const CConcreteRaw& c, int unitSystem) {
    const double fc = cappedFc(c, unitSystem);
    return isSi(unitSystem) ? fc * 100.0 : fc;
}

double allowableCompression(const CConcreteRaw& c, bool shortTerm, int unitSystem) {
    double direct = 0;
    if (directValue(c, c.compression, shortTerm, unitSystem, direct)) {
        return direct;
    }
    const double fc = designFc(c, unitSystem);
    return shortTerm ? 2.0 * fc / 3.0 : fc / 3.0;
}

double allowableShearConcrete(const CConcreteRaw& c, bool shortTerm, int unitSystem) {
    double direct = 0;
    if (directValue(c, c.shear, shortTerm, unitSystem, direct)) {
        return direct;
    }
    const double fc = cappedFc(c, unitSystem);
    double fs = isSi(unitSystem) ? std::min(fc / 30.0, 0.5 + fc / 100.0)
                                 : std::min(fc / 30.0, 5.0 + fc / 100.0);
    if (c.concreteKind == 1 || c.concreteKind == 2) {
        fs *= 0.9;
    } else if (c.concreteKind == 3 || c.concreteKind == 4) {
        fs *= 0.8;
    }
    if (isSi(unitSystem)) {
        fs *= 100.0;
    }
    return fs * termFactor(shortTerm);
}

double allowableBond(const CConcreteRaw& c, bool shortTerm, int otherBars, int roundBar,
                     int unitSystem) {
    const CConcreteRaw::LongShort& item =
        roundBar != 0 ? (otherBars != 0 ? c.bondRoundOther : c.bondRoundTop)
                      : (otherBars != 0 ? c.bondDeformedOther : c.bondDeformedTop);
    double direct = 0;
    if (directValue(c, item, shortTerm, unitSystem, direct)) {
        return direct;
    }
    const double fc = cappedFc(c, unitSystem);
    double fa = 0;
    if (isSi(unitSystem)) {
        if (roundBar != 0) {
            fa =
                otherBars != 0 ? std::min(6.0 * fc / 100.0, 1.35) : std::min(4.0 * fc / 100.0, 0.9);
        } else {
            fa = fc / 60.0 + 0.6;
            if (otherBars == 0) {
                fa = 0.8 * fa;
            }
            if (c.concreteKind != 0) {
                fa *= 0.8;
            }
        }
        fa *= 100.0;
    } else if (roundBar != 0) {
        fa = otherBars != 0 ? std::min(6.0 * fc / 100.0, 13.5) : std::min(4.0 * fc / 100.0, 9.0);
    } else {
        fa = otherBars != 0 ? std::min(fc / 10.0, 13.5 + fc / 25.0)
                            : std::min(fc / 15.0, 9.0 + 2.0 * fc / 75.0);
    }
    return fa * termFactor(shortTerm);
}

}  // namespace kesto
