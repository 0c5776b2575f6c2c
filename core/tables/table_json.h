// Table files as JSON, for the batch tool's dump and import:
//   {"kind": "sectionTable" | "boltTable" | "steelGradeTable" | "concreteTable",
//    "signature": "...", "comment": "...", "rows": [{field: value, ...}, ...]}
// Row fields carry the names of the row members. Import refuses unknown fields and wrong types
// with a message that names the field; fields left out keep the values of a new row. Files are
// written in the current versions; the signature read from a file is shown but not written back.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "tables/table_files.h"

namespace kesto {

// The kind name used in JSON, or "" for a document or an unknown file.
std::string tableKindName(StoredFileKind kind);

// Throws FileFormatError for a damaged file or one that is not of `kind`.
nlohmann::ordered_json tableFileToJson(std::string_view bytes, const std::string& source,
                                       StoredFileKind kind);

// One section row with every field, as in the rows of a section table.
nlohmann::ordered_json sectionRowToJson(const CSteel& row);

// Whether the JSON holds a table rather than a document: an object with a "kind" member.
bool isTableJson(const nlohmann::json& j);

// The bytes of the table file; throws JsonInputError.
std::string tableFileFromJson(const nlohmann::json& j);

}  // namespace kesto
