// Transfer of the horizontal force into the concrete: friction under the plate, or else the
// anchor bolts with their shear stress reduced by tension.
#pragma once

#include "calc/page_context.h"

namespace kesto {

// One combination of the allowable-stress design; `tensionSum` is the bolt tension of the same
// combination. Needs the bolt grade and shape.
void shearCheck(PageContext& ctx, const CStress& c, double tensionSum, int dir, int term);

// Shear capacity Qa for the bolt area a (cm2, one bolt line), shear q >= 0, axial force n, bolt
// tension t, allowable tension ft and shear fs; writes its detail rows. 0 when nothing carries
// the shear.
double shearCapacity(const PageContext& ctx, double a, double q, double n, double t, double ft,
                     double fs);

// fs reduced by a tension t on area a: max(0, min(fs, (1.4 ft - t/a)/1.6)); 0 for a zero area.
double tensionReducedFs(double ft, double t, double a, double fs);

}  // namespace kesto
