// Numbers a calculation cannot start from: a stored document or table file may hold an
// infinity or NaN, which would run through every formula into the results and the reports.
#pragma once

#include "calc/page_context.h"

namespace kesto {

inline constexpr const char* kNonFiniteInputMessage = "入力値に数値として扱えない値があります";

// True when every number of the page's inputs and basic stresses and of the resolved table
// rows is finite.
bool inputsAreFinite(const PageContext& ctx);

}  // namespace kesto
