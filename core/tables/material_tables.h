// The two material tables, one file of each per unit system, in the program folder. Loading
// keeps a table whose file is missing; saving writes only an edited table and clears its flag
// once the file is written.
#pragma once

#include <string>
#include <vector>

#include "model/conditions.h"

namespace kesto {

// "ConcRawSI.tbl" in SI units (1), else "ConcRaw.tbl".
std::string concreteFileName(int unitSystem);
// "鋼材材質SI.tbl" in SI units (1), else "鋼材材質.tbl".
std::string steelGradeFileName(int unitSystem);

// Each returned text describes a file that exists but could not be read or written; the table
// or flag concerned is left as it was.
using TableProblems = std::vector<std::string>;

TableProblems loadMaterialTables(CKestoCnt& cnt, const std::string& programFolder, int unitSystem);
TableProblems saveMaterialTables(CKestoCnt& cnt, const std::string& programFolder, int unitSystem);

// Switching the input unit to `target`: the edited material tables are written under the unit
// in force, then the tables of the new unit are loaded. Stored numbers are not converted. Does
// nothing and returns false when `target` is already in force.
bool switchUnitSystem(CKestoCnt& cnt, const std::string& programFolder, int& unitSystem, int target,
                      TableProblems& problems);

}  // namespace kesto
