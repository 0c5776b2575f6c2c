// When the section and anchor-bolt tables are read and written: a new document reads the tables
// named in the profile and falls back to one built-in row each; the program end writes edited
// tables back and records their names in the profile. Paths are the program folder + a name.
#pragma once

#include <string>

#include "model/conditions.h"
#include "platform/profile.h"
#include "tables/material_tables.h"

namespace kesto {

inline constexpr const char* kTableNamesSection = "Regist";
inline constexpr const char* kHSteelNameKey = "HSteelName";
inline constexpr const char* kTubeNameKey = "BSteelName";
inline constexpr const char* kBoltNameKey = "ABoltName";

// The rows a new document gets when a table file cannot be read: H-200x100x5.5x8 (r 11),
// □-200x200x6.0 (r 15), both with rounded computed properties, and the bolt M30.
CSteel defaultHSection();
CSteel defaultTubeSection();
CABolt defaultAnchorBolt();

// Whether a table file name from a document, "KestoBase.def" or the profile names a file in the
// program folder itself: not empty, no folder separator ("/" or "\"), not "." or "..", no
// drive or stream colon, no control character, no device name such as "CON" or "NUL.tbl".
// Other names are never read or written.
bool isPlainFileName(const std::string& name);

// Reads the three tables named by the conditions. A file that is missing, of another kind or
// damaged leaves its table and comment as they were; with `addDefaults` the table then gets its
// built-in row unless a row of that name is already there. Damaged files and names that are not
// plain file names are reported.
TableProblems readNamedSectionTables(CKestoCnt& cnt, const std::string& programFolder,
                                     bool addDefaults);

// The table step of a new document: the three names from the profile (the current names when
// absent), then the tables with their built-in rows as fallback.
TableProblems loadTablesForNewDocument(CKestoCnt& cnt, const std::string& programFolder,
                                       const Profile& profile);

// The program end: edited material tables under the current unit, then each edited section or
// bolt table (its flag cleared once written; a name that is not a plain file name is reported
// and not written), then the three names into the profile.
TableProblems writeTablesAtProgramEnd(CKestoCnt& cnt, const std::string& programFolder,
                                      int unitSystem, Profile& profile);

}  // namespace kesto
