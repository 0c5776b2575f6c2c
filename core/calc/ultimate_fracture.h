// Base-plate fracture prevention for route 3: the net section across the bolt row, the end
// distance of the bolts and the shear around the bolt holes against α times the shear QM.
#pragma once

#include "calc/page_context.h"

namespace kesto {

// One loading sense; does nothing unless the conditions ask for the route-3 NG-case checks.
void checkPlateFracture(PageContext& ctx, int dir, int sense);

}  // namespace kesto
