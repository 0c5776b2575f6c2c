// The conditions report: the calculation policy text of a file beside the program, an empty
// line, then the "【基本条件】" block stating the design conditions and stress definitions.
// Lines are UTF-8; each becomes one printed line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/conditions.h"

namespace kesto {

// "計算方針1.txt", "計算方針2.txt", "計算方針1SI.txt" or "計算方針2SI.txt": 1 with bolt
// elongation, 2 without; SI for unitSystem 1.
std::string policyFileName(int unitSystem, int boltElongation);

// Whether the policy text goes on past its "-" marker line: only when a direction uses route 3
// and the route-3 study of an NG connection is on.
bool route3SectionShown(const CKestoCnt& cnt);

// The policy lines of a file's bytes (code page 932). The text is read in pieces of at most 255
// bytes ending at a line feed, so an overlong line becomes several lines; a double-byte character
// is never split. A piece starting with ";" is a comment; the final line feed of a piece becomes
// a blank; a piece starting with "-" ends the text unless `showRoute3Section`, in which case
// only the marker itself is dropped.
std::vector<std::string> parsePolicyText(std::string_view bytes, bool showRoute3Section);

// The "【基本条件】" block; `unitSystem` is the input unit the "入力単位" line states.
std::vector<std::string> conditionsBlock(const CKestoCnt& cnt, int unitSystem);

// The whole report: the lines of the policy text `policyBytes` (code page 932; empty when the
// file is missing), one empty line, then the conditions block of the input unit.
std::vector<std::string> conditionLines(const CKestoCnt& cnt, int inputUnitSystem,
                                        std::string_view policyBytes);

}  // namespace kesto
