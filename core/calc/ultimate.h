// The ultimate-strength connection of one direction of a page.
#pragma once

#include "calc/page_context.h"

namespace kesto {

// Runs the route's ultimate-strength checks for `dir` and sets ultimateResults and
// ultimateJudgement of the page.
void checkUltimate(PageContext& ctx, int dir);

}  // namespace kesto
