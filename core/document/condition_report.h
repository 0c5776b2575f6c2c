// The conditions report with the policy text read from the program folder.
#pragma once

#include <string>
#include <vector>

#include "model/conditions.h"

namespace kesto {

// The policy text of `policyUnitSystem` from `programFolder` (left out when the file cannot be
// read), one empty line, then the conditions block of the input unit.
std::vector<std::string> buildConditionLines(const CKestoCnt& cnt, int inputUnitSystem,
                                             int policyUnitSystem,
                                             const std::string& programFolder);

}  // namespace kesto
