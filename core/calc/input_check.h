// Numbers a calculation cannot start from: an infinity or NaN, and magnitudes so large that the
// formulas would overflow on the way (products of several dimensions and forces), which would
// run through every check into the results, the detail lines and the reports. No entry comes
// near the bound: the input cells take at most 99999.
#pragma once

#include "base/message_text.h"
#include "calc/page_context.h"

namespace kesto {

inline constexpr const char* kNonFiniteInputMessage =
    KESTO_MESSAGE("入力値に数値として扱えない値があります");

inline constexpr double kLargestMagnitude = 1e15;

// True when every number of the page's inputs and basic stresses, of the resolved table rows and
// of the conditions' factors is finite and at most kLargestMagnitude in size.
bool inputsCanBeCalculated(const PageContext& ctx);
// The same for the page's combination results (a combination may add up or multiply).
bool combinationsCanBeCalculated(const CKesto& page);

}  // namespace kesto
