// Concrete failure prevention for route 3 with anchor bolts that can elongate: the pedestal edge
// and the pedestal under the plate, the concrete on and around the anchor block, and the cone
// and row-shear failure around the bolts, all under the bolts' yield force plus the axial force.
#pragma once

#include "calc/page_context.h"

namespace kesto {

// Bearing area on the anchor block Aa and splitting surface Ac (cm2): the directly entered pair
// when `inputAa` is not zero, otherwise computed from the block, the bolt length and `at`
// (bolt count x shank area, cm2).
struct AnchorBlockAreas {
    double aa = 0;
    double ac = 0;
};
AnchorBlockAreas anchorBlockAreas(const CKesto& page, double at);

// Tensile strength Fc4 of the concrete for a design strength fc (kg/cm2, or N/cm2 in SI).
double concreteTensileStrength(double fc, int unitSystem);

// One loading sense; does nothing unless the conditions ask for the route-3 NG-case checks.
// Records the Aa and Ac it used in the page's usedAa and usedAc.
void checkConcreteFailure(PageContext& ctx, int dir, int sense);

}  // namespace kesto
