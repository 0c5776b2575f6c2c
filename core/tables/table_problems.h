// The texts that tell the user about a table file that could not be read or written. They name
// the file; the technical detail follows in parentheses on the next line.
#pragma once

#include <string>

namespace kesto {

// A damaged table file: the table keeps the rows it had.
std::string tableReadProblem(const std::string& path, const std::string& detail);
// A table file that could not be written: the table stays marked as edited, so that the next
// save moment (unit switch, opening a document, program end) writes it again.
std::string tableWriteProblem(const std::string& path, const std::string& detail);

}  // namespace kesto
