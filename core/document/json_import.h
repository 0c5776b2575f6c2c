// The import of the batch tool: a JSON text, a document as `dump` writes it or a table, becomes
// the bytes of the stored file. A document's pages are converted and stored one by one as they
// are read, so a large text never stands in memory as one tree or as a list of page records
// (when the conditions come before the pages, as `dump` writes them).
#pragma once

#include <string>
#include <string_view>

namespace kesto {

// Throws JsonInputError naming `source` and the place: line and column for text that is not
// JSON, the field path for a value the program refuses.
std::string importJson(std::string_view text, const std::string& source);

}  // namespace kesto
