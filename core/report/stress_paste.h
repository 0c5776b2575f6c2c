// Pasting a block of numbers copied from a spreadsheet (cells separated by tabs, rows by line
// breaks) into the stress cells of a page's grid, all or nothing.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/field_ref.h"
#include "report/result_cells.h"

namespace kesto {

struct StressPaste {
    std::vector<std::pair<FieldRef, double>> values;  // in reading order
    std::string refusal;  // why nothing may be pasted, worded for the user; empty when it may
};

// Lays the block over the stress cells with its first value on the cell with edit number
// `editOrder`: the values of a row go to the stress cells rightwards (X N, M, Q, then Y N, M, Q)
// and each line of the block one row of the grid further down. One trailing line break (a
// spreadsheet ends every row with one) is ignored. Refused whole when the starting cell is not
// a stress cell, a value is not a number or lies outside -99999 … 99999, or a value would land
// outside the stress cells or on one the page does not take (a case without forces, a moment
// the route-3 study does not use).
StressPaste planStressPaste(const std::vector<DisplayCell>& cells, int editOrder,
                            std::string_view text);

}  // namespace kesto
