// What a first program start gives: the built-in conditions and a new page.
#pragma once

#include <ctime>
#include <string>

#include "model/conditions.h"

namespace kesto {

// Installs the built-in stress cases ("G:常時", "K:地震") and combinations (long "G"; short and
// ultimate "G+K", "G-K") over the construction defaults of the conditions.
void installBuiltInDefaults(CKestoCnt& cnt);

// A new page as inserting one gives it: the construction defaults, the concrete "Fc21" in SI
// units, and one zero basic stress per stress case in each direction.
CKesto makeNewPage(const CKestoCnt& cnt, int unitSystem);

// The page the insert command adds after `current`: a new page that takes over every input of
// `current` (none when null) but its mark, its forces and its concrete shear switch.
CKesto makeInsertedPage(const CKestoCnt& cnt, int unitSystem, const CKesto* current);

// Local time as "%Y/%m/%d %H:%M", the date a new document gets.
std::string formatBuildingDate(std::time_t when);

}  // namespace kesto
