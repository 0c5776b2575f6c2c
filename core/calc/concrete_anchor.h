// Concrete bearing stress under the base plate and anchor-bolt tension, by the neutral-axis
// method: the plate is a rectangular section B x D reinforced by the bolt row at dt from the
// tension edge, with Young's modulus ratio 15 and no concrete tension.
#pragma once

#include "calc/page_context.h"

namespace kesto {

// The stresses of one set of forces under the plate.
struct PlateStresses {
    double sigmaC = 0;      // concrete edge stress, kg/cm2 or N/cm2
    double tensionSum = 0;  // total tension of the tension-side bolts, t or kN
    double xn = 0;          // neutral-axis depth, cm (0: none; -1 after a failed search)
    // Set when the geometry makes the quantity impossible (a denominator such as D - 2dt,
    // D/2 - e or D - dt - xn/3 is zero or negative, or the plate has no area). The value is
    // then 0 and its ratio must be recorded as kImpossibleRatio.
    bool sigmaCImpossible = false;
    bool tensionImpossible = false;
};

// Status of the stress calculation: kNeutralAxisFailed when no neutral axis was found.
inline constexpr int kNeutralAxisFailed = -1;

// One combination of the allowable-stress design (term 0, 1) or of the ultimate design
// without bolt elongation (term 2): computes the stresses, compares them with the allowable
// (or ultimate) strengths, stores the governing values and words the NG messages. Needs the
// concrete row, the bolt grade and the bolt shape. Returns 0 or kNeutralAxisFailed.
int concreteAnchorCheck(PageContext& ctx, const CStress& c, int dir, int term, PlateStresses& out);

// The stresses alone for N (compression positive, t or kN) and M >= 0 (t·m or kN·m) on a plate
// b x d (cm) with the bolt row at dt (cm) of area at (cm2). Writes the case row to the detail
// lines. Returns 0 or kNeutralAxisFailed.
int stressesUnderPlate(const PageContext& ctx, double b, double d, double dt, double at, double n,
                       double m, PlateStresses& out);

// Root searches for the neutral-axis depth in [0, d] by bisection on the function value:
// 0 when the function does not change sign, -1 when 100 halvings do not reach |f| < 0.001.
double neutralAxisPureBending(double b, double d, double dt, double at);
double neutralAxisEccentric(double b, double d, double dt, double at, double e);

}  // namespace kesto
