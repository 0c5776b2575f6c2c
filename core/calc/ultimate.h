// The ultimate-strength connection of one direction of a page.
#pragma once

#include "calc/page_context.h"

namespace kesto {

// Runs the route's ultimate-strength checks for `dir` and sets ultimateResults and
// ultimateJudgement of the page.
void checkUltimate(PageContext& ctx, int dir);

// The governing ratio of `dir` from its ultimate slots and the current value of the governing
// slot. A failed α·Mpc/Mu of route 1-2/2 with elongation is replaced by MD/Mu; with the route-3
// NG-case checks a failed bending check of route 3 is replaced by the plate-fracture and
// concrete-failure checks.
double ultimateGoverningRatio(const CKestoCnt& cnt, const CKesto& page, int dir);

}  // namespace kesto
