// Where the program keeps the files it reads and writes beside itself ("KestoBase.def", the table
// files, the policy texts, "temp.csv"). That is the program folder, unless the program cannot
// write there (an installation for all users): then it is the user's own data folder, filled
// from the program folder with every such file it does not hold yet, so that an edited table is
// never lost and never overwritten by a newer installation.
#pragma once

#include <string>

namespace kesto {

// `programFolder` and `userFolder` end with a separator. The program folder when it is writable
// or when there is no user folder; otherwise the user folder, created and filled (a file that
// cannot be copied there is tried again at the next start).
std::string dataFolderFor(const std::string& programFolder, bool programFolderWritable,
                          const std::string& userFolder);

// The data folder of the running program.
std::string dataFolder();

}  // namespace kesto
