// The ultimate-strength connection with anchor bolts that can elongate: α·Mpc against the
// ultimate bending strength Mu of the exposed base, and the shear against its ultimate shear
// strength Qu.
#pragma once

#include "calc/page_context.h"
#include "model/stress.h"

namespace kesto {

// One ultimate combination of route 1-2/2; a failed α·Mpc/Mu is replaced by the check MD/Mu.
void checkUltimateCombination(PageContext& ctx, const CStress& c, int dir);

// One loading sense of route 3 with the route-3 forces of the page.
void checkUltimateSense(PageContext& ctx, int dir, int sense);

}  // namespace kesto
