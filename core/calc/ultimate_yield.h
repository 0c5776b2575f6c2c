// The ultimate-strength connection with anchor bolts that cannot elongate: α·Mpc against the
// yield bending strength My of the base, the stresses under the route-3 forces, the shear
// against the bolts' capacity, and the shear check of the route-1-2/2 combinations.
#pragma once

#include "calc/page_context.h"
#include "model/stress.h"

namespace kesto {

// One loading sense of route 3; with the route-3 NG-case checks also the concrete compression
// and the bolt tension under the stresses of the route-3 forces.
void checkYieldSense(PageContext& ctx, int dir, int sense);

// Shear capacity Qa of the base for the combination `c` with the bolt tension `tensionSum`.
// Unless `capacityOnly` is set, also stores the governing shear ratio and words its messages.
double checkUltimateShear(PageContext& ctx, const CStress& c, double tensionSum, int dir,
                          bool capacityOnly);

}  // namespace kesto
