// The calculation detail file "temp.csv": the detail lines of the last calculation command,
// each in code page 932 followed by CR LF, started by the document path and the conditions
// block.
#pragma once

#include <string>
#include <vector>

#include "model/conditions.h"

namespace kesto {

inline constexpr const char* kDetailFileName = "temp.csv";

// The lines a detail file starts with: the document path, then the "【基本条件】" block.
std::vector<std::string> detailHeader(const std::string& documentPath, const CKestoCnt& cnt,
                                      int unitSystem);

// With the detail file on, writes the detail lines to "temp.csv" in `programFolder` (code page
// 932, CR LF after every line) and empties them. When the file cannot be written the lines
// stay and the reason is added to `problems` when given. Returns true when the file was written.
bool writeDetailFile(const std::string& programFolder, CKestoCnt& cnt,
                     std::vector<std::string>* problems = nullptr);

// The bytes of the detail file for the given lines.
std::string detailFileBytes(const TextLines& lines);

}  // namespace kesto
