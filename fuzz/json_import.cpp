// The JSON import of documents and tables: what imports is a stored file whose own dump imports
// to the same bytes.
#include "document/json_import.h"
#include "base/archive.h"
#include "base/json_fields.h"
#include "fuzz_support.h"
#include "model/document_file.h"
#include "model/document_json.h"
#include "tables/table_files.h"
#include "tables/table_json.h"

using namespace kesto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string stored;
    try {
        stored = importJson(fuzz::bytesOf(data, size), "fuzz.json");
    } catch (const JsonInputError&) {
        return 0;
    }
    const StoredFileKind kind = detectStoredFileKind(stored);
    fuzz::require(kind != StoredFileKind::unknown, "an imported file is not recognised");
    const std::string dumped = kind == StoredFileKind::document
                                   ? documentToJson(parseDocument(stored, "stored.kso")).dump()
                                   : tableFileToJson(stored, "stored.tbl", kind).dump();
    fuzz::require(importJson(dumped, "dump.json") == stored,
                  "an imported file dumps and imports to other bytes");
    return 0;
}
