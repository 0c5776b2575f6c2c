// The calculation of one page: name resolution, the detail header, the combinations, the
// allowable-stress passes and the ultimate-strength checks.
#pragma once

#include "base/message_text.h"
#include "calc/page_context.h"

namespace kesto {

inline constexpr const char* kAbandonedLine = "エラーにより計算中断";
inline constexpr const char* kNoColumnSectionMessage =
    KESTO_MESSAGE("柱形状が指定されていないため計算できません");

// Calculates the page under the conditions: 0 when the checks ran, -1 when the page was
// abandoned because of errors (listed in its errorMessages).
int calculatePage(CKestoCnt& cnt, CKesto& page, int unitSystem);

}  // namespace kesto
