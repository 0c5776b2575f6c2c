// The document's inputs as JSON, for the batch tool's dump and import: every input field of
// the conditions and the pages under its own name. Import refuses unknown fields and wrong
// types with a message that names the field; fields left out keep the defaults of a new record.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

#include "base/json_fields.h"
#include "model/document_file.h"

namespace kesto {

nlohmann::ordered_json documentToJson(const DocumentData& doc);
// The same text as documentToJson(doc).dump(2), written page by page so that no tree of the
// whole document is ever built.
void writeDocumentJson(const DocumentData& doc, std::ostream& out);
DocumentData documentFromJson(const nlohmann::json& j);
// One page of the "pages" array; `path` names it in messages ("pages[3]").
CKesto pageFromJson(const nlohmann::json& j, const std::string& path);

nlohmann::ordered_json pageToJson(const CKesto& page);

}  // namespace kesto
