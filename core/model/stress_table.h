// The stress table: the forces of every page as a spreadsheet holds them, one header row, then
// one row per set of values with the columns mark, dir ("X" or "Y"), case, N, M, Q (or 符号,
// 方向, 応力, N, M, Q). A case is the symbol of a basic stress case, or "U:L->R" / "U:R->L"
// for the route-3 forces of that loading sense. Values are in the document's input unit.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/conditions.h"

namespace kesto {

inline constexpr std::string_view kUltimateCases[2] = {"U:L->R", "U:R->L"};

// Every page's basic stresses and route-3 forces, in page order, X before Y, the cases in the
// page's order and then the two loading senses; UTF-8 with a byte-order mark, comma separated,
// CR LF line ends, numbers in the shortest text that reads back to the same value.
std::string writeStressTable(const CKestoCnt& cnt);

// One problem of a table, worded for the user; line counts from 1 (the header).
struct StressTableProblem {
    int line = 0;
    std::string text;
    bool unknownMark = false;  // a mark no page has: adding pages would mend it
};

struct StressTableImport {
    std::vector<StressTableProblem> problems;  // by line; when any, nothing changed
    int rows = 0;                              // rows applied
    int pagesAdded = 0;
};

// Sets each listed value on the page with that mark; values not listed stay. All or nothing:
// an unreadable text, a bad header, an unknown mark (unless `addPages`), a mark held by several
// pages, a bad direction, an unknown case, a number that does not parse or lies outside the
// range of the input cells, a repeated (mark, dir, case) or a row with too few or too many
// fields refuses the whole table, and every problem is listed. With `addPages` an unknown mark
// gets a new page at the end, with the inputs of the last page as inserting a page copies them.
StressTableImport importStressTable(std::string_view bytes, CKestoCnt& cnt, int unitSystem,
                                    bool addPages);

}  // namespace kesto
