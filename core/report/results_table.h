// The results of the whole building at a glance: one row per page with its governing ratios and
// judgements, as the batch tool prints them and the results overview shows and exports them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/conditions.h"

namespace kesto {

// A page that was not calculated for an error, or that is NG in any term of either direction.
bool hasFindings(const CKesto& page);

// One page's governing ratio and judgement code of its last calculation, [dir][term] with the
// terms long, short and the ultimate-strength study.
struct ResultsRow {
    int page = 0;  // index in cnt.pages
    std::string mark;
    std::string section;
    std::string plate;  // "BPL-650x650x36"
    std::array<std::array<double, 3>, 2> ratio{};
    std::array<std::array<std::uint8_t, 3>, 2> judgement{};
    int messages = 0;
    bool findings = false;  // hasFindings
};

std::vector<ResultsRow> resultsRows(const CKestoCnt& cnt);

// One row per page, after a header: mark, column section, then for X and for Y the governing
// ratio ("%.3f") and the judgement ("-", "OK", "NG") of the long term, the short term and the
// ultimate-strength study, and the number of the page's messages. UTF-8 with a byte-order mark,
// comma separated, CR LF line ends, as a spreadsheet opens it.
std::string writeResultsTable(const CKestoCnt& cnt);

}  // namespace kesto
