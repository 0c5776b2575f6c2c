// The texts that tell the user about a file that could not be read or written besides the
// document itself. They name the file; the technical detail follows in parentheses on the next
// line.
#pragma once

#include <string>

namespace kesto {

// A damaged table file: the table keeps the rows it had.
std::string tableReadProblem(const std::string& path, const std::string& detail);
// A table file that could not be written: the table stays marked as edited, so that the next
// save moment (unit switch, opening a document, program end) writes it again.
std::string tableWriteProblem(const std::string& path, const std::string& detail);
// A table file name that is not a plain file name in the program folder, so that it could lead
// elsewhere: the table was not read (`read`) or not written.
std::string tableNameProblem(const std::string& name, bool read);
// Any such text: `text` names the file and says what follows; the detail is added when given.
std::string problemText(std::string text, const std::string& detail);

}  // namespace kesto
