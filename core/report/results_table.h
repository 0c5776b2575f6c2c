// The results of the whole building at a glance: one row per page with its governing ratios and
// judgements, as the batch tool prints them and the results overview exports them.
#pragma once

#include <string>

#include "model/conditions.h"

namespace kesto {

// A page that was not calculated for an error, or that is NG in any term of either direction.
bool hasFindings(const CKesto& page);

// One row per page, after a header: mark, column section, then for X and for Y the governing
// ratio ("%.3f") and the judgement ("-", "OK", "NG") of the long term, the short term and the
// ultimate-strength study, and the number of the page's messages. UTF-8 with a byte-order mark,
// comma separated, CR LF line ends, as a spreadsheet opens it.
std::string writeResultsTable(const CKestoCnt& cnt);

}  // namespace kesto
