// Opening a document file: the whole file is parsed first, so a refused or damaged file leaves
// the current document, its tables and its unit untouched. Then the edited material tables are
// written under the unit still in force, the material tables of the document's unit are loaded,
// and the three section and bolt tables the document names are read from the program folder
// (a missing file keeps its table and adds no row). Pages are not recalculated here.
#pragma once

#include <string>

#include "model/document_file.h"
#include "tables/material_tables.h"

namespace kesto {

// Replaces `current` by the document at `path`, keeping the tables and modified flags of
// `current` where the files do not replace them. Throws FileAccessError, DocumentRefused or
// FileFormatError without changing `current`. Returns the table files that exist but could not
// be read or written.
TableProblems openDocument(const std::string& path, const std::string& programFolder,
                           DocumentData& current);

// The same for a document already read: `next` replaces `current` and the tables are written,
// loaded and read as above.
TableProblems takeReadDocument(DocumentData next, const std::string& programFolder,
                               DocumentData& current);

}  // namespace kesto
