// The wording of every NG message of the checks.
#pragma once

#include <string>

#include "calc/page_context.h"

namespace kesto {

// Words the message ("Ｘ方向"/"Ｙ方向", "長期許容"/"短期許容"/"保有耐力", "(name)" when the
// name is not empty, a blank and the text; `dir` and `term` are those of the call: the entered
// direction even for a rotated base), appends it to the page's NG messages and, with the detail
// file on, to the detail lines.
void addNgMessage(PageContext& ctx, const std::string& text, int dir, int term,
                  const std::string& comboName);

}  // namespace kesto
