// Name lookups over the loaded tables: exact byte-for-byte equality, first match in table order.
#pragma once

#include <string>

#include "model/conditions.h"

namespace kesto {

const CConcreteRaw* findConcrete(const CKestoCnt& cnt, const std::string& name);
const CSteelRaw* findSteelGrade(const CKestoCnt& cnt, const std::string& name);
const CABolt* findAnchorBolt(const CKestoCnt& cnt, const std::string& name);

// status -1: empty name or no equal row; status 0 with no row: the name begins with "-"
// (no table section is used); status 0 with a row: found.
struct SectionLookup {
    int status = -1;
    const CSteel* row = nullptr;
};
SectionLookup findHSection(const CKestoCnt& cnt, const std::string& name);
SectionLookup findTubeSection(const CKestoCnt& cnt, const std::string& name);

}  // namespace kesto
