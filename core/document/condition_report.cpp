#include "document/condition_report.h"

#include "platform/files.h"
#include "report/condition_lines.h"

namespace kesto {

std::vector<std::string> buildConditionLines(const CKestoCnt& cnt, int inputUnitSystem,
                                             int policyUnitSystem,
                                             const std::string& programFolder) {
    const auto policy =
        readFileIfExists(programFolder + policyFileName(policyUnitSystem, cnt.boltElongation));
    return conditionLines(cnt, inputUnitSystem, policy ? *policy : std::string());
}

}  // namespace kesto
